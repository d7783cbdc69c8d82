// A minimal ARC archive writer and reader for the interop tests: 29-byte
// headers (25 for method 1) and the end marker 0x1A 0x00.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "test_data.h"

namespace arc::test {

struct ArchiveMember {
    int method = 2;
    std::string name;  // at most 12 characters
    Bytes data;        // compressed data
    std::uint16_t crc = 0;
    std::uint32_t uncompressed_size = 0;
    std::uint16_t dos_date = (44 << 9) | (5 << 5) | 17;  // 17.05.2024
    std::uint16_t dos_time = (12 << 11) | (30 << 5);     // 12:30
};

Bytes write_archive(const std::vector<ArchiveMember>& members);
// The members up to the end marker; nullopt when a header or the data of a
// member is cut short or a marker is missing.
std::optional<std::vector<ArchiveMember>> read_archive(const Bytes& archive);

} // namespace arc::test
