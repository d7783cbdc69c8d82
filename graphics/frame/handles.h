#pragma once
// Turning import-family results into handles and back.
#include "mirv32.h"

namespace mirv {

inline bool is_error(IPRESULT r) { return r >= 0 && r <= IPE_LAST + 1; }

inline IPRESULT result_of(HGLOBAL dib) { return reinterpret_cast<IPRESULT>(dib); }
inline IPRESULT result_of(HMETAFILE mf) { return reinterpret_cast<IPRESULT>(mf); }
inline HGLOBAL dib_of(IPRESULT r) { return is_error(r) ? nullptr : reinterpret_cast<HGLOBAL>(r); }
inline HMETAFILE metafile_of(IPRESULT r) { return is_error(r) ? nullptr : reinterpret_cast<HMETAFILE>(r); }

// The import-family answer for a failure: shown and 0 with IP_SHOWERROR,
// else the code.
IPRESULT import_failure(int code, DWORD flags);
// The export-family answer: the code, shown first with IP_SHOWERROR.
int export_failure(int code, DWORD flags);

}  // namespace mirv
