// Painting through memory contexts and playing metafiles into them.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/qt.h"

namespace {

class Canvas {
public:
    Canvas(int w, int h) : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, w, h)) {
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    QImage image() const { return platform::gdi::bitmap_image(bitmap_); }
    QRgb at(int x, int y) const { return image().pixel(x, y) & 0xFFFFFF; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kBlack = 0x000000;

int count_colour(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
}

TEST(MemoryContext, NewBitmapsAreWhiteAndReportTheDisplayDepth) {
    Canvas c(10, 10);
    EXPECT_EQ(c.at(5, 5), kWhite);
    EXPECT_EQ(GetDeviceCaps(c.dc(), BITSPIXEL), 24);
    BITMAP bm{};
    GetObjectA(GetCurrentObject(c.dc(), OBJ_BITMAP), sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 24);
    EXPECT_EQ(bm.bmWidth, 10);
}

TEST(MemoryContext, RefusesAbsurdBitmaps) {
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 0, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 3, nullptr), nullptr);
}

TEST(MemoryContext, AnisotropicMappingScalesWindowOntoViewport) {
    Canvas c(100, 100);
    SetMapMode(c.dc(), MM_ANISOTROPIC);
    SetWindowOrgEx(c.dc(), 1000, 1000, nullptr);
    SetWindowExtEx(c.dc(), 1000, -1000, nullptr);  // y grows upward
    SetViewportExtEx(c.dc(), 100, 100, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    SelectObject(c.dc(), pen);
    MoveToEx(c.dc(), 1500, 1000, nullptr);  // device (50, 0)
    LineTo(c.dc(), 1500, 200);              // device (50, 80)
    QImage img = c.image();
    EXPECT_EQ(img.pixel(50, 40) & 0xFFFFFF, kRed);
    EXPECT_EQ(img.pixel(49, 40) & 0xFFFFFF, kWhite);
    EXPECT_EQ(img.pixel(50, 90) & 0xFFFFFF, kWhite);
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST(MemoryContext, PenStylesLeaveGapsAndWidthsScale) {
    struct Case {
        int style;
        int width;
        bool gaps;
        int thickness;
    } cases[] = {{PS_SOLID, 0, false, 1}, {PS_DASH, 1, true, 1}, {PS_DOT, 1, true, 1},
                 {PS_DASHDOT, 0, true, 1}, {PS_DASHDOTDOT, 0, true, 1}, {PS_SOLID, 5, false, 5},
                 {PS_DASH, 5, false, 5}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "style " << k.style << " width " << k.width);
        Canvas c(200, 40);
        HPEN pen = CreatePen(k.style, k.width, RGB(0, 0, 0));
        SelectObject(c.dc(), pen);
        MoveToEx(c.dc(), 10, 20, nullptr);
        LineTo(c.dc(), 190, 20);
        QImage img = c.image();
        int on_line = count_colour(img, kBlack, QRect(20, 20, 160, 1));
        if (k.gaps) {
            EXPECT_LT(on_line, 150);
        } else {
            EXPECT_EQ(on_line, 160);
        }
        EXPECT_EQ(count_colour(img, kBlack, QRect(100, 0, 1, 40)), k.thickness);
        SelectObject(c.dc(), GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
}

TEST(MemoryContext, NullPenDrawsNothingAndNullBrushLeavesTheInside) {
    Canvas c(60, 60);
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    Ellipse(c.dc(), 10, 10, 50, 50);
    EXPECT_EQ(c.at(30, 30), kWhite);
    EXPECT_EQ(c.at(10, 30), kBlack);
    SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Rectangle(c.dc(), 20, 20, 40, 40);
    EXPECT_EQ(c.at(30, 30), kBlack);
}

TEST(MemoryContext, ArcRunsCounterClockwiseFromStartToEndRadial) {
    Canvas c(100, 100);
    // Start at 3 o'clock, end at 9 o'clock: the upper half only.
    Arc(c.dc(), 10, 10, 91, 91, 100, 50, 0, 50);
    QImage img = c.image();
    EXPECT_GT(count_colour(img, kBlack, QRect(0, 0, 100, 45)), 50);
    EXPECT_EQ(count_colour(img, kBlack, QRect(0, 56, 100, 44)), 0);
    // The other way round: the lower half.
    Canvas d(100, 100);
    Arc(d.dc(), 10, 10, 91, 91, 0, 50, 100, 50);
    QImage low = d.image();
    EXPECT_EQ(count_colour(low, kBlack, QRect(0, 0, 100, 45)), 0);
    EXPECT_GT(count_colour(low, kBlack, QRect(0, 56, 100, 44)), 50);
}

TEST(MemoryContext, TextHonoursColourBackgroundAlignmentAndEscapement) {
    LOGFONTA lf{};
    lf.lfHeight = -20;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirectA(&lf);
    {
        Canvas c(200, 100);
        SelectObject(c.dc(), font);
        SetTextColor(c.dc(), RGB(0, 0, 255));
        SetBkColor(c.dc(), RGB(255, 0, 0));
        SetBkMode(c.dc(), OPAQUE);
        TextOutA(c.dc(), 10, 10, "MMMM", 4);
        QImage img = c.image();
        EXPECT_GT(count_colour(img, kBlue, QRect(10, 10, 80, 25)), 30);
        EXPECT_GT(count_colour(img, kRed, QRect(10, 10, 80, 25)), 30);
        EXPECT_EQ(count_colour(img, kBlue, QRect(0, 50, 200, 50)), 0);
    }
    {
        Canvas c(200, 100);
        SelectObject(c.dc(), font);
        SetBkMode(c.dc(), TRANSPARENT);
        SetBkColor(c.dc(), RGB(255, 0, 0));
        SetTextAlign(c.dc(), TA_RIGHT | TA_BOTTOM);
        TextOutA(c.dc(), 190, 90, "MMMM", 4);
        QImage img = c.image();
        EXPECT_EQ(count_colour(img, kRed, img.rect()), 0);
        EXPECT_GT(count_colour(img, kBlack, QRect(100, 60, 90, 30)), 30);
        EXPECT_EQ(count_colour(img, kBlack, QRect(0, 0, 100, 100)), 0);
    }
    {
        LOGFONTA up = lf;
        up.lfEscapement = 900;  // reads bottom to top
        HFONT vertical = CreateFontIndirectA(&up);
        Canvas c(100, 200);
        SelectObject(c.dc(), vertical);
        SetBkMode(c.dc(), TRANSPARENT);
        TextOutA(c.dc(), 20, 190, "MMMMMM", 6);
        QImage img = c.image();
        EXPECT_GT(count_colour(img, kBlack, QRect(0, 100, 50, 90)), 30);
        EXPECT_EQ(count_colour(img, kBlack, QRect(50, 0, 50, 200)), 0);
        SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(vertical);
    }
    DeleteObject(font);
}

TEST(MemoryContext, DeletingASelectedObjectFallsBackToTheStockDefault) {
    Canvas c(20, 20);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(c.dc(), pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    MoveToEx(c.dc(), 0, 5, nullptr);
    LineTo(c.dc(), 19, 5);
    EXPECT_EQ(c.at(10, 5), kBlack);
}

TEST(MetafilePlayer, PlaysRecordedDrawingIntoABitmap) {
    HDC rec = CreateMetaFileA(nullptr);
    SetMapMode(rec, MM_ANISOTROPIC);
    SetWindowOrgEx(rec, 0, 0, nullptr);
    SetWindowExtEx(rec, 1000, 1000, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 20, RGB(255, 0, 0));
    SelectObject(rec, pen);
    MoveToEx(rec, 0, 500, nullptr);
    LineTo(rec, 1000, 500);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(rec, brush);
    SelectObject(rec, GetStockObject(NULL_PEN));
    POINT tri[3] = {{100, 100}, {300, 100}, {200, 300}};
    Polygon(rec, tri, 3);
    DeleteObject(pen);
    DeleteObject(brush);
    HMETAFILE mf = CloseMetaFile(rec);

    Canvas c(100, 100);
    SetMapMode(c.dc(), MM_ANISOTROPIC);
    SetViewportExtEx(c.dc(), 100, 100, nullptr);
    ASSERT_TRUE(PlayMetaFile(c.dc(), mf));
    QImage img = c.image();
    EXPECT_EQ(img.pixel(50, 50) & 0xFFFFFF, kRed);
    EXPECT_EQ(img.pixel(50, 49) & 0xFFFFFF, kRed);  // 20 units = 2 pixels
    EXPECT_EQ(img.pixel(20, 15) & 0xFFFFFF, kBlue);
    EXPECT_EQ(img.pixel(80, 20) & 0xFFFFFF, kWhite);
    // The objects the playback made are gone; the context uses the defaults.
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    DeleteMetaFile(mf);
}

}  // namespace
