#include <gtest/gtest.h>

#include "arc/codec.h"
#include "codec_helpers.h"
#include "fixtures.h"
#include "old_crunch_encoder.h"

namespace arc::test {
namespace {

struct FixtureCase {
    int method;
    NamedData input;
};

std::vector<FixtureCase> fixture_cases()
{
    std::vector<FixtureCase> cases;
    for (int m = 1; m <= 9; ++m)
        for (NamedData& d : sample_inputs())
            cases.push_back({m, d});
    return cases;
}

class DecodeFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(DecodeFixture, DecodesToTheInput)
{
    const auto& [m, input] = GetParam();
    const Decoded decoded = decode(m, member_data(m, input.data));
    EXPECT_EQ(decoded.status, DecodeStatus::ok) << status_name(decoded.status);
    EXPECT_EQ(decoded.data, input.data);
}

std::string case_name(const testing::TestParamInfo<FixtureCase>& info)
{
    return "method" + std::to_string(info.param.method) + "_" + info.param.input.name;
}

INSTANTIATE_TEST_SUITE_P(AllMethods, DecodeFixture, testing::ValuesIn(fixture_cases()), case_name);

// Codes of the old methods are table positions, so a member decodes only
// with the hash it was written with.
TEST(DecodeFixture, OldCrunchNeedsItsOwnHash)
{
    const Bytes text = text_data(3000);
    const Bytes packed = encode(method::packed, text);
    const Bytes mid_square = old_crunch(packed, OldCrunchHash::mid_square);
    const Bytes multiplicative = old_crunch(packed, OldCrunchHash::multiplicative);
    EXPECT_EQ(decode(method::crunched_old_packed, mid_square).data, text);
    EXPECT_EQ(decode(method::crunched_old_newhash, multiplicative).data, text);
    EXPECT_NE(decode(method::crunched_old_newhash, mid_square).data, text);
    EXPECT_NE(decode(method::crunched_old_packed, multiplicative).data, text);
    // Method 5 is method 6 without the repeat expansion.
    EXPECT_EQ(decode(method::crunched_old, mid_square).data, packed);
}

// The table fills up (3840 strings) long before the end of these inputs;
// from then on codes refer to a fixed table.
TEST(DecodeFixture, OldCrunchBeyondAFullTable)
{
    const Bytes data = binary_data(200000, 9);
    for (int m : {5, 6, 7})
        EXPECT_EQ(decode(m, member_data(m, data)).data, data) << m;
}

} // namespace
} // namespace arc::test

namespace arc::test {
namespace {

// The decoders copy a string from where it was written out before while that
// lies in the recent output, and spell it along its chain when it does not:
// here the second copy of the text reuses strings made more than 2 MiB of
// output earlier (the alternating bytes between make few, long strings).
TEST(DecodeFixture, StringsOlderThanTheRecentOutput)
{
    const Bytes text = text_data(2000, 13);
    Bytes input = text;
    for (std::size_t i = 0; i < (5u << 19); ++i)
        input.push_back(i % 2 ? 'B' : 'A');
    input.insert(input.end(), text.begin(), text.end());
    for (int m : {5, 6, 7, 8, 9}) {
        const Decoded decoded = decode(m, member_data(m, input));
        EXPECT_EQ(decoded.status, DecodeStatus::ok) << m;
        EXPECT_TRUE(decoded.data == input) << m;
    }
}

} // namespace
} // namespace arc::test
