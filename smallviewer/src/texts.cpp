#include "texts.h"

#include "platform/resources.h"

namespace resources {
extern const platform::StringTable brisk32;
extern const platform::StringTable brisk32_menu;
}  // namespace resources

namespace brisk {

const char* string_bytes(unsigned id) {
    const char* s = platform::find_string(resources::brisk32, id);
    return s ? s : "";
}

QString text(unsigned id) { return QString::fromUtf8(string_bytes(id)); }

QString menu_text(unsigned id) {
    const char* s = platform::find_string(resources::brisk32_menu, id);
    return QString::fromUtf8(s ? s : "");
}

}  // namespace brisk
