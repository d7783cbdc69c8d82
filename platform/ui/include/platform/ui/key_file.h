#pragma once
// The "[Group]" / "Key=Value" files of the desktop specifications
// (desktop entries, mimeapps.list, defaults.list, mimeinfo.cache).
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/api.h"

namespace platform::ui {

using KeyGroup = std::map<std::string, std::string, std::less<>>;

struct KeyFile {
    std::map<std::string, KeyGroup, std::less<>> groups;

    // The raw value of key in group, if present.
    PLATFORM_UI_API const std::string* value(std::string_view group, std::string_view key) const;
};

// Parses the text; lines that are neither groups, keys nor comments are
// skipped. Keys before the first group are ignored; a key seen twice in a
// group keeps its first value.
PLATFORM_UI_API KeyFile parse_key_file(std::string_view text);

// Reads and parses a file of at most `max_bytes`; nullopt when it cannot be
// read or is larger.
PLATFORM_UI_API std::optional<KeyFile> read_key_file(const std::string& path,
                                                     std::size_t max_bytes = 1 << 20);

// A string value with its escapes \s \n \t \r \\ resolved.
PLATFORM_UI_API std::string unescape_value(std::string_view raw);

// A list value split at ';' (a "\;" stays in the item), empty items dropped,
// each item unescaped.
PLATFORM_UI_API std::vector<std::string> split_list(std::string_view raw);

}  // namespace platform::ui
