#pragma once
// Progress reporting: one conversion at a time holds it; it shows progress
// through the caller's callback, a wait box, or the wait cursor.
#include "mirv32.h"

namespace mirv::progress {

// 0, or IPE_BUSY while another conversion holds progress reporting (and
// then nothing changes).
int begin(HWND parent, IPCALLBACK callback);
// Reports a percentage; true when the conversion is to stop.
bool step(int percent);
void end();

// For the wait box: its timer ticked, its cancel button was pressed.
void set_tick();
void request_stop();

}  // namespace mirv::progress
