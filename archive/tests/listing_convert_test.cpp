// Conversion of captured packer listings into archive listing rows.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dos/listing_convert.h"
#include "dos/listing_writer.h"

namespace {

using corax::Converter;

// Converts into a buffer of `capacity` bytes surrounded by guard bytes and
// checks the bound, the terminating zero and the returned length.
std::string convert(Converter kind, std::string_view text, std::size_t capacity = corax::kListingBufferSize) {
    constexpr char kGuard = '\x5A';
    constexpr std::size_t kGuardSize = 16;
    std::vector<char> buffer(capacity + 2 * kGuardSize, kGuard);
    char* out = buffer.data() + kGuardSize;
    const std::size_t length = corax::convert_listing(kind, text, out, capacity);
    for (std::size_t i = 0; i < kGuardSize; ++i) {
        EXPECT_EQ(buffer[i], kGuard) << "written before the buffer";
        EXPECT_EQ(out[capacity + i], kGuard) << "written past the buffer";
    }
    if (capacity == 0) {
        EXPECT_EQ(length, 0u);
        return {};
    }
    EXPECT_LT(length, capacity);
    EXPECT_EQ(out[length], '\0');
    EXPECT_EQ(std::strlen(out), length);
    return std::string(out, length);
}

std::string read_fixture(const std::string& name) {
    std::ifstream file(std::string(LISTING_FIXTURE_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string with_line_ends(std::string_view text, std::string_view line_end) {
    std::string result;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') result += line_end; else result += c;
    }
    return result;
}

struct ConversionCase {
    const char* label;
    Converter kind;
    std::string input;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const ConversionCase& c) { return os << c.label; }

// ---------------------------------------------------------------------------
// Captured listings: every fixture converts alike with CRLF and LF line ends.

class FixtureConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(FixtureConversion, GivesOneRowPerMemberWithEitherLineEnd) {
    const ConversionCase& c = GetParam();
    const std::string captured = read_fixture(c.input);
    EXPECT_EQ(convert(c.kind, with_line_ends(captured, "\r\n")), c.expected);
    EXPECT_EQ(convert(c.kind, with_line_ends(captured, "\n")), c.expected);
    EXPECT_EQ(convert(c.kind, captured), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, FixtureConversion,
    testing::Values(
        ConversionCase{"arj_dos", Converter::TokenList, "arj_dos_crlf.txt",
                       "README.TXT\t1234\t567\t0.459\t97-01-05\t12:34:56\t\n"
                       "PICTURE.GIF\t40960\t12000\t0.293\t96-12-24\t08:15:00\t\n"
                       "SHORT.TXT\t17\t17\t1.000\t97-03-01\t23:59:59\t\n"},
        ConversionCase{"arj_real", Converter::TokenList, "arj_real_l.txt",
                       "a.txt\t600\t28\t0.047\t24-03-05\t14:07:09\t\n"
                       "b.bin\t3000\t3000\t1.000\t97-12-31\t23:59:01\t\n"
                       "c.txt\t2\t2\t1.000\t01-01-02\t03:04:05\t\n"
                       "a very long file name with blanks.txt\t100\t9\t0.090\t26-12-11\t11:23:35\t\n"
                       "averyveryverylongname.data\t2\t2\t1.000\t26-12-11\t11:23:35\t\n"
                       "a b.txt\t2\t2\t1.000\t26-12-11\t11:23:35\t\n"},
        ConversionCase{"pkunzip", Converter::Zip, "pkunzip_v_crlf.txt",
                       "README.TXT\t1234\t567\t55%\t01-05-97\t12:34\t\n"
                       "PICTURE.GIF\t40960\t12000\t71%\t12-24-96\t08:15\t\n"},
        ConversionCase{"pkxarc", Converter::Arc, "pkxarc_v_crlf.txt",
                       "README.TXT\t1234\t567\t54%\t05-Jan-97\t12:34\t\n"
                       "PICTURE.GIF\t40960\t12000\t71%\t24-Dec-96\t08:15\t\n"},
        ConversionCase{"zoo", Converter::Zoo, "zoo_v_crlf.txt",
                       "readme.txt\t1234\t567\t54%\t5.01.97\t12:34\t\n"
                       "picture.gif\t40960\t12000\t71%\t24.12.96\t08:15\t\n"},
        ConversionCase{"tar_dos", Converter::Tar, "tar_dos_crlf.txt",
                       "readme.txt\t1234\t1234\t100.0\t5.01.97\t14:07\t\n"
                       "picture.gif\t40960\t40960\t100.0\t24.12.101\t08:15\t\n"},
        ConversionCase{"gnu_tar_real", Converter::Tar, "gnutar_real_tv.txt",
                       "a.txt\t600\t600\t100.0\t05.03.124\t14:07\t\n"
                       "b.bin\t3000\t3000\t100.0\t31.12.97\t23:59\t\n"
                       "sub/\t0\t0\t100.0\t11.12.126\t11:23\t\n"
                       "sub/c.txt\t2\t2\t100.0\t02.01.101\t03:04\t\n"
                       "a b.txt\t2\t2\t100.0\t11.12.126\t11:23\t\n"
                       "link.txt\t0\t0\t100.0\t11.12.126\t11:23\t\n"
                       "hard.txt\t0\t0\t100.0\t05.03.124\t14:07\t\n"}),
    [](const auto& info) { return std::string(info.param.label); });

// ---------------------------------------------------------------------------
// Small texts for the rules of each converter.

class TextConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(TextConversion, GivesExpectedListing) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(convert(c.kind, c.input), c.expected);
}

const std::string kArjHead =
    "Filename       Original Compressed Ratio DateTime modified\n"
    "------------ ---------- ---------- ----- -----------------\n";
const std::string kArjFoot = "------------ ---------- ---------- -----\n     1 files\n";

INSTANTIATE_TEST_SUITE_P(
    TokenList, TextConversion,
    testing::Values(
        ConversionCase{"no_separator", Converter::TokenList,
                       "ARJ: can't open NOSUCH.ARJ\nA.TXT 1 1 1.000 97-01-01 10:00:00\n", ""},
        ConversionCase{"separator_without_line_end", Converter::TokenList, "----------", ""},
        ConversionCase{"empty_text", Converter::TokenList, "", ""},
        ConversionCase{"seventh_token_dropped", Converter::TokenList,
                       kArjHead + "A.TXT 1 2 3 4 5 SIX SEVEN\n" + kArjFoot, "A.TXT\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"short_line_does_not_borrow", Converter::TokenList,
                       kArjHead + "A.TXT 10 5\nB.TXT 1 2 3 4 5\n" + kArjFoot,
                       "A.TXT\t10\t5\t\t\t\t\nB.TXT\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"blank_line_gives_no_row", Converter::TokenList,
                       kArjHead + "\n   \r\nB.TXT 1 2 3 4 5\n" + kArjFoot, "B.TXT\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"no_closing_separator_reads_to_end", Converter::TokenList,
                       kArjHead + "A.TXT 1 2 3 4 5\nB.TXT 6 7 8 9 10", "A.TXT\t1\t2\t3\t4\t5\t\nB.TXT\t6\t7\t8\t9\t10\t\n"},
        ConversionCase{"closing_dashes_from_third_column", Converter::TokenList,
                       "-----------\n" "A 1 2 3 4 5\n" "x ----------\n" "B 1 2 3 4 5\n", "A\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"dashes_from_first_column_do_not_close", Converter::TokenList,
                       "----------\n" "A 1 2 3 4 5\n" "----------\n" "B 1 2 3 4 5\n",
                       "A\t1\t2\t3\t4\t5\t\n----------\t\t\t\t\t\t\nB\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"rar_lines_start_with_blank", Converter::TokenList,
                       " Name  Size Packed Ratio Date Time\n"
                       "-------------------------------------\n"
                       " readme.txt  1234  567  45%  05-01-97 12:34 .....A\n"
                       " pic.gif     4096  999  24%  06-01-97 13:45 .....A\n"
                       "-------------------------------------\n",
                       "readme.txt\t1234\t567\t45%\t05-01-97\t12:34\t\n"
                       "pic.gif\t4096\t999\t24%\t06-01-97\t13:45\t\n"},
        ConversionCase{"name_alone_then_details", Converter::TokenList,
                       kArjHead + "SUB\\DIR\\LONGNAME.TXT \n            77   55 0.714 97-01-05 12:34:56 A\n" + kArjFoot,
                       "SUB\\DIR\\LONGNAME.TXT\t77\t55\t0.714\t97-01-05\t12:34:56\t\n"},
        ConversionCase{"name_with_blank_in_aligned_name_column", Converter::TokenList,
                       kArjHead + "MY FILE.TXT          77         55 0.714 97-01-05 12:34:56\n" + kArjFoot,
                       "MY FILE.TXT\t77\t55\t0.714\t97-01-05\t12:34:56\t\n"},
        ConversionCase{"unaligned_line_reads_tokens", Converter::TokenList,
                       kArjHead + "A.TXT 1 2 3 4 5 6 7\n" + kArjFoot, "A.TXT\t1\t2\t3\t4\t5\t\n"},
        ConversionCase{"tab_separates_tokens", Converter::TokenList,
                       kArjHead + "A.TXT\t1\t2 3 4 5\n" + kArjFoot, "A.TXT\t1\t2\t3\t4\t5\t\n"}),
    [](const auto& info) { return std::string(info.param.label); });

const std::string kZipHead =
    " Length  Method   Size  Ratio   Date    Time    CRC-32  Attr  Name\n"
    " ------  ------   ----- -----   ----    ----   -------- ----  ----\n";
const std::string kZipFoot = " ------          ------  ---                                  -------\n";

INSTANTIATE_TEST_SUITE_P(
    Zip, TextConversion,
    testing::Values(
        ConversionCase{"name_comes_first", Converter::Zip,
                       kZipHead + "  1  Stored  1  0%  01-05-97  12:34  1a2b3c4d --w-  A.TXT\n" + kZipFoot,
                       "A.TXT\t1\t1\t0%\t01-05-97\t12:34\t\n"},
        ConversionCase{"no_separator", Converter::Zip, "PKUNZIP: (W18) Warning! file not found\n", ""},
        ConversionCase{"eight_tokens_leave_name_empty", Converter::Zip,
                       kZipHead + "  1  Stored  1  0%  01-05-97  12:34  1a2b3c4d A.TXT\n"
                                  "  2  Stored  2  0%  01-05-97  12:35  1a2b3c4e --w- B.TXT\n" + kZipFoot,
                       "\t1\t1\t0%\t01-05-97\t12:34\t\nB.TXT\t2\t2\t0%\t01-05-97\t12:35\t\n"},
        ConversionCase{"long_tokens_cut_to_their_buffers", Converter::Zip,
                       kZipHead + "  123456789012  Stored  1  0%  01-05-1997-xx  12:34  1a2b3c4d --w-  "
                                  "VERYLONGNAME1234567.TXT\n" + kZipFoot,
                       "VERYLONGNAME12\t123456789\t1\t0%\t01-05-1997-\t12:34\t\n"}),
    [](const auto& info) { return std::string(info.param.label); });

const std::string kArcHead =
    "Filename        Length   Method     Size   Ratio    Date      Time    CRC\n"
    "--------        ------   ------    ------  -----    ----      ----    ---\n";
const std::string kArcFoot = "--------        ------             ------  -----\n";

INSTANTIATE_TEST_SUITE_P(
    Arc, TextConversion,
    testing::Values(
        ConversionCase{"picked_columns", Converter::Arc,
                       kArcHead + "A.TXT  10  Crunched  5  50%  05-Jan-97  12:34  1A2B\n" + kArcFoot,
                       "A.TXT\t10\t5\t50%\t05-Jan-97\t12:34\t\n"},
        ConversionCase{"four_dashes_close", Converter::Arc,
                       kArcHead + "A.TXT  10  Crunched  5  50%  05-Jan-97  12:34  1A2B\n"
                                  " ----\nB.TXT  10  Crunched  5  50%  05-Jan-97  12:34  1A2B\n",
                       "A.TXT\t10\t5\t50%\t05-Jan-97\t12:34\t\n"},
        ConversionCase{"no_separator", Converter::Arc, "PKXARC: Archive not found\n", ""},
        ConversionCase{"short_line", Converter::Arc, kArcHead + "A.TXT 10\n" + kArcFoot, "A.TXT\t10\t\t\t\t\t\n"}),
    [](const auto& info) { return std::string(info.param.label); });

const std::string kZooHead =
    "Length    CF  Size Now  Date      Time\n"
    "--------  --- --------  --------- --------\n";
const std::string kZooFoot = "--------  --- --------  --------- --------\n";

INSTANTIATE_TEST_SUITE_P(
    Zoo, TextConversion,
    testing::Values(
        ConversionCase{"directory_and_generation_removed", Converter::Zoo,
                       kZooHead + "  10  50%  5  1 Jan 97 12:34:56  dir/sub/name.txt;12\n" + kZooFoot,
                       "name.txt\t10\t5\t50%\t1.01.97\t12:34\t\n"},
        ConversionCase{"december_any_case", Converter::Zoo,
                       kZooHead + "  10  50%  5  31 DECEMBER 96 23:59:00  a.txt\n" + kZooFoot,
                       "a.txt\t10\t5\t50%\t31.12.96\t23:59\t\n"},
        ConversionCase{"unknown_month_gives_00", Converter::Zoo,
                       kZooHead + "  10  50%  5  1 Foo 97 12:34:56  a.txt\n" + kZooFoot,
                       "a.txt\t10\t5\t50%\t1.00.97\t12:34\t\n"},
        ConversionCase{"time_cut_at_last_colon", Converter::Zoo,
                       kZooHead + "  10  50%  5  1 Jan 97 1234  a.txt\n  10  50%  5  1 Jan 97 12:34  b.txt\n" + kZooFoot,
                       "a.txt\t10\t5\t50%\t1.01.97\t1234\t\nb.txt\t10\t5\t50%\t1.01.97\t12\t\n"},
        ConversionCase{"short_line_does_not_borrow", Converter::Zoo,
                       kZooHead + "  10  50%\n  20  60%  8  2 Feb 98 01:02:03  b.txt\n" + kZooFoot,
                       "\t10\t\t50%\t.00.\t\t\nb.txt\t20\t8\t60%\t2.02.98\t01:02\t\n"},
        ConversionCase{"no_separator", Converter::Zoo, "Zoo:  FATAL:  Could not open NOSUCH.ZOO\n", ""}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Tar, TextConversion,
    testing::Values(
        ConversionCase{"year_1997_and_2001", Converter::Tar,
                       "-rw-r--r-- 0/0 1 Jan 1 10:00 1997 a\nrw-r--r-- 0/0 2 Dec 31 11:00 2001 b\n",
                       "a\t1\t1\t100.0\t1.01.97\t10:00\t\nb\t2\t2\t100.0\t31.12.101\t11:00\t\n"},
        ConversionCase{"first_character_of_text_stepped_over", Converter::Tar,
                       // A one-letter mode column vanishes with it, so the
                       // tokens of the first line move up by one.
                       "x 0/0 1 Jan 1 10:00 1997 a extra\n",
                       "extra\tJan\tJan\t100.0\t10:00.00.-1900\t1997\t\n"},
        ConversionCase{"text_without_final_line_end", Converter::Tar,
                       "-rw-r--r-- 0/0 1 Jan 1 10:00 1997 a\nrw-r--r-- 0/0 2 Feb 2 11:00 1998 b",
                       "a\t1\t1\t100.0\t1.01.97\t10:00\t\nb\t2\t2\t100.0\t2.02.98\t11:00\t\n"},
        ConversionCase{"unknown_month_gives_00", Converter::Tar,
                       "-rw-r--r-- 0/0 1 Xyz 1 10:00 1997 a\n", "a\t1\t1\t100.0\t1.00.97\t10:00\t\n"},
        ConversionCase{"short_line_does_not_borrow", Converter::Tar,
                       "-rw-r--r-- 0/0 1\nrw-r--r-- 0/0 2 Feb 2 11:00 1998 b\n",
                       "\t1\t1\t100.0\t.00.-1900\t\t\nb\t2\t2\t100.0\t2.02.98\t11:00\t\n"},
        ConversionCase{"gnu_name_with_blanks_and_links", Converter::Tar,
                       "-rw-r--r-- u/g 5 2024-03-05 14:07 my dir/my file.txt\n"
                       "lrwxrwxrwx u/g 0 2000-01-01 00:00 a -> b c\n"
                       "hrw-r--r-- u/g 0 1999-12-31 23:59 x link to y\n"
                       "-rw-r--r-- u/g 7 2024-03-05 14:07 arrow -> kept.txt\n",
                       "my dir/my file.txt\t5\t5\t100.0\t05.03.124\t14:07\t\n"
                       "a\t0\t0\t100.0\t01.01.100\t00:00\t\n"
                       "x\t0\t0\t100.0\t31.12.99\t23:59\t\n"
                       "arrow -> kept.txt\t7\t7\t100.0\t05.03.124\t14:07\t\n"},
        ConversionCase{"gnu_full_time_keeps_hours_and_minutes", Converter::Tar,
                       "-rw-r--r-- u/g 5 2024-03-05 14:07:09 a\n", "a\t5\t5\t100.0\t05.03.124\t14:07\t\n"},
        ConversionCase{"gnu_and_dos_lines_mixed", Converter::Tar,
                       "-rw-r--r-- 0/0 1 Jan 1 10:00 1997 a\n-rw-r--r-- u/g 5 2024-03-05 14:07 b\n",
                       "a\t1\t1\t100.0\t1.01.97\t10:00\t\nb\t5\t5\t100.0\t05.03.124\t14:07\t\n"},
        ConversionCase{"tar_messages_give_no_rows", Converter::Tar,
                       "tar: t.tar: Cannot open: No such file or directory\n"
                       "tar: Error is not recoverable: exiting now\n",
                       ""},
        ConversionCase{"blank_lines_give_no_rows", Converter::Tar,
                       "\n\n-rw-r--r-- u/g 5 2024-03-05 14:07 b\n\n", "b\t5\t5\t100.0\t05.03.124\t14:07\t\n"},
        ConversionCase{"dos_name_cut_to_buffer", Converter::Tar,
                       "-rw-r--r-- 0/0 1 Jan 1 10:00 1997 abcdefghijklmnopqrstuvwxyz\n",
                       "abcdefghijklmn\t1\t1\t100.0\t1.01.97\t10:00\t\n"}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    None, TextConversion,
    testing::Values(ConversionCase{"writes_nothing", Converter::None, kArjHead + "A 1 2 3 4 5\n", ""}),
    [](const auto& info) { return std::string(info.param.label); });

// ---------------------------------------------------------------------------
// Field cuts keep UTF-8 characters whole.

TEST(FieldCut, DoesNotSplitAUtf8Character) {
    // The ZOO name buffer holds 89 bytes: 88 ASCII bytes and a two-byte
    // character that would straddle the cut.
    const std::string name = std::string(88, 'n') + "\xC3\xA9" + "tail";
    const std::string listing = convert(Converter::Zoo, kZooHead + "1 2 3 4 Jan 97 12:34:56 " + name + "\n");
    EXPECT_EQ(listing, std::string(88, 'n') + "\t1\t3\t2\t4.01.97\t12:34\t\n");
}

// ---------------------------------------------------------------------------
// The listing bound: whole rows only, always zero-terminated.

std::string arj_members(int count) {
    std::string text = kArjHead;
    for (int i = 0; i < count; ++i) text += "F" + std::to_string(i) + ".TXT 1 2 3 4 5\n";
    return text + kArjFoot;
}

TEST(ListingBound, CapacityForExactlyNRowsGivesNRows) {
    const std::string row = "F0.TXT\t1\t2\t3\t4\t5\t\n";  // every row below has this length
    for (std::size_t rows = 0; rows <= 3; ++rows) {
        const std::size_t exact = rows * row.size() + 1;
        const std::string listing = convert(Converter::TokenList, arj_members(5), exact);
        EXPECT_EQ(listing.size(), rows * row.size()) << rows;
        EXPECT_EQ(convert(Converter::TokenList, arj_members(5), exact - 1).size(),
                  rows == 0 ? 0 : (rows - 1) * row.size())
            << rows;
    }
}

TEST(ListingBound, CapacityZeroAndOne) {
    EXPECT_EQ(convert(Converter::Tar, "-rw-r--r-- u/g 5 2024-03-05 14:07 b\n", 0), "");
    EXPECT_EQ(convert(Converter::Tar, "-rw-r--r-- u/g 5 2024-03-05 14:07 b\n", 1), "");
}

TEST(ListingBound, NeverPasses65535BytesWithItsZero) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "-rw-r--r-- u/g 123456 2024-03-05 14:07 member" + std::to_string(i) + "\n";
    const std::string listing = convert(Converter::Tar, text, 200000);
    EXPECT_LE(listing.size(), corax::kListingBufferSize - 1);
    EXPECT_GT(listing.size(), corax::kListingBufferSize - 100);
    EXPECT_EQ(listing.back(), '\n');
}

TEST(ListingBound, RowThatDoesNotFitStopsAllLaterRows) {
    // The second row is too long for what is left; the short third row would
    // fit but must not be written after it.
    const std::string text = kArjHead + "A 1 2 3 4 5\n" + std::string(40, 'B') + " 1 2 3 4 5\nC 1 2 3 4 5\n" + kArjFoot;
    EXPECT_EQ(convert(Converter::TokenList, text, 40), "A\t1\t2\t3\t4\t5\t\n");
}

TEST(CapturedOutput, IsReadWholePast64KiB) {
    // A 16-bit length would lose the member lines after 65536 bytes of banner.
    std::string text(70000, 'x');
    text += "\n" + arj_members(1);
    EXPECT_EQ(convert(Converter::TokenList, text), "F0.TXT\t1\t2\t3\t4\t5\t\n");
}

TEST(CapturedOutput, EndsAtAZeroByte) {
    std::string text = arj_members(1);
    text.insert(kArjHead.size() + 3, 1, '\0');
    EXPECT_EQ(convert(Converter::TokenList, text), "F0.\t\t\t\t\t\t\n");
}

// ---------------------------------------------------------------------------
// The row writer.

TEST(ListingWriter, WritesTabTerminatedFieldsAndReplacesWhatAFieldCannotHold) {
    char out[64];
    corax::ListingWriter writer(out, sizeof out);
    EXPECT_TRUE(writer.add_row({"a\tb", "", "c\nd\re"}));
    EXPECT_EQ(std::string(out), "a?b\t\tc?d?e\t\n");
    EXPECT_EQ(writer.length(), 12u);
    EXPECT_FALSE(writer.full());
}

TEST(ListingWriter, RefusesARowThatLeavesNoRoomForTheZero) {
    char out[8];
    corax::ListingWriter writer(out, sizeof out);
    EXPECT_TRUE(writer.add_row({"abc"}));       // 5 bytes + zero
    EXPECT_FALSE(writer.add_row({"d"}));        // 3 more would need 9
    EXPECT_FALSE(writer.add_row({}));           // nothing after a refused row
    EXPECT_TRUE(writer.full());
    EXPECT_EQ(std::string(out), "abc\t\n");
}

// ---------------------------------------------------------------------------
// Month names.

TEST(MonthNumber, ByFirstThreeLettersInAnyCase) {
    const struct { const char* name; int month; } cases[] = {
        {"Jan", 1}, {"jan", 1}, {"JANUARY", 1}, {"Feb", 2}, {"mAr", 3}, {"Apr", 4}, {"May", 5}, {"Jun", 6},
        {"Jul", 7}, {"Aug", 8}, {"Sep", 9}, {"Oct", 10}, {"Nov", 11}, {"Dec", 12}, {"december", 12},
        {"", 0}, {"Ja", 0}, {"Jnu", 0}, {"anF", 0}, {"ebM", 0}, {"123", 0}, {"J\xC3\xA4n", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(corax::month_number(c.name), c.month) << c.name;
}

}  // namespace
