#pragma once
// Device contexts: memory contexts drawing into a selected bitmap, and
// metafile recording contexts (see metafile.h). The state is the one GDI
// keeps: mapping, origins and extents, current position, selected objects,
// text and background settings, stretch mode.
#include "platform/gdi/api.h"
#include "platform/gdi/types.h"

extern "C" {
PLATFORM_GDI_API HDC CreateCompatibleDC(HDC reference);
PLATFORM_GDI_API BOOL DeleteDC(HDC dc);
PLATFORM_GDI_API int GetDeviceCaps(HDC dc, int index);

PLATFORM_GDI_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
PLATFORM_GDI_API HGDIOBJ GetCurrentObject(HDC dc, UINT kind);
PLATFORM_GDI_API HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
PLATFORM_GDI_API UINT RealizePalette(HDC dc);

PLATFORM_GDI_API int SetMapMode(HDC dc, int mode);
PLATFORM_GDI_API int GetMapMode(HDC dc);
PLATFORM_GDI_API BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* previous);
PLATFORM_GDI_API BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
PLATFORM_GDI_API BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* previous);
PLATFORM_GDI_API BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
PLATFORM_GDI_API BOOL GetWindowExtEx(HDC dc, SIZE* out);
PLATFORM_GDI_API BOOL GetWindowOrgEx(HDC dc, POINT* out);
PLATFORM_GDI_API BOOL GetViewportExtEx(HDC dc, SIZE* out);
PLATFORM_GDI_API BOOL GetViewportOrgEx(HDC dc, POINT* out);
PLATFORM_GDI_API BOOL GetCurrentPositionEx(HDC dc, POINT* out);

PLATFORM_GDI_API UINT SetTextAlign(HDC dc, UINT align);
PLATFORM_GDI_API UINT GetTextAlign(HDC dc);
PLATFORM_GDI_API int SetBkMode(HDC dc, int mode);
PLATFORM_GDI_API int GetBkMode(HDC dc);
PLATFORM_GDI_API COLORREF SetBkColor(HDC dc, COLORREF color);
PLATFORM_GDI_API COLORREF GetBkColor(HDC dc);
PLATFORM_GDI_API COLORREF SetTextColor(HDC dc, COLORREF color);
PLATFORM_GDI_API COLORREF GetTextColor(HDC dc);
PLATFORM_GDI_API int SetStretchBltMode(HDC dc, int mode);
PLATFORM_GDI_API int GetStretchBltMode(HDC dc);

// Drawing (logical coordinates).
PLATFORM_GDI_API BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
PLATFORM_GDI_API BOOL LineTo(HDC dc, int x, int y);
PLATFORM_GDI_API BOOL Arc(HDC dc, int left, int top, int right, int bottom,
                          int xStart, int yStart, int xEnd, int yEnd);
PLATFORM_GDI_API BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
PLATFORM_GDI_API BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
PLATFORM_GDI_API BOOL Polyline(HDC dc, const POINT* points, int count);
PLATFORM_GDI_API BOOL Polygon(HDC dc, const POINT* points, int count);
PLATFORM_GDI_API BOOL TextOutA(HDC dc, int x, int y, const char* text, int length);
PLATFORM_GDI_API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
}
