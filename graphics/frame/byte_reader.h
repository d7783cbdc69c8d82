#pragma once
// Sequential reading of a file through a buffer of its own, for decoders
// that take their input a byte or a few bytes at a time.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "file.h"

namespace mirv {

class ByteReader {
public:
    explicit ByteReader(File& file, std::size_t buffer_size = 64 * 1024)
        : file_(file), buffer_(buffer_size), start_(file.tell()), size_(file.size()) {}

    // The next byte, or -1 at the end of the file.
    int byte() {
        if (at_ == end_ && !refill()) return -1;
        return buffer_[at_++];
    }

    // Reads up to `n` bytes; returns how many arrived.
    std::size_t read(void* out, std::size_t n) {
        auto* dst = static_cast<std::uint8_t*>(out);
        std::size_t done = 0;
        while (done < n) {
            if (at_ == end_ && !refill()) break;
            std::size_t take = std::min(n - done, end_ - at_);
            std::memcpy(dst + done, buffer_.data() + at_, take);
            at_ += take;
            done += take;
        }
        return done;
    }

    // The buffered bytes not yet consumed, for decoders that walk them in a
    // loop of their own; consume(n) takes n of them (n <= pending_size()).
    // Empty until byte() or read() has been called once or has refilled.
    const std::uint8_t* pending() const { return buffer_.data() + at_; }
    std::size_t pending_size() const { return end_ - at_; }
    void consume(std::size_t n) { at_ += std::min(n, end_ - at_); }

    // Bytes consumed from the file's start, as the file position a reader
    // without a buffer would have.
    std::uint64_t position() const { return start_ + consumed_ + at_; }
    // The size of the file when reading began.
    std::uint64_t file_size() const { return size_; }

private:
    bool refill() {
        consumed_ += end_;
        at_ = end_ = 0;
        end_ = file_.read(buffer_.data(), buffer_.size());
        return end_ != 0;
    }

    File& file_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t start_;
    std::uint64_t size_;
    std::uint64_t consumed_ = 0;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
};

}  // namespace mirv
