// Converters for tables whose member lines hold the six listing columns at
// fixed token positions: PKUNZIP -v (ZIP) and PKXARC -v (ARC).
#include <array>
#include <cstddef>
#include <string_view>

#include "dos/listing_converters.h"
#include "dos/listing_text.h"

namespace corax::listing {

namespace {

constexpr std::size_t kMaxTokens = 9;

struct ColumnTable {
    std::string_view opening_separator;
    std::size_t closing_offset;          // 0-based position of the closing dashes
    std::string_view closing_separator;
    std::array<std::size_t, kMaxTokens> buffer_sizes;  // 0 past the last token read
    std::array<std::size_t, 6> picks;    // 1-based token numbers of the six fields
};

// PKUNZIP prints the name last.
constexpr ColumnTable kZipTable{"------", 1, "------", {10, 15, 10, 10, 12, 12, 14, 8, 15}, {9, 1, 3, 4, 5, 6}};
// PKXARC prints the name first and the method third.
constexpr ColumnTable kArcTable{"------", 1, "----", {15, 10, 15, 10, 10, 12, 12, 14, 0}, {1, 2, 4, 5, 6, 7}};

void write_member_line(std::string_view line, const ColumnTable& table, ListingWriter& out) {
    std::array<std::string_view, kMaxTokens> tokens{};
    TokenReader reader(line);
    for (std::size_t i = 0; i < kMaxTokens && table.buffer_sizes[i] != 0; ++i) {
        tokens[i] = cut_to_buffer(reader.next(), table.buffer_sizes[i]);
    }
    const auto field = [&](std::size_t pick) { return tokens[table.picks[pick] - 1]; };
    out.add_row({field(0), field(1), field(2), field(3), field(4), field(5)});
}

void convert_columns(std::string_view text, const ColumnTable& table, ListingWriter& out) {
    const auto body = find_table_body(text, table.opening_separator);
    if (!body) return;
    LineSplitter lines(body->lines);
    while (const auto line = lines.next()) {
        if (has_dashes_at(*line, table.closing_offset, table.closing_separator)) break;
        if (holds_token(*line)) write_member_line(*line, table, out);
    }
}

}  // namespace

void convert_zip(std::string_view text, ListingWriter& out) { convert_columns(text, kZipTable, out); }

void convert_arc(std::string_view text, ListingWriter& out) { convert_columns(text, kArcTable, out); }

}  // namespace corax::listing
