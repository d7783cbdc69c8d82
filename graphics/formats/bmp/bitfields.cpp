#include "bitfields.h"

namespace mirv::bmp {

namespace {

// A channel scaled to 8 bits, whatever the width of its mask.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : mask_(mask) {
        if (!mask_) return;
        while (!((mask_ >> shift_) & 1)) ++shift_;
        max_ = mask_ >> shift_;
    }
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (!mask_) return 0;
        std::uint64_t v = (pixel & mask_) >> shift_;
        return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_ = 0;
    std::uint64_t max_ = 1;
};

}  // namespace

ChannelMasks default_masks(unsigned bitCount) {
    if (bitCount == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

void to_24_bits(const std::uint8_t* in, std::size_t in_row, unsigned bitCount, const ChannelMasks& masks,
                std::uint8_t* out, std::size_t out_row, std::size_t width, std::size_t height) {
    Channel red(masks.red), green(masks.green), blue(masks.blue);
    std::size_t step = bitCount / 8;
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* src = in + y * in_row;
        std::uint8_t* dst = out + y * out_row;
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* p = src + x * step;
            std::uint32_t v = step == 2 ? static_cast<std::uint32_t>(p[0] | (p[1] << 8))
                                        : static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16)) |
                                              (static_cast<std::uint32_t>(p[3]) << 24);
            dst[3 * x] = blue(v);
            dst[3 * x + 1] = green(v);
            dst[3 * x + 2] = red(v);
        }
    }
}

}  // namespace mirv::bmp
