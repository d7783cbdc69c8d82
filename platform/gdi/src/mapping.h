#pragma once
// Logical to device coordinates: the window is mapped onto the viewport in
// MM_ANISOTROPIC, one logical unit is one pixel in MM_TEXT.
#include <QPoint>

#include "dc_state.h"

namespace platform::gdi {

double scale_x(const DcState& s);
double scale_y(const DcState& s);
QPoint to_device(const DcState& s, double x, double y);
// A length along x or y in device pixels (absolute value).
double device_length_x(const DcState& s, double length);
double device_length_y(const DcState& s, double length);

}  // namespace platform::gdi
