// The GIF reader: signatures, colour merging, placement and interlacing of
// images, the LZW decoder's corner cases, progress and failures.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "gif_builder.h"
#include "message_box_recorder.h"
#include "mirv32.h"
#include "progress/progress.h"
#include "test_files.h"

namespace {

using gif_test::Bytes;
using gif_test::GifFile;
using gif_test::Image;
using gif_test::Rgb;

const std::vector<Rgb> kFourColours = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

// A decoded picture, or the error code.
struct Decoded {
    IPRESULT result = 0;
    std::vector<std::uint8_t> block;
    bool ok() const { return !block.empty(); }
    const BITMAPINFOHEADER& header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(block.data()); }
    const RGBQUAD& colour(unsigned i) const { return reinterpret_cast<const RGBQUAD*>(block.data() + 40)[i]; }
    // Index of pixel (x, y), y counted from the top of the screen.
    std::uint8_t at(int x, int y) const {
        const auto& h = header();
        std::size_t row = (static_cast<std::size_t>(h.biWidth) + 3) & ~std::size_t{3};
        return block[40 + 1024 + static_cast<std::size_t>(h.biHeight - 1 - y) * row + static_cast<std::size_t>(x)];
    }
    std::uint32_t rgb(int x, int y) const {
        const RGBQUAD& q = colour(at(x, y));
        return (q.rgbRed << 16) | (q.rgbGreen << 8) | q.rgbBlue;
    }
};

Decoded decode(const Bytes& file, DWORD flags = 0, IPCALLBACK callback = nullptr) {
    ScratchDir dir;
    Decoded d;
    d.result = ipGif2Dib(dir.write("t.gif", file).c_str(), flags, callback);
    if (d.result > IPE_LAST) {
        auto dib = reinterpret_cast<HGLOBAL>(d.result);
        d.block.resize(GlobalSize(dib));
        std::memcpy(d.block.data(), GlobalLock(dib), d.block.size());
        GlobalUnlock(dib);
        GlobalFree(dib);
    }
    return d;
}

Bytes ramp(std::size_t n, unsigned colours) {
    Bytes p(n);
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<std::uint8_t>((i * 7 + i / 13) % colours);
    return p;
}

Image full_image(unsigned w, unsigned h, Bytes pixels, unsigned min_code_size = 2) {
    Image im;
    im.width = w;
    im.height = h;
    im.pixels = std::move(pixels);
    im.min_code_size = min_code_size;
    return im;
}

TEST(GifRead, AnySignatureStartingWithGifIsRead) {
    for (const char* sig : {"GIF89a", "GIF87a", "GIFxyz"}) {
        Decoded d = decode(GifFile(4, 2, kFourColours, 0, sig).image(full_image(4, 2, {0, 1, 2, 3, 3, 2, 1, 0})).trailer());
        ASSERT_TRUE(d.ok()) << sig << " gave " << d.result;
        EXPECT_EQ(d.rgb(1, 0), 0xFF0000u) << sig;
    }
    EXPECT_EQ(decode(GifFile(4, 2, kFourColours, 0, "GIX89a").image(full_image(4, 2, ramp(8, 4))).trailer()).result,
              IPE_NOGIF);
}

TEST(GifRead, TheDibIsTheScreenWithEveryColourTableMerged) {
    Decoded d = decode(GifFile(5, 3, kFourColours).image(full_image(5, 3, ramp(15, 4))).trailer());
    ASSERT_TRUE(d.ok());
    const auto& h = d.header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biBitCount, 8);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biClrUsed, 256u);
    EXPECT_EQ(h.biClrImportant, 4u);
    EXPECT_EQ(h.biSizeImage, 8u * 3);  // rows padded to 4 bytes
    EXPECT_EQ(d.block.size(), 40u + 1024 + 24);
    Bytes expected = ramp(15, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            Rgb c = kFourColours[expected[static_cast<std::size_t>(y * 5 + x)]];
            EXPECT_EQ(d.rgb(x, y), static_cast<std::uint32_t>((c.r << 16) | (c.g << 8) | c.b)) << x << "," << y;
        }
}

TEST(GifRead, EqualColoursShareOneEntry) {
    std::vector<Rgb> global = {{9, 9, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {9, 9, 9}, {0, 0, 0}, {1, 1, 1}};
    Decoded d = decode(GifFile(2, 1, global).image(full_image(2, 1, {0, 5}, 3)).trailer());
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.header().biClrImportant, 7u);
    EXPECT_EQ(d.at(0, 0), 0);
    EXPECT_EQ(d.at(1, 0), 0);
}

// Local tables of `first` and `second` colours of which `shared` are the same.
Bytes two_local_tables(unsigned first, unsigned second, unsigned shared) {
    auto table = [](unsigned from, unsigned n) {
        std::vector<Rgb> t;
        for (unsigned i = from; i < from + n; ++i) t.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), 7});
        return t;
    };
    Image a = full_image(2, 1, {0, 1}, 8);
    a.local = table(0, first);
    Image b = full_image(2, 1, {0, static_cast<std::uint8_t>(second - 1)}, 8);
    b.local = table(first - shared, second);
    return GifFile(2, 1).image(a).image(b).trailer();
}

TEST(GifRead, ColoursOfAllTablesCountTogether) {
    Decoded shared = decode(two_local_tables(200, 200, 150));
    ASSERT_TRUE(shared.ok());
    EXPECT_EQ(shared.header().biClrImportant, 250u);
    // The second image's index 0 is the first table's colour 50.
    EXPECT_EQ(shared.at(0, 0), 50);
    EXPECT_EQ(shared.at(1, 0), 249);
    EXPECT_EQ(decode(two_local_tables(200, 100, 0)).result, IPE_COLOURS);
    EXPECT_TRUE(decode(two_local_tables(200, 56, 0)).ok());  // exactly 256
}

TEST(GifRead, WithoutColourTablesTheScreenSizeGivesAGrayRamp) {
    Decoded d = decode(GifFile(4, 1, {}, 1).image(full_image(4, 1, {0, 1, 2, 3})).trailer());
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.header().biClrImportant, 0u);
    EXPECT_EQ(d.rgb(0, 0), 0x000000u);
    EXPECT_EQ(d.rgb(1, 0), 0x404040u);
    EXPECT_EQ(d.rgb(2, 0), 0x808080u);
    EXPECT_EQ(d.rgb(3, 0), 0xC0C0C0u);
}

TEST(GifRead, LocalColoursAreStoredOverTheGrayRampFromEntryZero) {
    Image im = full_image(2, 1, {0, 1});
    im.local = {{200, 0, 0}, {0, 200, 0}};
    Decoded d = decode(GifFile(2, 1, {}, 2).image(im).trailer());
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.header().biClrImportant, 2u);
    EXPECT_EQ(d.rgb(0, 0), 0xC80000u);
    EXPECT_EQ(d.rgb(1, 0), 0x00C800u);
    EXPECT_EQ(d.colour(2).rgbRed, 64);  // the rest of the ramp of 8 stays
}

TEST(GifRead, InterlacedRowsArriveInFourPasses) {
    // Row k of the data is all colour k; the image has 10 rows.
    std::vector<Rgb> grays;
    for (unsigned i = 0; i < 16; ++i) grays.push_back({static_cast<std::uint8_t>(i), 0, 0});
    Bytes pixels;
    for (std::uint8_t k = 0; k < 10; ++k) pixels.insert(pixels.end(), 3, k);
    Image im = full_image(3, 10, pixels, 4);
    im.interlaced = true;
    Decoded d = decode(GifFile(3, 10, grays).image(im).trailer());
    ASSERT_TRUE(d.ok());
    const int order[10] = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    for (int k = 0; k < 10; ++k)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(d.rgb(x, order[k]) >> 16, static_cast<unsigned>(k)) << "data row " << k;
}

TEST(GifRead, InterlacedImagesOfFewRowsSkipEmptyPasses) {
    for (unsigned height : {1u, 2u, 3u, 5u}) {
        Bytes pixels(2 * height);
        std::iota(pixels.begin(), pixels.end(), 0);
        Image im = full_image(2, height, pixels, 4);
        im.interlaced = true;
        std::vector<Rgb> table(16, Rgb{0, 0, 0});
        for (unsigned i = 0; i < 16; ++i) table[i] = {static_cast<std::uint8_t>(i), 1, 1};
        Decoded d = decode(GifFile(2, height, table).image(im).trailer());
        ASSERT_TRUE(d.ok()) << height;
        std::vector<int> order;
        for (int pass_first : {0, 4, 2, 1})
            for (int r = pass_first; r < static_cast<int>(height); r += pass_first == 0 ? 8 : pass_first == 4 ? 8 : pass_first == 2 ? 4 : 2)
                order.push_back(r);
        for (std::size_t k = 0; k < order.size(); ++k)
            EXPECT_EQ(d.rgb(1, order[k]) >> 16, 2 * k + 1) << "height " << height << " data row " << k;
    }
}

TEST(GifRead, ImagesLandAtTheirPlaceAndLaterOnesCoverEarlierOnes) {
    std::vector<Rgb> table = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}};
    Image first = full_image(100, 50, Bytes(5000, 1));
    first.left = 20;
    first.top = 10;
    Image second = full_image(30, 30, Bytes(900, 2));
    second.left = 100;
    second.top = 40;
    Decoded d = decode(GifFile(200, 100, table).image(first).image(second).trailer());
    ASSERT_TRUE(d.ok());
    // The first pixel of the first image: DIB row 89, column 20.
    const auto& h = d.header();
    std::size_t row = 200;
    EXPECT_EQ(d.block[40 + 1024 + 89 * row + 20], 1);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            bool in_second = x >= 100 && x < 130 && y >= 40 && y < 70;
            bool in_first = x >= 20 && x < 120 && y >= 10 && y < 60;
            int expected = in_second ? 2 : in_first ? 1 : 0;
            ASSERT_EQ(d.at(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(h.biClrImportant, 4u);
}

TEST(GifRead, ImagesReachingPastTheScreenAreClipped) {
    std::vector<Rgb> table = {{0, 0, 0}, {255, 255, 255}};
    Image im = full_image(10, 10, ramp(100, 2));
    im.left = 6;
    im.top = 7;
    Image far = full_image(3, 3, Bytes(9, 1));
    far.left = 60000;
    far.top = 60000;
    Decoded d = decode(GifFile(8, 9, table).image(im).image(far).trailer());
    ASSERT_TRUE(d.ok());
    Bytes expected = ramp(100, 2);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 8; ++x) {
            int sx = x - 6, sy = y - 7;
            int want = sx >= 0 && sy >= 0 ? expected[static_cast<std::size_t>(sy * 10 + sx)] : 0;
            ASSERT_EQ(d.at(x, y), want) << x << "," << y;
        }
}

TEST(GifRead, ExtensionsAreSkipped) {
    Bytes control = {0x05, 0, 0, 3};  // graphic control: transparent index 3
    Decoded d = decode(GifFile(4, 1, kFourColours)
                           .extension(0xF9, control)
                           .extension(0xFE, Bytes(600, 'c'))
                           .extension(0xFF, Bytes(11, 'a'))
                           .image(full_image(4, 1, {3, 2, 1, 0}))
                           .extension(0x01, Bytes(20, 1))
                           .trailer());
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.rgb(0, 0), 0x0000FFu);
    EXPECT_EQ(d.rgb(3, 0), 0x000000u);
}

TEST(GifLzw, LongRunsAndTheFullTableDecodeExactly) {
    struct Case {
        const char* name;
        Bytes pixels;
        unsigned width;
        bool clear_when_full;
    } cases[] = {
        // Runs of one colour make codes equal to the next free entry.
        {"runs", [] {
             Bytes p;
             for (unsigned run = 1; run < 60; ++run) p.insert(p.end(), run, static_cast<std::uint8_t>(run % 4));
             return p;
         }(),
         59, true},
        {"table full, cleared", ramp(40000, 4), 200, true},
        {"table full, kept at 12 bits", ramp(40000, 4), 200, false},
        {"noise kept at 12 bits", [] {
             Bytes p(30000);
             std::uint32_t s = 12345;
             for (auto& v : p) v = static_cast<std::uint8_t>((s = s * 1103515245 + 12345) >> 29);
             return p;
         }(),
         150, false},
    };
    for (const Case& c : cases) {
        std::vector<Rgb> table;
        for (unsigned i = 0; i < 8; ++i) table.push_back({static_cast<std::uint8_t>(i * 30), 0, 0});
        unsigned height = static_cast<unsigned>((c.pixels.size() + c.width - 1) / c.width);
        Bytes pixels = c.pixels;
        pixels.resize(std::size_t{c.width} * height, 0);
        Image im = full_image(c.width, height, pixels, 3);
        im.data = gif_test::sub_blocks(gif_test::lzw_encode(pixels, 3, c.clear_when_full));
        Decoded d = decode(GifFile(c.width, height, table).image(im).trailer());
        ASSERT_TRUE(d.ok()) << c.name << ": " << d.result;
        for (unsigned y = 0; y < height; ++y)
            for (unsigned x = 0; x < c.width; ++x)
                ASSERT_EQ(d.rgb(static_cast<int>(x), static_cast<int>(y)) >> 16, pixels[y * c.width + x] * 30u)
                    << c.name << " at " << x << "," << y;
    }
}

Bytes coded(std::initializer_list<std::pair<unsigned, unsigned>> codes) {
    gif_test::CodeWriter w;
    for (auto [code, width] : codes) w.put(code, width);
    return w.finish();
}

TEST(GifLzw, StringsAsLongAsTheTableAllowsDecode) {
    // One colour without clear codes: each string is one longer than the
    // last, up to the full table, and then the longest is repeated.
    for (auto [w, h] : {std::pair{1024u, 600u}, std::pair{2000u, 3000u}}) {
        Image im = full_image(w, h, Bytes(std::size_t{w} * h, 1));
        im.data = gif_test::sub_blocks(gif_test::lzw_encode(im.pixels, 2, false));
        Decoded d = decode(GifFile(w, h, kFourColours).image(im).trailer());
        ASSERT_TRUE(d.ok()) << w << "x" << h << ": " << d.result;
        for (unsigned y = 0; y < h; y += 7)
            for (unsigned x = 0; x < w; x += 5) ASSERT_EQ(d.at(static_cast<int>(x), static_cast<int>(y)), 1) << x << "," << y;
        EXPECT_EQ(d.at(static_cast<int>(w - 1), static_cast<int>(h - 1)), 1);
    }
    // Data beyond the image's last pixel still have to be read through.
    Image small = full_image(10, 10, Bytes(1024 * 600, 1));
    small.data = gif_test::sub_blocks(gif_test::lzw_encode(small.pixels, 2, false));
    Decoded d = decode(GifFile(12, 10, kFourColours).image(small).trailer());
    ASSERT_TRUE(d.ok()) << d.result;
    EXPECT_EQ(d.at(9, 9), 1);
    EXPECT_EQ(d.at(10, 9), 0);
}

TEST(GifLzw, ClearAndEndCodesInUnusualPlaces) {
    // Minimum code size 2: clear 4, end 5, codes of 3 bits.
    struct Case {
        const char* name;
        Bytes data;
        IPRESULT result;  // 0: decodes
        std::vector<int> pixels;
    } cases[] = {
        {"no leading clear", gif_test::sub_blocks(coded({{1, 3}, {2, 3}, {5, 3}})), 0, {1, 2}},
        {"two clears", gif_test::sub_blocks(coded({{4, 3}, {4, 3}, {3, 3}, {1, 3}, {5, 3}})), 0, {3, 1}},
        {"end after clear", gif_test::sub_blocks(coded({{4, 3}, {5, 3}})), 0, {0, 0}},
        {"clear in the middle", gif_test::sub_blocks(coded({{4, 3}, {2, 3}, {4, 3}, {3, 3}, {5, 3}})), 0, {2, 3}},
        {"data run out", gif_test::sub_blocks(coded({{4, 3}, {1, 3}})), IPE_EOF, {}},
        {"empty sub-block before the end", Bytes{0}, IPE_EOF, {}},
        // Sub-blocks left after the end code are passed over.
        {"data after the end", [] {
             Bytes d = coded({{4, 3}, {1, 3}, {2, 3}, {5, 3}});
             Bytes out = {static_cast<std::uint8_t>(d.size())};
             out.insert(out.end(), d.begin(), d.end());
             out.insert(out.end(), {3, 9, 9, 9, 0});
             return out;
         }(),
         0, {1, 2}},
    };
    for (Case& c : cases) {
        Image im = full_image(2, 1, {}, 2);
        im.data = c.data;
        Decoded d = decode(GifFile(2, 1, kFourColours).image(im).trailer());
        if (c.result) {
            EXPECT_EQ(d.result, c.result) << c.name;
            continue;
        }
        ASSERT_TRUE(d.ok()) << c.name << ": " << d.result;
        EXPECT_EQ(d.at(0, 0), c.pixels[0]) << c.name;
        EXPECT_EQ(d.at(1, 0), c.pixels[1]) << c.name;
    }
    // A code defined through itself, which only a damaged file holds: its
    // string never ends, and the reader gives up instead of looping.
    Image loop = full_image(2, 1, {}, 2);
    loop.data = gif_test::sub_blocks(coded({{4, 3}, {1, 3}, {7, 3}, {7, 3}, {7, 4}, {5, 4}}));
    EXPECT_EQ(decode(GifFile(2, 1, kFourColours).image(loop).trailer()).result, IPE_NOGIF);
    // The file ends right after the end code, before the terminator.
    Bytes end = coded({{4, 3}, {1, 3}, {2, 3}, {5, 3}});
    end.insert(end.begin(), static_cast<std::uint8_t>(end.size()));
    Image im = full_image(2, 1, {}, 2);
    im.data = end;
    EXPECT_EQ(decode(GifFile(2, 1, kFourColours).image(im).bytes()).result, IPE_EOF);
}

TEST(GifRead, DamagedFilesGiveTheirCodes) {
    Bytes good = GifFile(4, 1, kFourColours).image(full_image(4, 1, {0, 1, 2, 3})).trailer();
    Image big_code = full_image(4, 1, {0, 1, 2, 3});
    big_code.min_code_size = 9;
    big_code.data = {1, 0, 0};
    struct Case {
        const char* name;
        Bytes file;
        IPRESULT code;
    } cases[] = {
        {"short signature", Bytes(good.begin(), good.begin() + 10), IPE_NOGIF},
        {"short colour table", Bytes(good.begin(), good.begin() + 16), IPE_EOF},
        {"no trailer", Bytes(good.begin(), good.end() - 1), IPE_EOF},
        {"cut in the image data", Bytes(good.begin(), good.end() - 4), IPE_EOF},
        {"cut in the descriptor", Bytes(good.begin(), good.begin() + 13 + 12 + 5), IPE_EOF},
        {"unknown block", GifFile(4, 1, kFourColours).raw({0x2A}).trailer(), IPE_NOGIF},
        {"cut extension", GifFile(4, 1, kFourColours).raw({0x21, 0xFE, 5, 'a'}).bytes(), IPE_EOF},
        {"code size above 8", GifFile(4, 1, kFourColours).image(big_code).trailer(), IPE_NOGIF},
        {"empty screen", GifFile(0, 5, kFourColours).trailer(), IPE_NOGIF},
        {"screen without rows", GifFile(5, 0, kFourColours).trailer(), IPE_NOGIF},
        {"screen too large", GifFile(65535, 65535, kFourColours).trailer(), IPE_NOGIF},
    };
    for (const Case& c : cases) EXPECT_EQ(decode(c.file).result, c.code) << c.name;
    ScratchDir dir;
    EXPECT_EQ(ipGif2Dib(dir.path("missing.gif").c_str(), 0, nullptr), IPE_NOTFOUND);
    EXPECT_EQ(ipGif2Dib(nullptr, 0, nullptr), IPE_NOTFOUND);
}

TEST(GifRead, AScreenWithoutImagesIsAllIndexZero) {
    Decoded d = decode(GifFile(3, 2, kFourColours).trailer());
    ASSERT_TRUE(d.ok());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(d.at(x, y), 0);
}

int g_calls = 0;
int g_stop_after = 0;
int stopping_callback() { return ++g_calls < g_stop_after ? 1 : 0; }

Bytes large_gif() {
    std::vector<Rgb> table;
    for (unsigned i = 0; i < 256; ++i) table.push_back({static_cast<std::uint8_t>(i), 0, 0});
    Bytes pixels(300 * 200);
    std::uint32_t s = 7;
    for (auto& v : pixels) v = static_cast<std::uint8_t>((s = s * 1103515245 + 12345) >> 24);
    return GifFile(300, 200, table).image(full_image(300, 200, pixels, 8)).trailer();
}

TEST(GifProgress, TheCallbackIsAskedEvery256CodesAndCanStop) {
    Bytes file = large_gif();
    g_calls = 0;
    g_stop_after = 1 << 30;
    Decoded whole = decode(file, 0, stopping_callback);
    ASSERT_TRUE(whole.ok());
    // Noise: nearly a code per pixel.
    EXPECT_GT(g_calls, 300 * 200 / 256 / 2);
    EXPECT_LE(g_calls, 300 * 200 / 256 + 1);

    g_calls = 0;
    g_stop_after = 3;
    EXPECT_EQ(decode(file, 0, stopping_callback).result, IPE_CANCELLED);
    EXPECT_EQ(g_calls, 3);
    // Reporting was ended: the next conversion may begin it.
    EXPECT_EQ(mirv::progress::begin(nullptr, nullptr), 0);
    mirv::progress::end();
}

int g_holder_calls = 0;
int holder_callback() { return ++g_holder_calls, 1; }

TEST(GifProgress, ABusyReportingIsRefusedUnlessTheCallerHoldsIt) {
    Bytes file = large_gif();
    ASSERT_EQ(mirv::progress::begin(nullptr, holder_callback), 0);
    EXPECT_EQ(decode(file).result, IPE_BUSY);
    g_holder_calls = 0;
    // With IP_NOWAIT it reports through the holder's reporting.
    Decoded d = decode(file, IP_NOWAIT);
    EXPECT_TRUE(d.ok());
    EXPECT_GT(g_holder_calls, 0);
    mirv::progress::end();
}

TEST(GifImport, TheGeneralImportReadsGifFiles) {
    ScratchDir dir;
    std::string name = dir.write("p.gif", GifFile(4, 1, kFourColours).image(full_image(4, 1, {0, 1, 2, 3})).trailer());
    for (int type : {0, IPT_GIF}) {
        HGLOBAL dib = nullptr;
        ASSERT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, type, nullptr, nullptr), 0) << type;
        ASSERT_NE(dib, nullptr);
        DibView view(dib);
        EXPECT_EQ(view.header().biBitCount, 8);
        EXPECT_EQ(view.rgb(2, 0), 0x00FF00u);
        GlobalFree(dib);
    }
    // A damaged file shows its message once and delivers nothing.
    std::string bad = dir.write("bad.gif", Bytes{'G', 'I', 'F', '8', '9', 'a', 4, 0, 1, 0, 0, 0, 0, 0x2A});
    MessageBoxRecorder boxes;
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(1);
    EXPECT_EQ(ipImport(&dib, nullptr, bad.data(), IP_DIB | IP_SHOWERROR, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(dib, nullptr);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, ipErrorText(IPE_NOGIF));
    EXPECT_EQ(ipGif2Dib(bad.c_str(), IP_SHOWERROR, nullptr), 0);
    EXPECT_EQ(boxes.calls.size(), 2u);
}

}  // namespace
