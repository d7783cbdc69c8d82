#pragma once
// Conversion of a DOS packer's printed listing into the archive listing.
//
// A packer asked to list an archive prints a table with headings, separator
// lines of dashes and totals. A converter reads the member lines of that table
// and writes one listing row (name, size, compressed, ratio, date, time) per
// member. Each converter knows the table of one family of packers.
#include <cstddef>
#include <string_view>

namespace corax {

enum class Converter {
    None,       // no conversion: the listing stays empty
    TokenList,  // ARJ, RAR and LHA: the first six columns as printed
    Zip,        // PKUNZIP -v: name last, picked columns
    Arc,        // PKXARC -v: picked columns
    Zoo,        // ZOO v: name without directory and generation, built date
    Tar,        // TAR -t -v -f, DOS and GNU line forms: built date
};

// Converts captured packer output into the archive listing. Writes at most
// `capacity` bytes into `out` including the terminating zero, whole rows only.
// Returns the number of bytes written without the zero.
std::size_t convert_listing(Converter kind, std::string_view captured, char* out, std::size_t capacity);

// The month number (1..12) of a month name by its first three letters, any
// case; 0 when none matches.
int month_number(std::string_view name);

}  // namespace corax
