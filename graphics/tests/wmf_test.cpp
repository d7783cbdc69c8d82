// The WMF reader and writer, the placeable header and EnumMetaSize.
#include <gtest/gtest.h>

#include "metafile_records.h"
#include "mirv32.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"
#include "test_files.h"

namespace rec = platform::gdi::record;

namespace {

HMETAFILE window_metafile(int org_x, int org_y, int ext_x, int ext_y) {
    HDC dc = CreateMetaFileA(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, org_x, org_y, nullptr);
    SetWindowExtEx(dc, ext_x, ext_y, nullptr);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, ext_x, ext_y);
    return CloseMetaFile(dc);
}

std::vector<std::uint8_t> placeable(int l, int t, int r, int b, unsigned inch) {
    std::vector<std::uint8_t> h;
    put32(h, 0x9AC6CDD7);
    put16(h, 0);
    put16(h, static_cast<unsigned>(l));
    put16(h, static_cast<unsigned>(t));
    put16(h, static_cast<unsigned>(r));
    put16(h, static_cast<unsigned>(b));
    put16(h, inch);
    put32(h, 0);
    put16(h, 0x1234);  // not checked by the reader
    return h;
}

std::vector<std::uint8_t> concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(WmfReader, PlainMetafileFromOffsetZeroLeavesTheInfoUntouched) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(0, 0, 100, 50);
    std::vector<std::uint8_t> bits = bits_of(mf);
    IPPICTUREINFO info{};
    info.inch = 77;
    IPRESULT r = ipWmf2Meta(dir.write("p.wmf", bits).c_str(), 0, nullptr, &info);
    ASSERT_GT(r, IPE_LAST);
    EXPECT_EQ(bits_of(reinterpret_cast<HMETAFILE>(r)), bits);
    EXPECT_EQ(info.inch, 77);
    DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
    DeleteMetaFile(mf);
}

TEST(WmfReader, PlaceableHeaderFillsTheInfoBlock) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(0, 0, 2000, 1000);
    IPPICTUREINFO info;
    std::memset(&info, 0xEE, sizeof info);
    IPRESULT r = ipWmf2Meta(dir.write("p.wmf", concat(placeable(0, 0, 2000, 1000, 1000), bits_of(mf))).c_str(), 0,
                            nullptr, &info);
    ASSERT_GT(r, IPE_LAST);
    EXPECT_EQ(info.left, 0);
    EXPECT_EQ(info.top, 0);
    EXPECT_EQ(info.right, 2000);
    EXPECT_EQ(info.bottom, 1000);
    EXPECT_EQ(info.inch, 1000);
    for (BYTE b : info.reserved) EXPECT_EQ(b, 0);
    EXPECT_EQ(bits_of(reinterpret_cast<HMETAFILE>(r)), bits_of(mf));
    DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
    DeleteMetaFile(mf);
}

TEST(WmfReader, HeaderWordsAndHostileRecordsTable) {
    auto header = [](unsigned type, unsigned words, unsigned objects) {
        std::vector<std::uint8_t> h;
        put16(h, type);
        put16(h, words);
        put16(h, 0x300);
        put32(h, 0);
        put16(h, objects);
        put32(h, 0);
        put16(h, 0);
        return h;
    };
    auto record = [](std::uint32_t words, unsigned function, std::vector<unsigned> params) {
        std::vector<std::uint8_t> r;
        put32(r, words);
        put16(r, function);
        for (unsigned p : params) put16(r, p);
        return r;
    };
    std::vector<std::uint8_t> eof = record(3, 0, {});
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        IPRESULT expected;  // 0: a metafile
    } cases[] = {
        {"words 1 and 9", concat(header(1, 9, 0), eof), 0},
        {"words 2 and 9", concat(header(2, 9, 0), eof), 0},
        {"words 3 and 9", concat(header(3, 9, 0), eof), IPE_NOWMF},
        {"words 1 and 8", concat(header(1, 8, 0), eof), IPE_NOWMF},
        {"empty file", {}, IPE_NOWMF},
        {"header only, cut", std::vector<std::uint8_t>{1, 0, 9, 0}, IPE_NOWMF},
        {"record past the end", concat(header(1, 9, 0), record(40, rec::kLineTo, {1, 2})), IPE_NOWMF},
        {"object index out of range", concat(concat(header(1, 9, 1), record(4, rec::kSelectObject, {3})), eof), IPE_NOWMF},
        {"placeable header then garbage", concat(placeable(0, 0, 1, 1, 96), {9, 9, 9, 9}), IPE_NOWMF},
        {"placeable header alone", placeable(0, 0, 1, 1, 96), IPE_NOWMF},
        {"bitmap file", {'B', 'M', 0, 0, 0, 0}, IPE_NOWMF},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        IPRESULT r = ipWmf2Meta(dir.write("c.wmf", c.bytes).c_str(), 0, nullptr, nullptr);
        if (c.expected == 0) {
            EXPECT_GT(r, IPE_LAST) << c.name;
            if (r > IPE_LAST) DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
        } else {
            EXPECT_EQ(r, c.expected) << c.name;
        }
    }
    EXPECT_EQ(ipWmf2Meta(dir.path("missing.wmf").c_str(), 0, nullptr, nullptr), IPE_OPEN);
}

struct Head {
    std::int16_t left, top, right, bottom;
    std::uint16_t inch, checksum;
    std::uint16_t words[11];
};

Head read_head(const std::vector<std::uint8_t>& file) {
    Head h{};
    for (int i = 0; i < 11; ++i) h.words[i] = static_cast<std::uint16_t>(file[2 * i] | (file[2 * i + 1] << 8));
    h.left = static_cast<std::int16_t>(h.words[3]);
    h.top = static_cast<std::int16_t>(h.words[4]);
    h.right = static_cast<std::int16_t>(h.words[5]);
    h.bottom = static_cast<std::int16_t>(h.words[6]);
    h.inch = h.words[7];
    h.checksum = h.words[10];
    return h;
}

TEST(WmfWriter, BoxFromTheWindowRecordsWithoutAnInfoBlock) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(0, 0, 2000, 1000);
    std::string out = dir.path("o.wmf");
    ASSERT_EQ(ipMeta2Wmf(out.c_str(), 0, nullptr, mf, nullptr), 0);
    std::vector<std::uint8_t> file = read_file(out);
    ASSERT_EQ(file.size(), 22 + bits_of(mf).size());
    Head h = read_head(file);
    EXPECT_EQ(h.words[0], 0xCDD7);
    EXPECT_EQ(h.words[1], 0x9AC6);
    EXPECT_EQ(h.words[2], 0);
    EXPECT_EQ(h.left, 0);
    EXPECT_EQ(h.top, 0);
    EXPECT_EQ(h.right, 2000);
    EXPECT_EQ(h.bottom, 1000);
    EXPECT_EQ(h.inch, 254);
    std::uint16_t x = 0;
    for (int i = 0; i < 10; ++i) x ^= h.words[i];
    EXPECT_EQ(h.checksum, x);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 22, file.end()), bits_of(mf));
    DeleteMetaFile(mf);
}

TEST(WmfWriter, InfoBlockWithUnitsGivesTheBox) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(0, 0, 10, 10);
    IPPICTUREINFO info{};
    info.left = -5;
    info.top = 7;
    info.right = 300;
    info.bottom = 400;
    info.inch = 1440;
    std::string out = dir.path("o.wmf");
    ASSERT_EQ(ipMeta2Wmf(out.c_str(), 0, nullptr, mf, &info), 0);
    Head h = read_head(read_file(out));
    EXPECT_EQ(h.left, -5);
    EXPECT_EQ(h.bottom, 400);
    EXPECT_EQ(h.inch, 1440);
    // An info block without units falls back to the window records.
    info.inch = 0;
    ASSERT_EQ(ipMeta2Wmf(out.c_str(), 0, nullptr, mf, &info), 0);
    h = read_head(read_file(out));
    EXPECT_EQ(h.right, 10);
    EXPECT_EQ(h.inch, 254);
    DeleteMetaFile(mf);
}

TEST(WmfWriter, FailuresTable) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(0, 0, 10, 10);
    EXPECT_EQ(ipMeta2Wmf(dir.path("no/dir.wmf").c_str(), 0, nullptr, mf, nullptr), IPE_OPEN);
    EXPECT_EQ(ipMeta2Wmf(dir.path("o.wmf").c_str(), 0, nullptr, nullptr, nullptr), IPE_MEMORY);
    EXPECT_EQ(ipMeta2Wmf("/dev/full", 0, nullptr, mf, nullptr), IPE_CLOSE);
    DeleteMetaFile(mf);
}

TEST(WmfRoundTrip, WriterThenReaderKeepsBoxAndUnits) {
    ScratchDir dir;
    HMETAFILE mf = window_metafile(100, 200, 1000, 500);
    IPPICTUREINFO in{};
    in.left = 100;
    in.top = 200;
    in.right = 1100;
    in.bottom = 700;
    in.inch = 576;
    std::string out = dir.path("r.wmf");
    ASSERT_EQ(ipMeta2Wmf(out.c_str(), 0, nullptr, mf, &in), 0);
    IPPICTUREINFO back{};
    IPRESULT r = ipWmf2Meta(out.c_str(), 0, nullptr, &back);
    ASSERT_GT(r, IPE_LAST);
    EXPECT_EQ(std::memcmp(&in, &back, sizeof in), 0);
    EXPECT_EQ(records_of(reinterpret_cast<HMETAFILE>(r)), records_of(mf));
    DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
    DeleteMetaFile(mf);
}

TEST(EnumMetaSize, OriginMovesTheBoxExtentSizesIt) {
    struct Step {
        bool origin;
        int x, y;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::int16_t l, t, r, b;
    } cases[] = {
        {"extent only", {{false, 2000, 1000}}, 0, 0, 2000, 1000},
        {"origin then extent", {{true, 10, 20}, {false, 100, 50}}, 10, 20, 110, 70},
        {"extent then origin keeps the size", {{false, 100, 50}, {true, -10, -20}}, -10, -20, 90, 30},
        {"negative extent", {{false, 100, -50}}, 0, 0, 100, -50},
        {"sixteen-bit wrap", {{true, 30000, 0}, {false, 10000, 1}}, 30000, 0, -25536, 1},
    };
    for (const Case& c : cases) {
        HDC dc = CreateMetaFileA(nullptr);
        for (const Step& s : c.steps) {
            if (s.origin) SetWindowOrgEx(dc, s.x, s.y, nullptr);
            else SetWindowExtEx(dc, s.x, s.y, nullptr);
        }
        HMETAFILE mf = CloseMetaFile(dc);
        // The data is a placeable header being built: key, handle, then the box.
        std::vector<std::uint8_t> header = placeable(0, 0, 0, 0, 254);
        EnumMetaFile(nullptr, mf, EnumMetaSize, reinterpret_cast<LPARAM>(header.data()));
        auto at = [&](int offset) { return static_cast<std::int16_t>(header[offset] | (header[offset + 1] << 8)); };
        EXPECT_EQ(at(6), c.l) << c.name;
        EXPECT_EQ(at(8), c.t) << c.name;
        EXPECT_EQ(at(10), c.r) << c.name;
        EXPECT_EQ(at(12), c.b) << c.name;
        EXPECT_EQ(at(14), 254) << c.name;
        DeleteMetaFile(mf);
    }
}

}  // namespace
