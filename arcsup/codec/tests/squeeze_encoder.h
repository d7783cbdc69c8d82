// Test-only writer of squeezed data (method 4), to make fixtures: a Huffman
// tree over the repeat-compressed bytes and the end value 256.
#pragma once

#include "test_data.h"

namespace arc::test {

// The squeezed member data of `input` (repeat compression, node count,
// nodes, then the codes least significant bit first, ending with 256).
Bytes squeeze_member(const Bytes& input);

// Node count, nodes and bits of `symbols` (values 0..255) with the end value.
Bytes huffman_encode(const Bytes& symbols);

} // namespace arc::test
