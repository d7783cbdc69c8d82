// Byte input of the codec: an inline fast path over a window of bytes and a
// refill hook that is called only when the window is used up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace arc {

// A source of bytes for the decoders (a member's compressed data) and for
// the encoders (a file's contents).
//
// A derived class provides the bytes by overriding refill(), which calls
// set_window() with the next block and returns true, or returns false at the
// end of the data. The window stays owned by the derived class and must stay
// valid until the next refill() or until the reader is destroyed. A refill
// that fails for an I/O reason calls mark_failed() and returns false; the
// codec then ends the member with a read-failure status.
//
// The ARC module typically refills from the archive in 4096-byte blocks,
// counts the member's remaining compressed size down there (so that the
// decoders never see the next header), and polls its callback on refill.
class Reader {
public:
    Reader() = default;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // The next byte (0..255), or -1 at the end of the data. Once the end has
    // been reached every further call returns -1 without calling refill().
    int get()
    {
        if (cur_ != end_) [[likely]]
            return *cur_++;
        return get_slow();
    }

    // The bytes available now without a refill, refilling first when none
    // are; empty only at the end of the data. consume() takes bytes of it.
    std::span<const std::uint8_t> available();
    void consume(std::size_t count) { cur_ += count; }

    // True after the end of the data has been seen.
    bool at_end() const { return at_end_ && cur_ == end_; }
    // True when refill() reported an I/O failure.
    bool failed() const { return failed_; }

protected:
    ~Reader() = default;

    // Loads the next block with set_window(); false at the end of the data.
    virtual bool refill() = 0;

    void set_window(const std::uint8_t* data, std::size_t size)
    {
        cur_ = data;
        end_ = data + size;
    }
    void mark_failed() { failed_ = true; }
    // Forgets the window and the end and failure state, e.g. after the
    // derived class has rewound its source.
    void restart()
    {
        cur_ = end_ = nullptr;
        at_end_ = failed_ = false;
    }

private:
    int get_slow();
    bool fill();

    const std::uint8_t* cur_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    bool at_end_ = false;
    bool failed_ = false;
};

// A reader over one buffer in memory (tests, fuzzing, whole-member buffers).
class MemoryReader final : public Reader {
public:
    explicit MemoryReader(std::span<const std::uint8_t> data) : data_(data) {}
    // Starts again at the beginning of the buffer.
    void rewind() { restart(); given_ = false; }

protected:
    bool refill() override;

private:
    std::span<const std::uint8_t> data_;
    bool given_ = false;
};

} // namespace arc
