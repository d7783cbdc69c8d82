// The string-table compressor of methods 8 and 9: codes of 9 bits growing up
// to 12 or 13, written in groups of `width` bytes, with the clear code 256
// when the table is full.
#pragma once

#include "arc/writer.h"
#include "compressor_tables.h"

namespace arc::detail {

class StringTableCompressor {
public:
    StringTableCompressor(CompressorTables::Tables& tables, Writer& out, int max_width);

    // Starts with `first` as the current code.
    void start(std::uint8_t first);
    // Extends the current string by `byte`, writing a code when the longer
    // string is new.
    void add(std::uint8_t byte);
    // Writes the current code and the bytes of the last group.
    void finish();

private:
    void put_code(unsigned code);
    void end_group();
    void empty_hash();

    std::uint8_t* const packing_;
    StringHash& hash_;
    Writer& out_;
    const int max_width_;
    const unsigned limit_;
    int width_;
    unsigned largest_;
    unsigned next_free_;
    unsigned current_ = 0;
    int bit_offset_ = 0;
    bool clear_pending_ = false;
};

} // namespace arc::detail
