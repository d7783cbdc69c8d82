#pragma once
// The header of an ARC member: marker 0x1A, method, 13-byte name, compressed
// size, DOS date and time, CRC-16 and (except in method-1 headers)
// uncompressed size, all little-endian.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace arcsup {

inline constexpr std::uint8_t header_marker = 0x1A;
inline constexpr std::size_t header_size = 29;       // with marker and method
inline constexpr std::size_t old_header_size = 25;   // method 1
inline constexpr std::size_t name_field_size = 13;
inline constexpr std::size_t max_name_length = 12;

struct MemberHeader {
    int method = 2;
    std::array<char, name_field_size> name{};  // zero-terminated
    std::uint32_t compressed_size = 0;
    std::uint16_t date = 0;
    std::uint16_t time = 0;
    std::uint16_t crc = 0;
    std::uint32_t size = 0;

    // The stored name, at most 12 characters.
    std::string name_text() const;
    // Stores a name of at most 12 characters; false when it is longer.
    bool set_name(const std::string& text);
};

// The header from the bytes after marker and method: 23 bytes for method 1
// (which is then read as method 2 with both sizes equal), 27 otherwise.
std::size_t header_body_size(int method);
MemberHeader parse_header_body(int method, std::span<const std::uint8_t> body);

// The 29 bytes of a header as written (method 1 is never written).
std::array<std::uint8_t, header_size> encode_header(const MemberHeader& header);

}  // namespace arcsup
