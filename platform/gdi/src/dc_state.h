#pragma once
// The drawing state of a device context.
#include "gdi_object.h"
#include "platform/gdi/types.h"

namespace platform::gdi {

struct DcState {
    int map_mode = MM_TEXT;
    POINT window_org{0, 0};
    SIZE window_ext{1, 1};
    POINT viewport_org{0, 0};
    SIZE viewport_ext{1, 1};
    POINT position{0, 0};
    GdiObject* pen = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    GdiObject* palette = nullptr;
    COLORREF text_color = RGB(0, 0, 0);
    int bk_mode = OPAQUE;
    COLORREF bk_color = RGB(255, 255, 255);
    UINT text_align = TA_LEFT | TA_TOP;
    int stretch_mode = BLACKONWHITE;
};

}  // namespace platform::gdi
