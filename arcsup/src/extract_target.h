#pragma once
// Where extracted members go: the target directory with its trailing
// separator (empty: the current directory), and the preparations of one
// output path.
#include <cstdint>
#include <string>

#include "file_handle.h"

namespace arcsup {

// lpstrDirectory with a trailing separator; null gives the current directory
// (an empty prefix).
std::string target_directory(const char* directory);

// True when a member of `size` bytes cannot fit into `free_bytes`. An
// unknown free space (0) never refuses; a write that then fails is reported
// as such.
bool exceeds_free_space(std::uint64_t free_bytes, std::uint64_t size);

// Removes an existing file of the path so that it can be created anew; a
// read-only file is left alone (its creation then fails).
void remove_replaced_file(const std::string& path);

}  // namespace arcsup
