#include <cstring>

#include "decoders.h"
#include "repeat_expander.h"

namespace arc::detail {

namespace {

constexpr int clear_code = 256;
constexpr int first_free_code = 257;
constexpr int start_width = 9;

// Codes of 9 up to `max_width` bits, least significant bit first, read in
// groups of `width` bytes. A group ends early when the width grows or the
// table is cleared; the rest of it is skipped.
class AdaptiveCodes {
public:
    AdaptiveCodes(Reader& in, int max_width)
        : in_(in), max_width_(max_width), limit_(1 << max_width)
    {
    }

    int limit() const { return limit_; }

    // The next code for a table whose next free code is `next_free`, or -1
    // at the end of the data.
    int next(int next_free)
    {
        while (clear_pending_ || bit_pos_ >= group_bits_ || next_free > largest_) {
            if (next_free > largest_) {
                ++width_;
                largest_ = width_ >= max_width_ ? limit_ : (1 << width_) - 1;
            }
            if (clear_pending_) {
                width_ = start_width;
                largest_ = (1 << start_width) - 1;
                clear_pending_ = false;
            }
            if (!read_group())
                return -1;
        }
        const int byte = bit_pos_ >> 3;
        const std::uint32_t window = group_[byte] | (group_[byte + 1] << 8) |
                                     (static_cast<std::uint32_t>(group_[byte + 2]) << 16);
        const int code = static_cast<int>((window >> (bit_pos_ & 7)) & ((1u << width_) - 1));
        bit_pos_ += width_;
        return code;
    }

    void clear() { clear_pending_ = true; }

private:
    // Reads up to `width` bytes; false when none are left. The group yields
    // the codes that lie wholly inside it.
    bool read_group()
    {
        int count = 0;
        for (; count < width_; ++count) {
            const int byte = in_.get();
            if (byte < 0)
                break;
            group_[count] = static_cast<std::uint8_t>(byte);
        }
        if (count == 0)
            return false;
        bit_pos_ = 0;
        group_bits_ = count * 8 - (width_ - 1);
        return true;
    }

    Reader& in_;
    const int max_width_;
    const int limit_;
    int width_ = start_width;
    int largest_ = (1 << start_width) - 1;
    bool clear_pending_ = false;
    int bit_pos_ = 0;
    int group_bits_ = 0;
    std::uint8_t group_[16] = {};
};

void start_table(AdaptiveTables& t, int limit)
{
    for (int code = 0; code < 256; ++code) {
        t.prefix[code] = 0;
        t.suffix[code] = static_cast<std::uint8_t>(code);
    }
    // Entries are written before they are read in valid data; emptying them
    // keeps damaged data from seeing a previous member's strings.
    std::memset(t.prefix + 256, 0, sizeof(t.prefix[0]) * (limit - 256));
    std::memset(t.suffix + 256, 0, sizeof(t.suffix[0]) * (limit - 256));
}

void put_string(DirectOutput& output, const std::uint8_t* data, int size)
{
    output.out.write(data, static_cast<std::size_t>(size));
}

void put_string(RepeatExpander& output, const std::uint8_t* data, int size)
{
    for (int i = 0; i < size; ++i)
        output.put(data[i]);
}

template <class Output>
DecodeStatus decode_codes(Reader& in, Writer& out, AdaptiveTables& t, AdaptiveCodes& codes,
                          Output output)
{
    int next_free = first_free_code;
    int old_code = codes.next(next_free);
    if (old_code < 0)
        return end_status(in, out);
    if (old_code >= 256)
        return DecodeStatus::bad_code;
    std::uint8_t last = static_cast<std::uint8_t>(old_code);
    output.put(last);

    std::uint8_t* const stack = t.stack;
    for (int code = codes.next(next_free); code >= 0; code = codes.next(next_free)) {
        if (code == clear_code) {
            for (int c = 0; c < 256; ++c)
                t.prefix[c] = 0;
            codes.clear();
            next_free = clear_code;
            code = codes.next(next_free);
            if (code < 0)
                break;
        }
        const int incoming = code;
        int top = AdaptiveTables::stack_size;
        // The code being defined by this very step: the old string followed
        // by its own first byte.
        if (code >= next_free) {
            if (code > next_free || next_free >= codes.limit())
                return DecodeStatus::bad_code;
            stack[--top] = last;
            code = old_code;
        }
        while (code >= 256) {
            if (top == 0)
                return DecodeStatus::stack_overflow;
            stack[--top] = t.suffix[code];
            code = t.prefix[code];
        }
        if (top == 0)
            return DecodeStatus::stack_overflow;
        last = static_cast<std::uint8_t>(code);
        stack[--top] = last;
        put_string(output, stack + top, AdaptiveTables::stack_size - top);
        if (next_free < codes.limit()) {
            t.prefix[next_free] = static_cast<std::uint16_t>(old_code);
            t.suffix[next_free] = last;
            ++next_free;
        }
        old_code = incoming;
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace

DecodeStatus decode_adaptive(Reader& in, Writer& out, AdaptiveTables& tables, int max_width,
                             bool expand_repeats)
{
    AdaptiveCodes codes(in, max_width);
    start_table(tables, codes.limit());
    if (expand_repeats)
        return decode_codes(in, out, tables, codes, RepeatExpander(out));
    return decode_codes(in, out, tables, codes, DirectOutput{out});
}

} // namespace arc::detail
