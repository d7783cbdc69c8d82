#pragma once
// Wildcard file search with DOS semantics and attribute filtering.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api.h"

namespace platform {

// File attributes as DOS reports them. A file whose name starts with a dot
// counts as hidden; a file without write permission as read-only.
constexpr unsigned FA_NORMAL = 0x00;
constexpr unsigned FA_RDONLY = 0x01;
constexpr unsigned FA_HIDDEN = 0x02;
constexpr unsigned FA_SYSTEM = 0x04;
constexpr unsigned FA_LABEL = 0x08;
constexpr unsigned FA_DIREC = 0x10;
constexpr unsigned FA_ARCH = 0x20;

// DOS wildcard match of a whole name: '*' matches any run of characters,
// '?' any one character (or none at the end of the name or before a dot),
// letters compare without regard to case, and "*.*" also matches names
// without a dot.
PLATFORM_API bool dos_wildcard_match(std::string_view pattern, std::string_view name);

struct FoundFile {
    std::string name;        // file name only
    unsigned attributes;     // FA_* bits
    std::int64_t size;
    std::int64_t mtime;      // seconds since the epoch
};

// All entries of the directory part of `pattern` whose names match its file
// part. Hidden, system and directory entries are included only when their
// bits are in `allowed` (read-only and archive files always are). "." and ".."
// are never returned. Results are sorted by name.
PLATFORM_API std::vector<FoundFile> find_files(std::string_view pattern, unsigned allowed);

}  // namespace platform
