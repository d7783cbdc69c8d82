#pragma once
// The archive an append or delete request changes. It is only read: the
// request writes a new archive and replaces the old one when that is done.
#include <string>
#include <vector>

#include "archive_reader.h"
#include "header_reader.h"

namespace arcsup {

// Opens the old archive when it exists. A file of that name that is not a
// writable regular file fails the request ("Fehler beim Zugriff auf Archiv "),
// so that it is never replaced. False when there is no such file.
bool open_old_archive(ArchiveReader& reader, const std::string& path);

// All members of the old archive (a damaged archive fails the request).
std::vector<MemberEntry> read_old_members(ArchiveReader& reader, const std::string& path);

}  // namespace arcsup
