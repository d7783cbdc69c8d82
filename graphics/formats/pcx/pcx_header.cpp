#include "pcx_header.h"

#include "dib/packed_dib.h"

namespace mirv::pcx {

namespace {

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::int16_t sle16(const std::uint8_t* p) { return static_cast<std::int16_t>(le16(p)); }

// 0 when the bits of all planes make no picture this decoder can deliver.
unsigned output_bits_of(unsigned planes, unsigned bits_per_plane) {
    unsigned all = planes * bits_per_plane;
    if (all == 1) return 1;
    if (all <= 4) return 4;
    if (all <= 8) return 8;
    // Red, green and blue planes of a byte each, and perhaps more (alpha)
    // that are read and left out.
    return bits_per_plane == 8 && planes >= 3 ? 24 : 0;
}

unsigned colours_of(unsigned output_bits) { return output_bits == 24 ? 0 : 1u << output_bits; }

std::int64_t extent(std::int16_t low, std::int16_t high) {
    return static_cast<std::int64_t>(high) - static_cast<std::int64_t>(low) + 1;
}

}  // namespace

Header parse_header(const std::uint8_t (&raw)[kHeaderBytes]) {
    Header h;
    h.version = raw[1];
    h.encoding = raw[2];
    h.bits_per_plane = raw[3];
    h.xmin = sle16(raw + 4);
    h.ymin = sle16(raw + 6);
    h.xmax = sle16(raw + 8);
    h.ymax = sle16(raw + 10);
    h.x_dpi = le16(raw + 12);
    h.y_dpi = le16(raw + 14);
    for (std::size_t i = 0; i < sizeof h.colour_map; ++i) h.colour_map[i] = raw[16 + i];
    h.planes = raw[65];
    h.bytes_per_line = le16(raw + 66);
    return h;
}

std::optional<Layout> layout_of(const Header& h) {
    std::int64_t width = extent(h.xmin, h.xmax);
    std::int64_t height = extent(h.ymin, h.ymax);
    if (width < 1 || height < 1 || h.planes == 0 || h.bits_per_plane == 0 || h.bits_per_plane > 8 ||
        h.bytes_per_line == 0)
        return std::nullopt;
    Layout l;
    l.output_bits = output_bits_of(h.planes, h.bits_per_plane);
    if (l.output_bits == 0) return std::nullopt;
    l.row_bytes = dib::row_bytes(width, l.output_bits);
    if (l.row_bytes == 0 || l.row_bytes * static_cast<std::uint64_t>(height) > dib::kMaxPixelBytes)
        return std::nullopt;
    l.width = static_cast<std::uint32_t>(width);
    l.height = static_cast<std::uint32_t>(height);
    l.planes = h.planes;
    l.bits_per_plane = h.bits_per_plane;
    l.scan_line_bytes = h.bytes_per_line;
    l.rle = h.encoding != 0;
    l.colours = colours_of(l.output_bits);
    return l;
}

std::uint64_t least_image_bytes(const Layout& l) {
    // At most 255 planes x 65535 bytes x 65536 rows: well inside 64 bits.
    std::uint64_t decoded = std::uint64_t{l.planes} * l.scan_line_bytes * l.height;
    return l.rle ? (decoded * 2 + 62) / 63 : decoded;
}

}  // namespace mirv::pcx
