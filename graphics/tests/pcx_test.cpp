// The PCX decoder: header, depths, scan-line coding, plane combination,
// colour tables, refusal of unsound headers, progress and the general entry.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "message_box_recorder.h"
#include "mirv32.h"
#include "progress/progress.h"
#include "test_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A PCX file put together byte by byte. Scan lines are given decoded, one
// per plane and row in file order, and coded as the encoding says.
struct PcxBuilder {
    std::uint8_t version = 5;
    std::uint8_t encoding = 1;
    std::uint8_t bits = 8;
    std::uint8_t planes = 1;
    int xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    unsigned x_dpi = 0, y_dpi = 0;
    unsigned bytes_per_line = 0;
    std::array<std::uint8_t, 48> colour_map{};
    std::vector<Bytes> lines;
    Bytes coded;  // used instead of `lines` when not empty
    Bytes tail;   // after the image data: a palette block, say

    PcxBuilder& size(int width, int height) {
        xmax = xmin + width - 1;
        ymax = ymin + height - 1;
        return *this;
    }

    Bytes build() const {
        Bytes out = {0x0A, version, encoding, bits};
        for (int v : {xmin, ymin, xmax, ymax}) put16(out, static_cast<unsigned>(v) & 0xFFFF);
        put16(out, x_dpi);
        put16(out, y_dpi);
        out.insert(out.end(), colour_map.begin(), colour_map.end());
        out.push_back(0);
        out.push_back(planes);
        put16(out, bytes_per_line);
        out.resize(128, 0);
        if (!coded.empty()) {
            out.insert(out.end(), coded.begin(), coded.end());
        } else {
            for (const Bytes& line : lines) {
                Bytes c = encoding ? rle(line) : line;
                out.insert(out.end(), c.begin(), c.end());
            }
        }
        out.insert(out.end(), tail.begin(), tail.end());
        return out;
    }

    // Runs of up to 63 equal bytes; single bytes with both top bits set
    // go as runs of one.
    static Bytes rle(const Bytes& line) {
        Bytes out;
        for (std::size_t i = 0; i < line.size();) {
            std::size_t n = 1;
            while (i + n < line.size() && line[i + n] == line[i] && n < 63) ++n;
            if (n > 1 || line[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | n));
            out.push_back(line[i]);
            i += n;
        }
        return out;
    }
};

// A palette block whose entry i is (i, 255 - i, i / 2).
Bytes palette_block() {
    Bytes b = {0x0C};
    for (unsigned i = 0; i < 256; ++i) {
        b.push_back(static_cast<std::uint8_t>(i));
        b.push_back(static_cast<std::uint8_t>(255 - i));
        b.push_back(static_cast<std::uint8_t>(i / 2));
    }
    return b;
}

// A header colour map whose entry i is (16 i, 100 + i, 200 - i).
std::array<std::uint8_t, 48> header_map() {
    std::array<std::uint8_t, 48> m{};
    for (unsigned i = 0; i < 16; ++i) {
        m[3 * i] = static_cast<std::uint8_t>(16 * i);
        m[3 * i + 1] = static_cast<std::uint8_t>(100 + i);
        m[3 * i + 2] = static_cast<std::uint8_t>(200 - i);
    }
    return m;
}

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// The pixel index of an indexed DIB, counted from the top row.
unsigned index_at(const DibView& v, int x, int y) {
    const std::uint8_t* r = v.row_from_top(y);
    switch (v.header().biBitCount) {
    case 8: return r[x];
    case 4: return (r[x / 2] >> (x % 2 ? 0 : 4)) & 15;
    default: return (r[x / 8] >> (7 - x % 8)) & 1;
    }
}

class Decoded {
public:
    explicit Decoded(const std::string& file, DWORD flags = 0, IPCALLBACK callback = nullptr)
        : result_(ipPcx2Dib(file.c_str(), flags, callback)) {}
    ~Decoded() {
        if (ok()) GlobalFree(reinterpret_cast<HGLOBAL>(result_));
    }
    bool ok() const { return result_ > IPE_LAST; }
    IPRESULT code() const { return ok() ? 0 : result_; }
    DibView view() const { return DibView(reinterpret_cast<HGLOBAL>(result_)); }

private:
    IPRESULT result_;
};

class Pcx : public ::testing::Test {
protected:
    std::string write(const PcxBuilder& b, const std::string& name = "t.pcx") { return dir.write(name, b.build()); }
    ScratchDir dir;
};

TEST_F(Pcx, OutputDepthAndColourCountFollowPlanesTimesBits) {
    struct Case {
        unsigned planes, bits, output_bits, colours;
    } cases[] = {
        {1, 1, 1, 2},  {2, 1, 4, 16}, {3, 1, 4, 16}, {4, 1, 4, 16},  {1, 2, 4, 16}, {1, 4, 4, 16},
        {1, 8, 8, 256}, {2, 4, 8, 256}, {8, 1, 8, 256}, {1, 5, 8, 256}, {3, 8, 24, 0}, {4, 8, 24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.planes << " planes of " << c.bits << " bits");
        PcxBuilder b;
        b.planes = static_cast<std::uint8_t>(c.planes);
        b.bits = static_cast<std::uint8_t>(c.bits);
        b.size(9, 3);
        b.bytes_per_line = (9 * c.bits + 7) / 8;
        for (unsigned i = 0; i < 3 * c.planes; ++i) b.lines.push_back(Bytes(b.bytes_per_line, 0));
        if (c.output_bits == 8) b.tail = palette_block();
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        DibView v = d.view();
        const BITMAPINFOHEADER& h = v.header();
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biWidth, 9);
        EXPECT_EQ(h.biHeight, 3);
        EXPECT_EQ(h.biPlanes, 1);
        EXPECT_EQ(h.biBitCount, c.output_bits);
        EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(h.biClrUsed, c.colours);
        EXPECT_EQ(h.biClrImportant, c.colours);
        std::uint32_t row = ((9 * c.output_bits + 7) / 8 + 3) / 4 * 4;
        EXPECT_EQ(h.biSizeImage, row * 3);
        EXPECT_EQ(v.size(), 40 + 4 * c.colours + row * 3);
    }
}

TEST_F(Pcx, EightBitRunLengthRowsAndThePaletteBlock) {
    // 101 x 20 with 102 bytes per line: DIB rows of 104 bytes.
    PcxBuilder b;
    b.size(101, 20);
    b.bytes_per_line = 102;
    for (int y = 0; y < 20; ++y) {
        Bytes line(102);
        for (int x = 0; x < 102; ++x) line[x] = static_cast<std::uint8_t>(x < 50 ? y * 7 : x * 3 + y);
        b.lines.push_back(line);
    }
    b.tail = palette_block();
    Decoded d(write(b));
    ASSERT_TRUE(d.ok()) << d.code();
    DibView v = d.view();
    EXPECT_EQ(v.stride(), 104u);
    EXPECT_EQ(v.header().biSizeImage, 104u * 20);
    for (unsigned i = 0; i < 256; ++i) {
        EXPECT_EQ(v.colour(i).rgbRed, i);
        EXPECT_EQ(v.colour(i).rgbGreen, 255 - i);
        EXPECT_EQ(v.colour(i).rgbBlue, i / 2);
    }
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 101; ++x) ASSERT_EQ(v.row_from_top(y)[x], b.lines[y][x]) << x << "," << y;
        // Padding holds nothing of the scan line beyond the width.
        for (int x = 101; x < 104; ++x) EXPECT_EQ(v.row_from_top(y)[x], 0) << x << "," << y;
    }
}

TEST_F(Pcx, RawAndRunLengthCodingGiveTheSamePicture) {
    PcxBuilder b;
    b.size(5, 2);
    b.bytes_per_line = 6;
    b.lines = {{0xC0, 0xC0, 0xFF, 1, 2, 3}, {9, 9, 9, 9, 0xC7, 0}};
    b.tail = palette_block();
    for (std::uint8_t encoding : {0, 1, 2, 255}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        b.encoding = encoding;
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        DibView v = d.view();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(v.row_from_top(y)[x], b.lines[y][x]);
    }
}

TEST_F(Pcx, RunCodes) {
    struct Case {
        const char* name;
        Bytes coded;  // one scan line of 8 bytes, 8 x 1 pixels
        IPRESULT code;
        Bytes pixels;
    } cases[] = {
        {"run of five", {1, 2, 0xC5, 7, 3}, 0, {1, 2, 7, 7, 7, 7, 7, 3}},
        {"run filling the line to its end", {1, 2, 3, 0xC5, 7}, 0, {1, 2, 3, 7, 7, 7, 7, 7}},
        {"run of 0 writes nothing", {0xC0, 9, 1, 2, 3, 4, 5, 6, 7, 8}, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"run of one for a byte with the top bits set", {0xC1, 0xC3, 0xC7, 0xFF}, 0, {0xC3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"run passing the end of the line", {1, 2, 3, 4, 5, 0xC5, 7}, IPE_NOPCX, {}},
        {"largest run passing the end", {0xFF, 1}, IPE_NOPCX, {}},
        {"file ends before the run's value", {1, 2, 3, 0xC5}, IPE_EOF, {}},
        {"file ends inside the line", {1, 2, 0xC3, 7}, IPE_EOF, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PcxBuilder b;
        b.size(8, 1);
        b.bytes_per_line = 8;
        b.coded = c.coded;
        // The palette block follows only where the line is complete.
        if (c.code == 0) b.tail = palette_block();
        Decoded d(write(b));
        EXPECT_EQ(d.code(), c.code);
        if (c.code != 0 || !d.ok()) continue;
        DibView v = d.view();
        const std::uint8_t* row = v.row_from_top(0);
        EXPECT_EQ(Bytes(row, row + 8), c.pixels);
    }
}

TEST_F(Pcx, LongScanLinesOfMixedCodesAcrossTheReadBuffer) {
    // 300 lines of 3000 bytes: more code than one read buffer holds, with
    // single bytes, runs of every length, runs of 0, and runs ending lines.
    const int width = 3000, height = 300;
    PcxBuilder b;
    b.size(width, height);
    b.bytes_per_line = width;
    std::vector<Bytes> expected;
    std::uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1103515245 + 12345) >> 16; };
    for (int y = 0; y < height; ++y) {
        Bytes line;
        while (line.size() < static_cast<std::size_t>(width)) {
            std::uint32_t r = next();
            std::uint8_t value = static_cast<std::uint8_t>(next());
            std::size_t left = width - line.size();
            std::size_t n = r % 4 == 0 ? 0 : std::min<std::size_t>(r % 64, left);
            if (r % 3 == 0 && value < 0xC0) {
                b.coded.push_back(value);
                line.push_back(value);
                continue;
            }
            b.coded.push_back(static_cast<std::uint8_t>(0xC0 | n));
            b.coded.push_back(value);
            line.insert(line.end(), n, value);
        }
        expected.push_back(line);
    }
    ASSERT_GT(b.coded.size(), 70000u);
    b.tail = palette_block();
    Decoded d(write(b));
    ASSERT_TRUE(d.ok()) << d.code();
    DibView v = d.view();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = v.row_from_top(y);
        ASSERT_EQ(Bytes(row, row + width), expected[y]) << "row " << y;
    }
}

TEST_F(Pcx, RunsDoNotCarryOverIntoTheNextScanLine) {
    // Two rows of 4; the first row's run of 6 would fill into the second.
    PcxBuilder b;
    b.size(4, 2);
    b.bytes_per_line = 4;
    b.coded = {0xC6, 5, 1, 1};
    b.tail = palette_block();
    EXPECT_EQ(Decoded(write(b)).code(), IPE_NOPCX);
}

TEST_F(Pcx, FourPlanesOfOneBitCombineIntoTheIndex) {
    // Pixel x has the bits of x in planes 0 (lowest) to 3.
    PcxBuilder b;
    b.planes = 4;
    b.bits = 1;
    b.size(16, 2);
    b.bytes_per_line = 2;
    for (int y = 0; y < 2; ++y)
        for (unsigned p = 0; p < 4; ++p) {
            Bytes line(2, 0);
            for (unsigned x = 0; x < 16; ++x)
                if (((y ? 15 - x : x) >> p) & 1) line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            b.lines.push_back(line);
        }
    Decoded d(write(b));
    ASSERT_TRUE(d.ok()) << d.code();
    DibView v = d.view();
    ASSERT_EQ(v.header().biBitCount, 4);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(index_at(v, x, 0), static_cast<unsigned>(x));
        EXPECT_EQ(index_at(v, x, 1), static_cast<unsigned>(15 - x));
    }
    // Bits 1, 0, 1, 0 in planes 0 to 3: index 5.
    EXPECT_EQ(index_at(v, 5, 0), 5u);
}

TEST_F(Pcx, SixteenColourTables) {
    struct Case {
        std::uint8_t version;
        unsigned planes;
        unsigned index;
        std::uint32_t colour;
    } cases[] = {
        // Version 3: the fixed table, whatever the header holds.
        {3, 4, 0, rgb(0, 0, 0)},
        {3, 4, 1, rgb(0, 0, 128)},
        {3, 4, 4, rgb(128, 0, 0)},
        {3, 4, 7, rgb(128, 128, 128)},
        {3, 4, 8, rgb(192, 192, 192)},
        {3, 4, 9, rgb(0, 0, 255)},
        {3, 4, 14, rgb(255, 255, 0)},
        {3, 4, 15, rgb(255, 255, 255)},
        // Other versions: the header's colour map.
        {5, 4, 0, rgb(0, 100, 200)},
        {5, 4, 8, rgb(128, 108, 192)},
        {5, 4, 15, rgb(240, 115, 185)},
        {2, 4, 7, rgb(112, 107, 193)},
        // Two planes: values 0 to 3, coloured by the header's first entries.
        {5, 2, 3, rgb(48, 103, 197)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << int(c.version) << " index " << c.index);
        PcxBuilder b;
        b.version = c.version;
        b.planes = static_cast<std::uint8_t>(c.planes);
        b.bits = 1;
        b.colour_map = header_map();
        b.size(1, 1);
        b.bytes_per_line = 1;
        for (unsigned p = 0; p < c.planes; ++p) b.lines.push_back({static_cast<std::uint8_t>((c.index >> p) & 1 ? 0x80 : 0)});
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        EXPECT_EQ(index_at(d.view(), 0, 0), c.index);
        EXPECT_EQ(d.view().rgb(0, 0), c.colour);
    }
}

TEST_F(Pcx, OneBitIsBlackAndWhiteWhateverTheHeaderMapHolds) {
    PcxBuilder b;
    b.bits = 1;
    b.colour_map = header_map();
    b.size(11, 1);
    b.bytes_per_line = 2;
    b.lines = {{0xA5, 0xFF}};  // the last five bits lie beyond the width
    Decoded d(write(b));
    ASSERT_TRUE(d.ok()) << d.code();
    DibView v = d.view();
    EXPECT_EQ(v.rgb(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(v.rgb(1, 0), rgb(0, 0, 0));
    EXPECT_EQ(v.colour(0).rgbReserved, 0);
    EXPECT_EQ(v.colour(1).rgbReserved, 0);
    EXPECT_EQ(v.row_from_top(0)[0], 0xA5);
    EXPECT_EQ(v.row_from_top(0)[1], 0xE0);  // pixels 8 to 10 only
}

TEST_F(Pcx, ColourPlanesGoToRedGreenBlueAndMorePlanesAreSkipped) {
    for (std::uint8_t planes : {3, 4, 5}) {
        SCOPED_TRACE(static_cast<int>(planes));
        PcxBuilder b;
        b.planes = planes;
        b.size(3, 2);
        b.bytes_per_line = 4;
        for (int y = 0; y < 2; ++y)
            for (int p = 0; p < planes; ++p)
                b.lines.push_back({static_cast<std::uint8_t>(10 * p + y), static_cast<std::uint8_t>(100 + p),
                                   static_cast<std::uint8_t>(0xC0 + p), 0x77});
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        DibView v = d.view();
        EXPECT_EQ(v.header().biBitCount, 24);
        EXPECT_EQ(v.rgb(0, 0), rgb(0, 10, 20));
        EXPECT_EQ(v.rgb(0, 1), rgb(1, 11, 21));  // the second row stays in step
        EXPECT_EQ(v.rgb(1, 1), rgb(100, 101, 102));
        EXPECT_EQ(v.rgb(2, 0), rgb(0xC0, 0xC1, 0xC2));
        EXPECT_EQ(v.row_from_top(0)[9], 0);  // padding; the fourth byte of each line is beyond the width
    }
}

TEST_F(Pcx, SeveralPlanesOfFiveToEightBitsCombineIntoAnEightBitIndex) {
    struct Case {
        const char* name;
        unsigned planes, bits;
        std::vector<Bytes> lines;  // one row
        Bytes indices;             // of 4 pixels
    } cases[] = {
        // Plane 0 the low nibble, plane 1 the high one.
        {"two planes of 4 bits", 2, 4, {{0x12, 0x3F}, {0xA0, 0x5C}}, {0xA1, 0x02, 0x53, 0xCF}},
        // Fields of 3 bits, some across byte bounds: 0b101 011 110 001.
        {"two planes of 3 bits", 2, 3, {{0xAF, 0x10}, {0x20, 0x00}}, {0x0D, 0x03, 0x06, 0x01}},
        {"one plane of 6 bits", 1, 6, {{0xFC, 0x10, 0x83}}, {0x3F, 0x01, 0x02, 0x03}},
        {"eight planes of 1 bit", 8, 1,
         {{0x80}, {0x40}, {0x20}, {0x10}, {0x80}, {0x40}, {0x20}, {0xF0}},
         {0x91, 0xA2, 0xC4, 0x88}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PcxBuilder b;
        b.planes = static_cast<std::uint8_t>(c.planes);
        b.bits = static_cast<std::uint8_t>(c.bits);
        b.size(4, 1);
        b.bytes_per_line = static_cast<unsigned>(c.lines[0].size());
        b.lines = c.lines;
        b.tail = palette_block();
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        DibView v = d.view();
        ASSERT_EQ(v.header().biBitCount, 8);
        EXPECT_EQ(Bytes(v.row_from_top(0), v.row_from_top(0) + 4), c.indices);
        // The palette block holds 2^(planes x bits) entries.
        unsigned entries = 1u << (c.planes * c.bits);
        EXPECT_EQ(v.rgb(0, 0), rgb(c.indices[0], 255 - c.indices[0], c.indices[0] / 2));
        if (entries < 256) {
            EXPECT_EQ(v.colour(entries).rgbGreen, 0);
        }
    }
}

TEST_F(Pcx, ShortScanLinesLeaveTheRestOfTheRowZero) {
    struct Case {
        const char* name;
        unsigned planes, bits, width, bytes_per_line;
        unsigned first_zero;  // first DIB row byte that must stay 0
    } cases[] = {
        {"8 bits", 1, 8, 10, 3, 3},
        {"1 bit", 1, 1, 30, 2, 2},
        {"4 planes of 1 bit", 4, 1, 30, 1, 4},
        {"3 planes of 8 bits", 3, 8, 10, 2, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PcxBuilder b;
        b.planes = static_cast<std::uint8_t>(c.planes);
        b.bits = static_cast<std::uint8_t>(c.bits);
        b.size(static_cast<int>(c.width), 2);
        b.bytes_per_line = c.bytes_per_line;
        for (unsigned i = 0; i < 2 * c.planes; ++i) b.lines.push_back(Bytes(c.bytes_per_line, 0xFF));
        if (c.planes * c.bits == 8) b.tail = palette_block();
        Decoded d(write(b));
        ASSERT_TRUE(d.ok()) << d.code();
        DibView v = d.view();
        for (int y = 0; y < 2; ++y) {
            const std::uint8_t* row = v.row_from_top(y);
            EXPECT_NE(row[0], 0);
            for (std::size_t i = c.first_zero; i < v.stride(); ++i) EXPECT_EQ(row[i], 0) << i;
        }
    }
}

TEST_F(Pcx, SizeComesFromSignedExtentsAndResolutionInPixelsPerMetre) {
    PcxBuilder b;
    b.bits = 1;
    b.xmin = -32768;
    b.xmax = 32767;  // 65536 pixels wide
    b.ymin = -3;
    b.ymax = -2;
    b.x_dpi = 300;
    b.y_dpi = 65535;
    b.bytes_per_line = 8192;
    b.lines = {Bytes(8192, 0xFF), Bytes(8192, 0)};
    Decoded d(write(b));
    ASSERT_TRUE(d.ok()) << d.code();
    DibView v = d.view();
    const BITMAPINFOHEADER& h = v.header();
    EXPECT_EQ(h.biWidth, 65536);
    EXPECT_EQ(h.biHeight, 2);
    EXPECT_EQ(h.biXPelsPerMeter, 11811);
    EXPECT_EQ(h.biYPelsPerMeter, 2580118);
    EXPECT_EQ(v.row_from_top(0)[8191], 0xFF);
    EXPECT_EQ(v.row_from_top(1)[0], 0);
}

TEST_F(Pcx, UnsoundOrDamagedFilesAreRefused) {
    auto good = [] {
        PcxBuilder b;
        b.size(4, 2);
        b.bytes_per_line = 4;
        b.lines = {Bytes(4, 1), Bytes(4, 2)};
        b.tail = palette_block();
        return b;
    };
    struct Case {
        const char* name;
        void (*change)(PcxBuilder&);
        IPRESULT code;
    } cases[] = {
        {"width 0", [](PcxBuilder& b) { b.xmax = b.xmin - 1; }, IPE_NOPCX},
        {"negative width", [](PcxBuilder& b) { b.xmin = 32767, b.xmax = -32768; }, IPE_NOPCX},
        {"height 0", [](PcxBuilder& b) { b.ymax = -1; }, IPE_NOPCX},
        {"no planes", [](PcxBuilder& b) { b.planes = 0; }, IPE_NOPCX},
        {"no bits", [](PcxBuilder& b) { b.bits = 0; }, IPE_NOPCX},
        {"16 bits in one plane", [](PcxBuilder& b) { b.bits = 16; }, IPE_NOPCX},
        {"24 bits in one plane", [](PcxBuilder& b) { b.bits = 24; }, IPE_NOPCX},
        {"two planes of 8 bits", [](PcxBuilder& b) { b.planes = 2; }, IPE_NOPCX},
        {"three planes of 4 bits", [](PcxBuilder& b) { b.planes = 3, b.bits = 4; }, IPE_NOPCX},
        {"nine planes of 1 bit", [](PcxBuilder& b) { b.planes = 9, b.bits = 1; }, IPE_NOPCX},
        {"no bytes per line", [](PcxBuilder& b) { b.bytes_per_line = 0; }, IPE_NOPCX},
        {"pixel area above the limit", [](PcxBuilder& b) { b.xmin = -32768, b.xmax = 32767, b.ymin = -32768, b.ymax = 32767; }, IPE_NOPCX},
        {"header of 127 bytes", [](PcxBuilder& b) { b.lines.clear(), b.tail.clear(), b.coded = {}; }, IPE_NOPCX},
        {"raw data short", [](PcxBuilder& b) { b.encoding = 0, b.lines.pop_back(), b.tail.clear(); }, IPE_EOF},
        {"run-length data short", [](PcxBuilder& b) { b.lines.pop_back(), b.tail.clear(); }, IPE_EOF},
        {"no palette block", [](PcxBuilder& b) { b.tail.clear(); }, IPE_EOF},
        {"palette block one byte short", [](PcxBuilder& b) { b.tail.pop_back(); }, IPE_EOF},
        // A few bytes cannot hold the picture this header promises.
        {"huge picture in a short file", [](PcxBuilder& b) { b.xmax = 29999, b.ymax = 29999, b.bytes_per_line = 30000; }, IPE_EOF},
        // Scan lines of one byte for rows of 30000 pixels: next to nothing
        // of such a picture can be in the file.
        {"picture far larger than its file", [](PcxBuilder& b) { b.xmax = 29999, b.ymax = 29999, b.bytes_per_line = 1, b.lines.clear(), b.coded = Bytes(30000, 0); }, IPE_NOPCX},
        {"huge raw picture in a short file", [](PcxBuilder& b) { b.encoding = 0, b.xmax = 29999, b.ymax = 29999, b.bytes_per_line = 30000; }, IPE_EOF},
    };
    {
        Decoded d(write(good()));
        ASSERT_TRUE(d.ok()) << "the unchanged file must decode: " << d.code();
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PcxBuilder b = good();
        c.change(b);
        Bytes bytes = b.build();
        if (std::string(c.name) == "header of 127 bytes") bytes.resize(127);
        Decoded d(dir.write("bad.pcx", bytes));
        EXPECT_EQ(d.code(), c.code);
    }
    EXPECT_EQ(Decoded(dir.path("missing.pcx")).code(), IPE_NOTFOUND);
    EXPECT_EQ(ipPcx2Dib(nullptr, 0, nullptr), IPE_NOTFOUND);
}

int g_steps = 0;
int g_stop_after = 0;
int counting_callback() { return ++g_steps == g_stop_after ? 0 : 1; }

TEST_F(Pcx, ProgressIsReportedPerRowOrPerColourPlane) {
    struct Case {
        const char* name;
        unsigned planes;
        int steps;
    } cases[] = {{"8 bits", 1, 5}, {"24 bits", 3, 15}, {"32 bits", 4, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PcxBuilder b;
        b.planes = static_cast<std::uint8_t>(c.planes);
        b.size(2, 5);
        b.bytes_per_line = 2;
        for (unsigned i = 0; i < 5 * c.planes; ++i) b.lines.push_back({1, 2});
        b.tail = palette_block();
        g_steps = 0;
        g_stop_after = 0;
        Decoded d(write(b), 0, counting_callback);
        EXPECT_TRUE(d.ok()) << d.code();
        EXPECT_EQ(g_steps, c.steps);
    }
}

TEST_F(Pcx, StoppingThroughTheCallbackGivesNoPicture) {
    PcxBuilder b;
    b.size(2, 5);
    b.bytes_per_line = 2;
    for (int i = 0; i < 5; ++i) b.lines.push_back({1, 2});
    b.tail = palette_block();
    std::string file = write(b);
    g_steps = 0;
    g_stop_after = 3;
    EXPECT_EQ(ipPcx2Dib(file.c_str(), 0, counting_callback), IPE_CANCELLED);
    EXPECT_EQ(g_steps, 3);
    // Progress reporting was ended: the next conversion may begin it.
    ASSERT_EQ(mirv::progress::begin(nullptr, nullptr), 0);
    mirv::progress::end();
}

TEST_F(Pcx, RefusedWhileAnotherConversionHoldsProgressReporting) {
    PcxBuilder b;
    b.bits = 1;
    b.bytes_per_line = 1;
    b.lines = {{0x80}};
    std::string file = write(b);
    ASSERT_EQ(mirv::progress::begin(nullptr, nullptr), 0);
    EXPECT_EQ(ipPcx2Dib(file.c_str(), 0, nullptr), IPE_BUSY);
    // With IP_NOWAIT the caller holds progress reporting for the decoder.
    IPRESULT r = ipPcx2Dib(file.c_str(), IP_NOWAIT, nullptr);
    EXPECT_GT(r, IPE_LAST);
    if (r > IPE_LAST) GlobalFree(reinterpret_cast<HGLOBAL>(r));
    mirv::progress::end();
}

std::vector<char> name_buffer(const std::string& s) {
    std::vector<char> b(s.begin(), s.end());
    b.push_back('\0');
    return b;
}

TEST_F(Pcx, ImportShowsADamagedFileOnceAndReturnsZero) {
    std::string file = dir.write("bad.pcx", Bytes(50, 0x0A));
    std::vector<char> name = name_buffer(file);
    MessageBoxRecorder boxes;
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(1);
    HMETAFILE mf = reinterpret_cast<HMETAFILE>(1);
    EXPECT_EQ(ipImport(&dib, &mf, name.data(), IP_DIB | IP_SHOWERROR, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(dib, nullptr);
    EXPECT_EQ(mf, nullptr);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Keine gültige PCX-Datei");
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, IPT_PCX, nullptr, nullptr), IPE_NOPCX);
    EXPECT_EQ(boxes.calls.size(), 1u);
    // The decoder called by itself shows it as well.
    EXPECT_EQ(ipPcx2Dib(file.c_str(), IP_SHOWERROR, nullptr), 0);
    EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(Pcx, ImportReachesTheDecoderByTypeAndByName) {
    PcxBuilder b;
    b.bits = 1;
    b.size(3, 1);
    b.bytes_per_line = 1;
    b.lines = {{0xA0}};
    Bytes bytes = b.build();
    struct Case {
        const char* name;
        std::string file;
        int type;
    } cases[] = {
        {"type 32", dir.write("picture.bin", bytes), IPT_PCX},
        {"extension", dir.write("PICTURE.Pcx", bytes), 0},
        {"temporary copy named after its original", dir.write("~X12.TMP", bytes) + ";SCAN.PCX", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> name = name_buffer(c.file);
        HGLOBAL dib = nullptr;
        ASSERT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, c.type, nullptr, nullptr), 0);
        ASSERT_NE(dib, nullptr);
        {
            DibView v(dib);
            EXPECT_EQ(v.header().biBitCount, 1);
            EXPECT_EQ(v.rgb(0, 0), rgb(255, 255, 255));
            EXPECT_EQ(v.rgb(1, 0), rgb(0, 0, 0));
            EXPECT_EQ(v.rgb(2, 0), rgb(255, 255, 255));
        }
        GlobalFree(dib);
    }
}

}  // namespace
