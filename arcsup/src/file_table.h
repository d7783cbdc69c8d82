#pragma once
// The table of an append request: the files to add and the members of the
// old archive that stay, sorted by name.
#include <cstdint>
#include <string>
#include <vector>

#include "file_spec.h"
#include "header_reader.h"
#include "member_header.h"

namespace arcsup {

enum class EntryAction {
    add,       // compress the file (a new name)
    copy_old,  // copy the member from the old archive unchanged
    replace,   // compress the file, which replaces an old member of its name
};

struct FileEntry {
    std::array<char, name_field_size> name{};  // zero-padded
    EntryAction action = EntryAction::add;
    std::string directory;      // source directory of a file (with separator)
    std::uint64_t size = 0;     // file size
    std::uint16_t date = 0;     // last-write time in DOS form
    std::uint16_t time = 0;
    MemberEntry old;            // the member, for copy_old

    std::string name_text() const;
};

class FileTable {
public:
    // Adds the files that the specifications find (normal and archive files;
    // no hidden or system files, no directories). A name already in the table
    // is not added twice. A name longer than 12 characters given without
    // wildcards fails the request ("Unkorrekter Name "); found through a
    // wildcard it is passed over, as it has no 8.3 form.
    void collect(const std::vector<FileSpec>& specs);

    // Marks the files that replace a member of `member`'s name, or adds the
    // member to be copied.
    void merge_old_member(const MemberEntry& member);

    void sort();
    bool empty() const { return entries_.empty(); }
    const std::vector<FileEntry>& entries() const { return entries_; }

private:
    void add_file(const FileSpec& spec, const std::string& name, std::uint64_t size,
                  std::int64_t mtime);
    FileEntry* find_file(const std::array<char, name_field_size>& name);

    std::vector<FileEntry> entries_;
    std::size_t file_count_ = 0;  // entries_[0, file_count_) are files, sorted
};

}  // namespace arcsup
