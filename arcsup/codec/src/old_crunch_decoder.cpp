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

template <class Output>
DecodeStatus decode_codes(Reader& in, Writer& out, OldStringTable& table, Output output)
{
    TwelveBitCodes codes(in);
    int old_code = codes.next();
    if (old_code < 0)
        return end_status(in, out);
    std::uint8_t last = table[old_code].follower;
    output.put(last);

    std::uint8_t* const stack = table.stack();
    for (int new_code = codes.next(); new_code >= 0; new_code = codes.next()) {
        int depth = 0;
        unsigned code = static_cast<unsigned>(new_code);
        // A code not yet entered is the string of the old code followed by
        // its own first byte, which is the last byte of that string.
        if (!table[code].used) {
            stack[depth++] = last;
            code = static_cast<unsigned>(old_code);
        }
        while (table[code].predecessor != OldStringTable::none) {
            if (depth == OldStringTable::stack_size)
                return DecodeStatus::stack_overflow;
            stack[depth++] = table[code].follower;
            code = table[code].predecessor;
        }
        if (depth == OldStringTable::stack_size)
            return DecodeStatus::stack_overflow;
        last = table[code].follower;
        stack[depth++] = last;
        table.enter_if_room(static_cast<std::uint16_t>(old_code), last);
        old_code = new_code;
        while (depth > 0)
            output.put(stack[--depth]);
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace

DecodeStatus decode_old_crunched(Reader& in, Writer& out, OldStringTable& table, OldHash hash,
                                 bool expand_repeats)
{
    table.start(hash);
    if (expand_repeats)
        return decode_codes(in, out, table, RepeatExpander(out));
    return decode_codes(in, out, table, DirectOutput{out});
}

} // namespace arc::detail
