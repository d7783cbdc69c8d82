#include "archive_reader.h"

#include <algorithm>
#include <cstring>

namespace arcsup {

bool ArchiveReader::open(const std::string& path, bool writable) {
    file_ = FileHandle::open_existing(path, writable);
    if (!file_.is_open()) return false;
    std::int64_t size = file_.size();
    if (size < 0) return false;
    size_ = static_cast<std::uint64_t>(size);
    failed_ = false;
    return seek(0);
}

bool ArchiveReader::load() {
    block_start_ += loaded_;
    used_ = loaded_ = 0;
    if (block_start_ >= size_) return false;
    long n = file_.read_full(buffer_.data(), load_size_);
    load_size_ = std::min(load_size_ * 2, buffer_.size());
    if (n <= 0) {
        // The file got shorter or cannot be read: it ends here.
        failed_ = n < 0;
        size_ = block_start_;
        return false;
    }
    loaded_ = static_cast<std::size_t>(n);
    if (block_start_ + loaded_ > size_) loaded_ = static_cast<std::size_t>(size_ - block_start_);
    return true;
}

bool ArchiveReader::next(std::uint8_t& byte) {
    if (used_ == loaded_ && !load()) return false;
    byte = buffer_[used_++];
    return true;
}

std::size_t ArchiveReader::read(std::uint8_t* out, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        auto part = window(size - done);
        if (part.empty()) break;
        std::memcpy(out + done, part.data(), part.size());
        consume(part.size());
        done += part.size();
    }
    return done;
}

std::span<const std::uint8_t> ArchiveReader::window(std::size_t limit) {
    if (used_ == loaded_ && !load()) return {};
    return {buffer_.data() + used_, std::min(limit, loaded_ - used_)};
}

bool ArchiveReader::seek(std::uint64_t position) {
    // Within the loaded block (small members): no reload needed.
    if (position >= block_start_ && position - block_start_ < loaded_) {
        used_ = static_cast<std::size_t>(position - block_start_);
        return true;
    }
    block_start_ = position;
    used_ = loaded_ = 0;
    load_size_ = block_size;
    if (position >= size_) return true;
    if (!file_.seek(position)) {
        failed_ = true;
        return false;
    }
    return load() || !failed_;
}

}  // namespace arcsup
