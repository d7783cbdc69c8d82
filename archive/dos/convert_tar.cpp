// Converter for the output of TAR -t -v -f. Every line is a member line; two
// line forms are read, decided per line:
//
//  - GNU tar:  -rw-r--r-- user/group   1234 2024-03-05 14:07 dir/name.txt
//    (mode, owner/group, size, ISO date, time, then the name, which is the
//    rest of the line and may hold blanks; a symbolic link's " -> target"
//    and a hard link's " link to target" are not part of the name).
//  - DOS tar:  rw-r--r-- 100/100   1234 Mar  5 14:07 1997 name.txt
//    (mode, uid/gid, size, month name, day, time, year, name). The first
//    character of the whole text belongs to the unused mode column and is
//    stepped over.
//
// Both give the row: name, size, size, "100.0", day.month.(year - 1900), time.
// Lines in which GNU tar reports a problem ("tar: ...") give no row.
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

constexpr std::string_view kRatio = "100.0";

// Field buffers of the DOS form, in token order.
constexpr std::array<std::size_t, 8> kDosBufferSizes{15, 10, 10, 6, 6, 12, 6, 15};

// Field buffers of the GNU form: size (a 64-bit count), time (hh:mm, which
// also drops the seconds of --full-time output) and the name.
constexpr std::size_t kGnuSizeBuffer = 21;
constexpr std::size_t kGnuTimeBuffer = 6;
constexpr std::size_t kGnuNameBuffer = 260;

bool is_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// yyyy-mm-dd (the year may have any number of digits).
bool is_iso_date(std::string_view token) {
    if (token.size() < 7) return false;
    const std::size_t year_end = token.size() - 6;
    return is_digits(token.substr(0, year_end)) && token[year_end] == '-' &&
           is_digits(token.substr(year_end + 1, 2)) && token[year_end + 3] == '-' &&
           is_digits(token.substr(year_end + 4, 2));
}

std::string years_since_1900(std::string_view year) {
    return std::to_string(leading_number(year) - 1900);
}

std::string dos_date(std::string_view day, int month, std::string_view year) {
    char month_digits[4];
    std::snprintf(month_digits, sizeof month_digits, "%02d", month);
    std::string date;
    date.append(day).append(".").append(month_digits).append(".").append(years_since_1900(year));
    return date;
}

// "2024-03-05" -> "05.03.124".
std::string gnu_date(std::string_view iso) {
    const std::size_t year_end = iso.size() - 6;
    std::string date;
    date.append(iso.substr(year_end + 4, 2)).append(".").append(iso.substr(year_end + 1, 2)).append(".");
    date.append(years_since_1900(iso.substr(0, year_end)));
    return date;
}

// The member name of a GNU tar line, without what it links to.
std::string_view gnu_name(std::string_view rest, char type) {
    const std::string_view link_mark = type == 'l' ? " -> " : type == 'h' ? " link to " : "";
    if (!link_mark.empty()) rest = rest.substr(0, rest.find(link_mark));
    return cut_to_buffer(rest, kGnuNameBuffer);
}

bool is_gnu_line(std::string_view line) {
    std::array<std::string_view, 4> tokens{};
    read_tokens(line, tokens);
    return is_iso_date(tokens[3]);
}

void write_gnu_line(std::string_view line, ListingWriter& out) {
    TokenReader reader(line);
    const std::string_view mode = reader.next();
    reader.next();  // owner/group
    const std::string_view size = cut_to_buffer(reader.next(), kGnuSizeBuffer);
    const std::string_view date = reader.next();
    const std::string_view time = cut_to_buffer(reader.next(), kGnuTimeBuffer);
    const std::string_view name = gnu_name(reader.rest(), mode.front());
    out.add_row({name, size, size, kRatio, gnu_date(date), time});
}

void write_dos_line(std::string_view line, ListingWriter& out) {
    std::array<std::string_view, kDosBufferSizes.size()> tokens{};
    TokenReader reader(line);
    for (std::size_t i = 0; i < tokens.size(); ++i) tokens[i] = cut_to_buffer(reader.next(), kDosBufferSizes[i]);
    const auto& [mode, owner, size, month, day, time, year, name] = tokens;
    out.add_row({name, size, size, kRatio, dos_date(day, month_number(month), year), time});
}

bool is_tar_message(std::string_view line) { return line.starts_with("tar: "); }

}  // namespace

void convert_tar(std::string_view text, ListingWriter& out) {
    LineSplitter lines(text);
    bool first_line = true;
    while (const auto line = lines.next()) {
        const std::string_view dos_line = first_line ? line->substr(line->empty() ? 0 : 1) : *line;
        first_line = false;
        if (is_tar_message(*line)) continue;
        if (is_gnu_line(*line)) {
            write_gnu_line(*line, out);
        } else if (holds_token(dos_line)) {
            write_dos_line(dos_line, out);
        }
    }
}

}  // namespace corax::listing
