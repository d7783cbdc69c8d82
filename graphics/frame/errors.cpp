// Error texts and the error message box.
#include <cstring>

#include "library_state.h"
#include "mirv32.h"
#include "platform/msgbox.h"
#include "strings.h"

namespace {

constexpr const char* kInvalidCode = "Ungültiges Fehlerkennzeichen";
constexpr const char* kCaption = "MIRAVEL Grafikbibliothek...";

}  // namespace

extern "C" {

const char* ipErrorText(int code) {
    char* buffer = mirv::library_state().error_text;
    int size = static_cast<int>(sizeof mirv::library_state().error_text);
    if (code < 0 || platform::load_string(resources::mirv32, static_cast<unsigned>(code), buffer, size) == 0)
        std::strcpy(buffer, kInvalidCode);
    return buffer;
}

int ipErrorMsg(int code) {
    return platform::message_box(nullptr, ipErrorText(code), kCaption, MB_SYSTEMMODAL | MB_ICONERROR);
}

}  // extern "C"
