// Lines, arcs, ellipses, rectangles and polygons: recorded into a metafile
// context, painted into a memory context's bitmap.
#include <QPolygon>
#include <cmath>
#include <vector>

#include "device_context.h"
#include "le_bytes.h"
#include "mapping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "qt_tools.h"

using namespace platform::gdi;

namespace {

std::uint16_t word(int v) { return static_cast<std::uint16_t>(v); }

// Pen and brush of the context on its painter, or null when it cannot draw.
QPainter* prepared_painter(DeviceContext& dc) {
    QPainter* p = dc.open_painter();
    if (!p) return nullptr;
    p->setPen(to_qpen(dc.state));
    p->setBrush(to_qbrush(dc.state));
    return p;
}

// The device rectangle of a GDI box, right and bottom edges excluded.
QRect device_box(const DcState& s, int left, int top, int right, int bottom) {
    QPoint a = to_device(s, left, top);
    QPoint b = to_device(s, right, bottom);
    QRect r = QRect(a, b).normalized();
    return QRect(r.left(), r.top(), std::max(0, r.width() - 2), std::max(0, r.height() - 2));
}

QPolygon device_points(const DcState& s, const POINT* points, int count) {
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) poly << to_device(s, points[i].x, points[i].y);
    return poly;
}

void record_points(DeviceContext& dc, WORD function, const POINT* points, int count) {
    std::vector<std::uint8_t> params;
    put_u16(params, word(count));
    for (int i = 0; i < count; ++i) {
        put_u16(params, word(points[i].x));
        put_u16(params, word(points[i].y));
    }
    dc.recorder->record_bytes(function, params);
}

// The parametric angle (degrees, counter-clockwise on screen) of the point
// where a radial from the centre of `box` through `through` meets the ellipse.
double radial_angle(const QRectF& box, QPointF through) {
    QPointF c = box.center();
    double rx = std::max(box.width() / 2, 0.5);
    double ry = std::max(box.height() / 2, 0.5);
    return std::atan2(-(through.y() - c.y()) / ry, (through.x() - c.x()) / rx) * 180.0 / M_PI;
}

}  // namespace

extern "C" {

BOOL MoveToEx(HDC handle, int x, int y, POINT* previous) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (previous) *previous = dc->state.position;
    if (dc->recorder) dc->recorder->record(record::kMoveTo, {word(y), word(x)});
    dc->state.position = {x, y};
    return TRUE_;
}

BOOL LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (dc->recorder) {
        dc->recorder->record(record::kLineTo, {word(y), word(x)});
    } else if (QPainter* p = prepared_painter(*dc)) {
        p->drawLine(to_device(dc->state, dc->state.position.x, dc->state.position.y), to_device(dc->state, x, y));
    }
    dc->state.position = {x, y};
    return TRUE_;
}

BOOL Arc(HDC handle, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (dc->recorder) {
        dc->recorder->record(record::kArc, {word(yEnd), word(xEnd), word(yStart), word(xStart), word(bottom),
                                            word(right), word(top), word(left)});
        return TRUE_;
    }
    QPainter* p = prepared_painter(*dc);
    if (!p) return TRUE_;
    QRectF box = device_box(dc->state, left, top, right, bottom);
    double start = radial_angle(box, to_device(dc->state, xStart, yStart));
    double end = radial_angle(box, to_device(dc->state, xEnd, yEnd));
    double span = end - start;
    while (span <= 0) span += 360.0;  // counter-clockwise; equal radials: the whole ellipse
    p->setBrush(Qt::NoBrush);
    p->drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
    return TRUE_;
}

BOOL Ellipse(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (dc->recorder) {
        dc->recorder->record(record::kEllipse, {word(bottom), word(right), word(top), word(left)});
    } else if (QPainter* p = prepared_painter(*dc)) {
        p->drawEllipse(device_box(dc->state, left, top, right, bottom));
    }
    return TRUE_;
}

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = dc_of(handle);
    if (!dc) return FALSE_;
    if (dc->recorder) {
        dc->recorder->record(record::kRectangle, {word(bottom), word(right), word(top), word(left)});
    } else if (QPainter* p = prepared_painter(*dc)) {
        p->drawRect(device_box(dc->state, left, top, right, bottom));
    }
    return TRUE_;
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !points || count < 2 || count > 0x7FFF) return FALSE_;
    if (dc->recorder) record_points(*dc, record::kPolyline, points, count);
    else if (QPainter* p = prepared_painter(*dc)) p->drawPolyline(device_points(dc->state, points, count));
    return TRUE_;
}

BOOL Polygon(HDC handle, const POINT* points, int count) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !points || count < 2 || count > 0x7FFF) return FALSE_;
    if (dc->recorder) record_points(*dc, record::kPolygon, points, count);
    else if (QPainter* p = prepared_painter(*dc)) p->drawPolygon(device_points(dc->state, points, count));
    return TRUE_;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = dc_of(handle);
    GdiObject* b = object_of(brush, ObjectKind::Brush);
    if (!dc || !rect || !b || dc->recording()) return 0;
    QPainter* p = dc->open_painter();
    if (!p || b->brush.lbStyle == BS_NULL) return 1;
    QPoint a = to_device(dc->state, rect->left, rect->top);
    QPoint c = to_device(dc->state, rect->right, rect->bottom);
    p->fillRect(QRect(a, c - QPoint(1, 1)).normalized(), to_qcolor(b->brush.lbColor));
    return 1;
}

}  // extern "C"
