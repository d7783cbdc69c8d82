#pragma once
// One row of the archive listing for a member: name, size, compressed size,
// ratio ("%2ld%%"), date (day.month.year-1900), time (hours:minutes) and an
// empty seventh field.
#include "dos/listing_writer.h"
#include "member_header.h"

namespace arcsup {

// Appends the member's row; false when the listing buffer is full.
bool add_listing_row(corax::ListingWriter& listing, const MemberHeader& header);

}  // namespace arcsup
