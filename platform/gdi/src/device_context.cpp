// Device context lifetime, state, and object selection.
#include "device_context.h"

#include <new>

#include "handle_registry.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"

namespace platform::gdi {

namespace {

void reset_selection(DcState& s) {
    s.pen = default_object(ObjectKind::Pen);
    s.brush = default_object(ObjectKind::Brush);
    s.font = default_object(ObjectKind::Font);
    s.palette = default_object(ObjectKind::Palette);
}

std::uint16_t word(int v) { return static_cast<std::uint16_t>(v); }

GdiObject*& selected_slot(DcState& s, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Pen: return s.pen;
    case ObjectKind::Brush: return s.brush;
    case ObjectKind::Font: return s.font;
    default: return s.palette;
    }
}

HGDIOBJ select_bitmap(DeviceContext& dc, GdiObject& bitmap) {
    if (dc.recording()) return nullptr;
    if (bitmap.selected_in && bitmap.selected_in != &dc) return nullptr;
    dc.close_painter();
    GdiObject* previous = dc.bitmap;
    if (previous) previous->selected_in = nullptr;
    dc.bitmap = &bitmap;
    if (!bitmap.stock) bitmap.selected_in = &dc;
    return previous;
}

}  // namespace

QPainter* DeviceContext::open_painter() {
    if (!bitmap || bitmap->stock) return nullptr;
    if (!painter) {
        painter = std::make_unique<QPainter>();
        if (!painter->begin(&bitmap->image)) {
            painter.reset();
            return nullptr;
        }
    }
    return painter.get();
}

void DeviceContext::close_painter() {
    if (painter) painter->end();
    painter.reset();
}

DeviceContext* dc_of(HDC handle) {
    return dc_registry().contains(handle) ? reinterpret_cast<DeviceContext*>(handle) : nullptr;
}

HDC handle_of(DeviceContext* dc) { return reinterpret_cast<HDC>(dc); }

DeviceContext* create_dc(bool recording) {
    auto* dc = new (std::nothrow) DeviceContext{};
    if (!dc) return nullptr;
    reset_selection(dc->state);
    if (recording) dc->recorder = std::make_unique<MetafileRecorder>();
    else dc->bitmap = default_object(ObjectKind::Bitmap);
    dc_registry().add(dc);
    return dc;
}

void destroy_dc(DeviceContext* dc) {
    dc->close_painter();
    if (dc->bitmap) dc->bitmap->selected_in = nullptr;
    dc_registry().remove(dc);
    delete dc;
}

void forget_object_everywhere(GdiObject* object) {
    for (const void* handle : dc_registry().all()) {
        auto* dc = static_cast<DeviceContext*>(const_cast<void*>(handle));
        if (object->kind == ObjectKind::Bitmap) {
            if (dc->bitmap == object) {
                dc->close_painter();
                dc->bitmap = default_object(ObjectKind::Bitmap);
            }
            continue;
        }
        GdiObject*& slot = selected_slot(dc->state, object->kind);
        if (slot == object) slot = default_object(object->kind);
        if (dc->recorder) dc->recorder->forget(*object);
    }
}

}  // namespace platform::gdi

using namespace platform::gdi;

extern "C" {

HDC CreateCompatibleDC(HDC) { return handle_of(create_dc(false)); }

BOOL DeleteDC(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    destroy_dc(dc);
    return TRUE_;
}

int GetDeviceCaps(HDC handle, int index) {
    DeviceContext* dc = dc_of(handle);
    switch (index) {
    case BITSPIXEL: return 24;
    case PLANES: return 1;
    case HORZRES: return dc && dc->bitmap ? dc->bitmap->image.width() : 0;
    case VERTRES: return dc && dc->bitmap ? dc->bitmap->image.height() : 0;
    default: return 0;
    }
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object_handle) {
    DeviceContext* dc = dc_of(handle);
    GdiObject* object = object_of(object_handle);
    if (!dc || !object || object->kind == ObjectKind::Palette) return nullptr;
    if (object->kind == ObjectKind::Bitmap) return select_bitmap(*dc, *object);
    if (dc->recorder) dc->recorder->record(record::kSelectObject, {word(dc->recorder->slot_for(*object))});
    GdiObject*& slot = selected_slot(dc->state, object->kind);
    GdiObject* previous = slot;
    slot = object;
    return previous;
}

HGDIOBJ GetCurrentObject(HDC handle, UINT kind) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return nullptr;
    switch (kind) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_PAL: return dc->state.palette;
    case OBJ_BITMAP: return dc->bitmap;
    default: return nullptr;
    }
}

HPALETTE SelectPalette(HDC handle, HPALETTE palette, BOOL) {
    DeviceContext* dc = dc_of(handle);
    GdiObject* object = object_of(palette, ObjectKind::Palette);
    if (!dc || !object) return nullptr;
    if (dc->recorder) dc->recorder->record(record::kSelectPalette, {word(dc->recorder->slot_for(*object))});
    GdiObject* previous = dc->state.palette;
    dc->state.palette = object;
    return handle_of<HPALETTE>(previous);
}

UINT RealizePalette(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return static_cast<UINT>(-1);
    if (dc->recorder) dc->recorder->record(record::kRealizePalette, {});
    // A 24-bit display shows every colour as it is: nothing to map.
    return 0;
}

int SetMapMode(HDC handle, int mode) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || mode < 1 || mode > 8) return 0;
    if (dc->recorder) dc->recorder->record(record::kSetMapMode, {word(mode)});
    int previous = dc->state.map_mode;
    dc->state.map_mode = mode;
    return previous;
}

int GetMapMode(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.map_mode : 0;
}

BOOL SetWindowExtEx(HDC handle, int x, int y, SIZE* previous) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (previous) *previous = dc->state.window_ext;
    if (dc->recorder) dc->recorder->record(record::kSetWindowExt, {word(y), word(x)});
    if (x == 0 || y == 0) return FALSE_;
    dc->state.window_ext = {x, y};
    return TRUE_;
}

BOOL SetWindowOrgEx(HDC handle, int x, int y, POINT* previous) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (previous) *previous = dc->state.window_org;
    if (dc->recorder) dc->recorder->record(record::kSetWindowOrg, {word(y), word(x)});
    dc->state.window_org = {x, y};
    return TRUE_;
}

BOOL SetViewportExtEx(HDC handle, int x, int y, SIZE* previous) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (previous) *previous = dc->state.viewport_ext;
    if (dc->recorder) dc->recorder->record(record::kSetViewportExt, {word(y), word(x)});
    if (x == 0 || y == 0) return FALSE_;
    dc->state.viewport_ext = {x, y};
    return TRUE_;
}

BOOL SetViewportOrgEx(HDC handle, int x, int y, POINT* previous) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (previous) *previous = dc->state.viewport_org;
    if (dc->recorder) dc->recorder->record(record::kSetViewportOrg, {word(y), word(x)});
    dc->state.viewport_org = {x, y};
    return TRUE_;
}

BOOL GetWindowExtEx(HDC handle, SIZE* out) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !out) return FALSE_;
    *out = dc->state.window_ext;
    return TRUE_;
}

BOOL GetWindowOrgEx(HDC handle, POINT* out) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !out) return FALSE_;
    *out = dc->state.window_org;
    return TRUE_;
}

BOOL GetViewportExtEx(HDC handle, SIZE* out) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !out) return FALSE_;
    *out = dc->state.viewport_ext;
    return TRUE_;
}

BOOL GetViewportOrgEx(HDC handle, POINT* out) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !out) return FALSE_;
    *out = dc->state.viewport_org;
    return TRUE_;
}

BOOL GetCurrentPositionEx(HDC handle, POINT* out) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !out) return FALSE_;
    *out = dc->state.position;
    return TRUE_;
}

UINT SetTextAlign(HDC handle, UINT align) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return static_cast<UINT>(-1);
    if (dc->recorder) dc->recorder->record(record::kSetTextAlign, {word(static_cast<int>(align))});
    UINT previous = dc->state.text_align;
    dc->state.text_align = align;
    return previous;
}

UINT GetTextAlign(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.text_align : static_cast<UINT>(-1);
}

int SetBkMode(HDC handle, int mode) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    if (dc->recorder) dc->recorder->record(record::kSetBkMode, {word(mode)});
    int previous = dc->state.bk_mode;
    dc->state.bk_mode = mode;
    return previous;
}

int GetBkMode(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.bk_mode : 0;
}

COLORREF SetBkColor(HDC handle, COLORREF color) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return 0xFFFFFFFF;
    if (dc->recorder)
        dc->recorder->record(record::kSetBkColor, {word(color & 0xFFFF), word(color >> 16)});
    COLORREF previous = dc->state.bk_color;
    dc->state.bk_color = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetBkColor(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.bk_color : 0xFFFFFFFF;
}

COLORREF SetTextColor(HDC handle, COLORREF color) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return 0xFFFFFFFF;
    if (dc->recorder)
        dc->recorder->record(record::kSetTextColor, {word(color & 0xFFFF), word(color >> 16)});
    COLORREF previous = dc->state.text_color;
    dc->state.text_color = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetTextColor(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.text_color : 0xFFFFFFFF;
}

int SetStretchBltMode(HDC handle, int mode) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    if (dc->recorder) dc->recorder->record(record::kSetStretchBltMode, {word(mode)});
    int previous = dc->state.stretch_mode;
    dc->state.stretch_mode = mode;
    return previous;
}

int GetStretchBltMode(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    return dc ? dc->state.stretch_mode : 0;
}

}  // extern "C"
