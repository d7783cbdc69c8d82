#include "archive_names.h"

#include <climits>
#include <cstring>

#include "failure.h"
#include "platform/filefind.h"
#include "platform/path.h"

namespace arcsup {
namespace {

std::string checked_full_path(const char* archive_name, bool writing) {
    const std::size_t length = archive_name ? strnlen(archive_name, PATH_MAX) : 0;
    std::string full;
    if (length > 0 && length < PATH_MAX) full = platform::full_path(std::string(archive_name, length));
    if (!full.empty() && full.size() < PATH_MAX && platform::file_name_offset(full) < full.size())
        return full;
    if (writing) fail_write_side(Msg::bad_new_archive_name, archive_name ? std::string(archive_name, length) : "");
    fail_read_side(Msg::bad_archive_name);
}

}  // namespace

std::vector<std::string> matching_archives(const char* archive_name) {
    const std::string full = checked_full_path(archive_name, false);
    const std::string directory = full.substr(0, platform::file_name_offset(full));
    std::vector<std::string> paths;
    for (const platform::FoundFile& found : platform::find_files(full, platform::FA_ARCH))
        if (found.attributes & platform::FA_ARCH) paths.push_back(directory + found.name);
    return paths;
}

std::string archive_full_path(const char* archive_name) {
    return checked_full_path(archive_name, true);
}

}  // namespace arcsup
