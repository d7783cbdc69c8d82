// ARCList through the exported procedure.
#include <sys/stat.h>

#include "arcsup32.h"
#include "module_fixture.h"

namespace arcsup::test {
namespace {

using arc::test::bytes_of;
using arc::test::text_data;

class List : public ModuleTest {};

TEST_F(List, RowsInArchiveOrderWithTheTemplate) {
    auto a = member_of(8, "B.TXT", text_data(5000));
    a.dos_date = (20 << 9) | (1 << 5) | 1;  // 01.01.2000
    a.dos_time = (7 << 11) | (3 << 5);
    const std::string p = archive("x.arc", {member_of(2, "Z.BIN", bytes_of("zz")), a});
    auto r = request(p);
    ASSERT_EQ(ARCList(&r), 0);
    const std::string expected_b = "B.TXT\t5000\t" + std::to_string(a.data.size()) + "\t";
    auto rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Z.BIN", "2", "2", " 0%", "17.05.124", "12:30", ""}));
    EXPECT_EQ(rows[1][0], "B.TXT");
    EXPECT_EQ(rows[1][4], "01.01.100");
    EXPECT_EQ(rows[1][5], "07:03");
    EXPECT_EQ(std::string(listing.data()).substr(std::string(listing.data()).find('\n') + 1, expected_b.size()),
              expected_b);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(List, EdgeCasesOfTheRows) {
    ArchiveMember grown = member_of(2, "GROWN", bytes_of("abc"));
    grown.uncompressed_size = 2;  // compressed larger than uncompressed
    ArchiveMember empty = member_of(2, "EMPTY", {});
    ArchiveMember old = member_of(1, "OLD.DAT", bytes_of("stored with method 1"));
    auto r = request(archive("x.arc", {grown, empty, old}));
    ASSERT_EQ(ARCList(&r), 0);
    auto rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][3], "-50%");
    EXPECT_EQ(rows[1][1], "0");
    EXPECT_EQ(rows[1][3], " 0%");
    EXPECT_EQ(rows[2][1], "20");
    EXPECT_EQ(rows[2][2], "20");
    EXPECT_EQ(rows[2][3], " 0%");
}

struct MaskListCase {
    const char* mask;
    std::vector<std::string> names;
};

class ListMask : public List, public ::testing::WithParamInterface<MaskListCase> {};

TEST_P(ListMask, SelectsTheMembers) {
    const std::string p = archive("x.arc", {member_of(2, "README.TXT", bytes_of("a")),
                                            member_of(2, "READ.TX", bytes_of("b")),
                                            member_of(2, "MAKEFILE", bytes_of("c")),
                                            member_of(2, "CODE.C", bytes_of("d"))});
    auto r = request(p, GetParam().mask);
    ASSERT_EQ(ARCList(&r), 0);
    std::vector<std::string> names;
    for (const auto& row : listing_rows(listing.data())) names.push_back(row[0]);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListMask, ::testing::Values(
    MaskListCase{nullptr, {"README.TXT", "READ.TX", "MAKEFILE", "CODE.C"}},
    MaskListCase{"README.TXT", {"README.TXT"}},
    MaskListCase{"*", {"MAKEFILE"}},
    MaskListCase{"*.T*", {"README.TXT", "READ.TX"}},
    MaskListCase{"code.c", {"CODE.C"}},
    MaskListCase{"NOTHING", {}}));

TEST_F(List, ArchiveNamesAndWildcards) {
    const auto one = member_of(2, "ONE", bytes_of("1"));
    const auto two = member_of(2, "TWO", bytes_of("2"));
    archive("a1.arc", {one});
    archive("a2.arc", {two});
    archive(".hidden.arc", {one});

    auto r = request(path("a?.arc"));  // several archives: rows one after another
    ASSERT_EQ(ARCList(&r), 0);
    auto rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "ONE");
    EXPECT_EQ(rows[1][0], "TWO");

    for (const std::string& name : {path("missing.arc"), path(".hidden.arc"), path("*.zip")}) {
        auto m = request(name);
        EXPECT_EQ(ARCList(&m), 0) << name;
        EXPECT_EQ(listing[0], '\0') << name;
    }
    std::string dos_path = path("a1.arc");
    for (char& c : dos_path) if (c == '/') c = '\\';
    auto dos = request(dos_path);
    ASSERT_EQ(ARCList(&dos), 0);
    EXPECT_EQ(listing_rows(listing.data()).size(), 1u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(List, EndMarkerEndsTheListing) {
    Bytes bytes = arc::test::write_archive({member_of(2, "A", bytes_of("a"))});
    const Bytes trailing = arc::test::write_archive({member_of(2, "B", bytes_of("b"))});
    bytes.insert(bytes.end(), trailing.begin(), trailing.end());
    write_bytes(path("x.arc"), bytes);
    auto r = request(path("x.arc"));
    ASSERT_EQ(ARCList(&r), 0);
    EXPECT_EQ(listing_rows(listing.data()).size(), 1u);
}

TEST_F(List, WithoutEndMarkerTheFileEndEndsTheListing) {
    Bytes bytes = arc::test::write_archive({member_of(2, "A", bytes_of("a"))});
    bytes.resize(bytes.size() - 2);
    write_bytes(path("x.arc"), bytes);
    auto r = request(path("x.arc"));
    ASSERT_EQ(ARCList(&r), 0);
    EXPECT_EQ(listing_rows(listing.data()).size(), 1u);
}

// Damaged archives: the box, result 2021 and an empty listing.
struct DamageCase {
    const char* what;
    Bytes bytes;
};

Bytes cut(Bytes b, std::size_t size) {
    b.resize(size);
    return b;
}

Bytes with_size(Bytes b, std::uint32_t compressed) {
    for (int i = 0; i < 4; ++i) b[15 + i] = static_cast<std::uint8_t>(compressed >> (8 * i));
    return b;
}

TEST_F(List, DamagedArchivesAreReported) {
    const Bytes good = arc::test::write_archive(
        {member_of(2, "A", bytes_of("aaaa")), member_of(2, "B", bytes_of("bbbb"))});
    const std::vector<DamageCase> cases = {
        {"no marker", bytes_of("PK\x03\x04 not an arc archive")},
        {"header cut short", cut(good, 20)},
        {"size beyond the file", with_size(good, 100000)},
        {"garbage where the second header belongs", [&] { Bytes b = good; b[33] = 'X'; return b; }()},
    };
    for (const DamageCase& c : cases) {
        boxes.clear();
        write_bytes(path("bad.arc"), c.bytes);
        auto r = request(path("bad.arc"));
        EXPECT_EQ(ARCList(&r), CX_BROKEN_ARCHIVE) << c.what;
        EXPECT_EQ(listing[0], '\0') << c.what;
        ASSERT_EQ(boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes[0].text, path("bad.arc") + " ist kein Archiv oder beschädigt");
        EXPECT_EQ(boxes[0].caption, "ARCSUP.DLL");
        EXPECT_EQ(boxes[0].style, MB_ICONERROR);
        EXPECT_EQ(boxes[0].owner, nullptr);
    }
}

TEST_F(List, ListingNeverPassesTheBuffer) {
    std::vector<ArchiveMember> members;
    for (int i = 0; i < 2000; ++i) {
        char name[13];
        std::snprintf(name, sizeof name, "M%07d.TXT", i);
        members.push_back(member_of(2, name, bytes_of("x")));
    }
    auto r = request(archive("big.arc", members));
    listing.assign(CX_LISTING_SIZE + 100, '\x7f');
    r.lpstrListing = listing.data();
    ASSERT_EQ(ARCList(&r), 0);
    const std::size_t length = std::string(listing.data()).size();
    EXPECT_LT(length, CX_LISTING_SIZE);
    EXPECT_EQ(listing[length - 1], '\n');  // whole rows only
    EXPECT_EQ(listing[CX_LISTING_SIZE], '\x7f');
}

TEST_F(List, NullArgumentsAreRefused) {
    auto r = request(path("x.arc"));
    r.lpstrListing = nullptr;
    EXPECT_EQ(ARCList(&r), CX_ILLEGAL_PARAMETERS);
    EXPECT_EQ(ARCList(nullptr), CX_ILLEGAL_PARAMETERS);
    auto no_name = request("");
    no_name.lpstrArchive = nullptr;
    EXPECT_EQ(ARCList(&no_name), CX_IO_ERROR);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unkorrekter Archivname");
}

TEST_F(List, ReadOnlyArchiveLists) {
    const std::string p = archive("ro.arc", {member_of(2, "A", bytes_of("a"))});
    chmod(p.c_str(), 0444);
    auto r = request(p);
    EXPECT_EQ(ARCList(&r), 0);
    EXPECT_EQ(listing_rows(listing.data()).size(), 1u);
}

}  // namespace
}  // namespace arcsup::test
