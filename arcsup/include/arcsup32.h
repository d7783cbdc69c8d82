#pragma once
// arcsup32: the support module for ARC archives. corax32 loads it by name and
// calls one of these procedures with the caller's request block; each returns
// 0 or a CX_* result code.
#include "corax32.h"

#define ARCSUP_API extern "C" __attribute__((visibility("default")))

ARCSUP_API int ARCList(ArchiveRequest* request);
ARCSUP_API int ARCExtract(ArchiveRequest* request);
ARCSUP_API int ARCAppend(ArchiveRequest* request);
ARCSUP_API int ARCDelete(ArchiveRequest* request);
