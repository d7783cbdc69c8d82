#pragma once
// The 128-byte PCX file header and the picture it describes: size, planes,
// output depth and the image data the file must at least hold.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace mirv::pcx {

constexpr std::size_t kHeaderBytes = 128;

struct Header {
    std::uint8_t version = 0;
    std::uint8_t encoding = 0;  // 0 raw, anything else run-length coded
    std::uint8_t bits_per_plane = 0;
    std::int16_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    std::uint16_t x_dpi = 0, y_dpi = 0;
    std::uint8_t colour_map[48] = {};  // 16 entries of red, green, blue
    std::uint8_t planes = 0;
    std::uint16_t bytes_per_line = 0;
};

Header parse_header(const std::uint8_t (&raw)[kHeaderBytes]);

// What the decoder builds from a header it accepts.
struct Layout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    unsigned planes = 0;
    unsigned bits_per_plane = 0;
    unsigned scan_line_bytes = 0;  // bytes of one plane's scan line
    bool rle = false;
    unsigned output_bits = 0;      // 1, 4, 8 or 24
    unsigned colours = 0;          // 2, 16, 256 or 0
    std::uint64_t row_bytes = 0;   // one DIB row, padded to 4 bytes
};

// The layout of a header, or nothing when no sound picture can be made of
// it: empty extents, no planes or bits, more than 8 bits per plane, more
// than 8 bits in all that are not 8-bit colour planes, or a pixel area
// beyond what any DIB may hold.
std::optional<Layout> layout_of(const Header& h);

// The fewest file bytes the image data of a layout can take: every scan
// line raw, or at best 63 bytes from every two bytes of run-length code.
std::uint64_t least_image_bytes(const Layout& l);

}  // namespace mirv::pcx
