#include <gtest/gtest.h>

#include "arc/codec.h"
#include "codec_helpers.h"
#include "old_crunch_encoder.h"

namespace arc::test {
namespace {

struct DecodeCase {
    const char* what;
    int method;
    Bytes data;
    DecodeStatus status;
    Bytes output;
};

constexpr std::uint8_t A = 'A';

void run_cases(const std::vector<DecodeCase>& cases)
{
    for (const DecodeCase& c : cases) {
        const Decoded decoded = decode(c.method, c.data);
        EXPECT_EQ(decoded.status, c.status) << c.what << ": " << status_name(decoded.status);
        EXPECT_EQ(decoded.data, c.output) << c.what;
    }
}

TEST(EdgeCases, StoredAndPacked)
{
    run_cases({
        {"stored empty", 2, {}, DecodeStatus::ok, {}},
        {"old stored", 1, {1, 2, 0x90, 3}, DecodeStatus::ok, {1, 2, 0x90, 3}},
        {"stored keeps markers", 2, {0x90, 0x00}, DecodeStatus::ok, {0x90, 0x00}},
        {"marker zero is one marker", 3, {0x90, 0x00}, DecodeStatus::ok, {0x90}},
        {"run of four", 3, {A, 0x90, 4}, DecodeStatus::ok, {A, A, A, A}},
        {"count one adds nothing", 3, {A, 0x90, 1}, DecodeStatus::ok, {A}},
        {"count 255", 3, {A, 0x90, 255}, DecodeStatus::ok, Bytes(255, A)},
        {"run at start repeats zero", 3, {0x90, 3}, DecodeStatus::ok, {0, 0}},
        {"literal marker keeps the byte to repeat", 3, {A, 0x90, 0, 0x90, 3}, DecodeStatus::ok,
         {A, 0x90, A, A}},
        {"marker at the end", 3, {A, 0x90}, DecodeStatus::ok, {A}},
        {"marker marker", 3, {A, 0x90, 0x90}, DecodeStatus::ok, Bytes(0x90 - 1 + 1, A)},
    });
}

TEST(EdgeCases, RepeatCompressionOutput)
{
    struct Case {
        const char* what;
        Bytes input, packed;
    };
    const Case cases[] = {
        {"single", {A}, {A}},
        {"pair stays", {A, A}, {A, A}},
        {"three become a run", {A, A, A}, {A, 0x90, 3}},
        {"marker", {0x90}, {0x90, 0}},
        {"two markers travel one by one", {0x90, 0x90}, {0x90, 0, 0x90, 0}},
        {"run then marker", {A, A, A, A, 0x90}, {A, 0x90, 4, 0x90, 0}},
        {"255 is one run", Bytes(255, A), {A, 0x90, 255}},
        {"300 split after 255 plus the next byte", Bytes(300, A), {A, 0x90, 255, A, 0x90, 45}},
        {"256", Bytes(256, A), {A, 0x90, 255, A}},
        {"257", Bytes(257, A), {A, 0x90, 255, A, A}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encode(method::packed, c.input), c.packed) << c.what;
        EXPECT_EQ(decode(method::packed, c.packed).data, c.input) << c.what;
    }
}

TEST(EdgeCases, StringTableOutputBits)
{
    // 'A', then the new string code 257 "AA", 9 bits each, LSB first.
    EXPECT_EQ(encode(method::squashed, {A, A, A}), (Bytes{0x41, 0x02, 0x02}));
    // Packed "AAA" is A 0x90 3: codes 65, 144, 3 after the width byte.
    EXPECT_EQ(encode(method::crunched, {A, A, A}), (Bytes{12, 0x41, 0x20, 0x0D, 0x00}));
    EXPECT_EQ(encode(method::crunched, {}), (Bytes{12}));
    EXPECT_EQ(encode(method::squashed, {}), Bytes{});
    // 0x90 at the start travels as 0x90 0x00 through the string table.
    EXPECT_EQ(encode(method::crunched, {0x90}), (Bytes{12, 0x90, 0x00, 0x00}));
}

TEST(EdgeCases, Squeezed)
{
    // One node: bit 0 -> 'A' (leaf -66), bit 1 -> end (leaf -257).
    const Bytes one_node = {1, 0, 0xBE, 0xFF, 0xFF, 0xFE};
    auto with = [](Bytes head, Bytes tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    run_cases({
        {"node count 0 is empty", 4, {0, 0, 0xFF, 0x12}, DecodeStatus::ok, {}},
        {"node count 0 without bits", 4, {0, 0}, DecodeStatus::ok, {}},
        {"three then end", 4, with(one_node, {0x08}), DecodeStatus::ok, {A, A, A}},
        {"data ends without end value", 4, with(one_node, {0x00}), DecodeStatus::ok, Bytes(8, A)},
        {"bytes after the end value are ignored", 4, with(one_node, {0x01, 0x00}),
         DecodeStatus::ok, {}},
        {"negative node count", 4, {0xFF, 0xFF}, DecodeStatus::bad_huffman_tree, {}},
        {"node count 257", 4, {0x01, 0x01}, DecodeStatus::bad_huffman_tree, {}},
        {"node count 256 accepted, tree cut short", 4, {0x00, 0x01, 1, 0},
         DecodeStatus::bad_huffman_tree, {}},
        {"child beyond the nodes", 4, {1, 0, 1, 0, 0xFF, 0xFE}, DecodeStatus::bad_huffman_tree, {}},
        {"leaf below value 256", 4, {1, 0, 0xFE, 0xFE, 0xFF, 0xFE}, DecodeStatus::bad_huffman_tree,
         {}},
        {"no node count", 4, {}, DecodeStatus::bad_huffman_tree, {}},
        {"half a node count", 4, {1}, DecodeStatus::bad_huffman_tree, {}},
        {"cycle to the root consumes bits", 4, {1, 0, 0, 0, 0xFF, 0xFE, 0, 0, 0, 0},
         DecodeStatus::ok, {}},
    });
}

TEST(EdgeCases, Crunched)
{
    run_cases({
        {"width byte 13", 8, {13, 0x41, 0x00}, DecodeStatus::too_many_bits, {}},
        {"width byte 11", 8, {11}, DecodeStatus::too_many_bits, {}},
        {"only the width byte", 8, {12}, DecodeStatus::ok, {}},
        {"no data at all", 8, {}, DecodeStatus::ok, {}},
        {"run through the string table", 8, {12, 0x41, 0x20, 0x0D, 0x00}, DecodeStatus::ok,
         {A, A, A}},
        {"leading marker", 8, {12, 0x90, 0x00, 0x00}, DecodeStatus::ok, {0x90}},
        {"squashed string code", 9, {0x41, 0x02, 0x02}, DecodeStatus::ok, {A, A, A}},
        {"squashed empty", 9, {}, DecodeStatus::ok, {}},
        {"group too short for a code", 9, {0x41}, DecodeStatus::ok, {}},
        {"first code not a byte", 9, pack_code_groups({{300}}, 9), DecodeStatus::bad_code, {}},
        {"first code is the clear code", 9, pack_code_groups({{256}}, 9), DecodeStatus::bad_code,
         {}},
        {"code beyond the next free code", 9, pack_code_groups({{A, 258}}, 9),
         DecodeStatus::bad_code, {A}},
        {"clear code restarts at 9 bits in a new group", 9,
         pack_code_groups({{A, 66, 256}, {67, 257}}, 9), DecodeStatus::ok,
         {A, 'B', 'C', 'C', 'C'}},
    });
}

TEST(EdgeCases, OldCrunched)
{
    const OldCrunchTable table(OldCrunchHash::mid_square);
    const int code_a = table.code_of_byte(A);
    run_cases({
        {"empty", 5, {}, DecodeStatus::ok, {}},
        {"one byte is no code", 5, {0x12}, DecodeStatus::ok, {}},
        {"one code in two bytes", 5, pack_twelve_bit_codes({code_a}), DecodeStatus::ok, {A}},
        {"second code incomplete", 5,
         [&] {
             Bytes b = pack_twelve_bit_codes({code_a, code_a});
             b.pop_back();
             return b;
         }(),
         DecodeStatus::ok, {A}},
    });
}

TEST(EdgeCases, UnknownMethodsReadNothing)
{
    static DecoderTables tables;
    static CompressorTables ctables;
    const Bytes data = {1, 2, 3};
    for (int m : {0, 10, 11, 20, 127, 255, -1}) {
        MemoryReader in(data);
        Bytes out;
        VectorWriter writer(out);
        EXPECT_EQ(decode_member(m, in, writer, tables), DecodeStatus::unknown_method) << m;
        EXPECT_EQ(in.get(), 1) << "data left for the caller to skip";
        EXPECT_EQ(writer.bytes_written(), 0u);
    }
    for (int m : {0, 1, 4, 5, 6, 7, 10}) {
        MemoryReader in(data);
        Bytes out;
        VectorWriter writer(out);
        EXPECT_EQ(encode_member(m, in, writer, ctables), EncodeStatus::unsupported_method) << m;
        EXPECT_EQ(writer.bytes_written(), 0u);
    }
}

TEST(EdgeCases, MessageTexts)
{
    EXPECT_EQ(message_text(DecodeStatus::bad_huffman_tree), "Datei hat einen ungültigen Dekodierbaum");
    EXPECT_EQ(message_text(DecodeStatus::stack_overflow), "Stack overflow");
    EXPECT_EQ(message_text(DecodeStatus::too_many_bits), "Zu viele Bits");
    EXPECT_TRUE(message_text(DecodeStatus::ok).empty());
}

} // namespace
} // namespace arc::test
