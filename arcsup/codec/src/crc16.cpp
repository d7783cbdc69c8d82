#include "arc/crc16.h"

namespace arc {
namespace {

using Slices = std::array<std::array<std::uint16_t, 256>, 8>;

// slices[k][i]: the CRC register after byte i followed by k zero bytes, so
// that eight bytes are folded in with eight independent look-ups.
constexpr Slices make_slices()
{
    Slices t{};
    t[0] = crc16_table;
    for (unsigned i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k)
            t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
    return t;
}

constexpr Slices slices = make_slices();

} // namespace

std::uint16_t crc16_update(std::uint16_t crc, std::span<const std::uint8_t> bytes)
{
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    unsigned c = crc;
    while (n >= 8) {
        const unsigned x = c ^ (p[0] | (p[1] << 8));
        c = slices[7][x & 0xFF] ^ slices[6][x >> 8] ^ slices[5][p[2]] ^ slices[4][p[3]] ^
            slices[3][p[4]] ^ slices[2][p[5]] ^ slices[1][p[6]] ^ slices[0][p[7]];
        p += 8;
        n -= 8;
    }
    while (n-- > 0)
        c = slices[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return static_cast<std::uint16_t>(c);
}

} // namespace arc
