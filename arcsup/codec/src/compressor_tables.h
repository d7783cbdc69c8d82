// Layout of the tables behind arc::CompressorTables.
#pragma once

#include <cstdint>

#include "arc/encode.h"

namespace arc::detail {

// Open-addressing hash of the strings (prefix code, byte) known so far. A
// slot holds the key prefix * 256 + byte and its code; empty_key marks a
// free slot.
struct StringHash {
    static constexpr int slots = 9029;  // a prime above the 8192 codes
    static constexpr std::uint32_t empty_key = 0xFFFFFFFF;
    std::uint32_t key[slots];
    std::uint16_t code[slots];
};

} // namespace arc::detail

struct arc::CompressorTables::Tables {
    // Bytes of the code group being filled, `width` of them, plus room for
    // the last code's spill.
    std::uint8_t packing[16];
    detail::StringHash hash;
};
