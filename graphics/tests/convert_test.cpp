// Between the picture kinds: rendering metafiles into DIBs, wrapping DIBs
// into metafiles, and the general entry points that use them.
#include <gtest/gtest.h>

#include <cstring>

#include "metafile_records.h"
#include "mirv32.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"
#include "test_files.h"

namespace rec = platform::gdi::record;

namespace {

// A red line across, a blue ellipse outline on the left and a text on the
// right, in a 6400 x 4800 window.
HMETAFILE drawing() {
    HDC dc = CreateMetaFileA(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, 6400, 4800, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN red = CreatePen(PS_SOLID, 30, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, red);
    MoveToEx(dc, 0, 400, nullptr);
    LineTo(dc, 6400, 400);
    HPEN blue = CreatePen(PS_SOLID, 30, RGB(0, 0, 255));
    SelectObject(dc, blue);
    Ellipse(dc, 500, 1500, 2500, 3500);
    LOGFONTA lf{};
    lf.lfHeight = -400;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirectA(&lf);
    SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, 3500, 2300, "Grafik", 6);
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteObject(blue);
    DeleteObject(font);
    return CloseMetaFile(dc);
}

struct Census {
    int red = 0, blue = 0, black = 0, white = 0, other = 0;
};

Census census(const DibView& v, int x0, int y0, int x1, int y1) {
    Census c;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            std::uint32_t p = v.rgb(x, y);
            if (p == 0xFF0000) ++c.red;
            else if (p == 0x0000FF) ++c.blue;
            else if (p == 0x000000) ++c.black;
            else if (p == 0xFFFFFF) ++c.white;
            else ++c.other;
        }
    return c;
}

TEST(Meta2Dib, RendersLineEllipseAndTextWhereTheyBelong) {
    HMETAFILE mf = drawing();
    IPRENDERSIZE size{640, 480};
    IPRESULT r = ipMeta2Dib(mf, &size, nullptr);
    ASSERT_GT(r, IPE_LAST);
    DibView v(reinterpret_cast<HGLOBAL>(r));
    ASSERT_EQ(v.header().biWidth, 640);
    ASSERT_EQ(v.header().biHeight, 480);
    EXPECT_EQ(v.header().biBitCount, 24);
    EXPECT_EQ(v.header().biSizeImage, 640u * 3 * 480);
    // The line: rows 39-41 red all across.
    Census line = census(v, 0, 39, 640, 42);
    EXPECT_GT(line.red, 640 * 2);
    EXPECT_EQ(line.blue + line.black, 0);
    // The ellipse: outline blue at its left and top, its inside white.
    EXPECT_EQ(v.rgb(50, 250), 0x0000FFu);
    EXPECT_EQ(v.rgb(150, 150), 0x0000FFu);
    Census inside = census(v, 100, 200, 200, 300);
    EXPECT_EQ(inside.white, 100 * 100);
    // The text: black pixels right of the ellipse, nowhere else.
    Census text = census(v, 340, 180, 640, 260);
    EXPECT_GT(text.black, 100);
    Census elsewhere = census(v, 0, 300, 640, 480);
    EXPECT_EQ(elsewhere.red + elsewhere.black + elsewhere.other, 0);
    EXPECT_GT(elsewhere.white, 640 * 170);
    EXPECT_EQ(census(v, 0, 0, 640, 35).white, 640 * 35);
    GlobalFree(reinterpret_cast<HGLOBAL>(r));
    DeleteMetaFile(mf);
}

TEST(Meta2Dib, ResolutionFromTheInfoBlock) {
    HMETAFILE mf = drawing();
    IPRENDERSIZE size{640, 480};
    IPPICTUREINFO info{};
    info.right = 6400;
    info.bottom = 4800;
    info.inch = 1000;  // 6.4 x 4.8 inches
    IPRESULT r = ipMeta2Dib(mf, &size, &info);
    ASSERT_GT(r, IPE_LAST);
    DibView v(reinterpret_cast<HGLOBAL>(r));
    EXPECT_EQ(v.header().biXPelsPerMeter, static_cast<LONG>(640 / (6.4 * 0.0254)));
    EXPECT_EQ(v.header().biYPelsPerMeter, static_cast<LONG>(480 / (4.8 * 0.0254)));
    GlobalFree(reinterpret_cast<HGLOBAL>(r));
    DeleteMetaFile(mf);
}

TEST(Meta2Dib, WithoutRenderSizeUsesTheOwnExtentCapped) {
    struct Case {
        int ext_x, ext_y;
        int width, height;
    } cases[] = {{300, 200, 300, 200}, {8192, 4096, 4096, 2048}, {100, 10000, 40, 4096}};
    for (const Case& c : cases) {
        HDC dc = CreateMetaFileA(nullptr);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, c.ext_x, c.ext_y, nullptr);
        LineTo(dc, 5, 5);
        HMETAFILE mf = CloseMetaFile(dc);
        IPRESULT r = ipMeta2Dib(mf, nullptr, nullptr);
        ASSERT_GT(r, IPE_LAST);
        DibView v(reinterpret_cast<HGLOBAL>(r));
        EXPECT_EQ(v.header().biWidth, c.width);
        EXPECT_EQ(v.header().biHeight, c.height);
        GlobalFree(reinterpret_cast<HGLOBAL>(r));
        DeleteMetaFile(mf);
    }
    // No extent at all: nothing to go by.
    HDC dc = CreateMetaFileA(nullptr);
    LineTo(dc, 5, 5);
    HMETAFILE mf = CloseMetaFile(dc);
    EXPECT_EQ(ipMeta2Dib(mf, nullptr, nullptr), IPE_MEMORY);
    IPRENDERSIZE bad{0, 10};
    EXPECT_EQ(ipMeta2Dib(mf, &bad, nullptr), IPE_MEMORY);
    EXPECT_EQ(ipMeta2Dib(nullptr, &bad, nullptr), IPE_MEMORY);
    DeleteMetaFile(mf);
}

// A 3 x 2 24-bit DIB with distinct pixels.
HGLOBAL small_dib(int bits = 24, LONG ppm = 0) {
    BITMAPINFOHEADER h{40, 3, 2, 1, static_cast<WORD>(bits), BI_RGB, 0, ppm, ppm, 0, 0};
    std::size_t stride = ((3 * bits + 31) / 32) * 4;
    HGLOBAL block = GlobalAlloc(GHND, 40 + 2 * stride);
    auto* p = static_cast<std::uint8_t*>(GlobalLock(block));
    std::memcpy(p, &h, 40);
    for (std::size_t i = 0; i < 2 * stride; ++i) p[40 + i] = static_cast<std::uint8_t>(i * 37 + 5);
    GlobalUnlock(block);
    return block;
}

TEST(Dib2Meta, RecordsPaletteMappingAndTheBitmap) {
    HGLOBAL dib = small_dib(24, 3780);
    IPPICTUREINFO info;
    std::memset(&info, 0xCC, sizeof info);
    IPRESULT r = ipDib2Meta(dib, nullptr, &info);
    ASSERT_GT(r, IPE_LAST);
    std::vector<SeenRecord> seen = records_of(reinterpret_cast<HMETAFILE>(r));
    std::vector<WORD> functions;
    for (const SeenRecord& s : seen) functions.push_back(s.function);
    EXPECT_EQ(functions, (std::vector<WORD>{rec::kCreatePalette, rec::kSelectPalette, rec::kRealizePalette,
                                            rec::kSetMapMode, rec::kSetWindowExt, rec::kSetWindowOrg,
                                            rec::kStretchDib, rec::kDeleteObject}));
    // The colour cube: 256 entries, entry 9 is (32, 32, 0).
    const auto& pal = seen[0].params;
    EXPECT_EQ(pal[0], 0x300);
    EXPECT_EQ(pal[1], 256);
    EXPECT_EQ(pal[2 + 2 * 9], 32 | (32 << 8));
    EXPECT_EQ(pal[3 + 2 * 9], 0);
    EXPECT_EQ(seen[3].params[0], MM_ANISOTROPIC);
    EXPECT_EQ(seen[4].params, (std::vector<std::uint16_t>{2, 3}));
    EXPECT_EQ(info.left, 0);
    EXPECT_EQ(info.right, 3);
    EXPECT_EQ(info.bottom, 2);
    EXPECT_EQ(info.inch, 96);
    for (BYTE b : info.reserved) EXPECT_EQ(b, 0);
    DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
    GlobalFree(dib);
}

TEST(Dib2Meta, PaletteFromTheColourTable) {
    BITMAPINFOHEADER h{40, 2, 1, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
    HGLOBAL dib = GlobalAlloc(GHND, 40 + 8 + 4);
    auto* p = static_cast<std::uint8_t*>(GlobalLock(dib));
    std::memcpy(p, &h, 40);
    const std::uint8_t table[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    std::memcpy(p + 40, table, 8);
    GlobalUnlock(dib);
    IPRESULT r = ipDib2Meta(dib, nullptr, nullptr);
    ASSERT_GT(r, IPE_LAST);
    std::vector<SeenRecord> seen = records_of(reinterpret_cast<HMETAFILE>(r));
    EXPECT_EQ(seen[0].params, (std::vector<std::uint16_t>{0x300, 2, 3 | (2 << 8), 1, 6 | (5 << 8), 4}));
    DeleteMetaFile(reinterpret_cast<HMETAFILE>(r));
    GlobalFree(dib);
}

TEST(Dib2Meta, RefusedDibsTable) {
    HGLOBAL sixteen = small_dib(16);
    HGLOBAL thirty_two = small_dib(32);
    HGLOBAL tiny = GlobalAlloc(GHND, 20);
    HGLOBAL short_pixels = small_dib(24);
    short_pixels = GlobalReAlloc(short_pixels, 45, 0);
    HGLOBAL core = small_dib(24);
    static_cast<BITMAPINFOHEADER*>(GlobalLock(core))->biSize = 12;
    GlobalUnlock(core);
    HGLOBAL huge = small_dib(24);
    static_cast<BITMAPINFOHEADER*>(GlobalLock(huge))->biWidth = 0x7FFFFFFF;
    GlobalUnlock(huge);
    // Wider than 16-bit metafile coordinates reach.
    BITMAPINFOHEADER wide_header{40, 40000, 1, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    HGLOBAL wide = GlobalAlloc(GHND, 40 + 8 + 5000);
    std::memcpy(GlobalLock(wide), &wide_header, 40);
    GlobalUnlock(wide);
    for (HGLOBAL d : {sixteen, thirty_two, tiny, short_pixels, core, huge, wide, static_cast<HGLOBAL>(nullptr)})
        EXPECT_EQ(ipDib2Meta(d, nullptr, nullptr), IPE_MEMORY);
    for (HGLOBAL d : {sixteen, thirty_two, tiny, short_pixels, core, huge, wide}) GlobalFree(d);
}

TEST(Dib2MetaRoundTrip, RenderingAtTheDibSizeGivesThePixelsBack) {
    for (int bits : {1, 4, 8, 24}) {
        SCOPED_TRACE(bits);
        int w = 37, h = 23;
        unsigned colours = bits <= 8 ? 1u << bits : 0;
        std::size_t stride = ((w * bits + 31) / 32) * 4;
        HGLOBAL dib = GlobalAlloc(GHND, 40 + 4 * colours + h * stride);
        auto* p = static_cast<std::uint8_t*>(GlobalLock(dib));
        BITMAPINFOHEADER hdr{40, w, h, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
        std::memcpy(p, &hdr, 40);
        for (unsigned i = 0; i < colours; ++i) {
            p[40 + 4 * i] = static_cast<std::uint8_t>(i * 11);
            p[41 + 4 * i] = static_cast<std::uint8_t>(255 - i);
            p[42 + 4 * i] = static_cast<std::uint8_t>(i * 3);
        }
        for (std::size_t i = 0; i < h * stride; ++i) p[40 + 4 * colours + i] = static_cast<std::uint8_t>(i * 131 + 7);
        GlobalUnlock(dib);

        IPPICTUREINFO info{};
        IPRESULT meta = ipDib2Meta(dib, nullptr, &info);
        ASSERT_GT(meta, IPE_LAST);
        IPRENDERSIZE size{w, h};
        IPRESULT back = ipMeta2Dib(reinterpret_cast<HMETAFILE>(meta), &size, &info);
        ASSERT_GT(back, IPE_LAST);
        DibView original(dib), rendered(reinterpret_cast<HGLOBAL>(back));
        int differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) differ += original.rgb(x, y) != rendered.rgb(x, y);
        EXPECT_EQ(differ, 0);
        GlobalFree(reinterpret_cast<HGLOBAL>(back));
        DeleteMetaFile(reinterpret_cast<HMETAFILE>(meta));
        GlobalFree(dib);
    }
}

HMETAFILE wrapping(bool with_bk_mode) {
    HGLOBAL dib = small_dib(24);
    DibView v(dib);
    HDC dc = CreateMetaFileA(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 3, 2, nullptr);
    if (with_bk_mode) SetBkMode(dc, TRANSPARENT);
    StretchDIBits(dc, 0, 0, 3, 2, 0, 0, 3, 2, v.pixels(), reinterpret_cast<const BITMAPINFO*>(GlobalLock(dib)),
                  DIB_RGB_COLORS, SRCCOPY);
    GlobalUnlock(dib);
    HMETAFILE mf = CloseMetaFile(dc);
    GlobalFree(dib);
    return mf;
}

TEST(Meta2Dib, AWrappedBitmapComesOutWithoutRendering) {
    HMETAFILE mf = wrapping(false);
    IPRESULT r = ipMeta2Dib(mf, nullptr, nullptr);  // no render size needed
    ASSERT_GT(r, IPE_LAST);
    HGLOBAL original = small_dib(24);
    ASSERT_EQ(GlobalSize(reinterpret_cast<HGLOBAL>(r)), GlobalSize(original));
    EXPECT_EQ(std::memcmp(GlobalLock(reinterpret_cast<HGLOBAL>(r)), GlobalLock(original), GlobalSize(original)), 0);
    GlobalFree(original);
    GlobalFree(reinterpret_cast<HGLOBAL>(r));
    DeleteMetaFile(mf);

    // Any other record makes it a drawing, which is rendered.
    HMETAFILE drawn = wrapping(true);
    IPRENDERSIZE size{30, 20};
    r = ipMeta2Dib(drawn, &size, nullptr);
    ASSERT_GT(r, IPE_LAST);
    EXPECT_EQ(DibView(reinterpret_cast<HGLOBAL>(r)).header().biWidth, 30);
    GlobalFree(reinterpret_cast<HGLOBAL>(r));
    DeleteMetaFile(drawn);
}

TEST(ImportExport, WmfAsADibAtTheRenderSize) {
    ScratchDir dir;
    HMETAFILE mf = drawing();
    std::string wmf = dir.path("d.wmf");
    ASSERT_EQ(ipMeta2Wmf(wmf.c_str(), 0, nullptr, mf, nullptr), 0);
    std::vector<char> name(wmf.begin(), wmf.end());
    name.push_back('\0');
    HGLOBAL dib = nullptr;
    IPRENDERSIZE size{640, 480};
    ASSERT_EQ(ipImport(&dib, nullptr, name.data(), 0, nullptr, 0, nullptr, &size), 0);
    ASSERT_NE(dib, nullptr);
    DibView v(dib);
    EXPECT_EQ(v.header().biWidth, 640);
    EXPECT_EQ(v.header().biHeight, 480);
    EXPECT_EQ(v.rgb(320, 40), 0xFF0000u);
    GlobalFree(dib);

    // A metafile exported as BMP is rendered at the render size.
    std::string bmp = dir.path("d.bmp");
    std::vector<char> out(bmp.begin(), bmp.end());
    out.push_back('\0');
    ASSERT_EQ(ipExport(out.data(), 0, nullptr, IPT_BMP, nullptr, &size, nullptr, mf), 0);
    HGLOBAL written = mirv_test_dib(bmp);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(DibView(written).header().biWidth, 640);
    GlobalFree(written);
    DeleteMetaFile(mf);
}

}  // namespace
