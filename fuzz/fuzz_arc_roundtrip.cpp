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

namespace {

class WindowReader final : public arc::Reader {
public:
    WindowReader(std::span<const std::uint8_t> data, std::size_t window)
        : data_(data), window_(window)
    {
    }

protected:
    bool refill() override
    {
        if (pos_ >= data_.size())
            return false;
        const std::size_t n = std::min(window_, data_.size() - pos_);
        set_window(data_.data() + pos_, n);
        pos_ += n;
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t window_;
    std::size_t pos_ = 0;
};

} // namespace

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
