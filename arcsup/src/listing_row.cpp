#include "listing_row.h"

#include <cstdio>

#include "arc/method.h"

namespace arcsup {

bool add_listing_row(corax::ListingWriter& listing, const MemberHeader& header) {
    char size[16], compressed[16], ratio[16], date[16], time[16];
    std::snprintf(size, sizeof size, "%lu", static_cast<unsigned long>(header.size));
    std::snprintf(compressed, sizeof compressed, "%lu",
                  static_cast<unsigned long>(header.compressed_size));
    std::snprintf(ratio, sizeof ratio, "%2ld%%",
                  arc::ratio_percent(header.compressed_size, header.size));
    std::snprintf(date, sizeof date, "%02u.%02u.%02u", header.date & 0x1Fu,
                  (header.date >> 5) & 0x0Fu, (header.date >> 9) + 80u);
    std::snprintf(time, sizeof time, "%02u:%02u", header.time >> 11u, (header.time >> 5) & 0x3Fu);
    return listing.add_row({header.name_text(), size, compressed, ratio, date, time, ""});
}

}  // namespace arcsup
