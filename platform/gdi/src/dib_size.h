#pragma once
// Sizes of a DIB from its header, checked: known depths only, no overflow,
// nothing above 1 GiB of pixels.
#include <cstdint>
#include <optional>

#include "platform/gdi/types.h"

namespace platform::gdi {

constexpr std::uint64_t kMaxDibPixelBytes = std::uint64_t{1} << 30;

inline std::optional<std::uint64_t> dib_pixel_bytes(const BITMAPINFOHEADER& h) {
    unsigned bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
    if (h.biWidth <= 0 || h.biHeight == 0) return std::nullopt;
    std::uint64_t height = h.biHeight < 0 ? 0 - static_cast<std::int64_t>(h.biHeight) : h.biHeight;
    std::uint64_t row = ((static_cast<std::uint64_t>(h.biWidth) * bits + 31) / 32) * 4;
    if (row > kMaxDibPixelBytes || height > kMaxDibPixelBytes / row) return std::nullopt;
    return row * height;
}

// Bit-field masks and colour table behind the header.
inline std::uint64_t dib_table_bytes(const BITMAPINFOHEADER& h) {
    std::uint64_t count = h.biClrUsed ? (h.biClrUsed & 0xFFFF) : (h.biBitCount <= 8 ? 1u << h.biBitCount : 0);
    return (h.biCompression == BI_BITFIELDS ? 12 : 0) + 4 * count;
}

}  // namespace platform::gdi
