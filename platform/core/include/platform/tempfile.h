#pragma once
// The per-user private temporary directory and unique temporary files.
#include <optional>
#include <string>
#include <string_view>

#include "platform/api.h"

namespace platform {

// "<TMPDIR or /tmp>/tolvane-<uid>/", created with mode 0700 on first use.
// Refuses (empty result) a directory that exists but belongs to someone
// else, is a symbolic link or is open to others.
PLATFORM_API std::string temp_directory();

struct TempFile {
    std::string path;
    int fd;  // open for reading and writing; the caller closes it
};

// Creates a new file "<dir><prefix><number>.TMP" exclusively (O_EXCL), never
// reusing an existing name. dir empty = temp_directory().
PLATFORM_API std::optional<TempFile> create_temp_file(std::string_view prefix,
                                                      std::string_view dir = {});

}  // namespace platform
