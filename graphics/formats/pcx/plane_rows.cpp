#include "plane_rows.h"

#include <algorithm>
#include <cstring>

namespace mirv::pcx {

namespace {

std::size_t pixels_in(std::size_t line_bytes, unsigned bits, std::size_t width) {
    return std::min<std::size_t>(width, line_bytes * 8 / bits);
}

}  // namespace

void or_plane_fields(const std::uint8_t* line, std::size_t line_bytes, unsigned bits, unsigned shift,
                     std::uint8_t* index, std::size_t width) {
    std::size_t n = pixels_in(line_bytes, bits, width);
    unsigned mask = (1u << bits) - 1;
    if (8 % bits == 0) {
        unsigned per_byte = 8 / bits;
        for (std::size_t i = 0; i < n; ++i) {
            unsigned at = (per_byte - 1 - static_cast<unsigned>(i % per_byte)) * bits;
            index[i] |= static_cast<std::uint8_t>(((line[i / per_byte] >> at) & mask) << shift);
        }
        return;
    }
    // Fields of 3, 5, 6 or 7 bits may span two bytes.
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t bit = i * bits;
        std::size_t at = bit / 8;
        unsigned window = (line[at] << 8) | (at + 1 < line_bytes ? line[at + 1] : 0u);
        unsigned field = (window >> (16 - bits - bit % 8)) & mask;
        index[i] |= static_cast<std::uint8_t>(field << shift);
    }
}

void pack_indices(const std::uint8_t* index, std::size_t width, unsigned output_bits, std::uint8_t* row) {
    if (output_bits == 8) {
        std::memcpy(row, index, width);
    } else if (output_bits == 4) {
        for (std::size_t i = 0; i < width; ++i)
            row[i / 2] |= static_cast<std::uint8_t>((index[i] & 0x0F) << (i % 2 ? 0 : 4));
    } else {
        for (std::size_t i = 0; i < width; ++i)
            row[i / 8] |= static_cast<std::uint8_t>((index[i] & 1) << (7 - i % 8));
    }
}

void put_colour_plane(const std::uint8_t* line, std::size_t line_bytes, unsigned channel, std::uint8_t* row,
                      std::size_t width) {
    std::size_t n = std::min(width, line_bytes);
    std::uint8_t* out = row + channel;
    for (std::size_t i = 0; i < n; ++i, out += 3) *out = line[i];
}

void copy_packed_line(const std::uint8_t* line, std::size_t line_bytes, unsigned bits, std::uint8_t* row,
                      std::size_t width) {
    std::size_t n = pixels_in(line_bytes, bits, width);
    std::size_t whole = n * bits / 8;
    std::memcpy(row, line, whole);
    unsigned rest = static_cast<unsigned>(n * bits % 8);
    if (rest) row[whole] = static_cast<std::uint8_t>(line[whole] & (0xFF00u >> rest));
}

}  // namespace mirv::pcx
