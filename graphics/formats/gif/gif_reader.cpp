// ipGif2Dib: a GIF file, every image of it at its place on the logical
// screen, into one 8-bit packed DIB with the colours of all its colour
// tables merged.
#include <cstring>

#include "colour_merge.h"
#include "dib/owned_dib.h"
#include "dib/packed_dib.h"
#include "frame/byte_reader.h"
#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/progress_scope.h"
#include "lzw_image.h"
#include "mirv32.h"

namespace {

using mirv::ByteReader;
namespace dib = mirv::dib;
namespace gif = mirv::gif;

constexpr int kExtension = 0x21;
constexpr int kImage = 0x2C;
constexpr int kTrailer = 0x3B;

unsigned le16(const std::uint8_t* p) { return p[0] | (p[1] << 8u); }

// Entries of a colour table from the size bits of a packed byte.
unsigned table_entries(std::uint8_t packed) { return 2u << (packed & 7); }

struct Screen {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint8_t packed = 0;
};

// The signature and the logical screen descriptor; false when short or
// not a GIF file.
bool read_screen(ByteReader& in, Screen& out) {
    std::uint8_t head[13];
    if (in.read(head, sizeof head) != sizeof head || std::memcmp(head, "GIF", 3) != 0) return false;
    out.width = le16(head + 6);
    out.height = le16(head + 8);
    out.packed = head[10];
    return true;
}

// The header of the screen-sized DIB; false when the screen is empty or
// its pixels would be too many.
bool screen_header(const Screen& s, BITMAPINFOHEADER& h) {
    std::uint64_t row = dib::row_bytes(s.width, 8);
    if (row == 0 || s.height < 1 || row * static_cast<std::uint64_t>(s.height) > dib::kMaxPixelBytes) return false;
    h = {};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = static_cast<LONG>(s.width);
    h.biHeight = static_cast<LONG>(s.height);
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(row * static_cast<std::uint64_t>(s.height));
    h.biClrUsed = 256;
    return true;
}

// An extension block: its label and its sub-blocks.
int skip_extension(ByteReader& in) {
    if (in.byte() < 0) return IPE_EOF;
    for (;;) {
        int length = in.byte();
        if (length < 0) return IPE_EOF;
        if (length == 0) return 0;
        std::uint8_t data[255];
        if (in.read(data, static_cast<std::size_t>(length)) != static_cast<std::size_t>(length)) return IPE_EOF;
    }
}

// An image: its descriptor, its local colour table, its pixels.
int read_image(ByteReader& in, const gif::Canvas& canvas, gif::ColourMerge& merge, const gif::ColourMap& global) {
    std::uint8_t d[9];
    if (in.read(d, sizeof d) != sizeof d) return IPE_EOF;
    gif::Placement place;
    place.left = le16(d);
    place.top = le16(d + 2);
    place.width = le16(d + 4);
    place.height = le16(d + 6);
    place.interlaced = (d[8] & 0x40) != 0;
    gif::ColourMap map = global;
    if (d[8] & 0x80)
        if (int error = gif::read_colour_table(in, table_entries(d[8]), merge, map)) return error;
    return gif::decode_image(in, canvas, place, map);
}

// Blocks up to the trailer.
int read_blocks(ByteReader& in, const gif::Canvas& canvas, gif::ColourMerge& merge, const gif::ColourMap& global) {
    for (;;) {
        int error = 0;
        switch (in.byte()) {
        case kExtension: error = skip_extension(in); break;
        case kImage: error = read_image(in, canvas, merge, global); break;
        case kTrailer: return 0;
        case -1: return IPE_EOF;
        default: return IPE_NOGIF;
        }
        if (error) return error;
    }
}

IPRESULT read_gif(mirv::File& file) {
    ByteReader in(file);
    Screen screen;
    BITMAPINFOHEADER h;
    if (!read_screen(in, screen) || !screen_header(screen, h)) return IPE_NOGIF;
    dib::OwnedDib block(dib::allocate(h));
    if (!block.base()) return IPE_MEMORY;
    auto* table = reinterpret_cast<RGBQUAD*>(block.base() + sizeof h);
    gif::Canvas canvas{block.base() + sizeof h + 256 * sizeof(RGBQUAD), dib::row_bytes(screen.width, 8), screen.width,
                       screen.height};

    gif::ColourMerge merge(table);
    gif::ColourMap global{};
    if (screen.packed & 0x80) {
        if (int error = gif::read_colour_table(in, table_entries(screen.packed), merge, global)) return error;
    } else {
        merge.gray_ramp(table_entries(screen.packed), global);
    }
    if (int error = read_blocks(in, canvas, merge, global)) return error;
    reinterpret_cast<BITMAPINFOHEADER*>(block.base())->biClrImportant = merge.count();
    return mirv::result_of(block.release());
}

}  // namespace

extern "C" IPRESULT ipGif2Dib(const char* fileName, DWORD flags, IPCALLBACK callback) {
    IPRESULT r = mirv::guarded<IPRESULT>(IPE_NOGIF, [&]() -> IPRESULT {
        mirv::ProgressScope progress(flags, callback);
        if (progress.error()) return progress.error();
        auto file = mirv::File::open_read(fileName);
        if (!file) return IPE_NOTFOUND;
        return read_gif(*file);
    });
    return mirv::is_error(r) ? mirv::import_failure(static_cast<int>(r), flags) : r;
}
