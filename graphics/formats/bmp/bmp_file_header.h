#pragma once
// The 14-byte header in front of the DIB in a BMP file.
#include "platform/gdi/types.h"

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType;  // "BM"
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

constexpr WORD kBitmapSignature = 0x4D42;  // "BM"
