// ipPcx2Dib: PC Paintbrush files, raw or run-length coded, of one or more
// bit planes, into a packed DIB of 1, 4, 8 or 24 bits.
#include <vector>

#include "dib/owned_dib.h"
#include "dib/packed_dib.h"
#include "frame/byte_reader.h"
#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/progress_scope.h"
#include "mirv32.h"
#include "pcx_colours.h"
#include "pcx_header.h"
#include "plane_rows.h"
#include "progress/progress.h"
#include "progress/progress_control.h"
#include "scan_line.h"

namespace {

using mirv::ByteReader;
using mirv::File;
namespace dib = mirv::dib;
namespace pcx = mirv::pcx;

constexpr double kMetresPerInch = 39.37007874015748;
// Even at the best run-length coding and with every scan line as short as
// the width allows, no file asks for more pixel bytes than this beyond 1024
// times its size; a header that does is refused before anything is made.
constexpr std::uint64_t kSlackBytes = 16u << 20;

struct Result {
    int code = 0;
    HGLOBAL dib = nullptr;
};

BITMAPINFOHEADER dib_header(const pcx::Header& h, const pcx::Layout& l) {
    BITMAPINFOHEADER out{};
    out.biSize = sizeof out;
    out.biWidth = static_cast<LONG>(l.width);
    out.biHeight = static_cast<LONG>(l.height);
    out.biPlanes = 1;
    out.biBitCount = static_cast<WORD>(l.output_bits);
    out.biCompression = BI_RGB;
    out.biSizeImage = static_cast<DWORD>(l.row_bytes * l.height);
    out.biXPelsPerMeter = static_cast<LONG>(h.x_dpi * kMetresPerInch);
    out.biYPelsPerMeter = static_cast<LONG>(h.y_dpi * kMetresPerInch);
    out.biClrUsed = l.colours;
    out.biClrImportant = l.colours;
    return out;
}

// How far the decoder is after finishing the DIB row `row` (counted from
// the bottom, rows run from the top down).
int percent_at(std::uint32_t row, std::uint32_t height) {
    return height > 1 ? 100 - mirv::mul_div(static_cast<int>(row), 100, static_cast<int>(height - 1)) : 100;
}

// One picture row of three (or more) colour planes of a byte per pixel;
// progress after every plane.
int decode_colour_row(pcx::ScanLineReader& lines, const pcx::Layout& l, std::uint8_t* row, int percent) {
    for (unsigned p = 0; p < l.planes; ++p) {
        if (int e = lines.next()) return e;
        if (p < 3) pcx::put_colour_plane(lines.data(), lines.size(), 2 - p, row, l.width);
        if (mirv::progress::step(percent)) return IPE_CANCELLED;
    }
    return 0;
}

// One picture row of indexed pixels, its planes combined into the index.
int decode_indexed_row(pcx::ScanLineReader& lines, const pcx::Layout& l, std::vector<std::uint8_t>& index,
                       std::uint8_t* row) {
    if (l.planes == 1 && (l.bits_per_plane == l.output_bits)) {
        if (int e = lines.next()) return e;
        pcx::copy_packed_line(lines.data(), lines.size(), l.bits_per_plane, row, l.width);
        return 0;
    }
    std::fill(index.begin(), index.end(), std::uint8_t{0});
    for (unsigned p = 0; p < l.planes; ++p) {
        if (int e = lines.next()) return e;
        pcx::or_plane_fields(lines.data(), lines.size(), l.bits_per_plane, p * l.bits_per_plane, index.data(),
                             l.width);
    }
    pcx::pack_indices(index.data(), l.width, l.output_bits, row);
    return 0;
}

int decode_rows(ByteReader& in, const pcx::Layout& l, std::uint8_t* pixels) {
    pcx::ScanLineReader lines(in, l.scan_line_bytes, l.rle);
    std::vector<std::uint8_t> index(l.output_bits == 24 ? 0 : l.width);
    for (std::uint32_t row = l.height; row-- > 0;) {
        std::uint8_t* out = pixels + row * l.row_bytes;
        int percent = percent_at(row, l.height);
        if (l.output_bits == 24) {
            if (int e = decode_colour_row(lines, l, out, percent)) return e;
            continue;
        }
        if (int e = decode_indexed_row(lines, l, index, out)) return e;
        if (mirv::progress::step(percent)) return IPE_CANCELLED;
    }
    return 0;
}

Result read_pcx(File& f) {
    std::uint8_t raw[pcx::kHeaderBytes];
    if (f.read(raw, sizeof raw) != sizeof raw) return {IPE_NOPCX};
    pcx::Header header = pcx::parse_header(raw);
    std::optional<pcx::Layout> layout = pcx::layout_of(header);
    if (!layout) return {IPE_NOPCX};
    const pcx::Layout& l = *layout;
    // A file too short for the image data fails before anything is
    // allocated for it, as reading would.
    std::uint64_t size = f.size();
    if (size < pcx::kHeaderBytes || size - pcx::kHeaderBytes < pcx::least_image_bytes(l)) return {IPE_EOF};
    if (l.row_bytes * l.height > kSlackBytes + 1024 * size) return {IPE_NOPCX};

    BITMAPINFOHEADER h = dib_header(header, l);
    dib::OwnedDib out(dib::allocate(h));
    if (!out.base()) return {IPE_MEMORY};
    auto* table = reinterpret_cast<RGBQUAD*>(out.base() + sizeof h);
    std::uint8_t* pixels = out.base() + sizeof h + 4 * std::size_t{l.colours};

    ByteReader in(f);
    if (int e = decode_rows(in, l, pixels)) return {e};
    if (l.output_bits == 8) {
        if (int e = pcx::read_palette_block(in, l.planes * l.bits_per_plane, table)) return {e};
    } else if (l.colours) {
        pcx::fixed_colours(header, l, table);
    }
    return {0, out.release()};
}

}  // namespace

extern "C" IPRESULT ipPcx2Dib(const char* fileName, DWORD flags, IPCALLBACK callback) {
    IPRESULT r = mirv::guarded<IPRESULT>(IPE_NOPCX, [&]() -> IPRESULT {
        mirv::ProgressScope scope(flags, callback);
        if (scope.error()) return scope.error();
        auto f = fileName ? File::open_read(fileName) : std::nullopt;
        if (!f) return IPE_NOTFOUND;
        Result result = read_pcx(*f);
        return result.dib ? mirv::result_of(result.dib) : IPRESULT{result.code};
    });
    return mirv::is_error(r) ? mirv::import_failure(static_cast<int>(r), flags) : r;
}
