// Converter for ARJ, RAR and LHA tables, whose member lines begin with the
// six listing columns in listing order (name, size, compressed, ratio, date,
// time). Besides the one-line form it reads two forms that ARJ 3 prints:
//
//  - A name too long for the name column stands alone on its line, and its
//    details follow on the next line, which begins with a blank:
//        a very long file name with blanks.txt
//                            100          9 0.090 26-12-11 11:23:35 ...
//    The whole first line (trailing blanks removed) is the name, the first
//    five tokens of the second line are the other fields.
//  - A name with blanks that fits the name column:
//        a b.txt               2          2 1.000 26-12-11 11:23:35 ...
//    When the opening separator line starts with two runs of dashes, they
//    mark the name column and the right-aligned size column. A line with
//    more than one token inside the name column, a blank after it, and a
//    first token after it that ends where the size column ends takes the
//    name column (trailing blanks removed) as its name and the next five
//    tokens as the other fields.
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "dos/listing_converters.h"
#include "dos/listing_text.h"

namespace corax::listing {

namespace {

constexpr std::string_view kSeparator = "----------";

bool is_closing_line(std::string_view line) { return has_dashes_at(line, 2, kSeparator); }

std::string_view without_trailing_blanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The name column and the end of the size column after it, as the first two
// runs of dashes of the separator line mark them; a width of 0 when the line
// does not start with two such runs.
struct NameColumn {
    std::size_t width = 0;
    std::size_t size_end = 0;
};

NameColumn name_column(std::string_view separator_line) {
    const std::size_t width = separator_line.find_first_not_of('-');
    if (width == 0 || width == std::string_view::npos || separator_line[width] != ' ') return {};
    const std::size_t size_start = separator_line.find_first_not_of(' ', width);
    if (size_start == std::string_view::npos || separator_line[size_start] != '-') return {};
    const std::size_t size_end = std::min(separator_line.find_first_not_of('-', size_start), separator_line.size());
    return {width, size_end};
}

// Where `token`, a piece of `line`, ends within the line.
std::size_t end_of(std::string_view token, std::string_view line) {
    return static_cast<std::size_t>(token.data() + token.size() - line.data());
}

// The name of a line that stands alone above its detail line: the line up to
// a TAB or CR, without trailing blanks.
std::string_view whole_line_name(std::string_view line) {
    return without_trailing_blanks(line.substr(0, line.find_first_of("\t\r")));
}

// A line that carries the details of the name printed on the line above it.
bool is_detail_line(std::string_view line) {
    if (line.empty() || line[0] != ' ' || is_closing_line(line)) return false;
    std::array<std::string_view, 5> details{};
    return read_tokens(line, details) == details.size();
}

// The name column of `line`, when it holds a name with blanks.
std::optional<std::string_view> column_name(std::string_view line, NameColumn column) {
    if (column.width == 0 || line.size() <= column.width || line[column.width] != ' ' ||
        is_token_separator(line[0])) {
        return std::nullopt;
    }
    std::array<std::string_view, 2> inside{};
    if (read_tokens(line.substr(0, column.width), inside) < 2) return std::nullopt;
    const std::string_view size = TokenReader(line.substr(column.width)).next();
    if (size.empty() || end_of(size, line) != column.size_end) {
        return std::nullopt;
    }
    return whole_line_name(line.substr(0, column.width));
}

void write_row(std::string_view name, std::string_view details, ListingWriter& out) {
    std::array<std::string_view, 5> fields{};
    read_tokens(details, fields);
    out.add_row({name, fields[0], fields[1], fields[2], fields[3], fields[4]});
}

void write_six_tokens(std::string_view line, ListingWriter& out) {
    TokenReader reader(line);
    const std::string_view name = reader.next();
    write_row(name, line.substr(end_of(name, line)), out);
}

}  // namespace

void convert_token_list(std::string_view text, ListingWriter& out) {
    const auto body = find_table_body(text, kSeparator);
    if (!body) return;
    const NameColumn column = name_column(body->separator_line);
    LineSplitter lines(body->lines);
    while (const auto line = lines.next()) {
        if (is_closing_line(*line)) break;
        if (!holds_token(*line)) continue;
        const auto next = lines.peek();
        if (!is_token_separator((*line)[0]) && next && is_detail_line(*next)) {
            write_row(whole_line_name(*line), *next, out);
            lines.next();
        } else if (const auto name = column_name(*line, column)) {
            write_row(*name, line->substr(column.width), out);
        } else {
            write_six_tokens(*line, out);
        }
    }
}

}  // namespace corax::listing
