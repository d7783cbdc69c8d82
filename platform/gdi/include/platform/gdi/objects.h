#pragma once
// GDI objects: pens, brushes, fonts, palettes and bitmaps, with the stock
// objects. Objects are deleted with DeleteObject; deleting an object that a
// device context still selects puts that context back on the stock default.
#include "platform/gdi/api.h"
#include "platform/gdi/types.h"

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};
struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    std::uintptr_t lbHatch;
};
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

extern "C" {
PLATFORM_GDI_API HPEN CreatePen(int style, int width, COLORREF color);
PLATFORM_GDI_API HBRUSH CreateSolidBrush(COLORREF color);
PLATFORM_GDI_API HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
PLATFORM_GDI_API HFONT CreateFontIndirectA(const LOGFONTA* font);
PLATFORM_GDI_API HPALETTE CreatePalette(const LOGPALETTE* palette);
// A bitmap of the given size and depth (1, 4, 8, 16, 24 or 32 bits); its
// pixels start white. `bits` is not read.
PLATFORM_GDI_API HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// A bitmap of the display's depth (24 bits).
PLATFORM_GDI_API HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
PLATFORM_GDI_API HGDIOBJ GetStockObject(int which);
PLATFORM_GDI_API BOOL DeleteObject(HGDIOBJ object);
PLATFORM_GDI_API DWORD GetObjectType(HGDIOBJ object);
// Fills LOGPEN, LOGBRUSH, LOGFONTA, BITMAP or a WORD (palette entry count).
PLATFORM_GDI_API int GetObjectA(HGDIOBJ object, int size, void* out);
PLATFORM_GDI_API UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* out);
}
