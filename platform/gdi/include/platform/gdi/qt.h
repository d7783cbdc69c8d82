#pragma once
// The Qt side of the GDI layer, for code that works with Qt directly.
#include <QImage>

#include "platform/gdi/api.h"
#include "platform/gdi/types.h"

namespace platform::gdi {

// A copy of a bitmap's current pixels (drawing still in progress is
// finished first). A null image for a handle that is no bitmap.
PLATFORM_GDI_API QImage bitmap_image(HBITMAP bitmap);

// The pixels of a packed DIB (header, colour table, rows) as an image;
// a null image when the DIB is not one the layer can draw or its bits are
// shorter than its header says.
PLATFORM_GDI_API QImage dib_to_image(const BITMAPINFO* info, std::size_t infoBytes,
                                     const void* bits, std::size_t bitsBytes);

}  // namespace platform::gdi
