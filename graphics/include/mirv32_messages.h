#pragma once
// The window messages that ProBarProc and A0 answer, and the ids of the
// wait box's controls.
#include "platform/types.h"

namespace mirv {

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;

// Progress control: set range, set position, advance position.
constexpr UINT PBM_SETRANGE = WM_USER;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_DELTAPOS = WM_USER + 4;

constexpr int IDC_PROGRESS = 257;
constexpr int IDCANCEL_BUTTON = 2;
constexpr UINT WAIT_TIMER_ID = 4;

}  // namespace mirv
