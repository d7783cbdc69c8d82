#include <algorithm>

#include "decoders.h"
#include "repeat_expander.h"

namespace arc::detail {

// Works in slices so that a failed writer stops the expansion soon.
DecodeStatus decode_packed(Reader& in, Writer& out)
{
    constexpr std::size_t slice = 4096;
    RepeatExpander expander(out);
    for (auto block = in.available(); !block.empty() && !out.failed(); block = in.available()) {
        const auto part = block.first(std::min(block.size(), slice));
        expander.put_span(part.data(), part.size());
        in.consume(part.size());
    }
    return end_status(in, out);
}

} // namespace arc::detail
