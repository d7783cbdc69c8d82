#pragma once
// The new archive that an append or delete request writes beside the old
// one, under the temporary name "<dir><name><n><ext>" with the first free
// number n from 1. Only a complete new archive replaces the old one; an
// unfinished one is removed with this object.
#include <cstdint>
#include <span>
#include <string>

#include "file_handle.h"
#include "member_header.h"

namespace arcsup {

class NewArchive {
public:
    // Creates the temporary file beside `archive_path` (a full path).
    explicit NewArchive(const std::string& archive_path);
    ~NewArchive();
    NewArchive(const NewArchive&) = delete;
    NewArchive& operator=(const NewArchive&) = delete;

    const std::string& temporary_path() const { return temporary_path_; }
    // Offset where the next member goes.
    std::uint64_t end() const { return end_; }

    // Writes a header at the end and moves the end past it.
    void append_header(const MemberHeader& header);
    // Rewrites a header at its offset (the end stays).
    void rewrite_header(std::uint64_t offset, const MemberHeader& header);
    // Writes bytes at the end and moves the end past them; false on failure.
    bool append(std::span<const std::uint8_t> bytes);
    // Moves the end back, dropping what followed (a member written again).
    void set_end(std::uint64_t offset) { end_ = offset; }

    // Writes the end marker, cuts the file there and closes it ("Fehler beim
    // Schließen des Archivs " on failure), then gives it the archive's name
    // (replacing the old archive). Returns 0, or 2041 when the name cannot be
    // given; the new archive then keeps its temporary name.
    int finish();

private:
    void write_at(std::uint64_t offset, std::span<const std::uint8_t> bytes);

    std::string archive_path_;
    std::string temporary_path_;
    FileHandle file_;
    std::uint64_t end_ = 0;
    bool finished_ = false;
};

}  // namespace arcsup
