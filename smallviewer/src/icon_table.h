#pragma once
// The file-type icon of a member: index into the 48 x 13 icon strip.
#include <QPixmap>
#include <optional>
#include <string_view>

namespace brisk {

constexpr int kIconPicture = 0;
constexpr int kIconText = 1;
constexpr int kIconArchive = 2;
constexpr int kIconOther = 3;
constexpr int kIconWidth = 12;
constexpr int kIconHeight = 13;

// The extension of a member name: the text after its last dot, when no
// path separator follows that dot; nullopt when the name has none.
std::optional<std::string_view> name_extension(std::string_view name);

// The icon for a member name; nullopt for a name without extension.
std::optional<int> icon_index(std::string_view name);

// The icon strip (resource 1008).
QPixmap load_icon_strip();

}  // namespace brisk
