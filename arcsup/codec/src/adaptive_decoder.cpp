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
    for (unsigned code = 0; code < 256; ++code) {
        t.entry[code] = code << 16;
        t.length[code] = 1;
    }
    // Entries are written before they are read in valid data; emptying them
    // keeps damaged data from seeing a previous member's strings.
    std::memset(t.entry + 256, 0, sizeof(t.entry[0]) * (limit - 256));
    std::memset(t.length + 256, 0, sizeof(t.length[0]) * (limit - 256));
    std::memset(t.position + 256, 0, sizeof(t.position[0]) * (limit - 256));
}

// Writes the `size` bytes of the string of `code` to dst[0..size) along its
// prefix chain; used when the string's earlier copy is no longer kept.
bool spell(const AdaptiveTables& t, unsigned code, std::uint8_t* dst, unsigned size)
{
    unsigned i = size;
    while (code >= 256) {
        if (i <= 1)
            return false;
        const std::uint32_t e = t.entry[code];
        dst[--i] = static_cast<std::uint8_t>(e >> 16);
        code = e & 0xFFFF;
    }
    if (i != 1)
        return false;
    dst[0] = static_cast<std::uint8_t>(code);
    return true;
}

// Codes are checked so that every string is the one its entry was made from:
// a code must be below the next free code or equal to it (then it is the old
// string followed by its own first byte), and the code after a clear must be
// a byte, as every compressor writes it. Entries then name only entries made
// before them since the last clear, prefix chains cannot loop, and a string
// equals its earlier copy.
template <class Output>
DecodeStatus decode_codes(Reader& in, Writer& out, AdaptiveTables& t, StringHistory& history,
                          AdaptiveCodes& codes, Output output)
{
    history.start();
    int next_free = first_free_code;
    int old_code = codes.next(next_free);
    if (old_code < 0)
        return end_status(in, out);
    if (old_code >= 256)
        return DecodeStatus::bad_code;
    std::uint8_t last = static_cast<std::uint8_t>(old_code);
    std::uint64_t old_position = history.end_position();
    *history.reserve() = last;
    history.commit(1);
    output.put(last);

    for (int code = codes.next(next_free); code >= 0; code = codes.next(next_free)) {
        if (code == clear_code) {
            codes.clear();
            history.start();
            next_free = clear_code;
            code = codes.next(next_free);
            if (code < 0)
                break;
            if (code >= 256)
                return DecodeStatus::bad_code;
        }
        const int incoming = code;
        unsigned extra = 0;
        if (code >= next_free) {
            if (code > next_free || next_free >= codes.limit())
                return DecodeStatus::bad_code;
            code = old_code;
            extra = 1;
        }
        const unsigned size = t.length[code] + extra;
        if (size > static_cast<unsigned>(AdaptiveTables::stack_size))
            return DecodeStatus::stack_overflow;
        // Only strings that later entries can name are kept.
        const bool keep = next_free < codes.limit();
        std::uint8_t* const dst = keep ? history.reserve() : t.stack;
        if (code < 256)
            dst[0] = static_cast<std::uint8_t>(code);
        else if (!history.copy(t.position[code], size - extra, dst) &&
                 !spell(t, static_cast<unsigned>(code), dst, size - extra))
            return DecodeStatus::stack_overflow;
        if (extra)
            dst[size - 1] = last;
        last = dst[0];
        const std::uint64_t position = history.end_position();
        if (keep)
            history.commit(size);
        output.put_span(dst, size);
        if (next_free < codes.limit()) {
            t.entry[next_free] = static_cast<std::uint32_t>(old_code) |
                                 (static_cast<std::uint32_t>(last) << 16);
            t.length[next_free] = static_cast<std::uint16_t>(t.length[old_code] + 1u);
            t.position[next_free] = old_position;
            ++next_free;
        }
        old_code = incoming;
        old_position = position;
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace

DecodeStatus decode_adaptive(Reader& in, Writer& out, AdaptiveTables& tables,
                             StringHistory& history, int max_width, bool expand_repeats)
{
    AdaptiveCodes codes(in, max_width);
    start_table(tables, codes.limit());
    if (expand_repeats)
        return decode_codes(in, out, tables, history, codes, RepeatExpander(out));
    return decode_codes(in, out, tables, history, codes, DirectOutput{out});
}

} // namespace arc::detail
