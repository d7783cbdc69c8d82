#include "new_archive.h"

#include <unistd.h>

#include <cerrno>

#include "corax32.h"
#include "failure.h"
#include "platform/path.h"

namespace arcsup {
namespace {

constexpr int max_temporary_numbers = 100000;

bool pwrite_all(int fd, std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    const std::uint8_t* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

}  // namespace

NewArchive::NewArchive(const std::string& archive_path) : archive_path_(archive_path) {
    const platform::PathParts parts = platform::split_path(archive_path);
    for (int number = 1; number <= max_temporary_numbers; ++number) {
        temporary_path_ = parts.directory + parts.name + std::to_string(number) + parts.extension;
        file_ = FileHandle::create_new(temporary_path_);
        if (file_.is_open() || errno != EEXIST) break;
    }
    if (!file_.is_open()) {
        const std::string name = temporary_path_;
        temporary_path_.clear();
        fail_write_side(Msg::new_archive_access, name);
    }
}

NewArchive::~NewArchive() {
    if (finished_ || temporary_path_.empty()) return;
    file_.close();
    platform::delete_file(temporary_path_);
}

void NewArchive::write_at(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!pwrite_all(file_.fd(), bytes, offset))
        fail_write_side(Msg::write_failed, temporary_path_);
}

void NewArchive::append_header(const MemberHeader& header) {
    const auto bytes = encode_header(header);
    write_at(end_, bytes);
    end_ += bytes.size();
}

void NewArchive::rewrite_header(std::uint64_t offset, const MemberHeader& header) {
    write_at(offset, encode_header(header));
}

bool NewArchive::append(std::span<const std::uint8_t> bytes) {
    if (!pwrite_all(file_.fd(), bytes, end_)) return false;
    end_ += bytes.size();
    return true;
}

int NewArchive::finish() {
    static constexpr std::uint8_t end_marker[2] = {header_marker, 0};
    write_at(end_, end_marker);
    end_ += sizeof end_marker;
    if (!file_.truncate(end_) || ::fsync(file_.fd()) != 0 || !file_.close())
        fail_write_side(Msg::close_failed, temporary_path_);
    finished_ = true;
    if (!platform::rename_file(temporary_path_, archive_path_)) return CX_RENAME_FAILED;
    return CX_OK;
}

}  // namespace arcsup
