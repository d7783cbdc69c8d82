#include <gtest/gtest.h>

#include "arc/codec.h"
#include "codec_helpers.h"

namespace arc::test {
namespace {

// A writer with a tiny buffer, so that flushes happen inside strings, runs
// and code groups.
class SmallBufferWriter final : public Writer {
public:
    explicit SmallBufferWriter(Bytes& out, std::size_t capacity)
        : Writer(buffer_, capacity), out_(out)
    {
    }

protected:
    bool flush(std::span<const std::uint8_t> block) override
    {
        out_.insert(out_.end(), block.begin(), block.end());
        return true;
    }

private:
    Bytes& out_;
    std::uint8_t buffer_[16];
};

struct RoundTripCase {
    int method;
    NamedData input;
};

std::vector<RoundTripCase> round_trip_cases()
{
    std::vector<RoundTripCase> cases;
    for (int m : {method::stored, method::packed, method::crunched, method::squashed})
        for (NamedData& d : sample_inputs())
            cases.push_back({m, d});
    return cases;
}

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, DecodesToTheInput)
{
    const auto& [m, input] = GetParam();
    const Bytes encoded = encode(m, input.data);
    const Decoded decoded = decode(m, encoded);
    EXPECT_EQ(decoded.status, DecodeStatus::ok) << status_name(decoded.status);
    EXPECT_EQ(decoded.data, input.data);
}

TEST_P(RoundTrip, SameBytesWithSmallWindowsAndBuffers)
{
    const auto& [m, input] = GetParam();
    const Bytes whole = encode(m, input.data);

    static CompressorTables ctables;
    ChunkedReader source(input.data, 5);
    Bytes encoded;
    SmallBufferWriter sink(encoded, 7);
    ASSERT_EQ(encode_member(m, source, sink, ctables), EncodeStatus::ok);
    EXPECT_EQ(sink.bytes_written(), whole.size());
    ASSERT_TRUE(sink.finish());
    EXPECT_EQ(encoded, whole);

    static DecoderTables tables;
    ChunkedReader in(encoded, 3);
    Bytes decoded;
    SmallBufferWriter out(decoded, 13);
    EXPECT_EQ(decode_member(m, in, out, tables), DecodeStatus::ok);
    ASSERT_TRUE(out.finish());
    EXPECT_EQ(decoded, input.data);
}

std::string case_name(const testing::TestParamInfo<RoundTripCase>& info)
{
    return "method" + std::to_string(info.param.method) + "_" + info.param.input.name;
}

INSTANTIATE_TEST_SUITE_P(WrittenMethods, RoundTrip, testing::ValuesIn(round_trip_cases()),
                         case_name);

TEST(RoundTrip, TablesAreReusedAcrossMembersOfDifferentMethods)
{
    DecoderTables tables;
    const std::vector<NamedData> inputs = sample_inputs();
    for (int pass = 0; pass < 2; ++pass)
        for (const NamedData& d : inputs)
            for (int m : {9, 8, 3, 2}) {
                const Bytes encoded = encode(m, d.data);
                MemoryReader in(encoded);
                Bytes out;
                VectorWriter writer(out);
                EXPECT_EQ(decode_member(m, in, writer, tables), DecodeStatus::ok);
                writer.finish();
                EXPECT_EQ(out, d.data) << m << " " << d.name;
            }
}

TEST(Compression, ShrinksWhatCanShrink)
{
    const Bytes text = text_data(100000);
    for (int m : {method::crunched, method::squashed})
        EXPECT_LT(encode(m, text).size(), text.size() / 2) << m;
    const Bytes runs(5000, 'z');
    EXPECT_LT(encode(method::packed, runs).size(), 70u);
    EXPECT_EQ(encode(method::stored, text), text);
}

} // namespace
} // namespace arc::test
