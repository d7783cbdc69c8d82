#include "frame/messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/msgbox.h"

namespace corax {
namespace {

constexpr int kTemplateSize = 200;  // at most 198 characters are loaded
constexpr int kTextSize = 300;

// Drops a UTF-8 sequence that a cut left incomplete at the end of `text`.
void trim_partial_utf8(char* text) {
    std::size_t n = std::strlen(text);
    std::size_t start = n;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) --start;
    if (start == 0) return;
    unsigned char lead = static_cast<unsigned char>(text[start - 1]);
    std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n - (start - 1) < need) text[start - 1] = '\0';
}

}  // namespace

int show_resource_message(HWND owner, int id, UINT style, ...) {
    char* block = static_cast<char*>(std::calloc(kTemplateSize + kTextSize, 1));
    if (!block) {
        platform::message_beep(0);
        return 0;
    }
    char* templ = block;
    char* text = block + kTemplateSize;
    if (id < 0 || platform::load_string(resources::corax32, static_cast<unsigned>(id), templ, kTemplateSize - 1) == 0)
        std::snprintf(templ, kTemplateSize, "Resource-String %d missing", id);

    va_list args;
    va_start(args, style);
    std::vsnprintf(text, kTextSize, templ, args);
    va_end(args);
    trim_partial_utf8(text);

    int answer = platform::message_box(owner, text, "CORAX Problem", style);
    std::free(block);
    return answer;
}

}  // namespace corax
