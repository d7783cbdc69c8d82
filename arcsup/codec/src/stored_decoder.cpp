#include <algorithm>

#include "decoders.h"

namespace arc::detail {

// Copies in slices so that a failed writer stops the copy soon.
DecodeStatus decode_stored(Reader& in, Writer& out)
{
    constexpr std::size_t slice = 65536;
    for (auto block = in.available(); !block.empty() && !out.failed(); block = in.available()) {
        const auto part = block.first(std::min(block.size(), slice));
        out.write(part);
        in.consume(part.size());
    }
    return end_status(in, out);
}

} // namespace arc::detail
