#pragma once
// The objects behind pen, brush, font, palette and bitmap handles.
#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/gdi/objects.h"
#include "platform/gdi/types.h"

namespace platform::gdi {

struct DeviceContext;

enum class ObjectKind { Pen, Brush, Font, Palette, Bitmap };

struct GdiObject {
    ObjectKind kind;
    bool stock = false;
    // Pen.
    LOGPEN pen{};
    // Brush.
    LOGBRUSH brush{};
    // Font.
    LOGFONTA font{};
    // Palette.
    std::vector<PALETTEENTRY> palette;
    // Bitmap: the pixels (always drawn as 32-bit RGB), the depth it reports,
    // and the memory context it is selected into, if any.
    QImage image;
    int bits_per_pixel = 0;
    DeviceContext* selected_in = nullptr;
};

// The object behind a handle of any kind, or null for a handle that is not
// a live object.
GdiObject* object_of(HGDIOBJ handle);
GdiObject* object_of(HGDIOBJ handle, ObjectKind kind);

// The stock object a context falls back to for a kind.
GdiObject* default_object(ObjectKind kind);

template <class Handle>
Handle handle_of(GdiObject* object) {
    return static_cast<Handle>(static_cast<void*>(object));
}

}  // namespace platform::gdi
