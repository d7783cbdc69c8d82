#include "icon_table.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "resources/brisk32/icons.xpm"

namespace brisk {
namespace {

bool same_text(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::toupper(x) == std::toupper(y);
           });
}

bool one_of(std::string_view ext, std::initializer_list<std::string_view> list) {
    return std::any_of(list.begin(), list.end(), [&](std::string_view e) { return same_text(ext, e); });
}

}  // namespace

std::optional<std::string_view> name_extension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string_view ext = name.substr(dot + 1);
    if (ext.find_first_of("\\/") != std::string_view::npos) return std::nullopt;
    return ext;
}

std::optional<int> icon_index(std::string_view name) {
    std::optional<std::string_view> ext = name_extension(name);
    if (!ext) return std::nullopt;
    if (one_of(*ext, {"LZH", "ZIP", "ARJ", "RAR", "TAR", "ARC", "ZOO"})) return kIconArchive;
    if (one_of(*ext, {"BMP", "PCX"})) return kIconPicture;
    if (one_of(*ext, {"TXT", "C", "H", "PAS"})) return kIconText;
    return kIconOther;
}

QPixmap load_icon_strip() { return QPixmap(brisk32_icons_xpm); }

}  // namespace brisk
