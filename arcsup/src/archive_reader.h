#pragma once
// Buffered reading of an archive file. After opening and after every seek
// the reader loads a block of 4096 bytes, so that walking the headers reads
// little more than the headers; while it is read on without seeking, each
// block doubles, up to 64 KiB, so that member data streams in few reads. The
// reader knows the file's size when it opens it; it is at its end once the
// last byte has been delivered, and then delivers nothing more.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "file_handle.h"

namespace arcsup {

class ArchiveReader {
public:
    static constexpr std::size_t block_size = 4096;
    static constexpr std::size_t max_block_size = 65536;

    // Opens the archive for reading and loads its first block; false when it
    // cannot be opened or read.
    bool open(const std::string& path, bool writable = false);
    void close() { file_.close(); }
    bool is_open() const { return file_.is_open(); }

    // The next byte; false at the end of the file.
    bool next(std::uint8_t& byte);
    // Copies up to `size` bytes and returns how many the file still held.
    std::size_t read(std::uint8_t* out, std::size_t size);
    // The bytes loaded and not yet delivered, at most `limit`; loads the next
    // block first when none are. Empty only at the end of the file.
    std::span<const std::uint8_t> window(std::size_t limit);
    // Marks `count` bytes of the last window as delivered.
    void consume(std::size_t count) { used_ += count; }

    // Moves the read position (absolute, or forward from the current one),
    // reloading the buffer there unless the position lies in the loaded
    // block; false when the file cannot be read.
    bool seek(std::uint64_t position);
    bool skip(std::uint64_t count) { return seek(position() + count); }

    std::uint64_t position() const { return block_start_ + used_; }
    std::uint64_t size() const { return size_; }
    std::uint64_t remaining() const { return size_ > position() ? size_ - position() : 0; }
    bool at_end() const { return position() >= size_; }
    // True when a read of the file failed (as opposed to its end).
    bool failed() const { return failed_; }

private:
    bool load();

    FileHandle file_;
    std::array<std::uint8_t, max_block_size> buffer_{};
    std::size_t load_size_ = block_size;
    std::uint64_t block_start_ = 0;
    std::size_t used_ = 0;
    std::size_t loaded_ = 0;
    std::uint64_t size_ = 0;
    bool failed_ = false;
};

}  // namespace arcsup
