#pragma once
// The archive files a request names: the archive path expanded to a full
// path, whose file part may hold DOS wildcards. Hidden and system files and
// directories are not found.
#include <string>
#include <vector>

namespace arcsup {

// Full paths of the matching files, in name order. Fails (2023, "Unkorrekter
// Archivname") for an empty or overlong name.
std::vector<std::string> matching_archives(const char* archive_name);

// The full path of the archive a writing request works on (no wildcards);
// the same failure for a name that cannot be an archive's.
std::string archive_full_path(const char* archive_name);

}  // namespace arcsup
