#include <gtest/gtest.h>

#include "arc/method.h"

namespace arc {
namespace {

TEST(MethodChoice, BySize)
{
    struct Case {
        std::uint64_t size;
        int method;
    };
    const Case cases[] = {
        {0, method::packed},       {1, method::packed},          {99, method::packed},
        {100, method::crunched},   {12287, method::crunched},    {12288, method::squashed},
        {1u << 20, method::squashed}, {~std::uint64_t{0}, method::squashed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(method_for_size(c.size), c.method) << c.size;
}

TEST(MethodChoice, RatioRoundsToNearestWithTiesToEven)
{
    struct Case {
        std::uint64_t compressed, uncompressed;
        long ratio;
    };
    const Case cases[] = {
        {0, 0, 0},        // empty member
        {7, 0, 0},        // nothing to compare against
        {0, 100, 100},    {50, 100, 50},  {100, 100, 0},  {150, 100, -50},
        {195, 200, 2},    // 2.5 -> 2
        {193, 200, 4},    // 3.5 -> 4
        {197, 200, 2},    // 1.5 -> 2
        {199, 200, 0},    // 0.5 -> 0
        {201, 200, 0},    // -0.5 -> 0
        {203, 200, -2},   // -1.5 -> -2
        {2, 3, 33},       // 33.33
        {1, 3, 67},       // 66.67
        {0xFFFFFFFFu, 1, -429496729400L},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ratio_percent(c.compressed, c.uncompressed), c.ratio)
            << c.compressed << "/" << c.uncompressed;
}

TEST(MethodChoice, StoreWhenTheRoundedSavingIsNotPositive)
{
    struct Case {
        int tried;
        std::uint64_t compressed, uncompressed;
        int result;
    };
    const Case cases[] = {
        {method::packed, 50, 50, method::stored},
        {method::packed, 51, 50, method::stored},
        {method::packed, 49, 50, method::packed},      // 2 %
        {method::crunched, 199, 200, method::stored},  // 0.5 % rounds to 0
        {method::crunched, 197, 200, method::crunched},  // 1.5 % rounds to 2
        {method::squashed, 20300, 20000, method::stored},
        {method::squashed, 0, 0, method::stored},
        {method::stored, 10, 100, method::stored},
    };
    for (const Case& c : cases)
        EXPECT_EQ(method_after_attempt(c.tried, c.compressed, c.uncompressed), c.result)
            << c.tried << " " << c.compressed << "/" << c.uncompressed;
}

} // namespace
} // namespace arc
