// The exported archive operations, their Direct forms and CxErrMsg.
#include "corax32.h"
#include "dispatch/dispatch.h"
#include "frame/guard.h"
#include "frame/messages.h"
#include "platform/msgbox.h"

namespace {

int dispatch_guarded(ArchiveRequest* request, const char* operation) {
    return corax::guarded_operation([&] { return corax::dispatch_operation(request, operation); });
}

ArchiveRequest direct_request(HWND hWnd, const char* archive, const char* files, DWORD flags,
                              ArchiveCallback callback) {
    ArchiveRequest request{};
    request.dwSize = sizeof(ArchiveRequest);
    request.hWnd = hWnd;
    request.lpstrArchive = archive;
    request.lpstrFiles = files;
    request.dwFlags = flags;
    request.lpfnCallback = callback;
    return request;
}

}  // namespace

CORAX_API int CxList(ArchiveRequest* request) {
    if (!request || !request->lpstrListing) return CX_ILLEGAL_PARAMETERS;
    request->lpstrListing[0] = '\0';
    return dispatch_guarded(request, "List");
}

CORAX_API int CxExtract(ArchiveRequest* request) { return dispatch_guarded(request, "Extract"); }
CORAX_API int CxAppend(ArchiveRequest* request) { return dispatch_guarded(request, "Append"); }
CORAX_API int CxDelete(ArchiveRequest* request) { return dispatch_guarded(request, "Delete"); }

CORAX_API int CxListDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrFiles,
                           char* lpstrListing, DWORD dwFlags, ArchiveCallback lpfnCallback) {
    ArchiveRequest request = direct_request(hWnd, lpstrArchive, lpstrFiles, dwFlags, lpfnCallback);
    request.lpstrListing = lpstrListing;
    return CxList(&request);
}

CORAX_API int CxExtractDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrDirectory,
                              const char* lpstrFiles, DWORD dwFlags,
                              ArchiveCallback lpfnCallback) {
    ArchiveRequest request = direct_request(hWnd, lpstrArchive, lpstrFiles, dwFlags, lpfnCallback);
    request.lpstrDirectory = lpstrDirectory;
    return CxExtract(&request);
}

CORAX_API int CxAppendDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrDirectory,
                             const char* lpstrFiles, DWORD dwFlags,
                             ArchiveCallback lpfnCallback) {
    ArchiveRequest request = direct_request(hWnd, lpstrArchive, lpstrFiles, dwFlags, lpfnCallback);
    request.lpstrDirectory = lpstrDirectory;
    return CxAppend(&request);
}

CORAX_API int CxDeleteDirect(HWND hWnd, const char* lpstrArchive, const char* lpstrFiles,
                             DWORD dwFlags, ArchiveCallback lpfnCallback) {
    ArchiveRequest request = direct_request(hWnd, lpstrArchive, lpstrFiles, dwFlags, lpfnCallback);
    return CxDelete(&request);
}

CORAX_API void CxErrMsg(int code, ArchiveRequest* request) {
    corax::guarded(0, [&] {
        const int id = code;
        if (request) {
            const char* archive = request->lpstrArchive ? request->lpstrArchive : "";
            return corax::show_resource_message(request->hWnd, id, MB_ICONHAND, archive);
        }
        return corax::show_resource_message(nullptr, id, MB_TASKMODAL | MB_ICONHAND, "");
    });
}
