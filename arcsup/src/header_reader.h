#pragma once
// Reading the member headers of an archive one after another.
#include <cstdint>
#include <optional>
#include <string>

#include "archive_reader.h"
#include "member_header.h"
#include "platform/types.h"

namespace arcsup {

struct MemberEntry {
    MemberHeader header;
    std::uint64_t header_position = 0;  // offset of the marker
    std::uint64_t data_position = 0;    // offset of the first data byte
};

// Reads the header at the reader's position. No more members at the end of
// the file or at the end marker (a marker byte at the very end of the file
// counts as one too). A missing marker, a header cut short or a compressed
// size beyond the end of the file is a damaged archive (2021, shown with
// `style`).
std::optional<MemberEntry> read_member(ArchiveReader& reader, const std::string& archive_path,
                                       UINT style);

}  // namespace arcsup
