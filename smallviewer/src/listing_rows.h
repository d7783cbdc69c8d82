#pragma once
// Rows of an archive listing as the small viewer reads them.
#include <string>
#include <string_view>
#include <vector>

namespace brisk {

// The rows of a listing text: split at CR and LF, runs of them being one
// break; no empty rows.
std::vector<std::string> split_listing(std::string_view listing);

// The member name of a row: the text before its first TAB.
std::string_view member_name(std::string_view row);

}  // namespace brisk
