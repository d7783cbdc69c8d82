#pragma once
// Expansion of RLE8 and RLE4 pixel data into uncompressed rows.
#include <cstddef>
#include <cstdint>

namespace mirv::bmp {

// Decodes `data` into `pixels` (height rows of `row` bytes, bottom row
// first). Runs, literals and deltas that leave the pixel area write
// nothing outside it; the data running out ends the picture.
void expand_rle8(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels, std::size_t row,
                 std::size_t width, std::size_t height);
void expand_rle4(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels, std::size_t row,
                 std::size_t width, std::size_t height);

}  // namespace mirv::bmp
