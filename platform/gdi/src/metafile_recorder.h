#pragma once
// Writes the records of a memory metafile being recorded and keeps its
// object table: an object gets the lowest free slot when it is first
// selected, and loses it when it is deleted.
#include <cstdint>
#include <vector>

#include "gdi_object.h"

namespace platform::gdi {

class MetafileRecorder {
public:
    // A record whose parameters are the given 16-bit words, in file order.
    void record(WORD function, std::initializer_list<std::uint16_t> words);
    // A record whose parameters are raw bytes (padded to a whole word).
    void record_bytes(WORD function, const std::vector<std::uint8_t>& params);

    // The slot of an object, writing its creation record first when it has none.
    int slot_for(const GdiObject& object);
    // Writes the deletion of an object that holds a slot and frees the slot.
    void forget(const GdiObject& object);

    // The complete bits: header, records, end record.
    std::vector<std::uint8_t> finish();

private:
    void record_creation(const GdiObject& object);
    void append_record(WORD function, const std::uint8_t* params, std::size_t bytes);

    std::vector<std::uint8_t> records_;
    std::vector<const GdiObject*> table_;
    std::size_t table_size_ = 0;
    std::uint32_t max_record_words_ = 3;
};

}  // namespace platform::gdi
