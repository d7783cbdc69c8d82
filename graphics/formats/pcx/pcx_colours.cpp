#include "pcx_colours.h"

#include <vector>

#include "mirv32.h"

namespace mirv::pcx {

namespace {

constexpr std::uint8_t kVersion3Colours[16][3] = {
    {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},   {128, 0, 0},   {128, 0, 128},
    {128, 128, 0},   {128, 128, 128}, {192, 192, 192}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
};

RGBQUAD quad(const std::uint8_t* rgb) { return {rgb[2], rgb[1], rgb[0], 0}; }

}  // namespace

void fixed_colours(const Header& h, const Layout& l, RGBQUAD* table) {
    if (l.colours == 2) {
        table[0] = {0, 0, 0, 0};
        table[1] = {255, 255, 255, 0};
        return;
    }
    for (unsigned i = 0; i < 16; ++i)
        table[i] = quad(h.version == 3 ? kVersion3Colours[i] : h.colour_map + 3 * i);
}

int read_palette_block(ByteReader& in, unsigned bits, RGBQUAD* table) {
    std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint8_t> block(1 + 3 * entries);
    if (in.read(block.data(), block.size()) != block.size()) return IPE_EOF;
    for (std::size_t i = 0; i < entries; ++i) table[i] = quad(block.data() + 1 + 3 * i);
    return 0;
}

}  // namespace mirv::pcx
