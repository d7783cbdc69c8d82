#pragma once
// Checks metafile bits from anywhere (a file, a caller) and lists their
// records. Nothing is trusted: the header, every record size, and every
// object index against the object table the records build.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/types.h"

namespace platform::gdi {

struct RecordView {
    std::size_t offset;       // of the record in the bits
    std::size_t size_bytes;   // the whole record
    WORD function;
    const std::uint8_t* params;
    std::size_t param_bytes;
};

struct ParsedMetafile {
    WORD object_count = 0;          // slots of the object table
    std::vector<RecordView> records;  // the end record not included
};

// The records of valid bits, or nothing when the bits fail a check.
std::optional<ParsedMetafile> parse_metafile(const std::uint8_t* bits, std::size_t size);

// Whether a record function creates an object that takes a table slot.
bool creates_object(WORD function);

}  // namespace platform::gdi
