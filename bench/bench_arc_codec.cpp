// Throughput of the ARC codec per method on 10 MB of text-like and of
// binary data, with the buffer sizes of the ARC module: input in 4096-byte
// windows, output in 65000-byte blocks with the CRC updated per block.
// Rates are bytes of uncompressed data per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <utility>

#include "arc/codec.h"
#include "fixtures.h"
#include "test_data.h"

namespace {

using arc::test::Bytes;

constexpr std::size_t data_size = 10u << 20;

enum Kind { text = 0, binary = 1 };

const Bytes& input(int kind)
{
    static const Bytes t = arc::test::text_data(data_size, 31);
    static const Bytes b = arc::test::binary_data(data_size, 32);
    return kind == text ? t : b;
}

const Bytes& member(int method, int kind)
{
    static std::map<std::pair<int, int>, Bytes> cache;
    auto [it, added] = cache.try_emplace({method, kind});
    if (added)
        it->second = arc::test::member_data(method, input(kind));
    return it->second;
}

// Windows of 4096 bytes over a buffer, updating a CRC per window as the
// module does for the source of an append.
class BlockReader final : public arc::Reader {
public:
    explicit BlockReader(const Bytes& data, bool crc) : data_(data), crc_(crc) {}
    std::uint16_t crc = 0;

protected:
    bool refill() override
    {
        if (pos_ >= data_.size())
            return false;
        const std::size_t n = std::min<std::size_t>(4096, data_.size() - pos_);
        set_window(data_.data() + pos_, n);
        if (crc_)
            crc = arc::crc16_update(crc, {data_.data() + pos_, n});
        pos_ += n;
        return true;
    }

private:
    const Bytes& data_;
    bool crc_;
    std::size_t pos_ = 0;
};

// A 65000-byte output buffer whose blocks only update a CRC.
class CrcSink final : public arc::Writer {
public:
    CrcSink() : Writer(buffer_, sizeof buffer_) {}
    std::uint16_t crc = 0;

protected:
    bool flush(std::span<const std::uint8_t> block) override
    {
        crc = arc::crc16_update(crc, block);
        return true;
    }

private:
    std::uint8_t buffer_[65000];
};

void BM_Decode(benchmark::State& state)
{
    const int method = static_cast<int>(state.range(0));
    const int kind = static_cast<int>(state.range(1));
    const Bytes& data = member(method, kind);
    static arc::DecoderTables tables;
    for (auto _ : state) {
        BlockReader in(data, false);
        CrcSink out;
        if (arc::decode_member(method, in, out, tables) != arc::DecodeStatus::ok || !out.finish())
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(out.crc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input(kind).size()));
    state.counters["ratio%"] = static_cast<double>(
        arc::ratio_percent(data.size(), input(kind).size()));
    state.SetLabel(kind == text ? "text" : "binary");
}

void BM_Encode(benchmark::State& state)
{
    const int method = static_cast<int>(state.range(0));
    const int kind = static_cast<int>(state.range(1));
    const Bytes& data = input(kind);
    static arc::CompressorTables tables;
    std::uint64_t compressed = 0;
    for (auto _ : state) {
        BlockReader in(data, true);
        CrcSink out;
        if (arc::encode_member(method, in, out, tables) != arc::EncodeStatus::ok)
            state.SkipWithError("encoding failed");
        compressed = out.bytes_written();
        out.finish();
        benchmark::DoNotOptimize(in.crc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
    state.counters["ratio%"] = static_cast<double>(arc::ratio_percent(compressed, data.size()));
    state.SetLabel(kind == text ? "text" : "binary");
}

void BM_Crc16(benchmark::State& state)
{
    const Bytes& data = input(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(arc::crc16(data));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void decode_args(benchmark::internal::Benchmark* b)
{
    for (int method = 1; method <= 9; ++method)
        for (int kind : {text, binary})
            b->Args({method, kind});
}

void encode_args(benchmark::internal::Benchmark* b)
{
    for (int method : {2, 3, 8, 9})
        for (int kind : {text, binary})
            b->Args({method, kind});
}

} // namespace

BENCHMARK(BM_Decode)->Apply(decode_args)->ArgNames({"method", "data"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Apply(encode_args)->ArgNames({"method", "data"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Crc16)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
