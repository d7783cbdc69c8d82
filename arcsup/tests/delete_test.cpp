// ARCDelete through the exported procedure.
#include <sys/stat.h>

#include <filesystem>

#include "arcsup32.h"
#include "module_fixture.h"

namespace arcsup::test {
namespace {

using arc::test::bytes_of;
using arc::test::read_archive;
using arc::test::text_data;

class Delete : public ModuleTest {
protected:
    std::vector<std::string> names_of(const std::string& archive_path) {
        std::vector<std::string> names;
        auto members = read_archive(read_bytes(archive_path));
        EXPECT_TRUE(members.has_value());
        for (const auto& m : members.value_or(std::vector<ArchiveMember>{})) names.push_back(m.name);
        return names;
    }
    std::string sample() {
        return archive("x.arc", {member_of(2, "README.TXT", bytes_of("r")), member_of(8, "CODE.C", text_data(2000)),
                                 member_of(1, "OLD.TXT", bytes_of("old")), member_of(4, "SQ.DAT", text_data(900))});
    }
};

struct DeleteCase {
    const char* mask;
    std::vector<std::string> kept;
};

class DeleteMask : public Delete, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteMask, RemovesTheSelectedMembers) {
    const std::string a = sample();
    auto r = request(a, GetParam().mask);
    ASSERT_EQ(ARCDelete(&r), 0);
    EXPECT_EQ(names_of(a), GetParam().kept);
    EXPECT_EQ(files_in(""), std::vector<std::string>{"x.arc"});
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteMask, ::testing::Values(
    DeleteCase{"NOTHING.XYZ", {"README.TXT", "CODE.C", "OLD.TXT", "SQ.DAT"}},
    DeleteCase{"*.TXT", {"CODE.C", "SQ.DAT"}},
    DeleteCase{"code.c", {"README.TXT", "OLD.TXT", "SQ.DAT"}},
    DeleteCase{"some\\dir\\SQ.DAT", {"README.TXT", "CODE.C", "OLD.TXT"}},
    DeleteCase{nullptr, {}}));

TEST_F(Delete, KeptMembersAreCopiedByteForByte) {
    const std::string a = sample();
    const auto before = read_archive(read_bytes(a)).value();
    auto r = request(a, "README.TXT");
    ASSERT_EQ(ARCDelete(&r), 0);
    const auto after = read_archive(read_bytes(a)).value();
    ASSERT_EQ(after.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(after[i].data, before[i + 1].data);
        EXPECT_EQ(after[i].crc, before[i + 1].crc);
        EXPECT_EQ(after[i].dos_date, before[i + 1].dos_date);
    }
    EXPECT_EQ(after[1].method, 2);  // was method 1
    EXPECT_EQ(after[1].uncompressed_size, 3u);
}

TEST_F(Delete, EveryMemberLeavesOnlyTheEndMarker) {
    const std::string a = sample();
    auto r = request(a);
    ASSERT_EQ(ARCDelete(&r), 0);
    EXPECT_EQ(read_bytes(a), (Bytes{0x1A, 0x00}));
}

TEST_F(Delete, MissingArchiveCreatesNothing) {
    auto r = request(path("missing.arc"), "*.*");
    EXPECT_EQ(ARCDelete(&r), CX_ARCHIVE_NOT_FOUND);
    EXPECT_TRUE(files_in("").empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Delete, DamagedArchiveStaysAsItWas) {
    Bytes bytes = arc::test::write_archive({member_of(2, "A", bytes_of("a")), member_of(2, "B", bytes_of("b"))});
    bytes.resize(bytes.size() - 10);  // the second header is cut short
    write_bytes(path("bad.arc"), bytes);
    auto r = request(path("bad.arc"), "A");
    EXPECT_EQ(ARCDelete(&r), CX_BROKEN_ARCHIVE);
    EXPECT_EQ(read_bytes(path("bad.arc")), bytes);
    EXPECT_EQ(files_in(""), std::vector<std::string>{"bad.arc"});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].style, MB_OK);
}

TEST_F(Delete, ReadOnlyArchiveIsNotChanged) {
    const std::string a = sample();
    const Bytes before = read_bytes(a);
    chmod(a.c_str(), 0444);
    auto r = request(a, "*.TXT");
    EXPECT_EQ(ARCDelete(&r), CX_IO_ERROR);
    EXPECT_EQ(read_bytes(a), before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Fehler beim Zugriff auf Archiv " + a);
}

}  // namespace
}  // namespace arcsup::test
