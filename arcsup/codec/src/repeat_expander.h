// Output stages of the decoders: straight to the writer, or through the
// expansion of 0x90 repeat runs.
#pragma once

#include <cstdint>

#include "arc/writer.h"

namespace arc::detail {

inline constexpr std::uint8_t repeat_marker = 0x90;

struct DirectOutput {
    Writer& out;
    void put(std::uint8_t byte) { out.put(byte); }
};

// 0x90 n repeats the previous byte n - 1 more times; 0x90 0 is one 0x90 and
// leaves the byte to repeat as it was.
class RepeatExpander {
public:
    explicit RepeatExpander(Writer& out) : out_(out) {}

    void put(std::uint8_t byte)
    {
        if (!after_marker_) [[likely]] {
            if (byte == repeat_marker) {
                after_marker_ = true;
                return;
            }
            out_.put(byte);
            last_ = byte;
            return;
        }
        after_marker_ = false;
        if (byte == 0) {
            out_.put(repeat_marker);
            return;
        }
        for (unsigned n = byte - 1u; n > 0; --n)
            out_.put(last_);
    }

private:
    Writer& out_;
    std::uint8_t last_ = 0;
    bool after_marker_ = false;
};

} // namespace arc::detail
