// Byte output of the codec: an inline put into a buffer and a flush hook
// that is called only when the buffer is full (and by finish()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace arc {

// A sink of bytes for the decoders (a member's uncompressed data) and for
// the encoders (a member's compressed data).
//
// A derived class supplies the buffer (at least one byte) to the constructor
// and overrides
// flush(), which receives every full buffer and, on finish(), the last part.
// flush() returns false on an I/O failure: the writer is then failed, the
// codec stops at its next check with a write-failure status, and later bytes
// are dropped without further flush() calls.
//
// The ARC module typically uses a 65000-byte buffer, writes each flushed block
// to the output file, updates the member's CRC over it and reports progress.
class Writer {
public:
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void put(std::uint8_t byte)
    {
        if (cur_ == end_) [[unlikely]]
            make_room();
        *cur_++ = byte;
    }
    void write(const std::uint8_t* data, std::size_t size)
    {
        if (size <= static_cast<std::size_t>(end_ - cur_)) [[likely]] {
            if (size != 0)
                std::memcpy(cur_, data, size);
            cur_ += size;
            return;
        }
        write_slow(data, size);
    }
    void write(std::span<const std::uint8_t> data) { write(data.data(), data.size()); }

    // Direct filling of the buffer: reserve() makes room for `size` bytes
    // (flushing first when fewer are free; `size` at most capacity()) and
    // returns where they go; commit() then adds the `size` bytes written there.
    std::uint8_t* reserve(std::size_t size)
    {
        if (size > static_cast<std::size_t>(end_ - cur_)) [[unlikely]]
            make_room();
        return cur_;
    }
    void commit(std::size_t size) { cur_ += size; }
    std::size_t capacity() const { return static_cast<std::size_t>(end_ - begin_); }

    // Hands the buffered bytes to flush(); false when this or an earlier
    // flush failed. The codec never calls it: the owner finishes a member.
    bool finish();
    // Drops the buffered bytes, the count and the failure state (used when a
    // member is written again with another method).
    void reset();

    // Bytes put since construction or reset(), flushed or still buffered.
    std::uint64_t bytes_written() const
    {
        return flushed_ + static_cast<std::uint64_t>(cur_ - begin_);
    }
    bool failed() const { return failed_; }

protected:
    Writer(std::uint8_t* buffer, std::size_t capacity)
        : begin_(buffer), cur_(buffer), end_(buffer + capacity)
    {
    }
    ~Writer() = default;

    // Takes one block of output; false on failure.
    virtual bool flush(std::span<const std::uint8_t> block) = 0;

private:
    void make_room();
    void write_slow(const std::uint8_t* data, std::size_t size);

    std::uint8_t* begin_;
    std::uint8_t* cur_;
    std::uint8_t* end_;
    std::uint64_t flushed_ = 0;
    bool failed_ = false;
};

// A writer that appends to a vector (tests, fuzzing, benchmarks). A limit on
// the total size makes it fail once more bytes arrive, which bounds the
// output of hostile input.
class VectorWriter final : public Writer {
public:
    static constexpr std::uint64_t unlimited = ~std::uint64_t{0};

    explicit VectorWriter(std::vector<std::uint8_t>& out, std::uint64_t limit = unlimited)
        : Writer(buffer_, sizeof buffer_), out_(out), limit_(limit)
    {
    }

protected:
    bool flush(std::span<const std::uint8_t> block) override;

private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t limit_;
    std::uint64_t appended_ = 0;
    std::uint8_t buffer_[16384];
};

} // namespace arc
