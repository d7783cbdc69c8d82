#include "extract_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace arcsup {

std::string target_directory(const char* directory) {
    if (!directory) return {};
    return platform::with_trailing_separator(directory);
}

bool exceeds_free_space(std::uint64_t free_bytes, std::uint64_t size) {
    return free_bytes != 0 && free_bytes <= size;
}

void remove_replaced_file(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) return;
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)) return;
    ::unlink(path.c_str());
}

}  // namespace arcsup
