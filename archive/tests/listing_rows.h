#pragma once
// Test helper: an archive listing split into rows and fields, checking on
// the way that every field of every row ends with a TAB.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::vector<std::string>> listing_rows(const char* listing) {
    std::vector<std::vector<std::string>> rows;
    std::stringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::size_t at = 0, tab;
        while ((tab = line.find('\t', at)) != std::string::npos) {
            fields.push_back(line.substr(at, tab - at));
            at = tab + 1;
        }
        EXPECT_EQ(at, line.size()) << "every field ends with a TAB: " << line;
        rows.push_back(fields);
    }
    return rows;
}
