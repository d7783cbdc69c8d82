#include "mapping.h"

#include <algorithm>
#include <cmath>

namespace platform::gdi {

namespace {

// Device coordinates are kept where the rasteriser stays exact and fast;
// anything beyond is far outside every bitmap anyway.
constexpr double kDeviceLimit = 1 << 24;

int clamp_device(double v) {
    return static_cast<int>(std::lround(std::clamp(v, -kDeviceLimit, kDeviceLimit)));
}

}  // namespace

double scale_x(const DcState& s) {
    if (s.map_mode != MM_ANISOTROPIC || s.window_ext.cx == 0) return 1.0;
    return static_cast<double>(s.viewport_ext.cx) / s.window_ext.cx;
}

double scale_y(const DcState& s) {
    if (s.map_mode != MM_ANISOTROPIC || s.window_ext.cy == 0) return 1.0;
    return static_cast<double>(s.viewport_ext.cy) / s.window_ext.cy;
}

QPoint to_device(const DcState& s, double x, double y) {
    double dx = (x - s.window_org.x) * scale_x(s) + s.viewport_org.x;
    double dy = (y - s.window_org.y) * scale_y(s) + s.viewport_org.y;
    return {clamp_device(dx), clamp_device(dy)};
}

double device_length_x(const DcState& s, double length) { return std::fabs(length * scale_x(s)); }
double device_length_y(const DcState& s, double length) { return std::fabs(length * scale_y(s)); }

}  // namespace platform::gdi
