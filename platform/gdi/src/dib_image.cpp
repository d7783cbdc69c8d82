// Decoding DIB pixels (uncompressed 1, 4, 8, 16, 24 and 32 bits) into a
// 32-bit image, every read checked against the sizes given.
#include <QImage>
#include <cstring>
#include <vector>

#include "le_bytes.h"
#include "platform/gdi/qt.h"

namespace platform::gdi {

namespace {

constexpr long long kMaxPixels = 1LL << 28;

struct Masks {
    std::uint32_t red, green, blue;
};

int shift_of(std::uint32_t mask) {
    int s = 0;
    while (mask && !(mask & 1)) { mask >>= 1; ++s; }
    return s;
}

int channel(std::uint32_t pixel, std::uint32_t mask) {
    if (!mask) return 0;
    std::uint32_t top = mask >> shift_of(mask);
    return static_cast<int>(((pixel & mask) >> shift_of(mask)) * 255 / top);
}

class RowDecoder {
public:
    RowDecoder(const BITMAPINFOHEADER& h, std::vector<QRgb> table, Masks masks)
        : bits_(h.biBitCount), table_(std::move(table)), masks_(masks) {}

    void decode(const std::uint8_t* row, int width, QRgb* out) const {
        for (int x = 0; x < width; ++x) out[x] = pixel(row, x);
    }

private:
    QRgb indexed(unsigned index) const { return index < table_.size() ? table_[index] : qRgb(0, 0, 0); }

    QRgb pixel(const std::uint8_t* row, int x) const {
        switch (bits_) {
        case 1: return indexed((row[x / 8] >> (7 - x % 8)) & 1);
        case 4: return indexed((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
        case 8: return indexed(row[x]);
        case 16: {
            std::uint32_t v = read_u16(row + 2 * x);
            return qRgb(channel(v, masks_.red), channel(v, masks_.green), channel(v, masks_.blue));
        }
        case 24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default: {
            std::uint32_t v = read_u32(row + 4 * x);
            return qRgb(channel(v, masks_.red), channel(v, masks_.green), channel(v, masks_.blue));
        }
        }
    }

    int bits_;
    std::vector<QRgb> table_;
    Masks masks_;
};

int colour_count(const BITMAPINFOHEADER& h) {
    if (h.biClrUsed != 0) return static_cast<int>(h.biClrUsed & 0xFFFF);
    return h.biBitCount <= 8 ? 1 << h.biBitCount : 0;
}

}  // namespace

QImage dib_to_image(const BITMAPINFO* info, std::size_t infoBytes, const void* bitsPtr, std::size_t bitsBytes) {
    if (!info || !bitsPtr || infoBytes < sizeof(BITMAPINFOHEADER)) return {};
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    if (h.biSize < sizeof h || h.biSize > infoBytes) return {};
    int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return {};
    bool fields = h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32);
    if (h.biCompression != BI_RGB && !fields) return {};
    long long width = h.biWidth;
    long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) return {};
    long long stride = ((width * bpp + 31) / 32) * 4;
    if (stride * height > static_cast<long long>(bitsBytes)) return {};

    const auto* base = reinterpret_cast<const std::uint8_t*>(info);
    Masks masks = bpp == 16 ? Masks{0x7C00, 0x03E0, 0x001F} : Masks{0xFF0000, 0xFF00, 0xFF};
    std::size_t table_at = h.biSize;
    if (fields) {
        if (infoBytes < h.biSize + 12) return {};
        masks = {read_u32(base + h.biSize), read_u32(base + h.biSize + 4), read_u32(base + h.biSize + 8)};
        table_at += 12;
    }
    std::vector<QRgb> table;
    if (bpp <= 8) {
        std::size_t count = static_cast<std::size_t>(colour_count(h));
        std::size_t available = infoBytes > table_at ? (infoBytes - table_at) / 4 : 0;
        count = std::min(count, available);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* q = base + table_at + 4 * i;
            table.push_back(qRgb(q[2], q[1], q[0]));
        }
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    RowDecoder decoder(h, std::move(table), masks);
    const auto* bits = static_cast<const std::uint8_t*>(bitsPtr);
    bool bottom_up = h.biHeight > 0;
    for (long long row = 0; row < height; ++row) {
        long long y = bottom_up ? height - 1 - row : row;
        decoder.decode(bits + row * stride, static_cast<int>(width),
                       reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y))));
    }
    return image;
}

}  // namespace platform::gdi
