#pragma once
// Puts the scan lines of one picture row into a DIB row: plane fields
// combined into colour indices, or colour planes into the bytes of 24-bit
// pixels. Pixels a short scan line does not reach are left as they are.
#include <cstddef>
#include <cstdint>

namespace mirv::pcx {

// ORs pixel i's field of `bits` bits (packed from the most significant bit
// of each byte) into index[i], shifted up by `shift`, for i below `width`.
void or_plane_fields(const std::uint8_t* line, std::size_t line_bytes, unsigned bits, unsigned shift,
                     std::uint8_t* index, std::size_t width);

// Packs one byte-per-pixel index row into a DIB row of 1, 4 or 8 bits.
void pack_indices(const std::uint8_t* index, std::size_t width, unsigned output_bits, std::uint8_t* row);

// A scan line of one-byte samples into byte `channel` of every 3-byte pixel.
void put_colour_plane(const std::uint8_t* line, std::size_t line_bytes, unsigned channel, std::uint8_t* row,
                      std::size_t width);

// A one-plane scan line that already has the DIB row's layout (8 bits, or
// 1 bit): its bytes for the first `width` pixels, trailing bits cleared.
void copy_packed_line(const std::uint8_t* line, std::size_t line_bytes, unsigned bits, std::uint8_t* row,
                      std::size_t width);

}  // namespace mirv::pcx
