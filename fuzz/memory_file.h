#pragma once
// A file in memory that the readers open by name, rewritten with each
// fuzz input.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz {

struct MemoryFile {
    int fd = memfd_create("fuzz_input", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    void fill(const std::uint8_t* data, std::size_t size) {
        if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    }
};

}  // namespace fuzz
