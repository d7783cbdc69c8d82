// Type detection by extension and content, and the extension list.
#include "corax_fixture.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// An ARC member header at the start: marker, method, name, compressed size.
std::string arc_header(int method, const std::string& name, std::uint32_t compressed) {
    std::string h = bytes({0x1A, method}) + name;
    h.resize(15, '\0');
    for (int i = 0; i < 4; ++i) h += static_cast<char>((compressed >> (8 * i)) & 0xFF);
    return h;
}

std::string padded(std::string head, std::size_t size, std::size_t at = 0) {
    std::string s(size, 'x');
    s.replace(at, head.size(), head);
    return s;
}

}  // namespace

using Detect = CoraxTest;

TEST_F(Detect, ByExtensionWithoutOpeningTheFile) {
    struct Case { const char* name; int type; } cases[] = {
        {"/nonexistent/a.zip", CXT_ZIP}, {"/nonexistent/A.ZiP", CXT_ZIP},
        {"x.lzh", CXT_LZH}, {"x.ARC", CXT_ARC}, {"x.arj", CXT_ARJ}, {"x.rar", CXT_RAR},
        {"x.tar", CXT_TAR}, {"x.zoo", CXT_ZOO}, {"x.tar.gz", CXT_NONE}, {"x.zipx", CXT_NONE},
        {"/nonexistent/noext", CXT_NONE}, {"/nonexistent/d.zip/noext", CXT_NONE},
    };
    for (const auto& c : cases) EXPECT_EQ(CxIsArchiv(c.name), c.type) << c.name;
    EXPECT_EQ(CxIsArchiv(nullptr), CXT_NONE);
}

TEST_F(Detect, ByContent) {
    const std::string name12 = "ABCDEFGH.TXT";
    struct Case { const char* what; std::string content; int type; } cases[] = {
        {"zip end record", std::string(100, 'x') + "PK" + std::string(20, '\0'), CXT_ZIP},
        {"zip end record, file of 22 bytes", "PK" + std::string(20, '\0'), CXT_ZIP},
        {"49 bytes", std::string(49, 'x'), CXT_NONE},
        {"arc, 12-character name", padded(arc_header(8, name12, 10), 200), CXT_ARC},
        {"arc, 13-character name", padded(arc_header(8, name12 + "X", 10), 200), CXT_NONE},
        {"arc, size past the end", padded(arc_header(8, name12, 201), 200), CXT_NONE},
        {"arc, size equal to the file", padded(arc_header(8, name12, 200), 200), CXT_ARC},
        {"arc, method 10", padded(arc_header(10, "A", 1), 200), CXT_NONE},
        {"arc, method 0", padded(arc_header(0, "A", 1), 200), CXT_NONE},
        {"arc at offset 30", padded(arc_header(2, "A.B", 1), 200, 30), CXT_ARC},
        {"lzh", padded("..-lh5-", 100), CXT_LZH},
        {"lzh needs the closing dash", padded("..-lh5x", 100), CXT_NONE},
        {"arj", padded(bytes({0x60, 0xEA}), 100, 5), CXT_ARJ},
        {"rar", padded(std::string("Rar!\x1A", 5), 100, 7), CXT_RAR},
        {"zoo", padded("ZOO 2.00 Archive.", 100), CXT_ZOO},
        {"first signature wins", padded(bytes({0x60, 0xEA}) + "Rar!\x1A", 100), CXT_ARJ},
        {"signature in the last 10 bytes", padded("ZOO 2", 100, 90), CXT_NONE},
        {"signature just before them", padded("ZOO 2", 100, 89), CXT_ZOO},
        {"beyond the first 32 KiB", padded("ZOO 2", 40000, 33000), CXT_NONE},
        {"in the last 10 bytes of 32 KiB", padded("ZOO 2", 40000, 32760), CXT_NONE},
        {"just inside 32 KiB", padded("ZOO 2", 40000, 32757), CXT_ZOO},
        {"nothing", std::string(1000, 'x'), CXT_NONE},
    };
    int n = 0;
    for (const auto& c : cases) {
        std::string file = dir.file("f" + std::to_string(n++), c.content);
        EXPECT_EQ(CxIsArchiv(file.c_str()), c.type) << c.what;
    }
}

TEST_F(Detect, TarIsKnownByItsNameOnly) {
    std::string tar(1024, '\0');
    tar.replace(257, 5, "ustar");
    EXPECT_EQ(CxIsArchiv(dir.file("a.tar", tar).c_str()), CXT_TAR);
    EXPECT_EQ(CxIsArchiv(dir.file("a", tar).c_str()), CXT_NONE);
    EXPECT_EQ(CxIsArchiv((dir.path() + "missing").c_str()), CXT_NONE);
    EXPECT_EQ(CxIsArchiv(dir.path().c_str()), CXT_NONE);  // a directory
    const std::string fifo = dir.path() + "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(CxIsArchiv(fifo.c_str()), CXT_NONE);  // answered at once, not waited on
}

TEST_F(Detect, ExtensionListFollowsWhatIsInstalled) {
    EXPECT_STREQ(CxGetExtensionString(0), "");
    fake_packer("pkxarc", "");
    EXPECT_STREQ(CxGetExtensionString(0), "*.ARC");
    EXPECT_STREQ(CxGetExtensionString(1), "");
    fake_packer("pkarc", "");
    EXPECT_STREQ(CxGetExtensionString(1), "*.ARC");

    fake_packer("tar", "");
    fake_packer("rar", "");
    use_fake_modules();
    const char* first = CxGetExtensionString(0);
    EXPECT_STREQ(first, "*.ARJ;*.ZIP;*.LZH;*.ZOO;*.ARC;*.RAR;*.TAR");
    const char* second = CxGetExtensionString(1);
    EXPECT_EQ(first, second);  // one static buffer
    EXPECT_STREQ(second, "*.ARJ;*.ZIP;*.LZH;*.ZOO;*.ARC;*.RAR;*.TAR");
}
