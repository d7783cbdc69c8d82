#pragma once
// Memory metafiles: recording contexts that write standard metafile
// records, metafile handles made from or turned into their bits, record
// enumeration and playback into any context.
#include "platform/gdi/api.h"
#include "platform/gdi/types.h"

// Record function numbers.
namespace platform::gdi::record {
constexpr WORD kEof = 0x0000;
constexpr WORD kRealizePalette = 0x0035;
constexpr WORD kCreatePalette = 0x00F7;
constexpr WORD kSetBkMode = 0x0102;
constexpr WORD kSetMapMode = 0x0103;
constexpr WORD kSetStretchBltMode = 0x0107;
constexpr WORD kSelectObject = 0x012D;
constexpr WORD kSetTextAlign = 0x012E;
constexpr WORD kDeleteObject = 0x01F0;
constexpr WORD kSetBkColor = 0x0201;
constexpr WORD kSetTextColor = 0x0209;
constexpr WORD kSetWindowOrg = 0x020B;
constexpr WORD kSetWindowExt = 0x020C;
constexpr WORD kSetViewportOrg = 0x020D;
constexpr WORD kSetViewportExt = 0x020E;
constexpr WORD kLineTo = 0x0213;
constexpr WORD kMoveTo = 0x0214;
constexpr WORD kSelectPalette = 0x0234;
constexpr WORD kCreatePenIndirect = 0x02FA;
constexpr WORD kCreateFontIndirect = 0x02FB;
constexpr WORD kCreateBrushIndirect = 0x02FC;
constexpr WORD kPolygon = 0x0324;
constexpr WORD kPolyline = 0x0325;
constexpr WORD kEllipse = 0x0418;
constexpr WORD kRectangle = 0x041B;
constexpr WORD kTextOut = 0x0521;
constexpr WORD kArc = 0x0817;
constexpr WORD kStretchDib = 0x0F43;
}  // namespace platform::gdi::record

extern "C" {
// Starts recording a memory metafile; `fileName` must be null.
PLATFORM_GDI_API HDC CreateMetaFileA(const char* fileName);
// Ends the recording and returns its metafile; the context is gone.
PLATFORM_GDI_API HMETAFILE CloseMetaFile(HDC dc);

// A metafile from a copy of its bits. The bits are checked first: header,
// every record inside the data, object indexes inside the object table.
// Returns null for bits that fail the check.
PLATFORM_GDI_API HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* bits);
// With `out` null returns the size of the bits; otherwise copies them when
// `size` is large enough and returns the bytes copied (0 when too small).
PLATFORM_GDI_API UINT GetMetaFileBitsEx(HMETAFILE metafile, UINT size, void* out);
PLATFORM_GDI_API BOOL DeleteMetaFile(HMETAFILE metafile);

// Calls `proc` for every record but the end record, with a handle table the
// records played through PlayMetaFileRecord fill. Stops when `proc` returns
// 0 and then returns 0; objects left in the table are deleted.
PLATFORM_GDI_API BOOL EnumMetaFile(HDC dc, HMETAFILE metafile, MFENUMPROC proc, LPARAM data);
PLATFORM_GDI_API BOOL PlayMetaFileRecord(HDC dc, HANDLETABLE* table, const METARECORD* record, UINT objects);
PLATFORM_GDI_API BOOL PlayMetaFile(HDC dc, HMETAFILE metafile);
}
