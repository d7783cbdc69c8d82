// Recording metafiles: the records written for each call, the object table,
// and the round trip through the bits.
#include <gtest/gtest.h>

#include <cstring>

#include "metafile_records.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/objects.h"

namespace rec = platform::gdi::record;
using W = std::vector<std::uint16_t>;

namespace {

W u16(std::initializer_list<int> values) {
    W out;
    for (int v : values) out.push_back(static_cast<std::uint16_t>(v));
    return out;
}

TEST(MetafileRecorder, WritesOneRecordPerCallWithParametersInFileOrder) {
    HDC dc = CreateMetaFileA(nullptr);
    ASSERT_NE(dc, nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2000, 1000, nullptr);
    SetWindowOrgEx(dc, -5, 7, nullptr);
    SetTextAlign(dc, TA_BOTTOM);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(0x10, 0x20, 0x30));
    SetStretchBltMode(dc, COLORONCOLOR);
    MoveToEx(dc, 10, 20, nullptr);
    LineTo(dc, -30, 40);
    Arc(dc, 1, 2, 3, 4, 5, 6, 7, 8);
    Ellipse(dc, 10, 20, 30, 40);
    POINT pts[3] = {{1, 2}, {3, 4}, {5, 6}};
    Polyline(dc, pts, 3);
    Polygon(dc, pts, 3);
    TextOutA(dc, 100, 200, "abc", 3);
    HMETAFILE mf = CloseMetaFile(dc);
    ASSERT_NE(mf, nullptr);

    std::vector<SeenRecord> expected = {
        {rec::kSetMapMode, u16({MM_ANISOTROPIC})},
        {rec::kSetWindowExt, u16({1000, 2000})},
        {rec::kSetWindowOrg, u16({7, -5})},
        {rec::kSetTextAlign, u16({TA_BOTTOM})},
        {rec::kSetBkMode, u16({TRANSPARENT})},
        {rec::kSetBkColor, u16({0x0201, 0x0003})},
        {rec::kSetTextColor, u16({0x2010, 0x0030})},
        {rec::kSetStretchBltMode, u16({COLORONCOLOR})},
        {rec::kMoveTo, u16({20, 10})},
        {rec::kLineTo, u16({40, -30})},
        {rec::kArc, u16({8, 7, 6, 5, 4, 3, 2, 1})},
        {rec::kEllipse, u16({40, 30, 20, 10})},
        {rec::kPolyline, u16({3, 1, 2, 3, 4, 5, 6})},
        {rec::kPolygon, u16({3, 1, 2, 3, 4, 5, 6})},
        {rec::kTextOut, u16({3, 'a' | ('b' << 8), 'c', 200, 100})},
    };
    EXPECT_EQ(records_of(mf), expected);
    DeleteMetaFile(mf);
}

TEST(MetafileRecorder, HeaderCountsWordsObjectsAndLargestRecord) {
    HDC dc = CreateMetaFileA(nullptr);
    HPEN a = CreatePen(PS_DASH, 3, RGB(255, 0, 0));
    HBRUSH b = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(dc, a);
    SelectObject(dc, b);
    HMETAFILE mf = CloseMetaFile(dc);
    std::vector<std::uint8_t> bits = bits_of(mf);
    ASSERT_GE(bits.size(), 18u);
    METAHEADER h;
    std::memcpy(&h, bits.data(), sizeof h);
    EXPECT_EQ(h.mtType, 1);
    EXPECT_EQ(h.mtHeaderSize, 9);
    EXPECT_EQ(h.mtVersion, 0x300);
    EXPECT_EQ(h.mtSize * 2u, bits.size());
    EXPECT_EQ(h.mtNoObjects, 2);
    EXPECT_EQ(h.mtMaxRecord, 8u);  // the pen creation: 3 + 5 words
    // The end record closes the bits.
    EXPECT_EQ(std::vector<std::uint8_t>(bits.end() - 6, bits.end()), (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0}));
    DeleteObject(a);
    DeleteObject(b);
    DeleteMetaFile(mf);
}

TEST(MetafileRecorder, ObjectsTakeTheLowestFreeSlotAndAreCreatedOnce) {
    HDC dc = CreateMetaFileA(nullptr);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HPEN green = CreatePen(PS_DOT, 0, RGB(0, 255, 0));
    LOGFONTA lf{};
    lf.lfHeight = 120;
    lf.lfEscapement = 450;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "Courier New");
    HFONT font = CreateFontIndirectA(&lf);

    SelectObject(dc, red);    // slot 0
    SelectObject(dc, green);  // slot 1
    SelectObject(dc, red);    // again slot 0, no second creation
    SelectObject(dc, GetStockObject(BLACK_PEN));  // slot 2
    DeleteObject(green);      // frees slot 1
    SelectObject(dc, font);   // slot 1 again
    DeleteObject(red);
    HMETAFILE mf = CloseMetaFile(dc);

    std::vector<SeenRecord> seen = records_of(mf);
    std::vector<WORD> functions;
    for (const SeenRecord& r : seen) functions.push_back(r.function);
    EXPECT_EQ(functions, (std::vector<WORD>{rec::kCreatePenIndirect, rec::kSelectObject, rec::kCreatePenIndirect,
                                            rec::kSelectObject, rec::kSelectObject, rec::kCreatePenIndirect,
                                            rec::kSelectObject, rec::kDeleteObject, rec::kCreateFontIndirect,
                                            rec::kSelectObject, rec::kDeleteObject}));
    EXPECT_EQ(seen[0].params, u16({PS_SOLID, 1, 0, 0x00FF, 0}));
    EXPECT_EQ(seen[2].params, u16({PS_DOT, 0, 0, 0xFF00, 0}));
    EXPECT_EQ(seen[1].params, u16({0}));
    EXPECT_EQ(seen[3].params, u16({1}));
    EXPECT_EQ(seen[4].params, u16({0}));
    EXPECT_EQ(seen[6].params, u16({2}));
    EXPECT_EQ(seen[7].params, u16({1}));
    EXPECT_EQ(seen[9].params, u16({1}));
    EXPECT_EQ(seen[10].params, u16({0}));
    // Font description: height, width, escapement, orientation, weight, ...
    EXPECT_EQ(W(seen[8].params.begin(), seen[8].params.begin() + 5), u16({120, 0, 450, 0, FW_BOLD}));
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(seen[8].params.data()) + 18, "Courier New", 12), 0);
    DeleteObject(font);
    DeleteMetaFile(mf);
}

TEST(MetafileRecorder, PaletteRecordsCarryTheEntries) {
    HDC dc = CreateMetaFileA(nullptr);
    std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + 4);
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 2;
    lp->palPalEntry[0] = {10, 20, 30, 0};
    lp->palPalEntry[1] = {40, 50, 60, 0};
    HPALETTE pal = CreatePalette(lp);
    SelectPalette(dc, pal, FALSE_);
    RealizePalette(dc);
    DeleteObject(pal);
    HMETAFILE mf = CloseMetaFile(dc);
    std::vector<SeenRecord> expected = {
        {rec::kCreatePalette, u16({0x300, 2, 10 | (20 << 8), 30, 40 | (50 << 8), 60})},
        {rec::kSelectPalette, u16({0})},
        {rec::kRealizePalette, {}},
        {rec::kDeleteObject, u16({0})},
    };
    EXPECT_EQ(records_of(mf), expected);
    DeleteMetaFile(mf);
}

TEST(MetafileRecorder, StretchDibRecordHoldsParametersThenThePackedDib) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colours[2];
    } info{};
    info.h = {40, 3, 2, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    info.colours[1] = {255, 255, 255, 0};
    std::uint8_t pixels[8] = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};
    HDC dc = CreateMetaFileA(nullptr);
    StretchDIBits(dc, 0, 0, 3, 2, 0, 0, 3, 2, pixels, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    HMETAFILE mf = CloseMetaFile(dc);
    std::vector<SeenRecord> seen = records_of(mf);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].function, rec::kStretchDib);
    ASSERT_EQ(seen[0].params.size(), (22u + 40 + 8 + 8) / 2);
    EXPECT_EQ(W(seen[0].params.begin(), seen[0].params.begin() + 11),
              u16({0x0020, 0x00CC, DIB_RGB_COLORS, 2, 3, 0, 0, 2, 3, 0, 0}));
    EXPECT_EQ(seen[0].params[11], 40);  // biSize starts the DIB
    DeleteMetaFile(mf);
}

TEST(MetafileRoundTrip, BitsMakeAMetafileWithTheSameRecords) {
    HDC dc = CreateMetaFileA(nullptr);
    HPEN pen = CreatePen(PS_DASHDOTDOT, 2, RGB(9, 8, 7));
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 640, -480, nullptr);
    Ellipse(dc, 1, 1, 50, 60);
    TextOutA(dc, 3, 4, "Grafik", 6);
    DeleteObject(pen);
    HMETAFILE first = CloseMetaFile(dc);
    std::vector<std::uint8_t> bits = bits_of(first);
    HMETAFILE second = SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(records_of(second), records_of(first));
    EXPECT_EQ(bits_of(second), bits);
    DeleteMetaFile(first);
    DeleteMetaFile(second);
}

TEST(MetafileRoundTrip, PlayingIntoARecordingRecordsTheSameDrawing) {
    HDC dc = CreateMetaFileA(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(dc, pen);
    MoveToEx(dc, 1, 2, nullptr);
    LineTo(dc, 3, 4);
    DeleteObject(pen);
    HMETAFILE mf = CloseMetaFile(dc);

    HDC copy = CreateMetaFileA(nullptr);
    ASSERT_TRUE(PlayMetaFile(copy, mf));
    HMETAFILE replayed = CloseMetaFile(copy);
    EXPECT_EQ(records_of(replayed), records_of(mf));
    DeleteMetaFile(mf);
    DeleteMetaFile(replayed);
}

TEST(MetafileHandles, StaleAndForeignHandlesAreRefused) {
    HDC dc = CreateMetaFileA(nullptr);
    HMETAFILE mf = CloseMetaFile(dc);
    EXPECT_TRUE(DeleteMetaFile(mf));
    EXPECT_FALSE(DeleteMetaFile(mf));
    EXPECT_EQ(GetMetaFileBitsEx(mf, 0, nullptr), 0u);
    int local = 0;
    EXPECT_FALSE(DeleteMetaFile(reinterpret_cast<HMETAFILE>(&local)));
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(&local), GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(DeleteObject(&local));
    EXPECT_EQ(CloseMetaFile(dc), nullptr);  // already closed
}

int stop_after_two(HDC, HANDLETABLE*, METARECORD*, int, LPARAM data) {
    return ++*reinterpret_cast<int*>(data) < 2;
}

TEST(MetafileEnum, StopsWhenTheCallbackReturnsZero) {
    HDC dc = CreateMetaFileA(nullptr);
    for (int i = 0; i < 5; ++i) LineTo(dc, i, i);
    HMETAFILE mf = CloseMetaFile(dc);
    int calls = 0;
    EXPECT_FALSE(EnumMetaFile(nullptr, mf, stop_after_two, reinterpret_cast<LPARAM>(&calls)));
    EXPECT_EQ(calls, 2);
    DeleteMetaFile(mf);
}

}  // namespace
