#pragma once
// corax32: one interface to every archive type.
//
// A caller fills an ArchiveRequest (or uses a Direct form) and calls one of
// the four operations; the result is 0 or one of the CX_* result codes.
#include <cstddef>
#include <cstdint>

#include "platform/types.h"

#define CORAX_API extern "C" __attribute__((visibility("default")))

struct ArchiveRequest;

// Progress and stop callback. Codes: CXCB_POLL (return CXCB_STOP to ask the
// operation to stop), CXCB_FILE (lpstrCurrentFile set), CXCB_PERCENT
// (nPercent set).
using ArchiveCallback = int (*)(int code, ArchiveRequest* request);

struct ArchiveRequest {
    DWORD dwSize;                  // sizeof(ArchiveRequest) for a full block
    HWND hWnd;                     // owner of every message box
    const char* lpstrArchive;      // archive file name
    const char* lpstrFiles;        // members or files; null = all
    const char* lpstrDirectory;    // extract target / append source / packer dir
    DWORD dwFlags;                 // ARF_* bits
    ArchiveCallback lpfnCallback;  // or null
    char* lpstrListing;            // list: receives the listing
    HWND hWndProgress;             // free for the caller's callback
    std::uint8_t reserved1[6];
    std::int16_t nArchiveType;     // CXT_*; 0 = detect
    const char* lpstrCurrentFile;  // set by a module before a CXCB_FILE call
    std::int32_t nPercent;         // set by a module before a CXCB_PERCENT call
    std::uint8_t reserved2[44];
};

static_assert(offsetof(ArchiveRequest, dwSize) == 0);
static_assert(offsetof(ArchiveRequest, hWnd) == 8);
static_assert(offsetof(ArchiveRequest, lpstrArchive) == 16);
static_assert(offsetof(ArchiveRequest, lpstrFiles) == 24);
static_assert(offsetof(ArchiveRequest, lpstrDirectory) == 32);
static_assert(offsetof(ArchiveRequest, dwFlags) == 40);
static_assert(offsetof(ArchiveRequest, lpfnCallback) == 48);
static_assert(offsetof(ArchiveRequest, lpstrListing) == 56);
static_assert(offsetof(ArchiveRequest, hWndProgress) == 64);
static_assert(offsetof(ArchiveRequest, reserved1) == 72);
static_assert(offsetof(ArchiveRequest, nArchiveType) == 78);
static_assert(offsetof(ArchiveRequest, lpstrCurrentFile) == 80);
static_assert(offsetof(ArchiveRequest, nPercent) == 88);
static_assert(offsetof(ArchiveRequest, reserved2) == 92);
static_assert(sizeof(ArchiveRequest) == 136);

// A module writes lpstrCurrentFile / nPercent and makes CXCB_FILE and
// CXCB_PERCENT calls only for blocks that declare more than this size.
constexpr DWORD CX_PROGRESS_SIZE = offsetof(ArchiveRequest, nArchiveType);

// True when the request's declared size asks for progress calls.
inline bool cx_wants_progress(const ArchiveRequest* request) {
    return request && request->dwSize > CX_PROGRESS_SIZE;
}

// dwFlags
constexpr DWORD ARF_NOPATHS = 0x200;

// Callback codes and the stop answer.
constexpr int CXCB_POLL = 1;
constexpr int CXCB_FILE = 2;
constexpr int CXCB_PERCENT = 3;
constexpr int CXCB_STOP = 2;

// Archive type numbers.
constexpr int CXT_NONE = 0;
constexpr int CXT_LZH = 1;
constexpr int CXT_ARC = 2;
constexpr int CXT_ARJ = 3;
constexpr int CXT_ZIP = 4;
constexpr int CXT_RAR = 5;
constexpr int CXT_TAR = 6;
constexpr int CXT_ZOO = 7;

// Result codes (each is also the number of its message string).
constexpr int CX_OK = 0;
constexpr int CX_MSG_CREATEPROCESS = 1002;  // message only
constexpr int CX_MSG_NEED_PACKER = 1003;    // message only
constexpr int CX_ARCHIVE_NOT_FOUND = 2020;
constexpr int CX_BROKEN_ARCHIVE = 2021;
constexpr int CX_IO_ERROR = 2023;
constexpr int CX_CRC_ERROR = 2024;
constexpr int CX_BUSY = 2026;
constexpr int CX_FILE_NOT_FOUND = 2027;
constexpr int CX_STOPPED = 2028;
constexpr int CX_TYPE_NOT_SUPPORTED = 2029;
constexpr int CX_MODULE_MISSING = 2030;
constexpr int CX_RENAME_FAILED = 2041;
constexpr int CX_DOSBOX_ERROR = 2051;
constexpr int CX_TEMPFILE_ERROR = 2052;
constexpr int CX_ILLEGAL_PARAMETERS = 2053;
constexpr int CX_OUT_OF_MEMORY = 2054;

// The listing buffer callers provide, zero byte included; producers never
// write past it.
constexpr std::size_t CX_LISTING_SIZE = 65535;

CORAX_API int CxList(ArchiveRequest* request);
CORAX_API int CxExtract(ArchiveRequest* request);
CORAX_API int CxAppend(ArchiveRequest* request);
CORAX_API int CxDelete(ArchiveRequest* request);

CORAX_API int CxListDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrFiles,
                           char* lpstrListing, DWORD dwFlags, ArchiveCallback lpfnCallback);
CORAX_API int CxExtractDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrDirectory,
                              const char* lpstrFiles, DWORD dwFlags,
                              ArchiveCallback lpfnCallback);
CORAX_API int CxAppendDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrDirectory,
                             const char* lpstrFiles, DWORD dwFlags,
                             ArchiveCallback lpfnCallback);
CORAX_API int CxDeleteDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrFiles,
                             DWORD dwFlags, ArchiveCallback lpfnCallback);

CORAX_API void CxErrMsg(int code, ArchiveRequest* request);

// Type number of a file by its extension, else by its content; 0 = unknown.
CORAX_API int CxIsArchiv(const char* fileName);

// "*.ARJ;*.ZIP;..." of the types that can be listed (forWriting 0) or
// appended to (forWriting != 0) here. A static buffer, valid until the next call.
CORAX_API const char* CxGetExtensionString(int forWriting);
