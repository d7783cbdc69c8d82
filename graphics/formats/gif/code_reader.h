#pragma once
// Variable-length LZW codes from the data sub-blocks of a GIF image, least
// significant bit first, across byte and sub-block boundaries.
#include <cstdint>

#include "frame/byte_reader.h"

namespace mirv::gif {

class CodeReader {
public:
    CodeReader(ByteReader& in, unsigned end_code) : in_(in), end_code_(end_code) {}

    // The next code of `size` bits (at most 12). Once the data run out (the
    // file ends or a zero-length sub-block comes before the end code) it
    // answers the end code and exhausted() becomes true.
    unsigned next(unsigned size) {
        if (held_ < size && !fill(size)) [[unlikely]] {
            exhausted_ = true;
            return end_code_;
        }
        auto code = static_cast<unsigned>(bits_ & ((1u << size) - 1));
        bits_ >>= size;
        held_ -= size;
        return code;
    }

    bool exhausted() const { return exhausted_; }

    // After the end code: skips what is left of the data up to and with
    // the zero-length sub-block that ends them. False when the file ends
    // first.
    bool skip_to_terminator() {
        if (exhausted_) return false;
        for (;;) {
            int length = in_.byte();
            if (length < 0) return false;
            if (length == 0) return true;
            for (int i = 0; i < length; ++i)
                if (in_.byte() < 0) return false;
        }
    }

private:
    // Takes bytes until at least `size` bits are held; false when the data
    // run out first.
    [[gnu::noinline]] bool fill(unsigned size) {
        while (held_ < size) {
            if (at_ == length_ && !next_block()) return false;
            // As many bytes of this sub-block as the bit store takes.
            while (held_ <= 56 && at_ < length_) {
                bits_ |= static_cast<std::uint64_t>(block_[at_++]) << held_;
                held_ += 8;
            }
        }
        return true;
    }

    bool next_block() {
        if (exhausted_) return false;
        int length = in_.byte();
        if (length <= 0) return false;
        length_ = static_cast<unsigned>(in_.read(block_, static_cast<std::size_t>(length)));
        at_ = 0;
        return length_ != 0;
    }

    ByteReader& in_;
    unsigned end_code_;
    std::uint8_t block_[255];
    unsigned length_ = 0;
    unsigned at_ = 0;
    std::uint64_t bits_ = 0;
    unsigned held_ = 0;
    bool exhausted_ = false;
};

}  // namespace mirv::gif
