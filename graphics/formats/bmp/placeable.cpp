#include "placeable.h"

#include <cstring>

namespace mirv::wmf {

namespace {

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

std::uint16_t checksum(const std::uint8_t (&bytes)[kPlaceableBytes]) {
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= u16(bytes + i);
    return sum;
}

void encode(const Placeable& p, std::uint8_t (&out)[kPlaceableBytes]) {
    std::memset(out, 0, sizeof out);
    put16(out, kPlaceableKey & 0xFFFF);
    put16(out + 2, kPlaceableKey >> 16);
    put16(out + 6, static_cast<std::uint16_t>(p.left));
    put16(out + 8, static_cast<std::uint16_t>(p.top));
    put16(out + 10, static_cast<std::uint16_t>(p.right));
    put16(out + 12, static_cast<std::uint16_t>(p.bottom));
    put16(out + 14, p.inch);
    put16(out + 20, checksum(out));
}

bool decode(const std::uint8_t (&in)[kPlaceableBytes], Placeable& out) {
    if ((static_cast<std::uint32_t>(u16(in + 2)) << 16 | u16(in)) != kPlaceableKey) return false;
    out.left = static_cast<std::int16_t>(u16(in + 6));
    out.top = static_cast<std::int16_t>(u16(in + 8));
    out.right = static_cast<std::int16_t>(u16(in + 10));
    out.bottom = static_cast<std::int16_t>(u16(in + 12));
    out.inch = u16(in + 14);
    return true;
}

void to_info(const Placeable& p, IPPICTUREINFO& info) {
    std::memset(&info, 0, sizeof info);
    info.left = p.left;
    info.top = p.top;
    info.right = p.right;
    info.bottom = p.bottom;
    info.inch = p.inch;
}

Placeable from_info(const IPPICTUREINFO& info) {
    return {info.left, info.top, info.right, info.bottom, info.inch};
}

}  // namespace mirv::wmf
