#include <gtest/gtest.h>

#include <random>

#include "arc/codec.h"
#include "codec_helpers.h"
#include "fixtures.h"
#include "old_crunch_encoder.h"

namespace arc::test {
namespace {

bool is_prefix(const Bytes& part, const Bytes& whole)
{
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

TEST(Hostile, RandomDataEndsForEveryMethod)
{
    std::mt19937 rng(77);
    for (int m = 1; m <= 9; ++m)
        for (int trial = 0; trial < 60; ++trial) {
            Bytes data = random_data(1 + rng() % 3000, rng());
            if (m == method::crunched)
                data[0] = 12;
            if (m == method::squeezed && data.size() >= 2) {
                data[0] = static_cast<std::uint8_t>(rng() % 257);
                data[1] = 0;
            }
            const Decoded decoded = decode(m, data, 1u << 22);
            EXPECT_LE(decoded.data.size(), 1u << 22);
        }
}

// A member cut anywhere decodes to a prefix of the whole (or reports the
// damage), never more.
TEST(Hostile, TruncatedMembersYieldPrefixes)
{
    const Bytes input = text_data(6000);
    for (int m = 1; m <= 9; ++m) {
        const Bytes member = member_data(m, input);
        for (std::size_t cut = 0; cut < member.size(); cut += 1 + cut / 16) {
            const Bytes part(member.begin(), member.begin() + static_cast<std::ptrdiff_t>(cut));
            const Decoded decoded = decode(m, part);
            EXPECT_TRUE(is_prefix(decoded.data, input)) << m << " cut at " << cut;
        }
    }
}

TEST(Hostile, FlippedBitsStayInBounds)
{
    std::mt19937 rng(5);
    const Bytes input = binary_data(8000);
    for (int m = 3; m <= 9; ++m) {
        const Bytes member = member_data(m, input);
        for (int trial = 0; trial < 200; ++trial) {
            Bytes damaged = member;
            for (int flips = 1 + rng() % 4; flips > 0; --flips)
                damaged[rng() % damaged.size()] ^= static_cast<std::uint8_t>(1 << (rng() % 8));
            decode(m, damaged, 1u << 22);
        }
    }
}

// Entry 256, written after a clear, and entry 257 name each other as prefix:
// codes A, 257 (A A), clear, 256 (defines 256 = 257 + A), 257 (defines
// 257 = 256 + A), 257 (a loop).
TEST(Hostile, AdaptivePrefixLoopIsAStackOverflow)
{
    const Bytes codes = pack_code_groups({{'A', 257, 256}, {256, 257, 257}}, 9);
    EXPECT_EQ(decode(method::squashed, codes).status, DecodeStatus::stack_overflow);
    Bytes crunched = codes;
    crunched.insert(crunched.begin(), 12);
    EXPECT_EQ(decode(method::crunched, crunched).status, DecodeStatus::stack_overflow);
    // Without the last code the same data is fine.
    const Bytes fine = pack_code_groups({{'A', 257, 256}, {256, 257}}, 9);
    EXPECT_EQ(decode(method::squashed, fine).status, DecodeStatus::ok);
}

// A first code that names an unused slot U, then the byte f with (U, f)
// entered into U itself: U becomes its own predecessor.
TEST(Hostile, OldCrunchPredecessorLoopIsAStackOverflow)
{
    struct Case {
        int method;
        OldCrunchHash hash;
    };
    for (const Case c : {Case{5, OldCrunchHash::mid_square}, Case{6, OldCrunchHash::mid_square},
                         Case{7, OldCrunchHash::multiplicative}}) {
        const OldCrunchTable table(c.hash);
        int loop_slot = -1;
        int byte = 0;
        for (unsigned u = 0; u < OldCrunchTable::size && loop_slot < 0; ++u)
            for (int f = 0; f < 256 && loop_slot < 0; ++f)
                if (!table.used(u) &&
                    table.slot_for_next(static_cast<std::uint16_t>(u), static_cast<std::uint8_t>(f)) == u) {
                    loop_slot = static_cast<int>(u);
                    byte = f;
                }
        ASSERT_GE(loop_slot, 0) << "no self-entering slot for method " << c.method;
        const int byte_code = table.code_of_byte(static_cast<std::uint8_t>(byte));
        const Decoded decoded =
            decode(c.method, pack_twelve_bit_codes({loop_slot, byte_code, loop_slot}));
        EXPECT_EQ(decoded.status, DecodeStatus::stack_overflow) << c.method;
        const Decoded before = decode(c.method, pack_twelve_bit_codes({loop_slot, byte_code}));
        EXPECT_EQ(before.status, DecodeStatus::ok) << c.method;
    }
}

TEST(Hostile, UnusedCodesDecodeWithoutLooping)
{
    // Every code an unused slot: each names the old string plus one byte.
    const OldCrunchTable table(OldCrunchHash::mid_square);
    std::vector<int> codes;
    for (unsigned u = 0; u < OldCrunchTable::size && codes.size() < 3000; ++u)
        if (!table.used(u))
            codes.push_back(static_cast<int>(u));
    for (int m : {5, 6, 7})
        decode(m, pack_twelve_bit_codes(codes), 1u << 22);
}

// Bounded output: once the writer fails, decoding stops soon instead of
// expanding the rest of the data.
TEST(Hostile, WriterFailureStopsDecodingEarly)
{
    static DecoderTables tables;
    const Bytes zeros(4u << 20, 0);
    for (int m = 1; m <= 9; ++m) {
        Bytes member;
        if (m == method::packed)
            for (int i = 0; i < 20000; ++i)
                member.insert(member.end(), {'A', 0x90, 0xFF});
        else
            member = member_data(m, zeros);
        MemoryReader in(member);
        Bytes out;
        VectorWriter writer(out, 65536);
        EXPECT_EQ(decode_member(m, in, writer, tables), DecodeStatus::write_failed) << m;
        EXPECT_FALSE(in.available().empty()) << "method " << m << " read all of its data";
    }
}

TEST(Hostile, HuffmanCycleOverMuchDataEnds)
{
    Bytes data = {1, 0, 0, 0, 0, 0};  // both children of node 0 are node 0
    data.resize(1u << 20, 0xA5);
    const Decoded decoded = decode(method::squeezed, data);
    EXPECT_EQ(decoded.status, DecodeStatus::ok);
    EXPECT_TRUE(decoded.data.empty());
}

} // namespace
} // namespace arc::test
