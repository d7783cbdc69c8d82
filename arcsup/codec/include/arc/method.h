// ARC storage method numbers and the rules that pick the method to write.
#pragma once

#include <cstdint>

namespace arc {

// Method byte of a member header (0 is the end marker, not a method).
namespace method {
inline constexpr int stored_old = 1;    // stored, 25-byte header
inline constexpr int stored = 2;        // stored
inline constexpr int packed = 3;        // repeat compression of 0x90 runs
inline constexpr int squeezed = 4;      // Huffman over packed data
inline constexpr int crunched_old = 5;  // 12-bit string table, old hash
inline constexpr int crunched_old_packed = 6;   // as 5 over packed data
inline constexpr int crunched_old_newhash = 7;  // as 6 with the new hash
inline constexpr int crunched = 8;      // 9..12-bit string table over packed data
inline constexpr int squashed = 9;      // 9..13-bit string table
} // namespace method

// True for the methods 1..9 that decode_member() reads.
constexpr bool is_decodable_method(int m) { return m >= 1 && m <= 9; }
// True for the methods 2, 3, 8, 9 that encode_member() writes.
constexpr bool is_encodable_method(int m)
{
    return m == method::stored || m == method::packed || m == method::crunched ||
           m == method::squashed;
}

// The method tried first for a file of `size` bytes: packed under 100 bytes,
// crunched from 100 to 12287 bytes, squashed from 12288 bytes on.
constexpr int method_for_size(std::uint64_t size)
{
    if (size < 100)
        return method::packed;
    if (size < 12288)
        return method::crunched;
    return method::squashed;
}

// The saving in percent, 100 - 100 * compressed / uncompressed computed in
// floating point and rounded to the nearest integer with ties to even
// (independent of the floating-point rounding mode). 0 for an empty member.
// Negative when the member grew.
long ratio_percent(std::uint64_t compressed, std::uint64_t uncompressed);

// The method to record after an attempt with `tried`: `tried` when its
// rounded saving is above 0, else method::stored (the member is then
// written again stored). Stored attempts stay stored.
int method_after_attempt(int tried, std::uint64_t compressed, std::uint64_t uncompressed);

} // namespace arc
