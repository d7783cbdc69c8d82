#include "archive_ops.h"

#include <vector>

#include "corax32.h"

namespace brisk {
namespace {

// Extract, append and delete declare 4 bytes, so that no support module
// makes progress calls; no callback is given.
constexpr DWORD kShortRequestSize = 4;

ArchiveRequest short_request(HWND owner, const std::string& archive) {
    ArchiveRequest request{};
    request.dwSize = kShortRequestSize;
    request.hWnd = owner;
    request.lpstrArchive = archive.c_str();
    request.dwFlags = ARF_NOPATHS;
    return request;
}

int shown(int result, ArchiveRequest& request) {
    if (result != CX_OK) CxErrMsg(result, &request);
    return result;
}

}  // namespace

std::optional<std::string> list_archive(HWND owner, const std::string& archive) {
    std::vector<char> listing(CX_LISTING_SIZE, '\0');
    ArchiveRequest request{};
    request.dwSize = sizeof(ArchiveRequest);
    request.hWnd = owner;
    request.lpstrArchive = archive.c_str();
    request.lpstrListing = listing.data();
    if (shown(CxList(&request), request) != CX_OK) return std::nullopt;
    listing.back() = '\0';  // a producer that filled the buffer still ends here
    return std::string(listing.data());
}

int extract_member(HWND owner, const std::string& archive, const std::string& member,
                   const std::string& directory) {
    ArchiveRequest request = short_request(owner, archive);
    request.lpstrFiles = member.c_str();
    request.lpstrDirectory = directory.c_str();
    return shown(CxExtract(&request), request);
}

int delete_member(HWND owner, const std::string& archive, const std::string& member) {
    ArchiveRequest request = short_request(owner, archive);
    request.lpstrFiles = member.c_str();
    return shown(CxDelete(&request), request);
}

int append_files(HWND owner, const std::string& archive, const std::string& files) {
    ArchiveRequest request = short_request(owner, archive);
    request.lpstrFiles = files.c_str();
    return shown(CxAppend(&request), request);
}

}  // namespace brisk
