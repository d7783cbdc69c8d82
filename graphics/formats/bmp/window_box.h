#pragma once
// The bounding box a metafile's own window records give it.
#include "placeable.h"
#include "platform/gdi/types.h"

namespace mirv::wmf {

Placeable window_box(HMETAFILE metafile);

}  // namespace mirv::wmf
