#pragma once
// Variable-length LZW codes from the data sub-blocks of a GIF image, least
// significant bit first, across byte and sub-block boundaries. A small
// value meant to live in the decoding loop, where it stays in registers.
#include <bit>
#include <cstdint>
#include <cstring>

#include "sub_blocks.h"

namespace mirv::gif {

class CodeReader {
public:
    CodeReader(SubBlocks& blocks, unsigned end_code) : blocks_(blocks), end_code_(end_code) {}

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

private:
    // Takes bytes until at least `size` bits are held; false when the data
    // run out first.
    bool fill(unsigned size) {
        while (held_ < size) {
            if (at_ == end_) {
                auto block = blocks_.next();
                if (block.empty()) return false;
                at_ = block.data();
                end_ = at_ + block.size();
            }
            if (std::endian::native == std::endian::little && end_ - at_ >= 8) {
                // Whole bytes, as many as the bit store takes, in one load.
                std::uint64_t word;
                std::memcpy(&word, at_, sizeof word);
                unsigned take = (63 - held_) / 8;
                bits_ |= (word & ((std::uint64_t{1} << (8 * take)) - 1)) << held_;
                held_ += 8 * take;
                at_ += take;
                continue;
            }
            while (held_ <= 56 && at_ < end_) {
                bits_ |= static_cast<std::uint64_t>(*at_++) << held_;
                held_ += 8;
            }
        }
        return true;
    }

    SubBlocks& blocks_;
    unsigned end_code_;
    const std::uint8_t* at_ = nullptr;  // the unread bytes of the current sub-block
    const std::uint8_t* end_ = nullptr;
    std::uint64_t bits_ = 0;
    unsigned held_ = 0;
    bool exhausted_ = false;
};

}  // namespace mirv::gif
