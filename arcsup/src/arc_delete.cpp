// Deleting: the members that the mask does not select are copied into a new
// archive, which then replaces the old one.
#include "archive_names.h"
#include "file_spec.h"
#include "mask.h"
#include "member_writer.h"
#include "old_archive.h"
#include "operations.h"

namespace arcsup {

int delete_members(ArchiveRequest& request) {
    const std::string archive_path = archive_full_path(request.lpstrArchive);
    const FileSpec spec =
        parse_file_spec(request.lpstrFiles ? request.lpstrFiles : all_members_mask, nullptr);
    const MemberMask mask(spec.mask);

    ArchiveReader old_archive;
    if (!open_old_archive(old_archive, archive_path)) return CX_ARCHIVE_NOT_FOUND;
    const std::vector<MemberEntry> members = read_old_members(old_archive, archive_path);

    NewArchive archive(archive_path);
    for (const MemberEntry& member : members)
        if (!mask.selects(member.header.name_text())) copy_member(member, old_archive, archive);
    old_archive.close();
    return archive.finish();
}

}  // namespace arcsup
