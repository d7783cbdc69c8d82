#pragma once
// Paths and plain file operations. Both '/' and '\' are accepted as
// separators on input; '/' is what this layer writes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/api.h"

namespace platform {

constexpr char kSeparator = '/';

PLATFORM_API bool is_separator(char c);

// The path with every '\' turned into '/'.
PLATFORM_API std::string native_path(std::string_view path);

// Absolute form of a path (relative to the current directory), with "." and
// ".." components resolved lexically; the file need not exist.
PLATFORM_API std::string full_path(std::string_view path);

// The path with a separator appended unless it already ends in one.
PLATFORM_API std::string with_trailing_separator(std::string_view dir);

// A path split into directory (with its trailing separator, possibly empty),
// base name and extension (with its dot, possibly empty).
struct PathParts {
    std::string directory;
    std::string name;
    std::string extension;
};
PLATFORM_API PathParts split_path(std::string_view path);

// Index just past the last separator (0 when there is none).
PLATFORM_API std::size_t file_name_offset(std::string_view path);

PLATFORM_API bool file_exists(std::string_view path);     // any kind of file
PLATFORM_API bool regular_file_exists(std::string_view path);
PLATFORM_API bool delete_file(std::string_view path);
PLATFORM_API bool rename_file(std::string_view from, std::string_view to);

// Existence check with search, as a program or module is looked up: the name
// as given; then, for a name without directory part, each directory of PATH.
// A DOS program name ("ARJ.EXE", "PKXARC.COM") is also looked for as its
// lower-case base name without the DOS extension ("arj", "pkxarc"), so the
// system's own programs serve. Returns the full path of the first regular
// file found.
PLATFORM_API std::optional<std::string> search_file(std::string_view name);

// Bytes free for an unprivileged user on the file system holding `path`
// (the current directory when empty); 0 when it cannot be told.
PLATFORM_API std::uint64_t free_disk_space(std::string_view path);

PLATFORM_API std::string current_directory();

}  // namespace platform
