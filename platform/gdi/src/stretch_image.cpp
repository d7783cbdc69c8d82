// Drawing a decoded DIB into a context: the source rectangle counts rows
// from the bottom, the destination is in logical coordinates, negative
// destination extents mirror. Only the part of the source inside the
// picture is drawn.
#include <QImage>
#include <QPainter>
#include <QTransform>

#include "device_context.h"
#include "mapping.h"

namespace platform::gdi {

int play_stretch_image(DeviceContext& dc, const QImage& image, int xDest, int yDest, int destWidth,
                       int destHeight, int xSrc, int ySrc, int srcWidth, int srcHeight) {
    if (srcWidth <= 0 || srcHeight <= 0) return 0;
    QPainter* p = dc.open_painter();
    if (!p) return image.height();
    QRect source(xSrc, image.height() - ySrc - srcHeight, srcWidth, srcHeight);
    QRect visible = source.intersected(image.rect());
    if (visible.isEmpty()) return 0;
    QPoint a = to_device(dc.state, xDest, yDest);
    QPoint b = to_device(dc.state, static_cast<double>(xDest) + destWidth, static_cast<double>(yDest) + destHeight);
    if (a.x() == b.x() || a.y() == b.y()) return 0;
    QTransform map;
    map.translate(a.x(), a.y());
    map.scale(static_cast<double>(b.x() - a.x()) / srcWidth, static_cast<double>(b.y() - a.y()) / srcHeight);
    map.translate(-source.left(), -source.top());
    p->save();
    p->setTransform(map);
    p->setRenderHint(QPainter::SmoothPixmapTransform, dc.state.stretch_mode == HALFTONE);
    p->drawImage(visible.topLeft(), image, visible);
    p->restore();
    return image.height();
}

}  // namespace platform::gdi
