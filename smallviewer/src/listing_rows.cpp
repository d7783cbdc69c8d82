#include "listing_rows.h"

namespace brisk {

std::vector<std::string> split_listing(std::string_view listing) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = listing.size();
        if (end > start) rows.emplace_back(listing.substr(start, end - start));
        start = listing.find_first_not_of("\r\n", end);
        if (start == std::string_view::npos) break;
    }
    return rows;
}

std::string_view member_name(std::string_view row) { return row.substr(0, row.find('\t')); }

}  // namespace brisk
