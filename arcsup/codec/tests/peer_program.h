// Running the installed peer programs (arc, nomarch) from tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "test_data.h"

namespace arc::test {

struct RunResult {
    int exit_code = -1;  // -1: could not be started or did not exit normally
    Bytes output;        // standard output
};

// The program's path when it is installed (searched in PATH), else empty.
std::filesystem::path find_program(const std::string& name);

// Runs `argv` in `directory` with standard input from /dev/null, standard
// error discarded and standard output captured.
RunResult run_program(const std::vector<std::string>& argv, const std::filesystem::path& directory);

// A fresh directory under the system's temporary directory, removed with the
// object.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void write_file(const std::filesystem::path& path, const Bytes& data);
Bytes read_file(const std::filesystem::path& path);

} // namespace arc::test
