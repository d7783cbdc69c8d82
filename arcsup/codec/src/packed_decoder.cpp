#include "decoders.h"
#include "repeat_expander.h"

namespace arc::detail {

DecodeStatus decode_packed(Reader& in, Writer& out)
{
    RepeatExpander expander(out);
    for (auto block = in.available(); !block.empty() && !out.failed(); block = in.available()) {
        for (std::uint8_t byte : block)
            expander.put(byte);
        in.consume(block.size());
    }
    return end_status(in, out);
}

} // namespace arc::detail
