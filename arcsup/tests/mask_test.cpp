// Member selection by 8.3 masks, the row of a member, the member name check
// and the free-space rule, as tables of cases.
#include <gtest/gtest.h>

#include "ansi_upper.h"
#include "dos/listing_writer.h"
#include "extract_target.h"
#include "listing_row.h"
#include "mask.h"
#include "member_name.h"

namespace arcsup {
namespace {

struct MaskCase {
    const char* mask;
    const char* member;
    bool selected;
};

class MaskSelection : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskSelection, SelectsAsDosWould) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(MemberMask(c.mask).selects(c.member), c.selected) << c.mask << " vs " << c.member;
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskSelection, ::testing::Values(
    MaskCase{"????????.???", "README.TXT", true},
    MaskCase{"????????.???", "MAKEFILE", true},
    MaskCase{"*.*", "A.B", true},
    MaskCase{"*.*", "NOEXT", true},
    MaskCase{"*", "NOEXT", true},
    MaskCase{"*", "README.TXT", false},
    MaskCase{"README.TXT", "README.TXT", true},
    MaskCase{"README.TXT", "READ.TX", false},
    MaskCase{"READ.TX", "README.TXT", false},
    MaskCase{"readme.txt", "README.TXT", true},
    MaskCase{"README.TXT", "readme.txt", true},
    MaskCase{"*.TXT", "A.TXT", true},
    MaskCase{"*.TXT", "A.TX", false},
    MaskCase{"A*.T*", "ABC.TXT", true},
    MaskCase{"A*.T*", "BAC.TXT", false},
    MaskCase{"?.TXT", "A.TXT", true},
    MaskCase{"?.TXT", "AB.TXT", false},
    MaskCase{"AB*CD.TXT", "ABXYZ.TXT", true},   // text after '*' is ignored
    MaskCase{".TXT", "ANY.TXT", true},          // a leading dot means "*."
    MaskCase{"LONGNAMEXX.C", "LONGNAME.C", true},  // name part cut to 8
    MaskCase{"*.", "NOEXT", true},
    MaskCase{"*.*", "INDEX.HTML", true},        // names beyond 8.3 from other systems
    MaskCase{"*.*", "LONGFILENAME", true},
    MaskCase{"*.HTM", "INDEX.HTML", false},
    MaskCase{"INDEX.HTML", "INDEX.HTML", true},
    MaskCase{"INDEX.HTM", "INDEX.HTML", false},
    MaskCase{"*.", "A.B", false},
    MaskCase{"\xe9t\xe9.txt", "\xc9T\xc9.TXT", true}));  // ANSI upper-casing

TEST(MaskParts, StarFillsTheParts) {
    const MaskParts parts = mask_parts("*.*");
    EXPECT_EQ(parts.name, "????????");
    EXPECT_EQ(parts.extension, "???");
    EXPECT_EQ(mask_parts("AB*").name, "AB??????");
    EXPECT_EQ(mask_parts("X.C*").extension, "C??");
}

TEST(AnsiUpper, LettersOfTheCodePage) {
    EXPECT_EQ(ansi_upper(std::string("az\xe0\xfe\xf7\xff\x9a{")), std::string("AZ\xc0\xde\xf7\x9f\x8a{"));
}

struct RowCase {
    std::uint32_t compressed;
    std::uint32_t size;
    std::uint16_t date;
    std::uint16_t time;
    const char* row;
};

class ListingRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(ListingRow, FollowsTheTemplate) {
    const RowCase& c = GetParam();
    MemberHeader h;
    h.set_name("FILE.TXT");
    h.compressed_size = c.compressed;
    h.size = c.size;
    h.date = c.date;
    h.time = c.time;
    char buffer[200];
    corax::ListingWriter listing(buffer, sizeof buffer);
    ASSERT_TRUE(add_listing_row(listing, h));
    EXPECT_STREQ(buffer, c.row);
}

constexpr std::uint16_t date(int year, int month, int day) {
    return static_cast<std::uint16_t>((year - 1980) << 9 | month << 5 | day);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingRow, ::testing::Values(
    RowCase{50, 100, date(1994, 3, 7), 9 << 11 | 5 << 5, "FILE.TXT\t100\t50\t50%\t07.03.94\t09:05\t\t\n"},
    RowCase{100, 100, date(2000, 1, 1), 0, "FILE.TXT\t100\t100\t 0%\t01.01.100\t00:00\t\t\n"},
    RowCase{0, 0, date(1980, 1, 1), 0, "FILE.TXT\t0\t0\t 0%\t01.01.80\t00:00\t\t\n"},
    RowCase{150, 100, date(2024, 12, 31), 23 << 11 | 59 << 5, "FILE.TXT\t100\t150\t-50%\t31.12.124\t23:59\t\t\n"},
    RowCase{1, 8, 0, 0, "FILE.TXT\t8\t1\t88%\t00.00.80\t00:00\t\t\n"},         // 87.5 rounds to even
    RowCase{5, 200, 0, 0, "FILE.TXT\t200\t5\t98%\t00.00.80\t00:00\t\t\n"},     // 97.5 rounds to even
    RowCase{1, 1000, 0, 0, "FILE.TXT\t1000\t1\t100%\t00.00.80\t00:00\t\t\n"},
    RowCase{4000000000u, 4000000000u, 0, 0, "FILE.TXT\t4000000000\t4000000000\t 0%\t00.00.80\t00:00\t\t\n"}));

TEST(MemberName, OnlyPlainFileNamesAreWritten) {
    for (const char* good : {"README.TXT", "A", "..A", "A..B", "-X"}) EXPECT_TRUE(is_plain_file_name(good)) << good;
    for (const char* bad : {"", ".", "..", "../X", "A/B", "A\\B", "C:X", "\\ETC", "/ETC"})
        EXPECT_FALSE(is_plain_file_name(bad)) << bad;
}

TEST(FreeSpace, RefusesOnlyWhatDoesNotFit) {
    EXPECT_TRUE(exceeds_free_space(100, 100));
    EXPECT_TRUE(exceeds_free_space(100, 4000000000u));
    EXPECT_FALSE(exceeds_free_space(101, 100));
    EXPECT_FALSE(exceeds_free_space(std::uint64_t{5} << 32, 4000000000u));  // counted in 64 bits
    EXPECT_FALSE(exceeds_free_space(0, 100));  // unknown
}

}  // namespace
}  // namespace arcsup
