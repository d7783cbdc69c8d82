#pragma once
// Little-endian reads and writes of metafile words.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::gdi {

inline std::uint16_t read_u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int16_t read_s16(const std::uint8_t* p) { return static_cast<std::int16_t>(read_u16(p)); }
inline std::uint32_t read_u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(read_u16(p)) | (static_cast<std::uint32_t>(read_u16(p + 2)) << 16);
}

inline void put_u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put_u16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put_u16(out, static_cast<std::uint16_t>(v >> 16));
}
inline void write_u16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void write_u32(std::uint8_t* p, std::uint32_t v) {
    write_u16(p, static_cast<std::uint16_t>(v & 0xFFFF));
    write_u16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace platform::gdi
