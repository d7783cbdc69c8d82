// The decoding chains behind arc::decode_member().
#pragma once

#include "arc/decode.h"
#include "decoder_tables.h"

namespace arc::detail {

DecodeStatus decode_stored(Reader& in, Writer& out);
DecodeStatus decode_packed(Reader& in, Writer& out);
DecodeStatus decode_squeezed(Reader& in, Writer& out, HuffmanTree& tree);
DecodeStatus decode_old_crunched(Reader& in, Writer& out, OldStringTable& table,
                                 StringHistory& history, OldHash hash, bool expand_repeats);
DecodeStatus decode_adaptive(Reader& in, Writer& out, AdaptiveTables& tables,
                             StringHistory& history, int max_width, bool expand_repeats);

// The status at the end of the data, after the decoder's own checks passed.
inline DecodeStatus end_status(const Reader& in, const Writer& out)
{
    if (in.failed())
        return DecodeStatus::read_failed;
    if (out.failed())
        return DecodeStatus::write_failed;
    return DecodeStatus::ok;
}

} // namespace arc::detail
