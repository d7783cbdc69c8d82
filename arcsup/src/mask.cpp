#include "mask.h"

#include <algorithm>

#include "ansi_upper.h"

namespace arcsup {
namespace {

constexpr std::size_t name_width = 8;
constexpr std::size_t extension_width = 3;
constexpr std::size_t max_text = 12;

// A '*' turns into '?' up to the part's width, and the part ends there.
std::string expand_star(std::string part, std::size_t width) {
    std::size_t star = part.find('*');
    if (star == std::string::npos) return part;
    part.resize(std::max(star, width), '?');
    std::fill(part.begin() + static_cast<std::ptrdiff_t>(star), part.end(), '?');
    return part;
}

// Names longer than 8.3 (stored by other systems) are compared in full; a
// mask part that fills its width and ends in '?' stands for any longer rest.
bool part_matches(const std::string& mask, const std::string& name, std::size_t width) {
    const std::size_t length = std::max({mask.size(), name.size(), width});
    const bool open_end = mask.size() >= width && mask.back() == '?';
    for (std::size_t i = 0; i < length; ++i) {
        const char m = i < mask.size() ? mask[i] : (open_end ? '?' : ' ');
        const char n = i < name.size() ? name[i] : ' ';
        if (m != '?' && m != n) return false;
    }
    return true;
}

}  // namespace

MaskParts mask_parts(std::string_view text) {
    std::string upper = ansi_upper(std::string(text.substr(0, max_text)));
    MaskParts parts;
    const std::size_t dot = upper.find('.');
    if (dot == std::string::npos) {
        parts.name = upper;
    } else if (dot == 0) {
        parts.name = "*";
        parts.extension = upper.substr(1);
    } else {
        parts.name = upper.substr(0, std::min(dot, name_width));
        parts.extension = upper.substr(dot + 1);
    }
    parts.name = expand_star(parts.name, name_width);
    parts.extension = expand_star(parts.extension, extension_width);
    return parts;
}

bool MemberMask::selects(std::string_view member_name) const {
    const MaskParts member = mask_parts(member_name);
    return part_matches(parts_.name, member.name, name_width) &&
           part_matches(parts_.extension, member.extension, extension_width);
}

}  // namespace arcsup
