// Round trip of arbitrary data through every written ARC method (stored,
// packed, crunched, squashed): encode, decode, compare. The first byte sets
// the window size of the source reader, the rest is the data.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "arc/codec.h"
#include "window_reader.h"

using fuzz::WindowReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static arc::CompressorTables compressor;
    static arc::DecoderTables decoder;
    const std::size_t window = 1 + data[0] % 64;
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    for (int method : {arc::method::stored, arc::method::packed, arc::method::crunched,
                       arc::method::squashed}) {
        std::vector<std::uint8_t> encoded;
        WindowReader source(input, window);
        arc::VectorWriter sink(encoded);
        if (arc::encode_member(method, source, sink, compressor) != arc::EncodeStatus::ok)
            std::abort();
        const std::uint64_t counted = sink.bytes_written();
        if (!sink.finish() || counted != encoded.size())
            std::abort();

        std::vector<std::uint8_t> decoded;
        WindowReader in(encoded, window);
        arc::VectorWriter out(decoded);
        if (arc::decode_member(method, in, out, decoder) != arc::DecodeStatus::ok || !out.finish())
            std::abort();
        if (decoded.size() != input.size() ||
            (!input.empty() && std::memcmp(decoded.data(), input.data(), input.size()) != 0))
            std::abort();
    }
    return 0;
}
