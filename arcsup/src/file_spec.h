#pragma once
// File specifications of append and delete requests: a list separated by
// blanks, each a mask with an optional directory part in front.
#include <string>
#include <string_view>
#include <vector>

namespace arcsup {

struct FileSpec {
    std::string directory;  // empty or with a trailing separator
    std::string mask;       // file part, may hold wildcards
};

// One specification: the part before its last separator ('/' or '\')
// replaces `base_directory` (lpstrDirectory, null for none).
FileSpec parse_file_spec(std::string_view spec, const char* base_directory);

// The blank-separated specifications of lpstrFiles; null means "*.*".
std::vector<FileSpec> parse_file_specs(const char* files, const char* base_directory);

// True when a mask holds a wildcard.
bool has_wildcard(std::string_view mask);

}  // namespace arcsup
