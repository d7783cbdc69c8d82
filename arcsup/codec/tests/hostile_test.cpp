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

// Entry 256 is written after a clear from the string before it; a code 256
// right after the clear would reach it and, with entry 257 written next,
// make a prefix loop (A, 257, clear, 256, 257, 257). The code after a clear
// must be a byte, as every compressor writes it.
TEST(Hostile, AdaptiveCodeAfterAClearMustBeAByte)
{
    struct Case {
        const char* what;
        std::vector<std::vector<int>> groups;
        DecodeStatus status;
        Bytes output;
    };
    const Case cases[] = {
        {"prefix loop", {{'A', 257, 256}, {256, 257, 257}}, DecodeStatus::bad_code, {'A', 'A', 'A'}},
        {"string code after clear", {{'A', 257, 256}, {300}}, DecodeStatus::bad_code, {'A', 'A', 'A'}},
        {"byte after clear", {{'A', 257, 256}, {'B', 257}}, DecodeStatus::ok,
         {'A', 'A', 'A', 'B', 'B', 'B'}},
    };
    for (const Case& c : cases) {
        const Bytes codes = pack_code_groups(c.groups, 9);
        const Decoded squashed = decode(method::squashed, codes);
        EXPECT_EQ(squashed.status, c.status) << c.what;
        EXPECT_EQ(squashed.data, c.output) << c.what;
        Bytes crunched = codes;
        crunched.insert(crunched.begin(), 12);
        EXPECT_EQ(decode(method::crunched, crunched).status, c.status) << c.what;
    }
}

// Codes are table positions. A code naming an unused slot is only valid as
// the slot that this very step fills (the old string plus its first byte);
// anything else could make a slot its own predecessor.
TEST(Hostile, OldCrunchUnusedCodes)
{
    struct Hash {
        int method;
        OldCrunchHash hash;
    };
    for (const Hash h : {Hash{5, OldCrunchHash::mid_square}, Hash{6, OldCrunchHash::mid_square},
                         Hash{7, OldCrunchHash::multiplicative}}) {
        const OldCrunchTable table(h.hash);
        const int a = table.code_of_byte('A');
        const int next = static_cast<int>(table.slot_for_next(static_cast<std::uint16_t>(a), 'A'));
        int unused_other = 0;
        while (table.used(unused_other) || unused_other == next)
            ++unused_other;
        struct Case {
            const char* what;
            std::vector<int> codes;
            DecodeStatus status;
            Bytes output;
        };
        const Case cases[] = {
            {"first code unused", {unused_other, a}, DecodeStatus::bad_code, {}},
            {"unused code filled by this step", {a, next}, DecodeStatus::ok, {'A', 'A', 'A'}},
            {"unused code this step does not fill", {a, unused_other}, DecodeStatus::bad_code,
             {'A', 'A', 'A'}},
        };
        for (const Case& c : cases) {
            const Decoded decoded = decode(h.method, pack_twelve_bit_codes(c.codes));
            EXPECT_EQ(decoded.status, c.status) << h.method << " " << c.what;
            EXPECT_EQ(decoded.data, c.output) << h.method << " " << c.what;
        }
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
    // Node count 1; both children of node 0 are node 0.
    Bytes data(1u << 20, 0xA5);
    std::fill_n(data.begin(), 6, 0);
    data[0] = 1;
    const Decoded decoded = decode(method::squeezed, data);
    EXPECT_EQ(decoded.status, DecodeStatus::ok);
    EXPECT_TRUE(decoded.data.empty());
}

} // namespace
} // namespace arc::test
