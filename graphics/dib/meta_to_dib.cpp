// ipMeta2Dib: the bitmap a metafile merely wraps, or the metafile rendered
// white-filled into a bitmap of the render size.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "formats/bmp/window_box.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/wait_cursor.h"
#include "mirv32.h"
#include "packed_dib.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"

namespace {

namespace rec = platform::gdi::record;
namespace dib = mirv::dib;

// Without a render size the picture is drawn at its own extent, at most
// this many pixels on the longer side.
constexpr int kMaxOwnExtent = 4096;
constexpr std::size_t kStretchFixedBytes = 22;

struct WrappedSearch {
    HGLOBAL bitmap = nullptr;
    bool done = false;
};

void discard(WrappedSearch& s) {
    if (s.bitmap) GlobalFree(s.bitmap);
    s.bitmap = nullptr;
    s.done = true;
}

// A packed DIB from the bitmap of a StretchDIB record, when that bitmap is
// complete: a 40-byte header and all the pixels it promises.
HGLOBAL copy_record_bitmap(const METARECORD* r) {
    std::uint64_t bytes = std::uint64_t{r->rdSize} * 2;
    if (bytes < 6 + kStretchFixedBytes + sizeof(BITMAPINFOHEADER)) return nullptr;
    std::size_t size = static_cast<std::size_t>(bytes - 6 - kStretchFixedBytes);
    const auto* src = reinterpret_cast<const std::uint8_t*>(r) + 6 + kStretchFixedBytes;
    HGLOBAL block = GlobalAlloc(GHND, size);
    if (!block) return nullptr;
    std::memcpy(GlobalLock(block), src, size);
    GlobalUnlock(block);
    if (!dib::LockedDib(block).valid()) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

int find_wrapped(HDC, HANDLETABLE*, METARECORD* r, int, LPARAM data) {
    auto& s = *reinterpret_cast<WrappedSearch*>(data);
    switch (r->rdFunction) {
    case rec::kSetMapMode:
    case rec::kSetStretchBltMode:
    case rec::kSetBkColor:
    case rec::kSetTextColor:
    case rec::kSetWindowOrg:
    case rec::kSetWindowExt:
        return 1;
    case rec::kStretchDib:
        if (!s.bitmap) {
            s.bitmap = copy_record_bitmap(r);
            if (s.bitmap) return 1;
        }
        discard(s);
        return 0;
    default:
        discard(s);
        return 0;
    }
}

LONG pels_per_metre(int pixels, int units, WORD inch) {
    if (units == 0 || inch == 0) return 0;
    double metres = static_cast<double>(units) / inch * 0.0254;
    return static_cast<LONG>(pixels / metres);
}

void set_resolution(HGLOBAL block, int width, int height, const IPPICTUREINFO* info) {
    if (!info || info->inch == 0) return;
    auto* h = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    h->biXPelsPerMeter = pels_per_metre(width, info->right - info->left, info->inch);
    h->biYPelsPerMeter = pels_per_metre(height, info->bottom - info->top, info->inch);
    GlobalUnlock(block);
}

// The render size: the caller's, else the picture's own extent capped.
bool render_extent(HMETAFILE mf, const IPRENDERSIZE* renderSize, const IPPICTUREINFO* info, int& w, int& h) {
    if (renderSize) {
        w = renderSize->cx;
        h = renderSize->cy;
        return w > 0 && h > 0;
    }
    mirv::wmf::Placeable box = mirv::wmf::window_box(mf);
    if (info && info->right != info->left && info->bottom != info->top) box = mirv::wmf::from_info(*info);
    double bw = std::abs(box.right - box.left), bh = std::abs(box.bottom - box.top);
    if (bw == 0 || bh == 0) return false;
    double scale = std::min(1.0, kMaxOwnExtent / std::max(bw, bh));
    w = std::max(1, static_cast<int>(bw * scale));
    h = std::max(1, static_cast<int>(bh * scale));
    return true;
}

HGLOBAL bitmap_to_dib(HDC dc, HBITMAP bitmap) {
    BITMAPINFOHEADER h{};
    if (!GetDIBits(dc, bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS)) return nullptr;
    h.biPlanes = 1;
    h.biCompression = BI_RGB;
    h.biClrUsed = 0;
    h.biSizeImage = static_cast<DWORD>(dib::image_bytes(h));
    HGLOBAL block = dib::allocate(h);
    if (!block) return nullptr;
    auto* base = static_cast<std::uint8_t*>(GlobalLock(block));
    int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(h.biHeight), base + sizeof h,
                         reinterpret_cast<BITMAPINFO*>(base), DIB_RGB_COLORS);
    GlobalUnlock(block);
    if (rows != h.biHeight) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

IPRESULT render(HMETAFILE mf, int width, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    if (!dc || !bitmap) {
        DeleteDC(dc);
        return IPE_MEMORY;
    }
    mirv::WaitCursor wait;
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetMapMode(dc, MM_ANISOTROPIC);
    // The viewport is the whole bitmap, so that a picture of the bitmap's
    // size lands on it pixel for pixel.
    SetViewportExtEx(dc, width, height, nullptr);
    HGLOBAL block = PlayMetaFile(dc, mf) ? bitmap_to_dib(dc, bitmap) : nullptr;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return block ? mirv::result_of(block) : IPRESULT{IPE_MEMORY};
}

IPRESULT meta_to_dib(HMETAFILE mf, const IPRENDERSIZE* renderSize, const IPPICTUREINFO* info) {
    if (GetMetaFileBitsEx(mf, 0, nullptr) == 0) return IPE_MEMORY;
    WrappedSearch search;
    EnumMetaFile(nullptr, mf, find_wrapped, reinterpret_cast<LPARAM>(&search));
    if (search.bitmap) {
        auto* h = static_cast<const BITMAPINFOHEADER*>(GlobalLock(search.bitmap));
        int w = h->biWidth, hh = h->biHeight;
        GlobalUnlock(search.bitmap);
        set_resolution(search.bitmap, w, hh, info);
        return mirv::result_of(search.bitmap);
    }
    int width = 0, height = 0;
    if (!render_extent(mf, renderSize, info, width, height)) return IPE_MEMORY;
    IPRESULT r = render(mf, width, height);
    if (!mirv::is_error(r)) set_resolution(mirv::dib_of(r), width, height, info);
    return r;
}

}  // namespace

extern "C" IPRESULT ipMeta2Dib(HMETAFILE metafile, const IPRENDERSIZE* renderSize, const IPPICTUREINFO* info) {
    return mirv::guarded<IPRESULT>(IPE_MEMORY, [&] { return meta_to_dib(metafile, renderSize, info); });
}
