#include "platform/path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_dir.h"

using namespace platform;

TEST(Path, FullPathResolvesDotsAndBackslashes) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"/a/b/../c", "/a/c"},
        {"\\a\\.\\b", "/a/b"},
        {"/..", "/"},
        {"/a//b/", "/a/b/"},
        {"/", "/"},
    };
    for (const auto& c : cases) EXPECT_EQ(full_path(c.in), c.out) << c.in;
    EXPECT_EQ(full_path("x"), with_trailing_separator(current_directory()) + "x");
}

TEST(Path, SplitPath) {
    struct Case { const char* in; const char* dir; const char* name; const char* ext; } cases[] = {
        {"/tmp/SAMPLE.ARC", "/tmp/", "SAMPLE", ".ARC"},
        {"C:\\X\\a.b.c", "C:/X/", "a.b", ".c"},
        {"noext", "", "noext", ""},
        {"/d/.hidden", "/d/", ".hidden", ""},
        {"/d.x/file", "/d.x/", "file", ""},
    };
    for (const auto& c : cases) {
        PathParts p = split_path(c.in);
        EXPECT_EQ(p.directory, c.dir) << c.in;
        EXPECT_EQ(p.name, c.name) << c.in;
        EXPECT_EQ(p.extension, c.ext) << c.in;
    }
}

TEST(Path, SearchFindsGivenNameThenPathThenDosAlternative) {
    TestDir dir;
    std::string bin = dir.path() + "bin/";
    dir.file("bin/arj", "#!/bin/sh\n");
    dir.file("bin/PKXARC.COM", "");
    dir.file("bin/other.txt", "");
    dir.file("local.dat", "");
    ScopedEnv path("PATH", "/nonexistent:" + bin);

    EXPECT_EQ(search_file("ARJ.EXE"), bin + "arj");             // DOS name -> system program
    EXPECT_EQ(search_file("PKXARC.COM"), bin + "PKXARC.COM");   // exact name wins
    EXPECT_EQ(search_file("other.txt"), bin + "other.txt");
    EXPECT_EQ(search_file(dir.path() + "local.dat"), dir.path() + "local.dat");
    EXPECT_EQ(search_file("OTHER.EXE"), std::nullopt);          // only .EXE/.COM/.BAT map
    EXPECT_EQ(search_file("RAR.EXE"), std::nullopt);
    EXPECT_EQ(search_file(""), std::nullopt);
    EXPECT_EQ(search_file(dir.path() + "bin"), std::nullopt);   // directories are not files
    // A name with a directory part is not looked for on PATH.
    EXPECT_EQ(search_file("sub/arj"), std::nullopt);
}

TEST(Path, FreeDiskSpace) {
    EXPECT_GT(free_disk_space("/"), 0u);
    EXPECT_EQ(free_disk_space("/nonexistent/dir"), 0u);
}
