#include "progress_geometry.h"

namespace mirv {

ProgressGeometry progress_geometry(int W, int H, int w, int h, bool has_caption) {
    ProgressGeometry g{};
    g.margin = 5 * w / 2;
    if (g.margin >= W / 4) g.margin = 0;
    g.gap = h / 4 + 2;
    g.tick_height = h / 3;
    g.scale_height = h;
    g.caption_height = has_caption ? h : 0;
    int b = H - g.gap;
    if (has_caption && b - g.caption_height - 2 * g.gap > 0) b -= 2 * g.gap + g.caption_height;
    if (b - g.tick_height - g.gap / 2 > 0) b -= g.gap / 2 + g.tick_height;
    if (b - g.scale_height - g.gap > 0) b -= g.scale_height + g.gap;
    g.bar_height = b;
    g.bar_left = g.margin;
    g.bar_right = W - g.margin;
    int y = 0;
    if (has_caption) {
        y += g.gap;
        g.caption_top = y;
        y += g.caption_height;
    }
    y += g.gap + 2;
    g.bar_top = y;
    g.ticks_top = y + b;
    g.scale_top = g.ticks_top + g.tick_height + g.gap / 2;
    return g;
}

}  // namespace mirv
