#include "packed_dib.h"

#include <cstring>

namespace mirv::dib {

unsigned core_colour_count(WORD bitCount) {
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

unsigned colour_count(const BITMAPINFOHEADER& h) {
    if (h.biSize == sizeof(BITMAPCOREHEADER)) return core_colour_count(h.biBitCount);
    if (h.biClrUsed & 0xFFFF) return h.biClrUsed & 0xFFFF;
    return core_colour_count(h.biBitCount);
}

std::uint64_t colour_table_bytes(const BITMAPINFOHEADER& h) {
    return std::uint64_t{colour_count(h)} * (h.biSize == sizeof(BITMAPCOREHEADER) ? 3 : 4);
}

std::uint64_t row_bytes(std::int64_t width, unsigned bitCount) {
    if (width <= 0 || width > 0x7FFFFFFF || bitCount == 0 || bitCount > 32) return 0;
    return ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4;
}

std::uint64_t image_bytes(const BITMAPINFOHEADER& h) {
    std::int64_t height = h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight;
    std::uint64_t bytes = row_bytes(h.biWidth, h.biBitCount) * static_cast<std::uint64_t>(height);
    return bytes <= kMaxPixelBytes ? bytes : 0;
}

LockedDib::LockedDib(HGLOBAL block) : block_(block) {
    size_ = GlobalSize(block);
    if (size_ < sizeof(BITMAPINFOHEADER)) return;
    base_ = static_cast<std::uint8_t*>(GlobalLock(block));
    if (!base_) return;
    std::memcpy(&header_, base_, sizeof header_);
    if (header_.biSize != sizeof(BITMAPINFOHEADER) || header_.biHeight <= 0 || header_.biCompression != BI_RGB)
        return;
    std::uint64_t pixels = image_bytes(header_);
    if (pixels == 0) return;
    if (header_.biSizeImage == 0) header_.biSizeImage = static_cast<DWORD>(pixels);
    if (header_.biClrUsed == 0) header_.biClrUsed = colour_count(header_);
    pixel_offset_ = header_.biSize + colour_table_bytes(header_);
    valid_ = pixel_offset_ + pixels <= size_;
}

LockedDib::~LockedDib() {
    if (base_) GlobalUnlock(block_);
}

HGLOBAL allocate(const BITMAPINFOHEADER& h) {
    std::uint64_t pixels = image_bytes(h);
    if (pixels == 0) return nullptr;
    std::uint64_t total = sizeof(BITMAPINFOHEADER) + colour_table_bytes(h) + pixels;
    HGLOBAL block = GlobalAlloc(GHND, static_cast<std::size_t>(total));
    if (!block) return nullptr;
    auto* p = static_cast<std::uint8_t*>(GlobalLock(block));
    std::memcpy(p, &h, sizeof h);
    GlobalUnlock(block);
    return block;
}

}  // namespace mirv::dib
