#pragma once
// Reading the archive listing and printing it as an aligned table.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corax_cli {

using Row = std::array<std::string, 6>;  // name, size, compressed, ratio, date, time

// Rows of a listing: split at LF (CR is dropped), fields at TAB, the first six kept.
std::vector<Row> parse_listing(std::string_view listing);

// A heading, a rule and one line per row; the name left-aligned, the other
// columns right-aligned, every column as wide as its widest text.
std::string format_table(const std::vector<Row>& rows);

}  // namespace corax_cli
