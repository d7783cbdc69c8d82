#pragma once
// Text from the libraries (member names, listing rows, messages) is bytes;
// it is shown as UTF-8, or as Latin-1 when the bytes are not valid UTF-8.
#include <QString>
#include <string>
#include <string_view>

#include "platform/ui/api.h"

namespace platform::ui {

PLATFORM_UI_API QString display_text(std::string_view bytes);

// The bytes of a local file path as the libraries take them.
PLATFORM_UI_API std::string path_bytes(const QString& path);

}  // namespace platform::ui
