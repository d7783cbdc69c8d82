// The per-user private temporary directory and exclusively created files.
#include "platform/tempfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/path.h"

namespace platform {
namespace {

bool is_private_directory(const std::string& dir) {
    struct stat st;
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
        return false;
    if ((st.st_mode & 077) != 0 && chmod(dir.c_str(), 0700) != 0) return false;
    return true;
}

}  // namespace

std::string temp_directory() {
    const char* base = std::getenv("TMPDIR");
    std::string dir = with_trailing_separator(base && *base ? base : "/tmp");
    dir += "tolvane-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return {};
    if (!is_private_directory(dir)) return {};
    return dir + "/";
}

std::optional<TempFile> create_temp_file(std::string_view prefix, std::string_view dir) {
    std::string where = dir.empty() ? temp_directory() : with_trailing_separator(dir);
    if (where.empty()) return std::nullopt;
    static std::atomic<unsigned> counter{0};
    const unsigned seed = static_cast<unsigned>(getpid()) * 2654435761u ^
                          static_cast<unsigned>(std::time(nullptr));
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char number[16];
        std::snprintf(number, sizeof number, "%04X", (seed + counter++) & 0xFFFF);
        std::string path = where + std::string(prefix) + number + ".TMP";
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) return TempFile{path, fd};
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace platform
