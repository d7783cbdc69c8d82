// Deterministic test inputs of the kinds the codec meets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace arc::test {

using Bytes = std::vector<std::uint8_t>;

Bytes text_data(std::size_t size, std::uint32_t seed = 1);   // words and lines
Bytes binary_data(std::size_t size, std::uint32_t seed = 2); // structured records
Bytes random_data(std::size_t size, std::uint32_t seed = 3); // incompressible
Bytes marker_data(std::size_t size, std::uint32_t seed = 4); // many 0x90 and runs
Bytes bytes_of(const std::string& text);

struct NamedData {
    std::string name;
    Bytes data;
};
// A set of inputs: empty, one byte, text, binary, random, 0x90-heavy, long
// runs, all 256 byte values, of sizes that cross the code width steps.
std::vector<NamedData> sample_inputs();

} // namespace arc::test
