// ipDib2Meta: a packed DIB wrapped into a metafile that selects a palette
// for it and draws it at its own size.
#include <cstring>
#include <vector>

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

// The palette of a DIB: its colour table, or a colour cube for 24 bits;
// none for other DIBs without a table.
HPALETTE make_palette(const mirv::dib::LockedDib& d) {
    const BITMAPINFOHEADER& h = d.header();
    unsigned count = mirv::dib::colour_count(h);
    bool cube = count == 0 && h.biBitCount == 24;
    if (count == 0 && !cube) return nullptr;
    unsigned entries = cube ? 256 : count;
    std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + 4 * entries);
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(entries);
    PALETTEENTRY* e = lp->palPalEntry;
    for (unsigned i = 0; i < entries; ++i) {
        if (cube) {
            e[i] = {static_cast<BYTE>((i % 8) * 32), static_cast<BYTE>(((i / 8) % 8) * 32),
                    static_cast<BYTE>((i / 64) * 64), 0};
        } else {
            const RGBQUAD& q = d.colours()[i];
            e[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
        }
    }
    return CreatePalette(lp);
}

// Metafile coordinates are 16-bit: larger pictures cannot be placed.
constexpr LONG kMaxMetafileExtent = 0x7FFF;

IPRESULT dib_to_meta(HGLOBAL block, IPPICTUREINFO* info) {
    mirv::dib::LockedDib d(block);
    if (!d.valid() || d.header().biWidth > kMaxMetafileExtent || d.header().biHeight > kMaxMetafileExtent)
        return IPE_MEMORY;
    HDC dc = CreateMetaFileA(nullptr);
    HPALETTE palette = make_palette(d);
    if (!dc || !palette) {
        if (palette) DeleteObject(palette);
        if (dc) DeleteMetaFile(CloseMetaFile(dc));
        return IPE_MEMORY;
    }
    mirv::WaitCursor wait;
    const BITMAPINFOHEADER& h = d.header();
    SelectPalette(dc, palette, FALSE_);
    RealizePalette(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, h.biWidth, h.biHeight, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, h.biWidth, h.biHeight, 0, 0, h.biWidth, h.biHeight, d.pixels(), d.info(),
                  DIB_RGB_COLORS, SRCCOPY);
    if (info) {
        std::memset(info, 0, sizeof *info);
        info->right = static_cast<SHORT>(h.biWidth);
        info->bottom = static_cast<SHORT>(h.biHeight);
        double inch = h.biXPelsPerMeter * 0.0254;
        info->inch = inch > 0 && inch < 65536 ? static_cast<WORD>(inch) : 0;
    }
    DeleteObject(palette);
    HMETAFILE mf = CloseMetaFile(dc);
    return mf ? mirv::result_of(mf) : IPRESULT{IPE_MEMORY};
}

}  // namespace

extern "C" IPRESULT ipDib2Meta(HGLOBAL dib, const IPRENDERSIZE*, IPPICTUREINFO* info) {
    return mirv::guarded<IPRESULT>(IPE_MEMORY, [&] { return dib_to_meta(dib, info); });
}
