#include "metafile_player.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dib_size.h"
#include "le_bytes.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"

namespace platform::gdi {

namespace {

// The parameters of one record, read as 16-bit words.
class Params {
public:
    Params(const std::uint8_t* p, std::size_t bytes) : p_(p), bytes_(bytes) {}
    bool has_words(std::size_t n) const { return n * 2 <= bytes_; }
    bool has_bytes(std::size_t n) const { return n <= bytes_; }
    int s(std::size_t i) const { return read_s16(p_ + 2 * i); }
    unsigned u(std::size_t i) const { return read_u16(p_ + 2 * i); }
    COLORREF colour(std::size_t i) const { return read_u32(p_ + 2 * i) & 0x00FFFFFF; }
    const std::uint8_t* at(std::size_t byte) const { return p_ + byte; }
    std::size_t bytes() const { return bytes_; }

private:
    const std::uint8_t* p_;
    std::size_t bytes_;
};

class Player {
public:
    Player(HDC dc, HGDIOBJ* table, std::size_t slots) : dc_(dc), table_(table), slots_(slots) {}

    void play(WORD function, const Params& p);

private:
    HGDIOBJ slot(const Params& p) const {
        if (!p.has_words(1) || p.u(0) >= slots_) return nullptr;
        return table_[p.u(0)];
    }
    void keep(HGDIOBJ object) {
        if (!object) return;
        HGDIOBJ* free_slot = std::find(table_, table_ + slots_, nullptr);
        if (free_slot == table_ + slots_) DeleteObject(object);
        else *free_slot = object;
    }
    void delete_slot(const Params& p) {
        if (!p.has_words(1) || p.u(0) >= slots_) return;
        DeleteObject(table_[p.u(0)]);
        table_[p.u(0)] = nullptr;
    }
    void create_pen(const Params& p);
    void create_brush(const Params& p);
    void create_font(const Params& p);
    void create_palette(const Params& p);
    void points(WORD function, const Params& p);
    void text(const Params& p);
    void stretch_dib(const Params& p);

    HDC dc_;
    HGDIOBJ* table_;
    std::size_t slots_;
};

void Player::create_pen(const Params& p) {
    if (!p.has_words(5)) return;
    keep(CreatePen(static_cast<int>(p.u(0)), p.s(1), p.colour(3)));
}

void Player::create_brush(const Params& p) {
    if (!p.has_words(3)) return;
    LOGBRUSH brush{p.u(0) == BS_NULL ? BS_NULL : BS_SOLID, p.colour(1), 0};
    keep(CreateBrushIndirect(&brush));
}

void Player::create_font(const Params& p) {
    if (!p.has_bytes(18)) return;
    LOGFONTA lf{};
    lf.lfHeight = p.s(0);
    lf.lfWidth = p.s(1);
    lf.lfEscapement = p.s(2);
    lf.lfOrientation = p.s(3);
    lf.lfWeight = p.s(4);
    std::memcpy(&lf.lfItalic, p.at(10), 8);
    std::size_t face = std::min<std::size_t>(p.bytes() - 18, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, p.at(18), face);
    lf.lfFaceName[face] = '\0';
    keep(CreateFontIndirectA(&lf));
}

void Player::create_palette(const Params& p) {
    if (!p.has_words(2)) return;
    std::size_t count = p.u(1);
    if (count == 0 || !p.has_bytes(4 + 4 * count)) return;
    std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + 4 * count);
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(count);
    std::memcpy(lp->palPalEntry, p.at(4), 4 * count);
    keep(CreatePalette(lp));
}

void Player::points(WORD function, const Params& p) {
    if (!p.has_words(1)) return;
    std::size_t count = p.u(0);
    if (!p.has_words(1 + 2 * count)) return;
    std::vector<POINT> pts(count);
    for (std::size_t i = 0; i < count; ++i) pts[i] = {p.s(1 + 2 * i), p.s(2 + 2 * i)};
    if (function == record::kPolyline) Polyline(dc_, pts.data(), static_cast<int>(count));
    else Polygon(dc_, pts.data(), static_cast<int>(count));
}

void Player::text(const Params& p) {
    if (!p.has_words(1)) return;
    std::size_t count = p.u(0);
    std::size_t padded = (count + 1) & ~std::size_t{1};
    if (!p.has_bytes(2 + padded + 4)) return;
    std::size_t after = (2 + padded) / 2;
    TextOutA(dc_, p.s(after + 1), p.s(after), reinterpret_cast<const char*>(p.at(2)), static_cast<int>(count));
}

void Player::stretch_dib(const Params& p) {
    constexpr std::size_t kFixed = 22;
    if (!p.has_bytes(kFixed + sizeof(BITMAPINFOHEADER))) return;
    // The DIB is copied so that its header is aligned and its size known.
    std::vector<std::uint8_t> dib(p.at(kFixed), p.at(p.bytes()));
    BITMAPINFOHEADER h;
    std::memcpy(&h, dib.data(), sizeof h);
    if (h.biSize < sizeof h || h.biSize > dib.size()) return;
    std::uint64_t header = h.biSize + dib_table_bytes(h);
    auto pixels = dib_pixel_bytes(h);
    if (!pixels || header > dib.size() || *pixels > dib.size() - header) return;
    StretchDIBits(dc_, p.s(10), p.s(9), p.s(8), p.s(7), p.s(6), p.s(5), p.s(4), p.s(3), dib.data() + header,
                  reinterpret_cast<const BITMAPINFO*>(dib.data()), p.u(2), read_u32(p.at(0)));
}

void Player::play(WORD function, const Params& p) {
    switch (function) {
    case record::kSetMapMode: if (p.has_words(1)) SetMapMode(dc_, p.s(0)); break;
    case record::kSetBkMode: if (p.has_words(1)) SetBkMode(dc_, p.s(0)); break;
    case record::kSetStretchBltMode: if (p.has_words(1)) SetStretchBltMode(dc_, p.s(0)); break;
    case record::kSetTextAlign: if (p.has_words(1)) SetTextAlign(dc_, p.u(0)); break;
    case record::kSetBkColor: if (p.has_words(2)) SetBkColor(dc_, p.colour(0)); break;
    case record::kSetTextColor: if (p.has_words(2)) SetTextColor(dc_, p.colour(0)); break;
    case record::kSetWindowOrg: if (p.has_words(2)) SetWindowOrgEx(dc_, p.s(1), p.s(0), nullptr); break;
    case record::kSetWindowExt: if (p.has_words(2)) SetWindowExtEx(dc_, p.s(1), p.s(0), nullptr); break;
    case record::kSetViewportOrg: if (p.has_words(2)) SetViewportOrgEx(dc_, p.s(1), p.s(0), nullptr); break;
    case record::kSetViewportExt: if (p.has_words(2)) SetViewportExtEx(dc_, p.s(1), p.s(0), nullptr); break;
    case record::kMoveTo: if (p.has_words(2)) MoveToEx(dc_, p.s(1), p.s(0), nullptr); break;
    case record::kLineTo: if (p.has_words(2)) LineTo(dc_, p.s(1), p.s(0)); break;
    case record::kSelectObject: if (HGDIOBJ o = slot(p)) SelectObject(dc_, o); break;
    case record::kSelectPalette:
        if (HGDIOBJ o = slot(p)) SelectPalette(dc_, static_cast<HPALETTE>(o), FALSE_);
        break;
    case record::kRealizePalette: RealizePalette(dc_); break;
    case record::kDeleteObject: delete_slot(p); break;
    case record::kCreatePenIndirect: create_pen(p); break;
    case record::kCreateBrushIndirect: create_brush(p); break;
    case record::kCreateFontIndirect: create_font(p); break;
    case record::kCreatePalette: create_palette(p); break;
    case record::kArc:
        if (p.has_words(8)) Arc(dc_, p.s(7), p.s(6), p.s(5), p.s(4), p.s(3), p.s(2), p.s(1), p.s(0));
        break;
    case record::kEllipse: if (p.has_words(4)) Ellipse(dc_, p.s(3), p.s(2), p.s(1), p.s(0)); break;
    case record::kRectangle: if (p.has_words(4)) Rectangle(dc_, p.s(3), p.s(2), p.s(1), p.s(0)); break;
    case record::kPolyline:
    case record::kPolygon: points(function, p); break;
    case record::kTextOut: text(p); break;
    case record::kStretchDib: stretch_dib(p); break;
    default:
        // Other creation records still take their slot, so that later
        // indexes keep naming the objects they named when recorded.
        if (creates_placeholder(function)) keep(CreateSolidBrush(0));
        break;
    }
}

}  // namespace

bool creates_placeholder(WORD function) {
    return function == 0x0142 || function == 0x01F9 || function == 0x06FF;
}

void play_record(HDC dc, HGDIOBJ* table, std::size_t slots, WORD function, const std::uint8_t* params,
                 std::size_t bytes) {
    Player(dc, table, slots).play(function, Params(params, bytes));
}

}  // namespace platform::gdi
