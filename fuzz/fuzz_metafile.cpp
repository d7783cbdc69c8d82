// The metafile parser alone over arbitrary bits: what it accepts must lie
// inside the bits.
#include <cstdint>
#include <cstdlib>

#include "metafile_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = platform::gdi::parse_metafile(data, size);
    if (!parsed) return 0;
    for (const platform::gdi::RecordView& r : parsed->records) {
        if (r.offset < 18 || r.size_bytes < 6 || r.offset + r.size_bytes > size) std::abort();
        if (r.params != data + r.offset + 6 || r.param_bytes != r.size_bytes - 6) std::abort();
    }
    return 0;
}
