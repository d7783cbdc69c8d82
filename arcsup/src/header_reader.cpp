#include "header_reader.h"

#include <array>

#include "failure.h"

namespace arcsup {

std::optional<MemberEntry> read_member(ArchiveReader& reader, const std::string& archive_path,
                                       UINT style) {
    if (reader.at_end()) return std::nullopt;
    MemberEntry entry;
    entry.header_position = reader.position();
    std::uint8_t marker = 0, method = 0;
    if (!reader.next(marker) || marker != header_marker) fail_damaged(archive_path, style);
    if (!reader.next(method) || method == 0) return std::nullopt;
    std::array<std::uint8_t, header_size - 2> body{};
    const std::size_t body_size = header_body_size(method);
    if (reader.read(body.data(), body_size) != body_size) fail_damaged(archive_path, style);
    entry.header = parse_header_body(method, body);
    entry.data_position = reader.position();
    if (entry.header.compressed_size > reader.remaining()) fail_damaged(archive_path, style);
    return entry;
}

}  // namespace arcsup
