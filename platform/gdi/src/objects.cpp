// Creation, lookup and deletion of GDI objects, and the stock objects.
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "device_context.h"
#include "gdi_object.h"
#include "handle_registry.h"
#include "platform/gdi/objects.h"

namespace platform::gdi {

namespace {

constexpr int kStockCount = 18;
// Bitmaps larger than this many pixels (1 GiB of 32-bit pixels) are refused.
constexpr long long kMaxBitmapPixels = 1LL << 28;

GdiObject* make_stock(int which) {
    auto* o = new GdiObject{};
    o->stock = true;
    auto brush = [&](UINT style, COLORREF c) {
        o->kind = ObjectKind::Brush;
        o->brush = {style, c, 0};
    };
    auto pen = [&](UINT style, COLORREF c) {
        o->kind = ObjectKind::Pen;
        o->pen = {style, {0, 0}, c};
    };
    switch (which) {
    case WHITE_BRUSH: brush(BS_SOLID, RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: brush(BS_SOLID, RGB(192, 192, 192)); break;
    case GRAY_BRUSH: brush(BS_SOLID, RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: brush(BS_SOLID, RGB(64, 64, 64)); break;
    case BLACK_BRUSH: brush(BS_SOLID, RGB(0, 0, 0)); break;
    case NULL_BRUSH: brush(BS_NULL, 0); break;
    case WHITE_PEN: pen(PS_SOLID, RGB(255, 255, 255)); break;
    case BLACK_PEN: pen(PS_SOLID, RGB(0, 0, 0)); break;
    case NULL_PEN: pen(PS_NULL, 0); break;
    case DEFAULT_PALETTE:
        o->kind = ObjectKind::Palette;
        o->palette = {{0, 0, 0, 0}, {128, 0, 0, 0}, {0, 128, 0, 0}, {128, 128, 0, 0}, {0, 0, 128, 0},
                      {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0},
                      {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0},
                      {255, 0, 0, 0}, {0, 255, 0, 0}, {255, 255, 0, 0}, {0, 0, 255, 0},
                      {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0}};
        break;
    case kStockCount - 1:  // the one-pixel bitmap of a fresh memory context
        o->kind = ObjectKind::Bitmap;
        o->image = QImage(1, 1, QImage::Format_RGB32);
        o->image.fill(Qt::white);
        o->bits_per_pixel = 1;
        break;
    default:  // every font: the system font
        o->kind = ObjectKind::Font;
        o->font = LOGFONTA{};
        o->font.lfHeight = 16;
        o->font.lfWeight = FW_BOLD;
        std::strcpy(o->font.lfFaceName, "System");
        break;
    }
    object_registry().add(o);
    return o;
}

GdiObject* stock(int which) {
    static std::array<GdiObject*, kStockCount> objects = [] {
        std::array<GdiObject*, kStockCount> all{};
        for (int i = 0; i < kStockCount; ++i) all[i] = make_stock(i);
        return all;
    }();
    return which >= 0 && which < kStockCount ? objects[which] : nullptr;
}

GdiObject* make_object(ObjectKind kind) {
    auto* o = new (std::nothrow) GdiObject{};
    if (!o) return nullptr;
    o->kind = kind;
    object_registry().add(o);
    return o;
}

bool valid_pen_style(int style) { return style >= PS_SOLID && style <= PS_INSIDEFRAME; }

}  // namespace

GdiObject* object_of(HGDIOBJ handle) {
    return object_registry().contains(handle) ? static_cast<GdiObject*>(handle) : nullptr;
}

GdiObject* object_of(HGDIOBJ handle, ObjectKind kind) {
    GdiObject* o = object_of(handle);
    return o && o->kind == kind ? o : nullptr;
}

GdiObject* default_object(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Pen: return stock(BLACK_PEN);
    case ObjectKind::Brush: return stock(WHITE_BRUSH);
    case ObjectKind::Font: return stock(SYSTEM_FONT);
    case ObjectKind::Palette: return stock(DEFAULT_PALETTE);
    case ObjectKind::Bitmap: return stock(kStockCount - 1);
    }
    return nullptr;
}

}  // namespace platform::gdi

using namespace platform::gdi;

extern "C" {

HPEN CreatePen(int style, int width, COLORREF color) {
    if (!valid_pen_style(style)) style = PS_SOLID;
    GdiObject* o = make_object(ObjectKind::Pen);
    if (!o) return nullptr;
    o->pen = {static_cast<UINT>(style), {std::max(width, 0), 0}, color & 0x00FFFFFF};
    return handle_of<HPEN>(o);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return nullptr;
    GdiObject* o = make_object(ObjectKind::Brush);
    if (!o) return nullptr;
    o->brush = *brush;
    o->brush.lbColor &= 0x00FFFFFF;
    return handle_of<HBRUSH>(o);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH brush{BS_SOLID, color, 0};
    return CreateBrushIndirect(&brush);
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return nullptr;
    GdiObject* o = make_object(ObjectKind::Font);
    if (!o) return nullptr;
    o->font = *font;
    o->font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return handle_of<HFONT>(o);
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palNumEntries == 0) return nullptr;
    GdiObject* o = make_object(ObjectKind::Palette);
    if (!o) return nullptr;
    o->palette.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return handle_of<HPALETTE>(o);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void*) {
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxBitmapPixels) return nullptr;
    UINT depth = planes * bitsPerPixel;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return nullptr;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(Qt::white);
    GdiObject* o = make_object(ObjectKind::Bitmap);
    if (!o) return nullptr;
    o->image = std::move(image);
    o->bits_per_pixel = static_cast<int>(depth);
    return handle_of<HBITMAP>(o);
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    return CreateBitmap(width, height, 1, 24, nullptr);
}

HGDIOBJ GetStockObject(int which) {
    if (which < 0 || which >= 17) return nullptr;
    return stock(which);
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* o = object_of(handle);
    if (!o) return FALSE_;
    if (o->stock) return TRUE_;
    forget_object_everywhere(o);
    object_registry().remove(o);
    delete o;
    return TRUE_;
}

DWORD GetObjectType(HGDIOBJ handle) {
    if (GdiObject* o = object_of(handle)) {
        switch (o->kind) {
        case ObjectKind::Pen: return OBJ_PEN;
        case ObjectKind::Brush: return OBJ_BRUSH;
        case ObjectKind::Font: return OBJ_FONT;
        case ObjectKind::Palette: return OBJ_PAL;
        case ObjectKind::Bitmap: return OBJ_BITMAP;
        }
    }
    if (DeviceContext* dc = dc_of(static_cast<HDC>(handle))) return dc->recording() ? OBJ_METADC : OBJ_MEMDC;
    return 0;
}

int GetObjectA(HGDIOBJ handle, int size, void* out) {
    GdiObject* o = object_of(handle);
    if (!o || !out || size <= 0) return 0;
    auto copy = [&](const auto& value) {
        int n = std::min(size, static_cast<int>(sizeof value));
        std::memcpy(out, &value, static_cast<std::size_t>(n));
        return n;
    };
    switch (o->kind) {
    case ObjectKind::Pen: return copy(o->pen);
    case ObjectKind::Brush: return copy(o->brush);
    case ObjectKind::Font: return copy(o->font);
    case ObjectKind::Palette: return copy(static_cast<WORD>(o->palette.size()));
    case ObjectKind::Bitmap: {
        BITMAP bm{0, o->image.width(), o->image.height(),
                  ((o->image.width() * o->bits_per_pixel + 15) / 16) * 2, 1,
                  static_cast<WORD>(o->bits_per_pixel), nullptr};
        return copy(bm);
    }
    }
    return 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* out) {
    GdiObject* o = object_of(palette, ObjectKind::Palette);
    if (!o) return 0;
    if (!out) return static_cast<UINT>(o->palette.size());
    if (start >= o->palette.size()) return 0;
    UINT n = std::min<UINT>(count, static_cast<UINT>(o->palette.size()) - start);
    std::copy_n(o->palette.begin() + start, n, out);
    return n;
}

}  // extern "C"
