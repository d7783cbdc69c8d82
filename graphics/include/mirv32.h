#pragma once
// mirv32: the graphics conversion library. Reads picture files into packed
// DIBs (raster) or metafiles (vector), converts between the two, and writes
// them back; error texts; progress display.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/types.h"
#include "platform/memory.h"
#include "platform/types.h"

#define MIRV32_API __attribute__((visibility("default")))

// Type codes: one bit per format, for import and export alike.
constexpr int IPT_WMF = 1;
constexpr int IPT_DXF = 2;
constexpr int IPT_BMP = 4;
constexpr int IPT_TIF = 8;
constexpr int IPT_GIF = 16;
constexpr int IPT_PCX = 32;
constexpr int IPT_FLT = 64;
constexpr int IPT_JPG = 128;
constexpr int IPT_PNG = 256;

// Flags.
constexpr DWORD IP_SHOWERROR = 0x0001;
constexpr DWORD IP_OPTIONS = 0x0002;
constexpr DWORD IP_DIALOG = 0x0004;
constexpr DWORD IP_DIB = 0x0008;
constexpr DWORD IP_META = 0x0010;
constexpr DWORD IP_TIFFMASK = 0x00E0;
constexpr DWORD IP_NOWAIT = 0x0100;
constexpr DWORD IP_QUIET = 0x0200;
constexpr DWORD IP_QUALITYMASK = 0xF000;

// Error codes; each is also the number of its text.
constexpr int IPE_CLOSE = 1;
constexpr int IPE_CREATE = 2;
constexpr int IPE_OPEN = 3;
constexpr int IPE_READ = 4;
constexpr int IPE_WRITE = 6;
constexpr int IPE_NOTIFF = 7;
constexpr int IPE_EOF = 8;
constexpr int IPE_TIFFCODEC = 9;
constexpr int IPE_NOTAG = 10;
constexpr int IPE_CONVERT = 11;
constexpr int IPE_STRIPS = 12;
constexpr int IPE_TIFFTAGS = 13;
constexpr int IPE_MEMORY = 14;
constexpr int IPE_TIFFFORMAT = 15;
constexpr int IPE_NOTFOUND = 16;
constexpr int IPE_NOGIF = 17;
constexpr int IPE_CANCELLED = 19;
constexpr int IPE_COLOURS = 20;
constexpr int IPE_BUSY = 21;
constexpr int IPE_NOBMP = 22;
constexpr int IPE_PARAMS = 23;
constexpr int IPE_NOWMF = 24;
constexpr int IPE_NOPCX = 25;
constexpr int IPE_FILTER = 26;
constexpr int IPE_NOFILTER = 27;
constexpr int IPE_DXF = 29;
constexpr int IPE_NOPNG = 31;
// Results up to this value are error codes; handles are always larger.
constexpr std::intptr_t IPE_LAST = 31;

// The picture information block: bounding box and units per inch of a
// vector picture, as in a placeable metafile header.
struct IPPICTUREINFO {
    SHORT left;
    SHORT top;
    SHORT right;
    SHORT bottom;
    WORD inch;
    BYTE reserved[50];
};
static_assert(sizeof(IPPICTUREINFO) == 60);
static_assert(offsetof(IPPICTUREINFO, inch) == 8);
static_assert(offsetof(IPPICTUREINFO, reserved) == 10);

// The size in pixels of a bitmap a metafile is rendered into.
struct IPRENDERSIZE {
    std::int32_t cx;
    std::int32_t cy;
};
static_assert(sizeof(IPRENDERSIZE) == 8);

// Called while a conversion runs; returning 0 asks it to stop.
using IPCALLBACK = int (*)();

// Import family result: a handle (above IPE_LAST) or an error code.
using IPRESULT = std::intptr_t;

// Message parameters of the exported window procedures.
using WPARAM = std::uintptr_t;
using LRESULT = std::intptr_t;

extern "C" {

// General entry points.
MIRV32_API int ipImport(HGLOBAL* dib, HMETAFILE* metafile, char* fileName, DWORD flags, IPCALLBACK callback,
                        int type, HWND parent, const IPRENDERSIZE* renderSize);
MIRV32_API int ipImportExt(HGLOBAL* dib, HMETAFILE* metafile, char* fileName, DWORD flags, IPCALLBACK callback,
                           int type, HWND parent, const IPRENDERSIZE* renderSize, IPPICTUREINFO* info,
                           int reserved);
MIRV32_API int ipExport(char* fileName, DWORD flags, IPCALLBACK callback, int type, HWND parent,
                        const IPRENDERSIZE* renderSize, HGLOBAL dib, HMETAFILE metafile);
MIRV32_API int ipTypFromName(const char* fileName, char* filterPath);
MIRV32_API const char* ipGetImportExtensions(DWORD flags);
MIRV32_API const char* ipErrorText(int code);
MIRV32_API int ipErrorMsg(int code);

// BMP and WMF.
MIRV32_API IPRESULT ipBmp2Dib(const char* fileName, DWORD flags, IPCALLBACK callback);
MIRV32_API int ipDib2Bmp(const char* fileName, DWORD flags, IPCALLBACK callback, HGLOBAL dib);
MIRV32_API IPRESULT ipWmf2Meta(const char* fileName, DWORD flags, IPCALLBACK callback, IPPICTUREINFO* info);
MIRV32_API int ipMeta2Wmf(const char* fileName, DWORD flags, IPCALLBACK callback, HMETAFILE metafile,
                          const IPPICTUREINFO* info);

// GIF and PCX.
MIRV32_API IPRESULT ipGif2Dib(const char* fileName, DWORD flags, IPCALLBACK callback);
MIRV32_API IPRESULT ipPcx2Dib(const char* fileName, DWORD flags, IPCALLBACK callback);

// Between the picture kinds.
MIRV32_API IPRESULT ipMeta2Dib(HMETAFILE metafile, const IPRENDERSIZE* renderSize, const IPPICTUREINFO* info);
MIRV32_API IPRESULT ipDib2Meta(HGLOBAL dib, const IPRENDERSIZE* renderSize, IPPICTUREINFO* info);

// Procedures the library hands to the system.
MIRV32_API int EnumMetaSize(HDC dc, HANDLETABLE* table, METARECORD* record, int objects, LPARAM data);
MIRV32_API LRESULT ProBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
MIRV32_API LRESULT A0(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
}
