#pragma once
// A file to be added, as codec input: read in 4096-byte blocks, at most the
// size the file search found; every block updates the CRC, polls the
// callback and reports progress. A stop request ends the input.
#include <array>
#include <cstdint>
#include <string>

#include "arc/reader.h"
#include "file_handle.h"
#include "progress.h"

namespace arcsup {

class SourceReader final : public arc::Reader {
public:
    SourceReader(FileHandle file, std::uint64_t size, Progress& progress)
        : file_(std::move(file)), size_(size), progress_(progress) {}

    // Starts again at the beginning of the file; false when it cannot seek.
    bool rewind();

    std::uint16_t crc() const { return crc_; }
    // Bytes delivered so far.
    std::uint64_t bytes_read() const { return read_; }

protected:
    bool refill() override;

private:
    FileHandle file_;
    std::uint64_t size_;
    Progress& progress_;
    std::array<std::uint8_t, 4096> buffer_{};
    std::uint64_t read_ = 0;
    std::uint16_t crc_ = 0;
};

}  // namespace arcsup
