#pragma once
// The wait cursor for the lifetime of the object; the previous cursor comes
// back when it ends.
#include "platform/ui/api.h"

namespace platform::ui {

class PLATFORM_UI_API WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace platform::ui
