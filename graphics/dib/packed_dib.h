#pragma once
// The packed DIB: header, colour table and bottom-up rows in one global
// memory block, and the small rules every converter applies to it.
#include <cstdint>
#include <optional>

#include "platform/gdi/types.h"
#include "platform/memory.h"

namespace mirv::dib {

// Pixel areas above this are refused everywhere: 1 GiB.
constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{1} << 30;

// Colours in the table: biClrUsed (low 16 bits) when set, else 2, 16 or
// 256 for 1, 4 or 8 bits, else 0.
unsigned colour_count(const BITMAPINFOHEADER& h);
// The same for a 12-byte OS/2 header: by bit count alone.
unsigned core_colour_count(WORD bitCount);
std::uint64_t colour_table_bytes(const BITMAPINFOHEADER& h);
// Bytes of one row, padded to 4 bytes; 0 for widths or depths out of range.
std::uint64_t row_bytes(std::int64_t width, unsigned bitCount);
// height x row length, or 0 when that is out of range.
std::uint64_t image_bytes(const BITMAPINFOHEADER& h);

// A locked packed DIB whose block is large enough for the header, the
// colour table and the pixels its header promises.
class LockedDib {
public:
    explicit LockedDib(HGLOBAL block);
    ~LockedDib();
    LockedDib(const LockedDib&) = delete;
    LockedDib& operator=(const LockedDib&) = delete;

    bool valid() const { return valid_; }
    // The header as stored, with biSizeImage and biClrUsed filled in when 0.
    const BITMAPINFOHEADER& header() const { return header_; }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(base_); }
    const RGBQUAD* colours() const { return reinterpret_cast<const RGBQUAD*>(base_ + header_.biSize); }
    const std::uint8_t* pixels() const { return base_ + pixel_offset_; }
    std::uint64_t pixel_offset() const { return pixel_offset_; }
    std::uint64_t block_size() const { return size_; }

private:
    HGLOBAL block_;
    std::uint8_t* base_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t pixel_offset_ = 0;
    BITMAPINFOHEADER header_{};
    bool valid_ = false;
};

// A new zero-filled packed DIB block for a header (biSize 40, filled-in
// sizes); null when it is too large or memory runs out.
HGLOBAL allocate(const BITMAPINFOHEADER& h);

}  // namespace mirv::dib
