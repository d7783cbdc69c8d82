// EnumMetaSize and the routine that runs it: SetWindowOrg moves the box and
// keeps its size, SetWindowExt sets its size; 16-bit arithmetic throughout.
#include "window_box.h"

#include <cstring>

#include "platform/gdi/metafile.h"

namespace mirv::wmf {

Placeable window_box(HMETAFILE metafile) {
    PlaceableHeader header{kPlaceableKey, 0, 0, 0, 0, 0, 0, 0, 0};
    EnumMetaFile(nullptr, metafile, EnumMetaSize, reinterpret_cast<LPARAM>(&header));
    return {header.left, header.top, header.right, header.bottom, header.inch};
}

}  // namespace mirv::wmf

extern "C" int EnumMetaSize(HDC, HANDLETABLE*, METARECORD* record, int, LPARAM data) {
    auto* box = reinterpret_cast<mirv::wmf::PlaceableHeader*>(data);
    if (!record || !box || record->rdSize < 5) return 1;
    std::int16_t p[2];
    std::memcpy(p, record->rdParm, sizeof p);
    auto s16 = [](int v) { return static_cast<std::int16_t>(v); };
    if (record->rdFunction == platform::gdi::record::kSetWindowOrg) {
        std::int16_t width = s16(box->right - box->left);
        std::int16_t height = s16(box->bottom - box->top);
        box->left = p[1];
        box->top = p[0];
        box->right = s16(box->left + width);
        box->bottom = s16(box->top + height);
    } else if (record->rdFunction == platform::gdi::record::kSetWindowExt) {
        box->right = s16(box->left + p[1]);
        box->bottom = s16(box->top + p[0]);
    }
    return 1;
}
