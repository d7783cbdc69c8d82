#include "qt_tools.h"

#include <algorithm>
#include <cmath>

#include "mapping.h"

namespace platform::gdi {

namespace {

// Pens wider than this draw as this wide: wider ones cover any bitmap.
constexpr double kMaxPenWidth = 4096;

Qt::PenStyle qt_style(UINT style) {
    switch (style) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

}  // namespace

QColor to_qcolor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

QPen to_qpen(const DcState& s) {
    const LOGPEN& lp = s.pen->pen;
    if (lp.lopnStyle == PS_NULL) return QPen(Qt::NoPen);
    double width = lp.lopnWidth.x == 0 ? 1.0 : std::max(1.0, std::round(device_length_x(s, lp.lopnWidth.x)));
    width = std::min(width, kMaxPenWidth);
    QPen pen(to_qcolor(lp.lopnColor));
    pen.setWidthF(width);
    // Styled lines exist only for one-pixel pens; wider pens draw solid.
    pen.setStyle(width <= 1.0 ? qt_style(lp.lopnStyle) : Qt::SolidLine);
    pen.setCapStyle(width <= 1.0 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QBrush to_qbrush(const DcState& s) {
    const LOGBRUSH& lb = s.brush->brush;
    if (lb.lbStyle == BS_NULL) return QBrush(Qt::NoBrush);
    return QBrush(to_qcolor(lb.lbColor));
}

}  // namespace platform::gdi
