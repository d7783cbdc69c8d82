// The recent output of a string-table decoder. Every string of the table
// has been written out before, as its prefix string followed by the first
// byte of the next string, so a string is copied from its earlier place
// instead of walking its prefix chain byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace arc::detail {

class StringHistory {
public:
    static constexpr std::size_t kept = std::size_t{1} << 20;  // bytes kept on a slide
    static constexpr std::size_t max_string = 8192;
    static constexpr std::size_t slack = 16;  // copies go in 16-byte steps
    static constexpr std::size_t capacity = 2 * kept + max_string + slack;

    void start()
    {
        base_ = 0;
        fill_ = 0;
    }

    // Absolute position (bytes since the member's start) of the next string.
    std::uint64_t end_position() const { return base_ + fill_; }

    // Where the next string of at most max_string bytes goes.
    std::uint8_t* reserve()
    {
        if (fill_ + max_string + slack > capacity)
            slide();
        return buffer_ + fill_;
    }
    void commit(std::size_t size) { fill_ += size; }

    // Copies the `size` bytes at absolute position `from` to `dst` (the
    // reserved end, or a buffer of its own with `slack` bytes to spare);
    // false when they are no longer kept or not yet written.
    bool copy(std::uint64_t from, std::size_t size, std::uint8_t* dst) const
    {
        if (from < base_ || from + size > base_ + fill_)
            return false;
        const std::uint8_t* src = buffer_ + (from - base_);
        // The source ends before dst, so the bytes of the string that a
        // 16-byte step reads are never ones written by an earlier step; the
        // steps may overlap beyond `size`, hence memmove.
        for (std::size_t i = 0; i < size; i += slack)
            std::memmove(dst + i, src + i, slack);
        return true;
    }

private:
    void slide()
    {
        std::memmove(buffer_, buffer_ + fill_ - kept, kept);
        base_ += fill_ - kept;
        fill_ = kept;
    }

    std::uint64_t base_ = 0;
    std::size_t fill_ = 0;
    std::uint8_t buffer_[capacity];
};

} // namespace arc::detail
