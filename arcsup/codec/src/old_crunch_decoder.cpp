#include "decoders.h"
#include "repeat_expander.h"

namespace arc::detail {

namespace {

// 12-bit codes, two in three bytes: the first is byte 1 and the high half of
// byte 2, the second the low half of byte 2 and byte 3.
class TwelveBitCodes {
public:
    explicit TwelveBitCodes(Reader& in) : in_(in) {}

    // The next code, or -1 when no complete code is left.
    int next()
    {
        if (!half_pending_) {
            const int first = in_.get();
            const int second = in_.get();
            if (first < 0 || second < 0)
                return -1;
            low_half_ = second & 0x0F;
            half_pending_ = true;
            return (first << 4) | (second >> 4);
        }
        half_pending_ = false;
        const int third = in_.get();
        if (third < 0)
            return -1;
        return (low_half_ << 8) | third;
    }

private:
    Reader& in_;
    int low_half_ = 0;
    bool half_pending_ = false;
};

// Writes the `size` bytes of the string of `code` to dst[0..size) along its
// predecessor chain; used when the string's earlier copy is no longer kept.
bool spell(const OldStringTable& table, unsigned code, std::uint8_t* dst, unsigned size)
{
    unsigned i = size;
    while (table[code].predecessor != OldStringTable::none) {
        if (i <= 1)
            return false;
        dst[--i] = table[code].follower;
        code = table[code].predecessor;
    }
    if (i != 1)
        return false;
    dst[0] = table[code].follower;
    return true;
}

// Codes are checked so that every string is the one its entry was made from:
// the first code must name an entry, and a code that names none must be the
// one this very step enters (the old string followed by its own first byte).
// Entries then name only entries made before them, chains cannot loop, and a
// string equals its earlier copy.
template <class Output>
DecodeStatus decode_codes(Reader& in, Writer& out, OldStringTable& table, StringHistory& history,
                          Output output)
{
    history.start();
    TwelveBitCodes codes(in);
    int old_code = codes.next();
    if (old_code < 0)
        return end_status(in, out);
    if (!table[old_code].used)
        return DecodeStatus::bad_code;
    std::uint8_t last = table[old_code].follower;
    std::uint64_t old_position = history.end_position();
    *history.reserve() = last;
    history.commit(1);
    output.put(last);

    for (int new_code = codes.next(); new_code >= 0; new_code = codes.next()) {
        unsigned code = static_cast<unsigned>(new_code);
        unsigned extra = 0;
        if (!table[code].used) {
            code = static_cast<unsigned>(old_code);
            extra = 1;
        }
        const unsigned size = table[code].length + extra;
        if (size > static_cast<unsigned>(OldStringTable::stack_size))
            return DecodeStatus::stack_overflow;
        // Only strings that later entries can name are kept; once the table
        // is full, every string is copied from the history as it was then.
        const bool keep = !table.full();
        std::uint8_t* const dst = keep ? history.reserve() : table.stack();
        if (table[code].predecessor == OldStringTable::none)
            dst[0] = table[code].follower;
        else if (!history.copy(table.position(code), size - extra, dst) &&
                 !spell(table, code, dst, size - extra))
            return DecodeStatus::stack_overflow;
        if (extra)
            dst[size - 1] = last;
        last = dst[0];
        const std::uint64_t position = history.end_position();
        if (keep)
            history.commit(size);
        output.put_span(dst, size);
        const int entered = table.enter_if_room(static_cast<std::uint16_t>(old_code), last);
        if (entered >= 0)
            table.position(static_cast<unsigned>(entered)) = old_position;
        if (extra && !table[static_cast<unsigned>(new_code)].used)
            return DecodeStatus::bad_code;
        old_code = new_code;
        old_position = position;
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace

DecodeStatus decode_old_crunched(Reader& in, Writer& out, OldStringTable& table,
                                 StringHistory& history, OldHash hash, bool expand_repeats)
{
    table.start(hash);
    if (expand_repeats)
        return decode_codes(in, out, table, history, RepeatExpander(out));
    return decode_codes(in, out, table, history, DirectOutput{out});
}

} // namespace arc::detail
