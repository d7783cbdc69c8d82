// ARCAppend of a small file to arbitrary old archive bytes. Whatever the old
// archive holds, the request either succeeds with an archive that lists, or
// fails and leaves the old bytes exactly as they were.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "arcsup32.h"
#include "platform/msgbox.h"

namespace {

struct Scratch {
    std::string top;
    std::string archive;
    std::string source;
};

const Scratch& scratch() {
    static Scratch s = [] {
        char templ[] = "/tmp/fuzz-arc-append-XXXXXX";
        const char* dir = mkdtemp(templ);
        Scratch out;
        out.top = std::string(dir ? dir : "/tmp") + "/";
        out.archive = out.top + "old.arc";
        out.source = out.top + "src/";
        std::filesystem::create_directories(out.source);
        std::ofstream(out.source + "ADDED.TXT") << "a small file that is added to the archive, "
                                                   "added to the archive, added again\n";
        return out;
    }();
    return s;
}

std::vector<char> contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        platform::set_message_box_backend([](const platform::MessageBoxCall&) { return IDOK; });
        return true;
    }();
    (void)quiet;
    const Scratch& s = scratch();
    if (FILE* f = std::fopen(s.archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    ArchiveRequest request{};
    request.dwSize = sizeof request;
    request.lpstrArchive = s.archive.c_str();
    request.lpstrDirectory = s.source.c_str();
    request.lpstrFiles = "ADDED.TXT";
    const int result = ARCAppend(&request);
    if (result != 0) {
        const std::vector<char> now = contents(s.archive);
        if (now.size() != size || (size && std::memcmp(now.data(), data, size) != 0)) __builtin_trap();
    } else {
        std::vector<char> listing(CX_LISTING_SIZE, '\0');
        ArchiveRequest list{};
        list.dwSize = sizeof list;
        list.lpstrArchive = s.archive.c_str();
        list.lpstrListing = listing.data();
        if (ARCList(&list) != 0) __builtin_trap();
        if (std::string(listing.data()).find("ADDED.TXT\t") == std::string::npos) __builtin_trap();
    }
    // No temporary archive is left beside the old one.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(s.top)) ++entries;
    if (entries != 2) __builtin_trap();
    return 0;
}
