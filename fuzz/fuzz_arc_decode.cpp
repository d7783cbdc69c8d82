// The ARC decoders over arbitrary member data. The first byte picks the
// method (its value modulo 10: 0 stands for the unknown methods, 1..9 are
// the methods) and the reader's window size; the rest is the member's data.
// Output goes to a bounded sink that keeps only a CRC, so hostile data that
// expands without end fails the sink instead of exhausting memory. Each
// input is decoded twice with the same tables, which must give the same
// result.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "arc/codec.h"
#include "window_reader.h"

using fuzz::WindowReader;

namespace {

class BoundedSink final : public arc::Writer {
public:
    static constexpr std::uint64_t limit = 8u << 20;
    BoundedSink() : Writer(buffer_, sizeof buffer_) {}
    std::uint16_t crc = 0;
    std::uint64_t total = 0;

protected:
    bool flush(std::span<const std::uint8_t> block) override
    {
        if (total + block.size() > limit)
            return false;
        crc = arc::crc16_update(crc, block);
        total += block.size();
        return true;
    }

private:
    std::uint8_t buffer_[65000];
};

struct Outcome {
    arc::DecodeStatus status;
    std::uint16_t crc;
    std::uint64_t size;
};

Outcome decode_once(int method, std::span<const std::uint8_t> data, std::size_t window,
                    arc::DecoderTables& tables)
{
    WindowReader in(data, window);
    BoundedSink out;
    const arc::DecodeStatus status = arc::decode_member(method, in, out, tables);
    out.finish();
    if (out.bytes_written() > 0 && (method < 1 || method > 9))
        std::abort();  // an unknown method writes nothing
    return {status, out.crc, out.total};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static arc::DecoderTables tables;
    const int method = data[0] % 10;
    const std::size_t window = data[0] >= 160 ? 1 + data[0] % 7 : 4096;
    const std::span<const std::uint8_t> member(data + 1, size - 1);
    const Outcome first = decode_once(method, member, window, tables);
    const Outcome second = decode_once(method, member, window, tables);
    if (first.status != second.status || first.crc != second.crc || first.size != second.size)
        std::abort();
    return 0;
}
