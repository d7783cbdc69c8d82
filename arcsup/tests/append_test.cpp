// ARCAppend through the exported procedure; the archives are read back with
// the codec tests' plain archive reader and extracted with ARCExtract.
#include <sys/stat.h>

#include <filesystem>

#include "arc/crc16.h"
#include "arcsup32.h"
#include "module_fixture.h"

namespace arcsup::test {
namespace {

using arc::test::binary_data;
using arc::test::bytes_of;
using arc::test::marker_data;
using arc::test::random_data;
using arc::test::read_archive;
using arc::test::text_data;

class Append : public ModuleTest {
protected:
    std::string src() {
        std::filesystem::create_directories(path("src"));
        return path("src/");
    }
    std::vector<ArchiveMember> members_of(const std::string& archive_path) {
        const Bytes bytes = read_bytes(archive_path);
        auto members = read_archive(bytes);
        EXPECT_TRUE(members.has_value()) << archive_path;
        return members.value_or(std::vector<ArchiveMember>{});
    }
    std::vector<std::string> names_of(const std::string& archive_path) {
        std::vector<std::string> names;
        for (const auto& m : members_of(archive_path)) names.push_back(m.name);
        return names;
    }
    int append(const std::string& archive_path, const char* files) {
        auto r = request(archive_path, files, src().c_str());
        return ARCAppend(&r);
    }
    Bytes extracted(const std::string& archive_path, const std::string& name) {
        std::filesystem::remove_all(path("out"));
        std::filesystem::create_directories(path("out"));
        auto r = request(archive_path, name.c_str(), path("out").c_str());
        EXPECT_EQ(ARCExtract(&r), 0);
        return read_bytes(path("out/") + name);
    }
};

// The method chosen by size and the round trip through extraction.
struct RoundTrip {
    const char* kind;
    Bytes data;
    int method;
};

TEST_F(Append, MethodBySizeAndRoundTrip) {
    const std::vector<RoundTrip> cases = {
        {"empty", {}, 2},
        {"text 50", bytes_of("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"), 3},
        {"text 50 without runs", bytes_of("the quick brown fox jumps over the lazy dog 012345"), 2},
        {"markers 99", marker_data(99), 3},
        {"text 100", text_data(100), 8},
        {"text 12287", text_data(12287), 8},
        {"binary 5000", binary_data(5000), 8},
        {"markers 8000", marker_data(8000), 8},
        {"leading markers", [] { Bytes b = text_data(3000); b[0] = b[1] = 0x90; return b; }(), 8},
        {"text 12288", text_data(12288), 9},
        {"text 300000", text_data(300000), 9},
        {"binary 100000", binary_data(100000), 9},
        {"markers 50000", marker_data(50000), 9},
        {"random 20000", random_data(20000), 2},
        {"random 500", random_data(500), 2},
    };
    for (const RoundTrip& c : cases) {
        std::filesystem::remove_all(path("src"));
        write_bytes(src() + "DATA.BIN", c.data);
        const std::string a = path("rt.arc");
        std::filesystem::remove(a);
        ASSERT_EQ(append(a, "DATA.BIN"), 0) << c.kind;
        auto members = members_of(a);
        ASSERT_EQ(members.size(), 1u) << c.kind;
        EXPECT_EQ(members[0].method, c.method) << c.kind;
        EXPECT_EQ(members[0].uncompressed_size, c.data.size()) << c.kind;
        EXPECT_EQ(members[0].crc, arc::crc16(c.data)) << c.kind;
        if (c.method == 2) {
            EXPECT_EQ(members[0].data, c.data) << c.kind;
        }
        EXPECT_EQ(extracted(a, "DATA.BIN"), c.data) << c.kind;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Append, NewArchiveInNameOrderWithDates) {
    const std::string s = src();
    write_bytes(s + "C.TXT", bytes_of("c"));
    write_bytes(s + "A.TXT", bytes_of("a"));
    write_bytes(s + "B.DAT", bytes_of("b"));
    write_bytes(s + ".HIDDEN", bytes_of("h"));
    std::filesystem::create_directories(s + "DIR.TXT");
    const std::string a = path("new.arc");
    ASSERT_EQ(append(a, nullptr), 0);
    EXPECT_EQ(names_of(a), (std::vector<std::string>{"A.TXT", "B.DAT", "C.TXT"}));
    const Bytes bytes = read_bytes(a);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[bytes.size() - 2], 0x1A);
    EXPECT_EQ(bytes[bytes.size() - 1], 0x00);
    EXPECT_EQ(files_in(""), (std::vector<std::string>{"new.arc", "src"}));  // no temporary left
}

TEST_F(Append, ReplacesMembersAndKeepsTheOthersByteForByte) {
    const auto old_b = member_of(4, "B.TXT", text_data(4000));   // squeezed: copied, not decoded
    const auto old_d = member_of(1, "D.TXT", bytes_of("method one"));
    const auto old_z = member_of(2, "Z.TXT", bytes_of("old z"));
    const std::string a = archive("x.arc", {old_z, old_b, old_d});
    write_bytes(src() + "Z.TXT", bytes_of("new z contents"));
    write_bytes(src() + "A.TXT", bytes_of("a"));
    ASSERT_EQ(append(a, "Z.TXT A.TXT"), 0);
    const auto members = members_of(a);
    ASSERT_EQ(names_of(a), (std::vector<std::string>{"A.TXT", "B.TXT", "D.TXT", "Z.TXT"}));
    EXPECT_EQ(members[1].method, 4);
    EXPECT_EQ(members[1].data, old_b.data);
    EXPECT_EQ(members[1].crc, old_b.crc);
    EXPECT_EQ(members[2].method, 2);  // the method-1 header becomes a method-2 header
    EXPECT_EQ(members[2].uncompressed_size, old_d.data.size());
    EXPECT_EQ(members[2].data, old_d.data);
    EXPECT_EQ(extracted(a, "Z.TXT"), bytes_of("new z contents"));
    EXPECT_EQ(extracted(a, "B.TXT"), text_data(4000));
}

TEST_F(Append, EmptyFileReplacesItsMember) {
    const std::string a = archive("x.arc", {member_of(2, "E.TXT", bytes_of("was not empty"))});
    write_bytes(src() + "E.TXT", {});
    ASSERT_EQ(append(a, "E.TXT"), 0);
    const auto members = members_of(a);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].method, 2);
    EXPECT_EQ(members[0].uncompressed_size, 0u);
    EXPECT_TRUE(members[0].data.empty());
}

TEST_F(Append, NothingFoundLeavesTheArchiveAlone) {
    const std::string a = archive("x.arc", {member_of(2, "A", bytes_of("a"))});
    const Bytes before = read_bytes(a);
    src();
    EXPECT_EQ(append(a, "*.NONE"), 0);
    EXPECT_EQ(read_bytes(a), before);
    EXPECT_EQ(append(path("none.arc"), "*.NONE"), 0);
    EXPECT_FALSE(std::filesystem::exists(path("none.arc")));
}

TEST_F(Append, SpecificationsFromSeveralDirectories) {
    write_bytes(src() + "ONE.TXT", bytes_of("one"));
    std::filesystem::create_directories(path("other"));
    write_bytes(path("other/TWO.TXT"), bytes_of("two"));
    const std::string spec = "ONE.TXT " + path("other") + "\\TWO.TXT";
    const std::string a = path("x.arc");
    ASSERT_EQ(append(a, spec.c_str()), 0);
    EXPECT_EQ(names_of(a), (std::vector<std::string>{"ONE.TXT", "TWO.TXT"}));
    EXPECT_EQ(extracted(a, "TWO.TXT"), bytes_of("two"));
}

TEST_F(Append, LongNames) {
    write_bytes(src() + "A_VERY_LONG_NAME.TXT", bytes_of("long"));
    write_bytes(src() + "SHORT.TXT", bytes_of("short"));
    const std::string a = path("x.arc");
    ASSERT_EQ(append(a, "*.TXT"), 0);  // a wildcard passes over names without an 8.3 form
    EXPECT_EQ(names_of(a), std::vector<std::string>{"SHORT.TXT"});
    const Bytes before = read_bytes(a);
    EXPECT_EQ(append(a, "A_VERY_LONG_NAME.TXT"), CX_IO_ERROR);
    EXPECT_EQ(read_bytes(a), before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unkorrekter Name " + src() + "A_VERY_LONG_NAME.TXT");
    EXPECT_EQ(boxes[0].style, MB_OK);
}

TEST_F(Append, MoreThan2024Entries) {
    const std::string s = src();
    std::vector<ArchiveMember> old;
    for (int i = 0; i < 1500; ++i) old.push_back(member_of(2, "O" + std::to_string(i), bytes_of("o")));
    const std::string a = archive("x.arc", old);
    for (int i = 0; i < 1500; ++i) write_bytes(s + "N" + std::to_string(i), bytes_of("n"));
    ASSERT_EQ(append(a, nullptr), 0);
    EXPECT_EQ(members_of(a).size(), 3000u);
}

int stop_after_polls = 0;
int stopping_callback(int code, ArchiveRequest*) {
    return code == CXCB_POLL && --stop_after_polls == 0 ? CXCB_STOP : 0;
}

TEST_F(Append, StopKeepsTheOldArchiveExactly) {
    const std::string a = archive("x.arc", {member_of(2, "M", bytes_of("m")), member_of(2, "Z", bytes_of("z"))});
    const Bytes before = read_bytes(a);
    write_bytes(src() + "A.TXT", text_data(100000));
    write_bytes(src() + "N.TXT", text_data(100));
    for (int polls : {1, 2, 3, 5, 8, 31, 33}) {
        stop_after_polls = polls;
        auto r = request(a, nullptr, src().c_str());
        r.lpfnCallback = stopping_callback;
        EXPECT_EQ(ARCAppend(&r), CX_STOPPED) << polls;
        EXPECT_EQ(read_bytes(a), before) << polls;
        EXPECT_EQ(files_in(""), (std::vector<std::string>{"src", "x.arc"})) << polls;
    }
}

TEST_F(Append, FailuresNeverChangeTheOldArchive) {
    write_bytes(src() + "A.TXT", bytes_of("a"));
    // Damaged old archive.
    const std::string damaged = path("bad.arc");
    Bytes bad = arc::test::write_archive({member_of(2, "Q", bytes_of("q"))});
    bad[29 + 1] = 'X';
    write_bytes(damaged, bad);
    EXPECT_EQ(append(damaged, "A.TXT"), CX_BROKEN_ARCHIVE);
    EXPECT_EQ(read_bytes(damaged), bad);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, damaged + " ist kein Archiv oder beschädigt");
    EXPECT_EQ(boxes[0].style, MB_OK);
    // Read-only old archive.
    boxes.clear();
    const std::string ro = archive("ro.arc", {member_of(2, "Q", bytes_of("q"))});
    const Bytes ro_before = read_bytes(ro);
    chmod(ro.c_str(), 0444);
    EXPECT_EQ(append(ro, "A.TXT"), CX_IO_ERROR);
    EXPECT_EQ(read_bytes(ro), ro_before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Fehler beim Zugriff auf Archiv " + ro);
    EXPECT_EQ(boxes[0].caption, "ARCSUP.DLL");
    EXPECT_EQ(boxes[0].style, MB_OK);
    EXPECT_EQ(files_in(""), (std::vector<std::string>{"bad.arc", "ro.arc", "src"}));
}

TEST_F(Append, ArchiveNameOfADirectoryIsNoArchive) {
    write_bytes(src() + "A.TXT", bytes_of("a"));
    std::filesystem::create_directories(path("x.arc/inside"));
    EXPECT_EQ(append(path("x.arc"), "A.TXT"), CX_IO_ERROR);  // not a file: no access
    EXPECT_EQ(files_in(""), (std::vector<std::string>{"src", "x.arc"}));
}

TEST_F(Append, TemporaryNameTakesTheFirstFreeNumber) {
    const std::string a = archive("x.arc", {member_of(2, "Q", bytes_of("q"))});
    write_bytes(path("x1.arc"), bytes_of("someone else's file"));
    write_bytes(src() + "A.TXT", bytes_of("a"));
    ASSERT_EQ(append(a, "A.TXT"), 0);
    EXPECT_EQ(read_bytes(path("x1.arc")), bytes_of("someone else's file"));
    EXPECT_EQ(names_of(a), (std::vector<std::string>{"A.TXT", "Q"}));
}

}  // namespace
}  // namespace arcsup::test
