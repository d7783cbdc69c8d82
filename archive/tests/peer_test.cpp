// End to end through the shared library with the system's real packers:
// Debian's arj serves the ARJ rows and GNU tar the TAR rows.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "corax32.h"
#include "listing_rows.h"
#include "platform/path.h"
#include "test_dir.h"

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs a command line (test-controlled text only) and returns its output and exit status.
std::pair<std::string, int> run(const std::string& command) {
    std::string out;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return {"", -1};
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    int status = pclose(p);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

class Peer : public ::testing::Test {
protected:
    void require(const char* program) {
        if (!platform::search_file(program)) GTEST_SKIP() << program << " is not installed";
    }
    std::string list(const std::string& archive) {
        listing.assign(CX_LISTING_SIZE, '\0');
        ArchiveRequest r{};
        r.dwSize = sizeof r;
        r.lpstrArchive = archive.c_str();
        r.lpstrListing = listing.data();
        EXPECT_EQ(CxList(&r), 0);
        return listing.data();
    }
    TestDir dir;
    ScopedEnv tmp{"TMPDIR", dir.path()};
    ScopedEnv modules{"CORAX_MODULE_PATH", dir.path() + "nomodules"};
    std::vector<char> listing;
};

}  // namespace

TEST_F(Peer, ArjListExtractAppendDelete) {
    require("arj");
    dir.file("src/one.txt", "first file\n");
    dir.file("src/two.txt", std::string(5000, 'z'));
    dir.file("src/three.txt", "third\n");
    const std::string archive = dir.path() + "test.arj";
    ASSERT_EQ(run("cd '" + dir.path() + "src' && arj a -y '" + archive + "' one.txt two.txt").second, 0);

    auto rows = listing_rows(list(archive).c_str());
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) EXPECT_EQ(row.size(), 6u);
    EXPECT_EQ(rows[0][0], "one.txt");
    EXPECT_EQ(rows[0][1], "11");
    EXPECT_EQ(rows[1][0], "two.txt");
    EXPECT_EQ(rows[1][1], "5000");

    const std::string out = dir.path() + "out";
    std::filesystem::create_directory(out);
    EXPECT_EQ(CxExtractDirect(nullptr, archive.c_str(), out.c_str(), "two.txt", ARF_NOPATHS, nullptr), 0);
    EXPECT_EQ(read_file(out + "/two.txt"), std::string(5000, 'z'));
    EXPECT_FALSE(std::filesystem::exists(out + "/one.txt"));

    const std::string src = dir.path() + "src";
    EXPECT_EQ(CxAppendDirect(nullptr, archive.c_str(), src.c_str(), "three.txt", ARF_NOPATHS, nullptr), 0);
    EXPECT_EQ(CxDeleteDirect(nullptr, archive.c_str(), "one.txt", ARF_NOPATHS, nullptr), 0);
    auto [arj_listing, status] = run("arj l -y '" + archive + "'");
    EXPECT_EQ(status, 0);
    EXPECT_NE(arj_listing.find("three.txt"), std::string::npos);
    EXPECT_NE(arj_listing.find("two.txt"), std::string::npos);
    EXPECT_EQ(arj_listing.find("one.txt"), std::string::npos);
    EXPECT_EQ(run("arj t -y '" + archive + "'").second, 0);

    EXPECT_NE(std::string(CxGetExtensionString(0)).find("*.ARJ"), std::string::npos);
    EXPECT_NE(std::string(CxGetExtensionString(1)).find("*.ARJ"), std::string::npos);
}

TEST_F(Peer, TarListExtractAndAppendKeepTheArchive) {
    require("tar");
    dir.file("src/a.txt", "alpha\n");
    dir.file("src/b.txt", "beta beta\n");
    const std::string archive = dir.path() + "test.tar";
    const std::string src = dir.path() + "src";
    EXPECT_EQ(CxAppendDirect(nullptr, archive.c_str(), src.c_str(), "a.txt", 0, nullptr), 0);
    EXPECT_EQ(CxAppendDirect(nullptr, archive.c_str(), src.c_str(), "b.txt", 0, nullptr), 0);

    auto rows = listing_rows(list(archive).c_str());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a.txt", "6", "6", "100.0", rows[0][4], rows[0][5]}));
    EXPECT_EQ(rows[1][0], "b.txt");
    EXPECT_EQ(rows[1][1], "10");
    // day.month.(year - 1900) and hh:mm
    EXPECT_EQ(rows[1][4].size(), 9u) << rows[1][4];
    EXPECT_EQ(rows[1][5].size(), 5u) << rows[1][5];

    const std::string out = dir.path() + "out";
    std::filesystem::create_directory(out);
    EXPECT_EQ(CxExtractDirect(nullptr, archive.c_str(), out.c_str(), nullptr, 0, nullptr), 0);
    EXPECT_EQ(read_file(out + "/a.txt"), "alpha\n");
    EXPECT_EQ(read_file(out + "/b.txt"), "beta beta\n");

    // A member name that GNU tar would take as an option runs nothing.
    const std::string marker = dir.path() + "pwned";
    // (tar runs the command of --to-command through the shell.)
    const std::string evil = "--to-command=touch${IFS}" + marker;
    EXPECT_EQ(CxExtractDirect(nullptr, archive.c_str(), out.c_str(), evil.c_str(), 0, nullptr),
              CX_DOSBOX_ERROR);  // no member of that name
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(Peer, CoraxCommand) {
    require("arj");
    dir.file("src/one.txt", "first file\n");
    const std::string archive = dir.path() + "cmd.arj";
    ASSERT_EQ(run("cd '" + dir.path() + "src' && arj a -y '" + archive + "' one.txt").second, 0);
    const std::string corax = std::string("CORAX_MODULE_PATH=/nonexistent ") + CORAX_PROGRAM;

    auto [table, status] = run(corax + " list '" + archive + "'");
    EXPECT_EQ(status, 0);
    std::stringstream in(table);
    std::string heading, rule, row;
    std::getline(in, heading);
    std::getline(in, rule);
    std::getline(in, row);
    EXPECT_EQ(heading.substr(0, 4), "Name");
    EXPECT_EQ(rule.substr(0, 3), "---");
    std::stringstream fields(row);
    std::vector<std::string> words;
    for (std::string w; fields >> w;) words.push_back(w);
    ASSERT_EQ(words.size(), 6u) << row;
    EXPECT_EQ(words[0], "one.txt");
    EXPECT_EQ(words[1], "11");

    auto [error, failed] = run(corax + " list '" + dir.path() + "unknown.xyz'");
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(error, "CORAX Problem: Archiv Type not supported\n");

    EXPECT_EQ(run(corax + " frobnicate x.arj").second, 2);
    EXPECT_EQ(run(corax).second, 2);
    auto [help, ok] = run(corax + " --help");
    EXPECT_EQ(ok, 0);
    EXPECT_NE(help.find("usage: corax list"), std::string::npos);

    const std::string out = dir.path() + "cmdout";
    std::filesystem::create_directory(out);
    EXPECT_EQ(run(corax + " extract '" + archive + "' -C '" + out + "'").second, 0);
    EXPECT_EQ(read_file(out + "/one.txt"), "first file\n");
}
