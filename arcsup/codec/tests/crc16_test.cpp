#include <gtest/gtest.h>

#include "arc/crc16.h"
#include "test_data.h"

namespace arc::test {
namespace {

// Bit by bit, straight from the polynomial, independent of the tables.
std::uint16_t reference_crc(const Bytes& data)
{
    unsigned crc = 0;
    for (std::uint8_t byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return static_cast<std::uint16_t>(crc);
}

TEST(Crc16, CheckValues)
{
    struct Case {
        std::string input;
        std::uint16_t crc;
    };
    const Case cases[] = {
        {"", 0x0000},
        {"123456789", 0xBB3D},
        {"A", reference_crc(bytes_of("A"))},
    };
    for (const Case& c : cases) {
        const Bytes data = bytes_of(c.input);
        EXPECT_EQ(crc16(data), c.crc) << c.input;
    }
}

TEST(Crc16, SpanUpdateMatchesBytewiseForEveryLengthAndOffset)
{
    const Bytes data = random_data(97);
    for (std::size_t length = 0; length <= data.size(); ++length) {
        const Bytes part(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
        std::uint16_t bytewise = 0;
        for (std::uint8_t b : part)
            bytewise = crc16_update(bytewise, b);
        EXPECT_EQ(crc16(part), bytewise) << length;
        EXPECT_EQ(crc16(part), reference_crc(part)) << length;
    }
}

TEST(Crc16, UpdatesAcrossSplitBlocks)
{
    const Bytes data = text_data(10000);
    const std::span<const std::uint8_t> all(data);
    for (std::size_t split : {0u, 1u, 7u, 8u, 4096u, 9999u, 10000u}) {
        const std::uint16_t first = crc16(all.first(split));
        EXPECT_EQ(crc16_update(first, all.subspan(split)), reference_crc(data)) << split;
    }
}

} // namespace
} // namespace arc::test
