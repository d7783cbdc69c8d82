// Output stages of the decoders: straight to the writer, or through the
// expansion of 0x90 repeat runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "arc/writer.h"

namespace arc::detail {

inline constexpr std::uint8_t repeat_marker = 0x90;

struct DirectOutput {
    Writer& out;
    void put(std::uint8_t byte) { out.put(byte); }
    void put_span(const std::uint8_t* data, std::size_t size) { out.write(data, size); }
};

// 0x90 n repeats the previous byte n - 1 more times; 0x90 0 is one 0x90 and
// leaves the byte to repeat as it was. A run goes into the writer's buffer
// at once when it fits there.
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
        const std::size_t count = byte - 1u;
        if (count <= out_.capacity()) [[likely]] {
            std::memset(out_.reserve(count), last_, count);
            out_.commit(count);
            return;
        }
        for (std::size_t n = count; n > 0; --n)
            out_.put(last_);
    }

    // As put() for each byte; stretches without a marker go out at once.
    void put_span(const std::uint8_t* data, std::size_t size)
    {
        // Most strings hold no marker: they go out in one copy.
        if (!after_marker_ && size > 0 && !std::memchr(data, repeat_marker, size)) [[likely]] {
            out_.write(data, size);
            last_ = data[size - 1];
            return;
        }
        while (size > 0) {
            if (after_marker_ || size < 16) {
                put(*data++);
                --size;
                continue;
            }
            const void* marker = std::memchr(data, repeat_marker, size);
            const std::size_t plain =
                marker ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(marker) - data)
                       : size;
            if (plain > 0) {
                out_.write(data, plain);
                last_ = data[plain - 1];
                data += plain;
                size -= plain;
            }
            if (marker) {
                after_marker_ = true;
                ++data;
                --size;
            }
        }
    }

private:
    Writer& out_;
    std::uint8_t last_ = 0;
    bool after_marker_ = false;
};

} // namespace arc::detail
