// Layout of the tables behind arc::DecoderTables.
#pragma once

#include <cstdint>

#include "arc/decode.h"
#include "old_string_table.h"

namespace arc::detail {

// Method 4: node i has the children for bit 0 and bit 1; a child >= 0 is a
// node, a child c < 0 the value -(c + 1).
struct HuffmanTree {
    static constexpr int max_nodes = 256;
    std::int16_t child[max_nodes + 1][2];
};

// Methods 8 and 9: code k stands for the string of code prefix[k] followed by
// suffix[k]. The stack is filled from its end, so a finished string lies in
// order at stack[top..stack_size).
struct AdaptiveTables {
    static constexpr int max_codes = 8192;
    static constexpr int stack_size = 8192;
    std::uint16_t prefix[max_codes];
    std::uint8_t suffix[max_codes];
    std::uint8_t stack[stack_size];
};

} // namespace arc::detail

struct arc::DecoderTables::Tables {
    detail::HuffmanTree huffman;
    detail::OldStringTable old_table;
    detail::AdaptiveTables adaptive;
};
