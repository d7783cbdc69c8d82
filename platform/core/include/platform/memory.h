#pragma once
// Global memory handles: blocks that callers lock to get a pointer, that may
// be resized, and that any module of the process may free.
#include <cstddef>

#include "platform/api.h"
#include "platform/types.h"

using HGLOBAL = void*;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

extern "C" {
PLATFORM_API HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
PLATFORM_API HGLOBAL GlobalReAlloc(HGLOBAL mem, std::size_t bytes, UINT flags);
PLATFORM_API void* GlobalLock(HGLOBAL mem);
PLATFORM_API BOOL GlobalUnlock(HGLOBAL mem);
PLATFORM_API std::size_t GlobalSize(HGLOBAL mem);
// Returns nullptr on success, the handle when it could not be freed.
PLATFORM_API HGLOBAL GlobalFree(HGLOBAL mem);
}
