#include <cstddef>
#include <string_view>

#include "dos/listing_convert.h"

namespace corax {

namespace {

constexpr std::string_view kMonthNames = "JanFebMarAprMayJunJulAugSepOctNovDec";

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_letters(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    }
    return true;
}

}  // namespace

int month_number(std::string_view name) {
    if (name.size() < 3) return 0;
    const std::string_view letters = name.substr(0, 3);
    for (std::size_t month = 0; month < 12; ++month) {
        if (same_letters(letters, kMonthNames.substr(month * 3, 3))) return static_cast<int>(month) + 1;
    }
    return 0;
}

}  // namespace corax
