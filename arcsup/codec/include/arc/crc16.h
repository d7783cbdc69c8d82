// CRC-16 of ARC members: reflected CRC-16 with polynomial 0xA001, initial
// value 0, no final inversion (the check value of "123456789" is 0xBB3D).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace arc {

constexpr std::array<std::uint16_t, 256> make_crc16_table()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

// The byte-wise table: crc = crc16_table[(crc ^ byte) & 0xFF] ^ (crc >> 8).
inline constexpr std::array<std::uint16_t, 256> crc16_table = make_crc16_table();

// Updates `crc` over one byte.
inline std::uint16_t crc16_update(std::uint16_t crc, std::uint8_t byte)
{
    return static_cast<std::uint16_t>(crc16_table[(crc ^ byte) & 0xFF] ^ (crc >> 8));
}

// Updates `crc` over a span of bytes; the result equals applying
// crc16_update to each byte in turn (it works on eight bytes per step).
std::uint16_t crc16_update(std::uint16_t crc, std::span<const std::uint8_t> bytes);

// CRC of a whole buffer, starting from 0.
inline std::uint16_t crc16(std::span<const std::uint8_t> bytes)
{
    return crc16_update(0, bytes);
}

} // namespace arc
