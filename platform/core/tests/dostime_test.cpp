#include "platform/dostime.h"

#include <gtest/gtest.h>

#include "test_dir.h"

using namespace platform;

namespace {
constexpr std::uint16_t dos_date(int y, int m, int d) { return static_cast<std::uint16_t>(((y - 1980) << 9) | (m << 5) | d); }
constexpr std::uint16_t dos_time(int h, int mi, int s) { return static_cast<std::uint16_t>((h << 11) | (mi << 5) | (s / 2)); }
}  // namespace

TEST(DosTime, RoundTripsThroughFileTime) {
    ScopedEnv tz("TZ", "UTC");
    tzset();
    struct Case { DosDateTime dt; std::int64_t epoch; } cases[] = {
        {{dos_date(1980, 1, 1), dos_time(0, 0, 0)}, 315532800},
        {{dos_date(2000, 1, 1), dos_time(12, 34, 56)}, 946730096},
        {{dos_date(2107, 12, 31), dos_time(23, 59, 58)}, 4354819198},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(from_dos_datetime(c.dt), c.epoch);
        DosDateTime back = to_dos_datetime(c.epoch);
        EXPECT_EQ(back.date, c.dt.date);
        EXPECT_EQ(back.time, c.dt.time);
    }
    // Before 1980 there is no DOS date: the earliest one stands in.
    EXPECT_EQ(to_dos_datetime(0).date, dos_date(1980, 1, 1));
    // Odd seconds are cut to the two-second grid.
    EXPECT_EQ(to_dos_datetime(315532800 + 3).time, dos_time(0, 0, 2));
    // Garbage fields from a damaged header still give a valid time.
    EXPECT_GT(from_dos_datetime({0, 0xFFFF}), 0);
}

TEST(DosTime, SetsAndReadsFileTime) {
    TestDir dir;
    std::string file = dir.file("f");
    DosDateTime dt{dos_date(1995, 6, 15), dos_time(8, 30, 10)};
    ASSERT_TRUE(set_file_dos_datetime(file, dt));
    DosDateTime read{};
    ASSERT_TRUE(file_dos_datetime(file, read));
    EXPECT_EQ(read.date, dt.date);
    EXPECT_EQ(read.time, dt.time);
    EXPECT_FALSE(file_dos_datetime(dir.path() + "missing", read));
}
