// DOS wildcard matching and directory search with attribute filtering.
#include "platform/filefind.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "platform/path.h"

namespace platform {
namespace {

char fold(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Dynamic programming over (pattern position, name position), so hostile
// patterns with many '*' cost O(pattern x name) and never backtrack.
bool match_plain(std::string_view pattern, std::string_view name) {
    const std::size_t n = name.size();
    std::vector<char> reach(n + 1, 0), next(n + 1, 0);
    reach[0] = 1;
    for (char p : pattern) {
        std::fill(next.begin(), next.end(), 0);
        for (std::size_t j = 0; j <= n; ++j) {
            if (!reach[j]) continue;
            if (p == '*') {
                for (std::size_t k = j; k <= n; ++k) next[k] = 1;
                break;
            }
            if (p == '?') {
                if (j < n) next[j + 1] = 1;
                if (j == n || name[j] == '.') next[j] = 1;  // '?' may stand for nothing
            } else if (j < n && fold(name[j]) == fold(p)) {
                next[j + 1] = 1;
            }
        }
        reach.swap(next);
    }
    return reach[n] != 0;
}

}  // namespace

bool dos_wildcard_match(std::string_view pattern, std::string_view name) {
    if (match_plain(pattern, name)) return true;
    // "NAME.*" and "*.*" also match names without an extension.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
        name.find('.') == std::string_view::npos)
        return match_plain(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

namespace {

unsigned attributes_of(const std::string& name, const struct stat& st) {
    unsigned attributes = 0;
    if (!name.empty() && name[0] == '.') attributes |= FA_HIDDEN;
    if (S_ISDIR(st.st_mode)) attributes |= FA_DIREC;
    else if (S_ISREG(st.st_mode)) attributes |= FA_ARCH;
    else attributes |= FA_SYSTEM;  // devices, sockets, pipes
    if (!(st.st_mode & S_IWUSR)) attributes |= FA_RDONLY;
    return attributes;
}

}  // namespace

std::vector<FoundFile> find_files(std::string_view pattern, unsigned allowed) {
    std::vector<FoundFile> found;
    std::string native = native_path(pattern);
    std::size_t name_at = file_name_offset(native);
    std::string dir = native.substr(0, name_at);
    std::string mask = native.substr(name_at);
    if (mask.empty()) return found;

    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return found;
    const unsigned restricted = FA_HIDDEN | FA_SYSTEM | FA_DIREC | FA_LABEL;
    while (struct dirent* entry = readdir(d)) {
        std::string name = entry->d_name;
        if (name == "." || name == ".." || !dos_wildcard_match(mask, name)) continue;
        struct stat st;
        if (stat((dir + name).c_str(), &st) != 0) continue;
        unsigned attributes = attributes_of(name, st);
        if ((attributes & restricted & ~allowed) != 0) continue;
        found.push_back({name, attributes, static_cast<std::int64_t>(st.st_size),
                         static_cast<std::int64_t>(st.st_mtime)});
    }
    closedir(d);
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    return found;
}

}  // namespace platform
