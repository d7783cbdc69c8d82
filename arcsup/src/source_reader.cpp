#include "source_reader.h"

#include <algorithm>

#include "arc/crc16.h"

namespace arcsup {

bool SourceReader::rewind() {
    if (!file_.seek(0)) return false;
    read_ = 0;
    crc_ = 0;
    restart();
    return true;
}

bool SourceReader::refill() {
    progress_.poll();
    if (progress_.stopped() || read_ >= size_) return false;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), size_ - read_));
    const long got = file_.read_full(buffer_.data(), want);
    if (got < 0) {
        mark_failed();
        return false;
    }
    if (got == 0) return false;
    read_ += static_cast<std::uint64_t>(got);
    progress_.percent(read_, size_);
    crc_ = arc::crc16_update(crc_, std::span<const std::uint8_t>(buffer_.data(), static_cast<std::size_t>(got)));
    set_window(buffer_.data(), static_cast<std::size_t>(got));
    return true;
}

}  // namespace arcsup
