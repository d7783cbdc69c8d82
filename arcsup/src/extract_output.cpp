#include "extract_output.h"

#include "arc/crc16.h"
#include "platform/path.h"

namespace arcsup {

ExtractOutput::ExtractOutput(std::uint8_t* buffer, FileHandle file, std::string path,
                             std::uint32_t expected_size, Progress& progress)
    : arc::Writer(buffer, extract_buffer_size),
      file_(std::move(file)),
      path_(std::move(path)),
      expected_size_(expected_size),
      progress_(progress) {}

ExtractOutput::~ExtractOutput() {
    if (keep_) return;
    file_.close();
    platform::delete_file(path_);
}

bool ExtractOutput::complete() {
    const bool flushed = finish();
    return file_.close() && flushed;
}

bool ExtractOutput::flush(std::span<const std::uint8_t> block) {
    if (written_ + block.size() > expected_size_) {
        overran_ = true;
        return false;
    }
    progress_.poll();
    written_ += block.size();
    progress_.percent(written_, expected_size_);
    crc_ = arc::crc16_update(crc_, block);
    return file_.write_all(block.data(), block.size());
}

}  // namespace arcsup
