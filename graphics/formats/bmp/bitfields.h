#pragma once
// 16- and 32-bit pixels (with masks, or the default 5-5-5 and 8-8-8) as
// 24-bit rows.
#include <cstddef>
#include <cstdint>

namespace mirv::bmp {

struct ChannelMasks {
    std::uint32_t red, green, blue;
};

ChannelMasks default_masks(unsigned bitCount);

// Converts `height` rows of `width` pixels; `in` rows are `in_row` bytes,
// `out` rows `out_row` bytes.
void to_24_bits(const std::uint8_t* in, std::size_t in_row, unsigned bitCount, const ChannelMasks& masks,
                std::uint8_t* out, std::size_t out_row, std::size_t width, std::size_t height);

}  // namespace mirv::bmp
