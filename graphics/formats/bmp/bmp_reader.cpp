// ipBmp2Dib: Windows and OS/2 1.x bitmap files, with or without the file
// header, into a packed DIB of 1, 4, 8 or 24 bits, uncompressed.
#include <algorithm>
#include <cstring>
#include <vector>

#include "bitfields.h"
#include "bmp_file_header.h"
#include "dib/packed_dib.h"
#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/wait_cursor.h"
#include "mirv32.h"
#include "rle.h"

namespace {

using mirv::File;
namespace dib = mirv::dib;

// A picture needing more pixel bytes than this beyond 1024 times the size
// of its file is absurd for the file, even with run-length coding.
constexpr std::uint64_t kSlackBytes = 16u << 20;

struct Layout {
    BITMAPINFOHEADER header{};  // always a 40-byte header
    bool core = false;          // the file had a 12-byte OS/2 header
    std::uint64_t table_at = 0;
    std::uint64_t bits_at = 0;  // 0: right behind the colour table
    std::uint64_t row = 0;
    std::uint64_t height = 0;
    std::uint64_t pixel_bytes = 0;
    unsigned colours = 0;
    mirv::bmp::ChannelMasks masks{};
};

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16)) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool known_encoding(const BITMAPINFOHEADER& h) {
    switch (h.biCompression) {
    case BI_RGB: return h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 16 ||
                        h.biBitCount == 24 || h.biBitCount == 32;
    case BI_RLE8: return h.biBitCount == 8 && h.biHeight > 0;
    case BI_RLE4: return h.biBitCount == 4 && h.biHeight > 0;
    case BI_BITFIELDS: return h.biBitCount == 16 || h.biBitCount == 32;
    default: return false;
    }
}

// Reads the headers and checks every size before anything is allocated.
bool read_layout(File& f, Layout& out) {
    std::uint64_t start = f.tell();
    std::uint64_t file_size = f.size();
    BITMAPFILEHEADER fh{};
    if (f.read(&fh, sizeof fh) < sizeof fh) return false;
    bool has_file_header = fh.bfType == kBitmapSignature;
    if (!has_file_header && !f.seek(start)) return false;
    std::uint64_t header_at = f.tell();
    std::uint8_t raw[sizeof(BITMAPINFOHEADER)] = {};
    std::size_t got = f.read(raw, sizeof raw);
    std::uint32_t size = le32(raw);
    BITMAPINFOHEADER& h = out.header;
    if (size == sizeof(BITMAPCOREHEADER) && got >= size) {
        BITMAPCOREHEADER c;
        std::memcpy(&c, raw, sizeof c);
        unsigned n = dib::core_colour_count(c.bcBitCount);
        h = {sizeof(BITMAPINFOHEADER), c.bcWidth, c.bcHeight, c.bcPlanes, c.bcBitCount, BI_RGB, 0, 0, 0, n, n};
        out.core = true;
    } else if (size == sizeof(BITMAPINFOHEADER) && got >= size) {
        std::memcpy(&h, raw, sizeof h);
    } else {
        return false;
    }
    if (!known_encoding(h) || h.biWidth <= 0 || h.biHeight == 0) return false;
    out.row = dib::row_bytes(h.biWidth, h.biBitCount);
    out.height = h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight;
    out.pixel_bytes = out.row * out.height;
    if (out.row == 0 || out.pixel_bytes > dib::kMaxPixelBytes || out.pixel_bytes > kSlackBytes + 1024 * file_size)
        return false;
    out.colours = out.core ? dib::core_colour_count(h.biBitCount) : dib::colour_count(h);
    if (h.biClrUsed == 0) h.biClrUsed = out.colours;
    out.masks = mirv::bmp::default_masks(h.biBitCount);
    out.table_at = header_at + size;
    out.bits_at = has_file_header && fh.bfOffBits != 0 ? start + fh.bfOffBits : 0;
    return true;
}

// Reads the colour table as 4-byte entries (widening 3-byte OS/2 ones).
std::vector<std::uint8_t> read_colours(File& f, Layout& l) {
    if (l.header.biCompression == BI_BITFIELDS) {
        std::uint8_t m[12] = {};
        f.seek(l.table_at);
        f.read(m, sizeof m);
        l.masks = {le32(m), le32(m + 4), le32(m + 8)};
        l.table_at += sizeof m;
    }
    std::vector<std::uint8_t> table(4u * l.colours, 0);
    f.seek(l.table_at);
    if (!l.core) {
        f.read(table.data(), table.size());
        return table;
    }
    std::vector<std::uint8_t> packed(3u * l.colours, 0);
    f.read(packed.data(), packed.size());
    for (unsigned i = l.colours; i-- > 0;) {
        table[4 * i] = packed[3 * i];
        table[4 * i + 1] = packed[3 * i + 1];
        table[4 * i + 2] = packed[3 * i + 2];
    }
    return table;
}

// Reads up to `n` pixel bytes; what the file lacks stays zero.
std::vector<std::uint8_t> read_bits(File& f, std::uint64_t n) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(n), 0);
    f.read(bits.data(), bits.size());
    return bits;
}

void flip_rows(std::uint8_t* pixels, std::uint64_t row, std::uint64_t height) {
    std::vector<std::uint8_t> tmp(row);
    for (std::uint64_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::memcpy(tmp.data(), pixels + top * row, row);
        std::memcpy(pixels + top * row, pixels + bottom * row, row);
        std::memcpy(pixels + bottom * row, tmp.data(), row);
    }
}

// The header of the DIB delivered: uncompressed, bottom-up, sizes filled.
BITMAPINFOHEADER output_header(const Layout& l, unsigned bits, unsigned colours) {
    BITMAPINFOHEADER h = l.header;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biHeight = static_cast<LONG>(l.height);
    h.biBitCount = static_cast<WORD>(bits);
    h.biCompression = BI_RGB;
    h.biClrUsed = colours;
    if (colours == 0) h.biClrImportant = 0;
    h.biSizeImage = static_cast<DWORD>(dib::row_bytes(h.biWidth, bits) * l.height);
    return h;
}

HGLOBAL read_bmp(File& f) {
    Layout l;
    if (!read_layout(f, l)) return nullptr;
    std::vector<std::uint8_t> table = read_colours(f, l);
    if (l.bits_at) f.seek(l.bits_at);
    const BITMAPINFOHEADER& in = l.header;
    bool wide = in.biBitCount == 16 || in.biBitCount == 32;
    BITMAPINFOHEADER h = output_header(l, wide ? 24 : in.biBitCount, wide ? 0 : l.colours);
    HGLOBAL block = dib::allocate(h);
    if (!block) return nullptr;
    auto* base = static_cast<std::uint8_t*>(GlobalLock(block));
    std::uint8_t* pixels = base + sizeof h + (wide ? 0 : table.size());
    if (!wide && !table.empty()) std::memcpy(base + sizeof h, table.data(), table.size());

    if (in.biCompression == BI_RLE8 || in.biCompression == BI_RLE4) {
        std::uint64_t left = f.size() > f.tell() ? f.size() - f.tell() : 0;
        std::uint64_t coded = in.biSizeImage ? std::min<std::uint64_t>(in.biSizeImage, left) : std::min(l.pixel_bytes, left);
        std::vector<std::uint8_t> data = read_bits(f, coded);
        auto expand = in.biCompression == BI_RLE8 ? mirv::bmp::expand_rle8 : mirv::bmp::expand_rle4;
        expand(data.data(), data.size(), pixels, l.row, static_cast<std::size_t>(in.biWidth), l.height);
    } else if (wide) {
        std::vector<std::uint8_t> data = read_bits(f, l.pixel_bytes);
        mirv::bmp::to_24_bits(data.data(), l.row, in.biBitCount, l.masks, pixels,
                              dib::row_bytes(in.biWidth, 24), static_cast<std::size_t>(in.biWidth), l.height);
        if (in.biHeight < 0) flip_rows(pixels, dib::row_bytes(in.biWidth, 24), l.height);
    } else {
        f.read(pixels, l.pixel_bytes);  // a short file leaves the rest zero
        if (in.biHeight < 0) flip_rows(pixels, l.row, l.height);
    }
    GlobalUnlock(block);
    return block;
}

}  // namespace

extern "C" IPRESULT ipBmp2Dib(const char* fileName, DWORD flags, IPCALLBACK) {
    IPRESULT r = mirv::guarded<IPRESULT>(IPE_NOBMP, [&]() -> IPRESULT {
        mirv::WaitCursor wait;
        auto f = File::open_read(fileName);
        if (!f) return IPE_NOBMP;
        HGLOBAL block = read_bmp(*f);
        return block ? mirv::result_of(block) : IPRESULT{IPE_NOBMP};
    });
    if (r == IPE_MEMORY) r = IPE_NOBMP;  // the reader knows one failure
    return mirv::is_error(r) ? mirv::import_failure(static_cast<int>(r), flags) : r;
}
