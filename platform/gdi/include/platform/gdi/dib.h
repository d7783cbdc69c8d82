#pragma once
// Device-independent bitmaps: drawing one into a context, and reading a
// bitmap's pixels out as a DIB.
#include "platform/gdi/api.h"
#include "platform/gdi/types.h"

extern "C" {
// Draws the source rectangle of a DIB (rows counted from the bottom, as the
// DIB stores them) into the destination rectangle. Supports 1, 4, 8, 16, 24
// and 32 bits, uncompressed. Returns the number of scan lines drawn, 0 on
// failure.
PLATFORM_GDI_API int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight,
                                   int xSrc, int ySrc, int srcWidth, int srcHeight,
                                   const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

// With `bits` null: fills info->bmiHeader (size, bit count of the bitmap
// when 0, image size) and returns the bitmap's height. Otherwise copies rows
// [start, start + lines) of the bitmap, counted from the bottom, into `bits`
// in the format of info->bmiHeader (1, 4, 8, 24 or 32 bits; tables are filled
// with the default palette) and returns the number of rows copied.
PLATFORM_GDI_API int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines,
                               void* bits, BITMAPINFO* info, UINT usage);
}
