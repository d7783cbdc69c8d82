#pragma once
// The Qt pen, brush and colour that draw what a context has selected.
#include <QBrush>
#include <QColor>
#include <QPen>

#include "dc_state.h"

namespace platform::gdi {

QColor to_qcolor(COLORREF color);
QPen to_qpen(const DcState& s);
QBrush to_qbrush(const DcState& s);

}  // namespace platform::gdi
