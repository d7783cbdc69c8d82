// The module as corax32 loads it: list, extract, append and delete through
// CxList, CxExtract, CxAppend and CxDelete.
#include <filesystem>

#include "module_fixture.h"

namespace arcsup::test {
namespace {

using arc::test::bytes_of;
using arc::test::text_data;

class ThroughCorax : public ModuleTest {
protected:
    ScopedEnv modules_{"CORAX_MODULE_PATH", ARCSUP_MODULE_DIR};
};

TEST_F(ThroughCorax, AllFourOperations) {
    std::filesystem::create_directories(path("src"));
    write_bytes(path("src/ONE.TXT"), text_data(5000));
    write_bytes(path("src/TWO.TXT"), bytes_of("two"));
    const std::string a = path("made.arc");
    ArchiveRequest r = request(a, "ONE.TXT TWO.TXT", path("src").c_str());
    ASSERT_EQ(CxAppend(&r), 0);

    ArchiveRequest l = request(a);
    ASSERT_EQ(CxList(&l), 0);
    auto rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "ONE.TXT");
    EXPECT_EQ(rows[0][1], "5000");
    EXPECT_EQ(rows[1][0], "TWO.TXT");

    std::filesystem::create_directories(path("out"));
    ArchiveRequest x = request(a, "ONE.TXT", path("out").c_str());
    ASSERT_EQ(CxExtract(&x), 0);
    EXPECT_EQ(read_bytes(path("out/ONE.TXT")), text_data(5000));

    ArchiveRequest d = request(a, "ONE.TXT");
    ASSERT_EQ(CxDelete(&d), 0);
    ASSERT_EQ(CxList(&l), 0);
    rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "TWO.TXT");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ThroughCorax, DetectedByContentAndFailuresPassedOn) {
    const std::string a = archive("noext.bin", {member_of(9, "T.TXT", text_data(20000))});
    ArchiveRequest l = request(a);
    ASSERT_EQ(CxList(&l), 0);
    EXPECT_EQ(listing_rows(listing.data()).size(), 1u);

    Bytes damaged = read_bytes(a);
    damaged.resize(40);
    write_bytes(path("cut.arc"), damaged);
    ArchiveRequest c = request(path("cut.arc"));
    c.nArchiveType = CXT_ARC;
    EXPECT_EQ(CxList(&c), CX_BROKEN_ARCHIVE);
    EXPECT_EQ(listing[0], '\0');
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ARCSUP.DLL");
}

}  // namespace
}  // namespace arcsup::test
