#include "arc/method.h"
#include "decoders.h"

namespace arc {

namespace {

constexpr int crunched_width_byte = 12;

// Method 8 names its largest code width in a first byte; only 12 is written.
DecodeStatus decode_crunched(Reader& in, Writer& out, DecoderTables::Tables& t)
{
    const int width = in.get();
    if (width < 0)
        return detail::end_status(in, out);
    if (width != crunched_width_byte)
        return DecodeStatus::too_many_bits;
    return detail::decode_adaptive(in, out, t.adaptive, t.history, crunched_width_byte, true);
}

} // namespace

DecodeStatus decode_member(int m, Reader& in, Writer& out, DecoderTables& tables)
{
    auto& t = tables.tables();
    switch (m) {
    case method::stored_old:
    case method::stored:
        return detail::decode_stored(in, out);
    case method::packed:
        return detail::decode_packed(in, out);
    case method::squeezed:
        return detail::decode_squeezed(in, out, t.huffman);
    case method::crunched_old:
        return detail::decode_old_crunched(in, out, t.old_table, t.history,
                                           detail::OldHash::mid_square, false);
    case method::crunched_old_packed:
        return detail::decode_old_crunched(in, out, t.old_table, t.history,
                                           detail::OldHash::mid_square, true);
    case method::crunched_old_newhash:
        return detail::decode_old_crunched(in, out, t.old_table, t.history,
                                           detail::OldHash::multiplicative, true);
    case method::crunched:
        return decode_crunched(in, out, t);
    case method::squashed:
        return detail::decode_adaptive(in, out, t.adaptive, t.history, 13, false);
    default:
        return DecodeStatus::unknown_method;
    }
}

} // namespace arc
