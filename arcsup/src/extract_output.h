#pragma once
// The output file of one extracted member: decoded bytes go through the
// request's 65000-byte buffer into the file, each block updates the CRC and
// reports progress. The file is removed again unless it is kept.
#include <cstdint>
#include <span>
#include <string>

#include "arc/writer.h"
#include "file_handle.h"
#include "progress.h"

namespace arcsup {

inline constexpr std::size_t extract_buffer_size = 65000;

class ExtractOutput final : public arc::Writer {
public:
    // `buffer` holds extract_buffer_size bytes. More output than
    // `expected_size` bytes counts as damaged data and makes the writer fail.
    ExtractOutput(std::uint8_t* buffer, FileHandle file, std::string path,
                  std::uint32_t expected_size, Progress& progress);
    ~ExtractOutput();

    // Flushes the rest and closes the file; false on a write or close error.
    bool complete();
    // Keeps the file (otherwise the destructor removes it).
    void keep() { keep_ = true; }

    std::uint16_t crc() const { return crc_; }
    // True when the member decoded to more bytes than its header says.
    bool overran() const { return overran_; }

protected:
    bool flush(std::span<const std::uint8_t> block) override;

private:
    FileHandle file_;
    std::string path_;
    std::uint32_t expected_size_;
    Progress& progress_;
    std::uint64_t written_ = 0;
    std::uint16_t crc_ = 0;
    bool overran_ = false;
    bool keep_ = false;
};

}  // namespace arcsup
