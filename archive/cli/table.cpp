#include "cli/table.h"

#include <algorithm>

namespace corax_cli {
namespace {

const Row kHeading = {"Name", "Size", "Compressed", "Ratio", "Date", "Time"};

// Display width in characters of UTF-8 text (continuation bytes do not count).
std::size_t display_width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void pad(std::string& out, std::size_t n) { out.append(n, ' '); }

}  // namespace

std::vector<Row> parse_listing(std::string_view listing) {
    std::vector<Row> rows;
    while (!listing.empty()) {
        std::size_t lf = listing.find('\n');
        std::string_view line = listing.substr(0, lf);
        listing.remove_prefix(lf == std::string_view::npos ? listing.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        Row row;
        for (std::string& field : row) {
            std::size_t tab = line.find('\t');
            field = line.substr(0, tab);
            line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string format_table(const std::vector<Row>& rows) {
    std::array<std::size_t, 6> width{};
    auto measure = [&](const Row& row) {
        for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], display_width(row[i]));
    };
    measure(kHeading);
    for (const Row& row : rows) measure(row);

    std::string out;
    auto line = [&](const Row& row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::size_t gap = width[i] - display_width(row[i]);
            if (i > 0) out += "  ";
            if (i == 0) {
                out += row[i];
                if (i + 1 < row.size()) pad(out, gap);
            } else {
                pad(out, gap);
                out += row[i];
            }
        }
        out += '\n';
    };
    line(kHeading);
    Row rule;
    for (std::size_t i = 0; i < rule.size(); ++i) rule[i] = std::string(width[i], '-');
    line(rule);
    for (const Row& row : rows) line(row);
    return out;
}

}  // namespace corax_cli
