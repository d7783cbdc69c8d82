#pragma once
// The 22-byte placeable header in front of a metafile in a WMF file.
#include <cstdint>

#include "mirv32.h"

namespace mirv::wmf {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableBytes = 22;

// The header as it lies in the file; EnumMetaSize updates the box of one.
#pragma pack(push, 2)
struct PlaceableHeader {
    std::uint32_t key;
    std::uint16_t handle;
    std::int16_t left, top, right, bottom;
    std::uint16_t inch;
    std::uint32_t reserved;
    std::uint16_t checksum;
};
#pragma pack(pop)
static_assert(sizeof(PlaceableHeader) == kPlaceableBytes);

struct Placeable {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
    std::uint16_t inch = 0;
};

// XOR of the ten 16-bit words in front of the checksum.
std::uint16_t checksum(const std::uint8_t (&bytes)[kPlaceableBytes]);
void encode(const Placeable& p, std::uint8_t (&out)[kPlaceableBytes]);
bool decode(const std::uint8_t (&in)[kPlaceableBytes], Placeable& out);

void to_info(const Placeable& p, IPPICTUREINFO& info);
Placeable from_info(const IPPICTUREINFO& info);

}  // namespace mirv::wmf
