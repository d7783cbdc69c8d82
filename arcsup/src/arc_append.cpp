// Appending: the files of the specifications and the members of the old
// archive that they do not replace are written, in name order, into a new
// archive, which then replaces the old one.
#include "archive_names.h"
#include "file_table.h"
#include "member_writer.h"
#include "old_archive.h"
#include "operations.h"

namespace arcsup {

int append_files(ArchiveRequest& request) {
    const std::string archive_path = archive_full_path(request.lpstrArchive);
    FileTable table;
    table.collect(parse_file_specs(request.lpstrFiles, request.lpstrDirectory));
    if (table.empty()) return CX_OK;

    ArchiveReader old_archive;
    if (open_old_archive(old_archive, archive_path)) {
        for (const MemberEntry& member : read_old_members(old_archive, archive_path))
            table.merge_old_member(member);
        table.sort();
    }

    CompressWorkspace work;
    Progress progress(&request);
    NewArchive archive(archive_path);
    for (const FileEntry& entry : table.entries()) {
        progress.poll();
        if (progress.stopped()) return CX_STOPPED;
        if (entry.action == EntryAction::copy_old) {
            copy_member(entry.old, old_archive, archive);
        } else if (!compress_file(entry, archive, work, progress)) {
            return CX_STOPPED;
        }
    }
    old_archive.close();
    return archive.finish();
}

}  // namespace arcsup
