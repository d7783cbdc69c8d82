// DIBs of every depth drawn with StretchDIBits, and read back with GetDIBits.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/qt.h"

namespace {

// A 4 x 2 DIB: bottom row red, green, blue, white; top row black except
// its last pixel, which is red.
std::vector<std::uint8_t> make_dib(int bits) {
    const QRgb rows[2][4] = {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {0, 0, 0, 0xFF0000}};
    const QRgb palette[4] = {0, 0xFF0000, 0x00FF00, 0x0000FF};
    auto index = [&](QRgb c) { return c == 0xFFFFFF ? 4 : int(std::find(palette, palette + 4, c) - palette); };
    int colours = bits <= 8 ? (bits == 1 ? 2 : 5) : 0;
    int stride = ((4 * bits + 31) / 32) * 4;
    std::vector<std::uint8_t> dib(40 + 4 * colours + 2 * stride, 0);
    BITMAPINFOHEADER h{40, 4, 2, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, static_cast<DWORD>(colours), 0};
    std::memcpy(dib.data(), &h, 40);
    auto* table = dib.data() + 40;
    if (bits == 1) {
        table[4] = table[5] = table[6] = 255;  // 0 black, 1 white
    } else if (bits <= 8) {
        for (int i = 0; i < 4; ++i) {
            table[4 * i] = qBlue(palette[i]);
            table[4 * i + 1] = qGreen(palette[i]);
            table[4 * i + 2] = qRed(palette[i]);
        }
        table[16] = table[17] = table[18] = 255;
    }
    std::uint8_t* px = table + 4 * colours;
    for (int r = 0; r < 2; ++r) {
        std::uint8_t* row = px + r * stride;
        for (int x = 0; x < 4; ++x) {
            QRgb c = rows[r][x];
            switch (bits) {
            case 1: if (c == 0xFFFFFF) row[0] |= 0x80 >> x; break;
            case 4: row[x / 2] |= index(c) << (x % 2 ? 0 : 4); break;
            case 8: row[x] = static_cast<std::uint8_t>(index(c)); break;
            default:
                row[3 * x] = qBlue(c);
                row[3 * x + 1] = qGreen(c);
                row[3 * x + 2] = qRed(c);
            }
        }
    }
    return dib;
}

QImage draw(const std::vector<std::uint8_t>& dib, int w, int h) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(dc, bm);
    auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const BITMAPINFOHEADER& hdr = info->bmiHeader;
    std::size_t colours = hdr.biClrUsed;
    StretchDIBits(dc, 0, 0, w, h, 0, 0, hdr.biWidth, hdr.biHeight, dib.data() + 40 + 4 * colours, info,
                  DIB_RGB_COLORS, SRCCOPY);
    QImage out = platform::gdi::bitmap_image(bm);
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
    return out;
}

TEST(StretchDIBits, EveryDepthDrawsBottomRowLast) {
    for (int bits : {4, 8, 24}) {
        SCOPED_TRACE(bits);
        QImage img = draw(make_dib(bits), 4, 2);
        EXPECT_EQ(img.pixel(0, 1) & 0xFFFFFF, 0xFF0000u);
        EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);
        EXPECT_EQ(img.pixel(2, 1) & 0xFFFFFF, 0x0000FFu);
        EXPECT_EQ(img.pixel(3, 1) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(img.pixel(3, 0) & 0xFFFFFF, 0xFF0000u);
    }
    QImage mono = draw(make_dib(1), 4, 2);
    EXPECT_EQ(mono.pixel(3, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(mono.pixel(0, 1) & 0xFFFFFF, 0u);
}

TEST(StretchDIBits, StretchesOntoTheDestination) {
    QImage img = draw(make_dib(24), 40, 20);
    EXPECT_EQ(img.pixel(5, 15) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(35, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(25, 15) & 0xFFFFFF, 0x0000FFu);
}

TEST(StretchDIBits, RefusesBitsShorterThanTheHeaderSays) {
    std::vector<std::uint8_t> dib = make_dib(24);
    auto* h = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    h->biHeight = 2000;  // the bits hold two rows
    QImage info = platform::gdi::dib_to_image(reinterpret_cast<BITMAPINFO*>(dib.data()), 40, dib.data() + 40,
                                              dib.size() - 40);
    EXPECT_TRUE(info.isNull());
    h->biHeight = 2;
    h->biBitCount = 7;
    EXPECT_TRUE(platform::gdi::dib_to_image(reinterpret_cast<BITMAPINFO*>(dib.data()), 40, dib.data() + 40,
                                            dib.size() - 40).isNull());
}

TEST(GetDIBits, GivesBottomUpRowsOfTheBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateCompatibleBitmap(dc, 3, 2);
    HGDIOBJ old = SelectObject(dc, bm);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(10, 20, 30));
    SelectObject(dc, pen);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 2, 0);  // the top row
    BITMAPINFO info{};
    ASSERT_EQ(GetDIBits(dc, bm, 0, 2, nullptr, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 24);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 2u * 12);
    std::vector<std::uint8_t> bits(info.bmiHeader.biSizeImage);
    ASSERT_EQ(GetDIBits(dc, bm, 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(bits[0], 255);  // bottom row white
    EXPECT_EQ(bits[12], 30);  // top row: blue, green, red
    EXPECT_EQ(bits[13], 20);
    EXPECT_EQ(bits[14], 10);
    SelectObject(dc, old);
    DeleteObject(pen);
    DeleteObject(bm);
    DeleteDC(dc);
}

}  // namespace
