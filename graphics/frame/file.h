#pragma once
// A file the converters read or write, closed when the object goes; close()
// reports whether closing worked.
#include <cstdint>
#include <cstdio>
#include <optional>

namespace mirv {

class File {
public:
    static std::optional<File> open_read(const char* name);
    static std::optional<File> create(const char* name);
    File(File&& other) noexcept : f_(other.f_) { other.f_ = nullptr; }
    File& operator=(File&&) = delete;
    ~File();

    // Reads up to `n` bytes; returns how many arrived.
    std::size_t read(void* buffer, std::size_t n);
    bool write(const void* buffer, std::size_t n);
    bool seek(std::uint64_t offset);
    std::uint64_t tell();
    std::uint64_t size();
    bool close();

private:
    explicit File(std::FILE* f) : f_(f) {}
    std::FILE* f_;
};

}  // namespace mirv
