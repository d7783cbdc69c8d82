#pragma once
// The operation table: who serves each archive type and operation. Rows are
// searched from the top and the first fitting one wins, so support modules
// (listed first) always win over the DOS packer of the same type.
#include <span>
#include <string_view>

#include "dos/listing_convert.h"

namespace corax {

struct OperationRow {
    std::string_view type;         // "ARC", "LZH", ...
    std::string_view module;       // support module base name; empty for a packer row
    std::string_view operation;    // "List", "Extract", "Append" or "Delete"
    std::string_view packer;       // packer program (packer rows only)
    std::string_view switches_a;   // List, and the others with ARF_NOPATHS set
    std::string_view switches_b;   // ARF_NOPATHS clear
    Converter converter;           // List rows of packers only
    // Switches used instead when the archive already exists (TAR append
    // must add to an existing archive, not overwrite it).
    std::string_view switches_existing = {};
    // Whether a request for all members passes the DOS wildcard "*.*" to the
    // packer; packers that take no wildcard get no member argument instead.
    bool all_as_wildcard = true;
    // Whether the packer takes "--" as the end of its options, so that a
    // member name starting with '-' can be passed after it as a name.
    bool ends_options = false;
};

// All rows in table order (without a terminating row).
std::span<const OperationRow> operation_table();

// The type string of a type number, or empty for 0 and unknown numbers.
std::string_view type_string(int type);

// Case-insensitive comparison of two ASCII names.
bool same_name(std::string_view a, std::string_view b);

}  // namespace corax
