// The process-wide message box and beep dispatcher.
#include "platform/msgbox.h"

#include <cstdio>
#include <utility>

namespace platform {
namespace {

MessageBoxBackend& message_box_backend() {
    static MessageBoxBackend backend;
    return backend;
}

BeepBackend& beep_backend() {
    static BeepBackend backend;
    return backend;
}

int stderr_message_box(const MessageBoxCall& call) {
    std::fprintf(stderr, "%s: %s\n", call.caption.c_str(), call.text.c_str());
    return default_answer(call.style);
}

}  // namespace

int default_answer(UINT style) {
    const int button = static_cast<int>((style & MB_DEFMASK) >> 8);  // 0, 1 or 2
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return button == 0 ? IDOK : IDCANCEL;
    case MB_YESNO: return button == 0 ? IDYES : IDNO;
    case MB_YESNOCANCEL: return button == 0 ? IDYES : button == 1 ? IDNO : IDCANCEL;
    default: return IDOK;
    }
}

int message_box(HWND owner, const char* text, const char* caption, UINT style) {
    MessageBoxCall call{owner, text ? text : "", caption ? caption : "", style};
    try {
        const MessageBoxBackend& backend = message_box_backend();
        return backend ? backend(call) : stderr_message_box(call);
    } catch (...) {
        return default_answer(style);
    }
}

MessageBoxBackend set_message_box_backend(MessageBoxBackend backend) {
    return std::exchange(message_box_backend(), std::move(backend));
}

void message_beep(UINT type) {
    try {
        const BeepBackend& backend = beep_backend();
        if (backend) backend(type);
        else std::fputc('\a', stderr);
    } catch (...) {
    }
}

BeepBackend set_beep_backend(BeepBackend backend) {
    return std::exchange(beep_backend(), std::move(backend));
}

}  // namespace platform
