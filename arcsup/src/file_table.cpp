#include "file_table.h"

#include <algorithm>
#include <cstring>

#include "failure.h"
#include "platform/dostime.h"
#include "platform/filefind.h"

namespace arcsup {
namespace {

using Name = std::array<char, name_field_size>;

bool name_less(const Name& a, const Name& b) {
    return std::memcmp(a.data(), b.data(), a.size()) < 0;
}

}  // namespace

std::string FileEntry::name_text() const {
    return std::string(name.data(), strnlen(name.data(), max_name_length));
}

void FileTable::collect(const std::vector<FileSpec>& specs) {
    for (const FileSpec& spec : specs) {
        for (const platform::FoundFile& found :
             platform::find_files(spec.directory + spec.mask, platform::FA_NORMAL)) {
            if (!(found.attributes & platform::FA_ARCH)) continue;
            if (found.name.size() > max_name_length) {
                if (!has_wildcard(spec.mask))
                    fail_write_side(Msg::bad_source_name, spec.directory + found.name);
                continue;
            }
            add_file(spec, found.name, static_cast<std::uint64_t>(found.size), found.mtime);
        }
    }
    sort();
    file_count_ = entries_.size();
}

void FileTable::add_file(const FileSpec& spec, const std::string& name, std::uint64_t size,
                         std::int64_t mtime) {
    FileEntry entry;
    std::memcpy(entry.name.data(), name.data(), name.size());
    for (const FileEntry& other : entries_)
        if (other.name == entry.name) return;
    if (size > UINT32_MAX) fail_write_side(Msg::source_read_failed, spec.directory + name);
    entry.directory = spec.directory;
    entry.size = size;
    const platform::DosDateTime dt = platform::to_dos_datetime(mtime);
    entry.date = dt.date;
    entry.time = dt.time;
    entries_.push_back(std::move(entry));
}

FileEntry* FileTable::find_file(const Name& name) {
    auto begin = entries_.begin();
    auto end = begin + static_cast<std::ptrdiff_t>(file_count_);
    auto it = std::lower_bound(begin, end, name,
                               [](const FileEntry& e, const Name& n) { return name_less(e.name, n); });
    return (it != end && it->name == name) ? &*it : nullptr;
}

void FileTable::merge_old_member(const MemberEntry& member) {
    // Compared by the name up to its terminator (bytes after it are noise).
    Name name{};
    const std::string text = member.header.name_text();
    std::memcpy(name.data(), text.data(), text.size());
    if (FileEntry* file = find_file(name)) {
        file->action = EntryAction::replace;
        return;
    }
    FileEntry entry;
    entry.name = name;
    entry.action = EntryAction::copy_old;
    entry.old = member;
    entries_.push_back(std::move(entry));
}

void FileTable::sort() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const FileEntry& a, const FileEntry& b) { return name_less(a.name, b.name); });
}

}  // namespace arcsup
