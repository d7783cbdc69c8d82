// Converter for the table of ZOO v: length, CF, size now, day, month name,
// year, time and the stored name with directory and generation number.
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "dos/listing_convert.h"
#include "dos/listing_converters.h"
#include "dos/listing_text.h"

namespace corax::listing {

namespace {

constexpr std::array<std::size_t, 8> kBufferSizes{10, 10, 10, 6, 6, 6, 12, 90};

// "12:34:56" -> "12:34": everything from the last colon on goes.
std::string_view time_without_seconds(std::string_view time) {
    return time.substr(0, time.rfind(':'));
}

// "dir/name.txt;2" -> "name.txt": generation number and directory go.
std::string_view bare_name(std::string_view name) {
    name = name.substr(0, name.rfind(';'));
    const std::size_t slash = name.rfind('/');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

std::string month_digits(int month) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", month);
    return digits;
}

void write_member_line(std::string_view line, ListingWriter& out) {
    std::array<std::string_view, kBufferSizes.size()> tokens{};
    TokenReader reader(line);
    for (std::size_t i = 0; i < tokens.size(); ++i) tokens[i] = cut_to_buffer(reader.next(), kBufferSizes[i]);
    const auto& [length, factor, size_now, day, month, year, time, name] = tokens;
    std::string date;
    date.append(day).append(".").append(month_digits(month_number(month))).append(".").append(year);
    out.add_row({bare_name(name), length, size_now, factor, date, time_without_seconds(time)});
}

}  // namespace

void convert_zoo(std::string_view text, ListingWriter& out) {
    const auto body = find_table_body(text, "------");
    if (!body) return;
    LineSplitter lines(body->lines);
    while (const auto line = lines.next()) {
        if (has_dashes_at(*line, 1, "----")) break;
        if (holds_token(*line)) write_member_line(*line, out);
    }
}

}  // namespace corax::listing
