// The metafile parser on hostile bits: every case is checked both through
// the parser and through SetMetaFileBitsEx.
#include <gtest/gtest.h>

#include <vector>

#include "le_bytes.h"
#include "metafile_parser.h"
#include "platform/gdi/metafile.h"

using platform::gdi::parse_metafile;
using platform::gdi::put_u16;
using platform::gdi::put_u32;
namespace rec = platform::gdi::record;

namespace {

class Bits {
public:
    explicit Bits(int objects = 0, int type = 1, int header_words = 9) {
        put_u16(b_, static_cast<std::uint16_t>(type));
        put_u16(b_, static_cast<std::uint16_t>(header_words));
        put_u16(b_, 0x300);
        put_u32(b_, 0);
        put_u16(b_, static_cast<std::uint16_t>(objects));
        put_u32(b_, 0);
        put_u16(b_, 0);
    }
    Bits& record(WORD function, std::vector<std::uint16_t> params, std::uint32_t declared_words = 0) {
        put_u32(b_, declared_words ? declared_words : static_cast<std::uint32_t>(3 + params.size()));
        put_u16(b_, function);
        for (auto w : params) put_u16(b_, w);
        return *this;
    }
    Bits& eof() { return record(rec::kEof, {}); }
    Bits& raw(std::vector<std::uint8_t> bytes) {
        b_.insert(b_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    std::vector<std::uint8_t> bytes() const { return b_; }

private:
    std::vector<std::uint8_t> b_;
};

const std::vector<std::uint16_t> kPen = {0, 1, 0, 0, 0};

struct ParserCase {
    const char* name;
    std::vector<std::uint8_t> bits;
    bool valid;
    std::size_t records;
};

std::vector<ParserCase> cases() {
    const std::vector<std::uint8_t> header = Bits().bytes();
    return {
        {"plain header and end", Bits().eof().bytes(), true, 0},
        {"disk metafile type 2", Bits(0, 2).record(rec::kLineTo, {1, 2}).eof().bytes(), true, 1},
        {"type 3", Bits(0, 3).eof().bytes(), false, 0},
        {"header size 8", Bits(0, 1, 8).eof().bytes(), false, 0},
        {"shorter than a header", std::vector<std::uint8_t>(header.begin(), header.begin() + 17), false, 0},
        {"empty", {}, false, 0},
        {"no end record, ends on a record boundary", Bits().record(rec::kLineTo, {1, 2}).bytes(), true, 1},
        {"bytes after the end record are not read", Bits().eof().raw({0xFF, 0xFF, 0xFF}).bytes(), true, 0},
        {"record size below 3 words", Bits().record(rec::kLineTo, {1, 2}, 2).eof().bytes(), false, 0},
        {"record size 0", Bits().record(rec::kLineTo, {}, 0xFFFFFFFF).bytes(), false, 0},
        {"record runs past the end", Bits().record(rec::kLineTo, {1, 2}, 50).eof().bytes(), false, 0},
        {"huge record size", Bits().record(rec::kLineTo, {1, 2}, 0x80000000u).eof().bytes(), false, 0},
        {"partial record header", Bits().record(rec::kLineTo, {1, 2}).raw({5, 0, 0}).bytes(), false, 0},
        {"select inside the table", Bits(1).record(rec::kCreatePenIndirect, kPen).record(rec::kSelectObject, {0}).eof().bytes(), true, 2},
        {"select beyond the table", Bits(1).record(rec::kCreatePenIndirect, kPen).record(rec::kSelectObject, {1}).eof().bytes(), false, 0},
        {"select without a table", Bits(0).record(rec::kSelectObject, {0}).eof().bytes(), false, 0},
        {"delete beyond the table", Bits(2).record(rec::kDeleteObject, {2}).eof().bytes(), false, 0},
        {"select palette beyond the table", Bits(1).record(rec::kSelectPalette, {7}).eof().bytes(), false, 0},
        {"select without its index", Bits(1).record(rec::kSelectObject, {}).eof().bytes(), false, 0},
        {"creation into a full table", Bits(1).record(rec::kCreatePenIndirect, kPen).record(rec::kCreatePenIndirect, kPen).eof().bytes(), false, 0},
        {"deletion frees a slot for the next creation",
         Bits(1).record(rec::kCreatePenIndirect, kPen).record(rec::kDeleteObject, {0}).record(rec::kCreatePenIndirect, kPen).eof().bytes(), true, 3},
    };
}

TEST(MetafileParser, HostileBitsTable) {
    for (const ParserCase& c : cases()) {
        SCOPED_TRACE(c.name);
        auto parsed = parse_metafile(c.bits.data(), c.bits.size());
        EXPECT_EQ(parsed.has_value(), c.valid);
        if (parsed) {
            EXPECT_EQ(parsed->records.size(), c.records);
        }
        HMETAFILE mf = SetMetaFileBitsEx(static_cast<UINT>(c.bits.size()), c.bits.data());
        EXPECT_EQ(mf != nullptr, c.valid);
        if (mf) DeleteMetaFile(mf);
    }
}

TEST(MetafileParser, RecordViewsPointIntoTheBits) {
    std::vector<std::uint8_t> bits = Bits().record(rec::kMoveTo, {5, 6}).record(rec::kTextOut, {1, 'x', 2, 3}).eof().bytes();
    auto parsed = parse_metafile(bits.data(), bits.size());
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->records.size(), 2u);
    EXPECT_EQ(parsed->records[0].offset, 18u);
    EXPECT_EQ(parsed->records[0].size_bytes, 10u);
    EXPECT_EQ(parsed->records[0].param_bytes, 4u);
    EXPECT_EQ(parsed->records[1].function, rec::kTextOut);
    EXPECT_EQ(parsed->records[1].params, bits.data() + 34);
}

}  // namespace
