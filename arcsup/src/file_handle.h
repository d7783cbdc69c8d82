#pragma once
// An open file descriptor that is closed with the object, and the few plain
// operations the module needs on it (all of them retry on interruption).
#include <cstddef>
#include <cstdint>
#include <string>

namespace arcsup {

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { close(); }
    FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Opens an existing regular file for reading (and writing when asked).
    static FileHandle open_existing(const std::string& path, bool writable);
    // Creates a new file that must not exist yet (no symbolic link followed).
    static FileHandle create_new(const std::string& path);

    bool is_open() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    int release();
    // Closes the file; false when closing reported an error.
    bool close();

    // Reads up to `size` bytes; the count read, 0 at the end, -1 on error.
    long read_some(void* data, std::size_t size);
    // Reads as many of `size` bytes as the file holds; -1 on error.
    long read_full(void* data, std::size_t size);
    // Writes all bytes; false on error or a short write.
    bool write_all(const void* data, std::size_t size);
    // Seeks to an absolute offset; false on error.
    bool seek(std::uint64_t offset);
    // The size of the file, -1 on error.
    std::int64_t size() const;
    bool truncate(std::uint64_t size);

private:
    int fd_ = -1;
};

}  // namespace arcsup
