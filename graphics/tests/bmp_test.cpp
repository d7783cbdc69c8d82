// The BMP reader and writer.
#include <gtest/gtest.h>

#include "mirv32.h"
#include "test_files.h"

namespace {

IPRESULT read(const ScratchDir& dir, const std::vector<std::uint8_t>& bytes) {
    return ipBmp2Dib(dir.write("t.bmp", bytes).c_str(), 0, nullptr);
}

HGLOBAL read_dib(const ScratchDir& dir, const std::vector<std::uint8_t>& bytes) {
    IPRESULT r = read(dir, bytes);
    EXPECT_GT(r, IPE_LAST);
    return r > IPE_LAST ? reinterpret_cast<HGLOBAL>(r) : nullptr;
}

std::vector<std::uint8_t> grey_table(unsigned n, unsigned entry_bytes) {
    std::vector<std::uint8_t> t;
    for (unsigned i = 0; i < n; ++i) {
        std::uint8_t v = static_cast<std::uint8_t>(i * 255 / (n - 1));
        t.push_back(v);
        t.push_back(v);
        t.push_back(static_cast<std::uint8_t>(255 - v));
        if (entry_bytes == 4) t.push_back(0);
    }
    return t;
}

TEST(BmpReader, RefusedFilesTable) {
    ScratchDir dir;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    auto with = [](auto change) {
        BmpBuilder b;
        b.width = 2;
        b.height = 2;
        b.pixels.assign(16, 0);
        change(b);
        return b.build();
    };
    std::vector<std::uint8_t> complete = with([](BmpBuilder&) {});
    std::vector<Case> cases = {
        {"empty", {}},
        {"shorter than a file header", {'B', 'M', 1, 2}},
        {"header cut short", std::vector<std::uint8_t>(complete.begin(), complete.begin() + 30)},
        {"108-byte header", with([](BmpBuilder& b) { b.header_size = 108; })},
        {"124-byte header", with([](BmpBuilder& b) { b.header_size = 124; })},
        {"64-byte header", with([](BmpBuilder& b) { b.header_size = 64; })},
        {"zero width", with([](BmpBuilder& b) { b.width = 0; })},
        {"negative width", with([](BmpBuilder& b) { b.width = -4; })},
        {"zero height", with([](BmpBuilder& b) { b.height = 0; })},
        {"bit count 3", with([](BmpBuilder& b) { b.bits = 3; })},
        {"RLE8 on 4 bits", with([](BmpBuilder& b) { b.bits = 4; b.compression = 1; })},
        {"RLE4 on 8 bits", with([](BmpBuilder& b) { b.bits = 8; b.compression = 2; })},
        {"bitfields on 24 bits", with([](BmpBuilder& b) { b.compression = 3; })},
        {"JPEG inside", with([](BmpBuilder& b) { b.compression = 4; })},
        {"top-down RLE", with([](BmpBuilder& b) { b.bits = 8; b.compression = 1; b.height = -2; })},
        {"pixel area above 1 GiB", with([](BmpBuilder& b) { b.width = 20000; b.height = 20000; })},
        {"pixel area absurd for the file", with([](BmpBuilder& b) { b.width = 6000; b.height = 6000; })},
        {"text file", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!', '!', '!'}},
    };
    for (const Case& c : cases) EXPECT_EQ(read(dir, c.bytes), IPE_NOBMP) << c.name;
    EXPECT_EQ(ipBmp2Dib(dir.path("missing.bmp").c_str(), 0, nullptr), IPE_NOBMP);
    EXPECT_EQ(ipBmp2Dib(dir.path("").c_str(), 0, nullptr), IPE_NOBMP);  // a directory
}

TEST(BmpReader, BareDibReadsLikeAFileWithHeader) {
    ScratchDir dir;
    BmpBuilder b;
    b.width = 3;
    b.height = 2;
    b.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
    HGLOBAL with = read_dib(dir, b.build());
    b.file_header = false;
    HGLOBAL bare = read_dib(dir, b.build());
    ASSERT_TRUE(with && bare);
    ASSERT_EQ(GlobalSize(with), GlobalSize(bare));
    EXPECT_EQ(std::memcmp(GlobalLock(with), GlobalLock(bare), GlobalSize(with)), 0);
    EXPECT_EQ(DibView(bare).rgb(0, 1), 0x030201u);  // bottom row first, stored blue, green, red
    GlobalFree(with);
    GlobalFree(bare);
}

TEST(BmpReader, Os2HeaderBecomesAFullHeaderWithWidenedColours) {
    ScratchDir dir;
    BmpBuilder b;
    b.header_size = 12;
    b.width = 2;
    b.height = 1;
    b.bits = 8;
    b.table = grey_table(256, 3);
    b.pixels = {0, 255, 0, 0};
    HGLOBAL dib = read_dib(dir, b.build());
    ASSERT_TRUE(dib);
    DibView v(dib);
    EXPECT_EQ(v.header().biSize, 40u);
    EXPECT_EQ(v.header().biClrUsed, 256u);
    EXPECT_EQ(v.header().biClrImportant, 256u);
    EXPECT_EQ(v.header().biCompression, 0u);
    EXPECT_EQ(v.size(), 40u + 256 * 4 + 4);
    for (unsigned i : {0u, 1u, 128u, 255u}) {
        EXPECT_EQ(v.colour(i).rgbReserved, 0) << i;
        EXPECT_EQ(v.colour(i).rgbBlue, static_cast<std::uint8_t>(i * 255 / 255)) << i;
        EXPECT_EQ(v.colour(i).rgbRed, static_cast<std::uint8_t>(255 - i)) << i;
    }
    EXPECT_EQ(v.rgb(1, 0), 0x00FFFFu);
    GlobalFree(dib);
}

TEST(BmpReader, Os2OneBitFileSmallerThanAFullHeader) {
    ScratchDir dir;
    BmpBuilder b;
    b.header_size = 12;
    b.bits = 1;
    b.table = {0, 0, 0, 255, 255, 255};
    b.pixels = {0x80, 0, 0, 0};
    std::vector<std::uint8_t> bytes = b.build();
    ASSERT_LT(bytes.size(), 14u + 40);
    HGLOBAL dib = read_dib(dir, bytes);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibView(dib).rgb(0, 0), 0xFFFFFFu);
    GlobalFree(dib);
}

struct RleCase {
    const char* name;
    unsigned bits;
    int width, height;
    std::vector<std::uint8_t> data;
    std::vector<std::vector<int>> rows_from_bottom;  // pixel indexes
};

std::vector<int> indexes_of_row(const DibView& v, int row_from_bottom) {
    std::vector<int> out;
    const std::uint8_t* r = v.pixels() + row_from_bottom * v.stride();
    for (int x = 0; x < v.header().biWidth; ++x)
        out.push_back(v.header().biBitCount == 8 ? r[x] : (r[x / 2] >> (x % 2 ? 0 : 4)) & 15);
    return out;
}

TEST(BmpReader, RunLengthExpansionTable) {
    std::vector<RleCase> cases = {
        {"RLE8 runs and end of line", 8, 4, 2, {2, 5, 2, 6, 0, 0, 4, 7, 0, 1}, {{5, 5, 6, 6}, {7, 7, 7, 7}}},
        {"RLE8 delta leaves skipped pixels at 0", 8, 5, 2, {1, 9, 0, 2, 3, 1, 1, 8, 0, 1}, {{9, 0, 0, 0, 0}, {0, 0, 0, 0, 8}}},
        {"RLE8 literal padded to a word", 8, 4, 1, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, {{1, 2, 3, 4}}},
        {"RLE8 run past the row end writes nothing outside", 8, 2, 2, {5, 3, 0, 1}, {{3, 3}, {0, 0}}},
        {"RLE8 delta out of the picture", 8, 2, 2, {0, 2, 255, 255, 1, 1, 0, 1}, {{0, 0}, {0, 0}}},
        {"RLE8 data ends without end mark", 8, 3, 1, {2, 4}, {{4, 4, 0}}},
        {"RLE8 literal cut by the end of data", 8, 4, 1, {0, 4, 1, 2}, {{1, 2, 0, 0}}},
        {"RLE4 runs alternate nibbles", 4, 5, 1, {5, 0x12, 0, 1}, {{1, 2, 1, 2, 1}}},
        {"RLE4 literal of nibbles", 4, 4, 1, {0, 3, 0x34, 0x50, 0, 1}, {{3, 4, 5, 0}}},
        {"RLE4 second line after end of line", 4, 2, 2, {1, 0xA0, 0, 0, 2, 0xBC}, {{10, 0}, {11, 12}}},
    };
    ScratchDir dir;
    for (const RleCase& c : cases) {
        SCOPED_TRACE(c.name);
        BmpBuilder b;
        b.bits = c.bits;
        b.width = c.width;
        b.height = c.height;
        b.compression = c.bits == 8 ? 1 : 2;
        b.table = grey_table(c.bits == 8 ? 256 : 16, 4);
        b.pixels = c.data;
        b.size_image = static_cast<std::uint32_t>(c.data.size());
        HGLOBAL dib = read_dib(dir, b.build());
        ASSERT_TRUE(dib);
        DibView v(dib);
        EXPECT_EQ(v.header().biCompression, 0u);
        EXPECT_EQ(v.header().biSizeImage, v.stride() * c.height);
        EXPECT_EQ(v.size(), 40 + 4 * v.colours() + v.stride() * c.height);
        for (int r = 0; r < c.height; ++r) EXPECT_EQ(indexes_of_row(v, r), c.rows_from_bottom[r]) << "row " << r;
        GlobalFree(dib);
    }
}

TEST(BmpReader, ShortPixelDataIsZeroFilled) {
    ScratchDir dir;
    BmpBuilder b;
    b.width = 2;
    b.height = 2;
    b.pixels = {10, 20, 30};  // 16 bytes are due
    HGLOBAL dib = read_dib(dir, b.build());
    ASSERT_TRUE(dib);
    DibView v(dib);
    EXPECT_EQ(v.header().biSizeImage, 16u);
    EXPECT_EQ(v.rgb(0, 1), 0x1E140Au);
    EXPECT_EQ(v.rgb(1, 1), 0u);
    EXPECT_EQ(v.rgb(0, 0), 0u);
    GlobalFree(dib);
}

TEST(BmpReader, TopDownRowsAreTurnedBottomUp) {
    ScratchDir dir;
    BmpBuilder b;
    b.width = 1;
    b.height = -2;
    b.pixels = {0, 0, 255, 0, 255, 0, 0, 0};  // top red, bottom blue
    HGLOBAL dib = read_dib(dir, b.build());
    ASSERT_TRUE(dib);
    DibView v(dib);
    EXPECT_EQ(v.header().biHeight, 2);
    EXPECT_EQ(v.rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(v.rgb(0, 1), 0x0000FFu);
    GlobalFree(dib);
}

TEST(BmpReader, SixteenAndThirtyTwoBitsBecomeTwentyFourBitPixels) {
    struct Case {
        const char* name;
        unsigned bits;
        std::uint32_t compression;
        std::vector<std::uint8_t> masks;
        std::vector<std::uint8_t> pixel;  // one pixel, padded row
        std::uint32_t rgb;
    };
    auto m = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        std::vector<std::uint8_t> out;
        put32(out, r);
        put32(out, g);
        put32(out, b);
        return out;
    };
    std::vector<Case> cases = {
        {"16 bits 5-6-5 bitfields", 16, 3, m(0xF800, 0x07E0, 0x001F), {0x00, 0xF8, 0, 0}, 0xFF0000},
        {"16 bits 5-6-5 green", 16, 3, m(0xF800, 0x07E0, 0x001F), {0xE0, 0x07, 0, 0}, 0x00FF00},
        {"16 bits 5-5-5 default", 16, 0, {}, {0x1F, 0x00, 0, 0}, 0x0000FF},
        {"16 bits 5-5-5 grey", 16, 0, {}, {0x10, 0x42, 0, 0}, 0x848484},
        {"32 bits default", 32, 0, {}, {0x11, 0x22, 0x33, 0x44}, 0x332211},
        {"32 bits bitfields swapped", 32, 3, m(0x000000FF, 0x0000FF00, 0x00FF0000), {0x11, 0x22, 0x33, 0}, 0x112233},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpBuilder b;
        b.bits = c.bits;
        b.compression = c.compression;
        b.table = c.masks;
        b.pixels = c.pixel;
        HGLOBAL dib = read_dib(dir, b.build());
        ASSERT_TRUE(dib);
        DibView v(dib);
        EXPECT_EQ(v.header().biBitCount, 24);
        EXPECT_EQ(v.header().biCompression, 0u);
        EXPECT_EQ(v.rgb(0, 0), c.rgb);
        GlobalFree(dib);
    }
}

TEST(BmpReader, UsedColourCountSizesTheTable) {
    ScratchDir dir;
    BmpBuilder b;
    b.bits = 8;
    b.width = 2;
    b.colours_used = 2;
    b.table = {0, 0, 0, 0, 0, 0, 255, 0};
    b.pixels = {1, 0, 0, 0};
    HGLOBAL dib = read_dib(dir, b.build());
    ASSERT_TRUE(dib);
    DibView v(dib);
    EXPECT_EQ(v.colours(), 2u);
    EXPECT_EQ(v.size(), 40u + 8 + 4);
    EXPECT_EQ(v.rgb(0, 0), 0xFF0000u);
    GlobalFree(dib);
}

TEST(BmpWriter, FileHeaderThenTheBlockUnchanged) {
    ScratchDir dir;
    BmpBuilder b;
    b.bits = 4;
    b.width = 3;
    b.height = 2;
    b.table = grey_table(16, 4);
    b.pixels = {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0};
    HGLOBAL dib = read_dib(dir, b.build());
    ASSERT_TRUE(dib);
    std::string out = dir.path("out.bmp");
    ASSERT_EQ(ipDib2Bmp(out.c_str(), 0, nullptr, dib), 0);
    std::vector<std::uint8_t> bytes = read_file(out);
    ASSERT_EQ(bytes.size(), 14 + GlobalSize(dib));
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[2] | (bytes[3] << 8), static_cast<int>(bytes.size()));
    EXPECT_EQ(bytes[10] | (bytes[11] << 8), 14 + 40 + 64);
    EXPECT_EQ(std::memcmp(bytes.data() + 14, GlobalLock(dib), GlobalSize(dib)), 0);
    GlobalUnlock(dib);
    // Read back: the same block.
    HGLOBAL again = mirv_test_dib(out);
    ASSERT_TRUE(again);
    EXPECT_EQ(GlobalSize(again), GlobalSize(dib));
    EXPECT_EQ(std::memcmp(GlobalLock(again), GlobalLock(dib), GlobalSize(dib)), 0);
    GlobalFree(again);
    GlobalFree(dib);
}

TEST(BmpWriter, FailuresGiveTheWriteCode) {
    ScratchDir dir;
    EXPECT_EQ(ipDib2Bmp(dir.path("x.bmp").c_str(), 0, nullptr, nullptr), IPE_WRITE);
    HGLOBAL tiny = GlobalAlloc(GHND, 10);
    EXPECT_EQ(ipDib2Bmp(dir.path("x.bmp").c_str(), 0, nullptr, tiny), IPE_WRITE);
    GlobalFree(tiny);
    BmpBuilder b;
    b.pixels = {0, 0, 0, 0};
    HGLOBAL dib = read_dib(dir, b.build());
    EXPECT_EQ(ipDib2Bmp(dir.path("no/such/dir.bmp").c_str(), 0, nullptr, dib), IPE_WRITE);
    EXPECT_EQ(ipDib2Bmp("/dev/full", 0, nullptr, dib), IPE_WRITE);
    GlobalFree(dib);
}

}  // namespace
