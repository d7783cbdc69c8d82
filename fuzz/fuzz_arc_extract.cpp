// ARCExtract of arbitrary archive bytes into a scratch directory: nothing
// may be written outside it, and each output file is bounded (a file size
// limit turns runaway output into a write failure instead of a slow run).
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "arcsup32.h"
#include "platform/msgbox.h"

namespace {

struct Scratch {
    std::string top;      // holds the archive and the target folder only
    std::string archive;
    std::string target;
};

const Scratch& scratch() {
    static Scratch s = [] {
        char templ[] = "/tmp/fuzz-arc-extract-XXXXXX";
        const char* dir = mkdtemp(templ);
        Scratch out;
        out.top = std::string(dir ? dir : "/tmp") + "/";
        out.archive = out.top + "input.arc";
        out.target = out.top + "target/";
        std::filesystem::create_directories(out.target);
        return out;
    }();
    return s;
}

std::size_t entries_in(const std::string& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = [] {
        platform::set_message_box_backend([](const platform::MessageBoxCall&) { return IDOK; });
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {8u << 20, 8u << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
        return true;
    }();
    (void)prepared;
    const Scratch& s = scratch();
    std::filesystem::remove_all(s.target);
    std::filesystem::create_directories(s.target);
    if (FILE* f = std::fopen(s.archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    ArchiveRequest request{};
    request.dwSize = sizeof request;
    request.lpstrArchive = s.archive.c_str();
    request.lpstrDirectory = s.target.c_str();
    ARCExtract(&request);
    // The scratch top holds the archive and the target folder, nothing else.
    if (entries_in(s.top) != 2) __builtin_trap();
    for (const auto& e : std::filesystem::directory_iterator(s.target))
        if (!e.is_regular_file()) __builtin_trap();
    return 0;
}
