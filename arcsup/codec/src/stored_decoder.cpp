#include "decoders.h"

namespace arc::detail {

DecodeStatus decode_stored(Reader& in, Writer& out)
{
    for (auto block = in.available(); !block.empty() && !out.failed(); block = in.available()) {
        out.write(block);
        in.consume(block.size());
    }
    return end_status(in, out);
}

} // namespace arc::detail
