#pragma once
// The library's compiled string tables.
#include "platform/resources.h"

namespace resources {
extern const platform::StringTable mirv32;
extern const platform::StringTable mirv32_waitbox;
}  // namespace resources
