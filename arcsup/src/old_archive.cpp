#include "old_archive.h"

#include <sys/stat.h>

#include "failure.h"
#include "platform/msgbox.h"

namespace arcsup {

bool open_old_archive(ArchiveReader& reader, const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return false;
    if (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR) || !reader.open(path, true))
        fail_write_side(Msg::new_archive_access, path);
    return true;
}

std::vector<MemberEntry> read_old_members(ArchiveReader& reader, const std::string& path) {
    std::vector<MemberEntry> members;
    while (auto member = read_member(reader, path, MB_OK)) {
        members.push_back(*member);
        if (!reader.skip(member->header.compressed_size)) fail_write_side(Msg::copy_failed);
    }
    return members;
}

}  // namespace arcsup
