// Listing: one row per selected member of every matching archive, the rows
// of several archives one after another.
#include "archive_names.h"
#include "archive_reader.h"
#include "failure.h"
#include "header_reader.h"
#include "listing_row.h"
#include "mask.h"
#include "operations.h"
#include "platform/msgbox.h"

namespace arcsup {
namespace {

void list_one(const std::string& path, const MemberMask& mask, corax::ListingWriter& listing) {
    ArchiveReader reader;
    if (!reader.open(path)) fail_read_side(Msg::no_archive_access, path);
    while (auto member = read_member(reader, path, MB_ICONERROR)) {
        if (mask.selects(member->header.name_text())) add_listing_row(listing, member->header);
        if (!reader.skip(member->header.compressed_size)) fail_read_side(Msg::no_archive_access, path);
    }
}

}  // namespace

int list_archives(ArchiveRequest& request) {
    if (!request.lpstrListing) return CX_ILLEGAL_PARAMETERS;
    corax::ListingWriter listing(request.lpstrListing, CX_LISTING_SIZE);
    const MemberMask mask(request.lpstrFiles ? request.lpstrFiles : all_members_mask);
    try {
        for (const std::string& path : matching_archives(request.lpstrArchive))
            list_one(path, mask, listing);
    } catch (const Failure&) {
        request.lpstrListing[0] = '\0';
        throw;
    }
    return CX_OK;
}

}  // namespace arcsup
