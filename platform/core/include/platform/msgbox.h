#pragma once
// One message box dispatcher for the whole process. Libraries call
// platform::message_box; a GUI program installs a backend that shows real
// dialogs, tests install a recorder. Without a backend the text goes to
// stderr as "caption: text" and the default button's answer comes back.
#include <functional>
#include <string>

#include "platform/api.h"
#include "platform/types.h"

// Styles (bit values as the Win32 interface defines them).
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr UINT MB_ICONMASK = 0x00F0;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace platform {

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

using MessageBoxBackend = std::function<int(const MessageBoxCall&)>;
using BeepBackend = std::function<void(UINT)>;

// Shows a message box through the installed backend and returns its answer.
PLATFORM_API int message_box(HWND owner, const char* text, const char* caption, UINT style);

// The answer of the default button for a style, as a box closed with Enter gives.
PLATFORM_API int default_answer(UINT style);

// Installs a backend (an empty function restores the stderr default) and
// returns the one that was installed before.
PLATFORM_API MessageBoxBackend set_message_box_backend(MessageBoxBackend backend);

// The default beep; a backend may be installed like the message box's.
PLATFORM_API void message_beep(UINT type);
PLATFORM_API BeepBackend set_beep_backend(BeepBackend backend);

}  // namespace platform
