// ARCList over arbitrary archive bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "arcsup32.h"
#include "platform/msgbox.h"

namespace {

std::string scratch_archive() {
    static std::string path = [] {
        char templ[] = "/tmp/fuzz-arc-list-XXXXXX";
        const char* dir = mkdtemp(templ);
        return std::string(dir ? dir : "/tmp") + "/input.arc";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        platform::set_message_box_backend([](const platform::MessageBoxCall&) { return IDOK; });
        return true;
    }();
    (void)quiet;
    const std::string path = scratch_archive();
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::vector<char> listing(CX_LISTING_SIZE + 1, '\x7f');
    ArchiveRequest request{};
    request.dwSize = sizeof request;
    request.lpstrArchive = path.c_str();
    request.lpstrListing = listing.data();
    const int result = ARCList(&request);
    // The listing stays inside the caller's buffer and is always terminated.
    if (listing[CX_LISTING_SIZE] != '\x7f') __builtin_trap();
    if (std::string(listing.data(), CX_LISTING_SIZE).find('\0') == std::string::npos) __builtin_trap();
    if (result != 0 && listing[0] != '\0') __builtin_trap();
    return 0;
}
