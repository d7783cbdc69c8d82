// Layout of the tables behind arc::DecoderTables.
#pragma once

#include <cstdint>

#include "arc/decode.h"
#include "old_string_table.h"
#include "string_history.h"

namespace arc::detail {

// Method 4: node i has the children for bit 0 and bit 1; a child >= 0 is a
// node, a child c < 0 the value -(c + 1).
// first_byte[b] is where the eight bits b lead from the root: a value v
// reached after k bits as k << 9 | v, or after all eight bits the node n
// (k = 0).
struct HuffmanTree {
    static constexpr int max_nodes = 256;
    std::int16_t child[max_nodes + 1][2];
    std::uint16_t first_byte[256];
};

// Methods 8 and 9: code k stands for the string of its prefix code followed
// by its suffix byte, entry[k] = prefix | suffix << 16; length[k] is the
// length of that string and position[k] where it was written out before.
// Strings are put together in the history while the table grows, in the
// stack once it is full.
struct AdaptiveTables {
    static constexpr int max_codes = 8192;
    static constexpr int stack_size = 8192;
    std::uint32_t entry[max_codes];
    std::uint16_t length[max_codes];
    std::uint64_t position[max_codes];
    std::uint8_t stack[stack_size + StringHistory::slack];
};

} // namespace arc::detail

struct arc::DecoderTables::Tables {
    detail::HuffmanTree huffman;
    detail::OldStringTable old_table;
    detail::AdaptiveTables adaptive;
    detail::StringHistory history;
};
