#include "platform/filefind.h"

#include <gtest/gtest.h>

#include "test_dir.h"

using namespace platform;

TEST(Wildcard, DosSemantics) {
    struct Case { const char* pattern; const char* name; bool match; } cases[] = {
        {"*.*", "README.TXT", true},
        {"*.*", "README", true},          // "*.*" matches names without a dot
        {"*.ARC", "sample.arc", true},    // letters compare without case
        {"*.ARC", "sample.arcx", false},
        {"*", "a.b", true},
        {"????????.???", "A.B", true},    // '?' may stand for nothing before a dot / at the end
        {"????????.???", "ABCDEFGHI.TXT", false},
        {"A?C", "ABC", true},
        {"A?C", "AC", false},
        {"A?", "A", true},
        {"x*y*z", "xaaybbz", true},
        {"x*y*z", "xaaybb", false},
        {"", "", true},
        {"", "a", false},
        {"NAME.*", "NAME", true},
        {"NAME.*", "NAMES", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dos_wildcard_match(c.pattern, c.name), c.match) << c.pattern << " ~ " << c.name;
}

TEST(Wildcard, ManyStarsStayFast) {
    std::string pattern(200, '*');
    pattern += "b";
    std::string name(5000, 'a');
    EXPECT_FALSE(dos_wildcard_match(pattern, name));
}

TEST(FindFiles, AttributesFilterHiddenAndDirectories) {
    TestDir dir;
    dir.file("b.arc");
    dir.file("a.ARC");
    dir.file(".hidden.arc");
    dir.file("sub.arc/inner");
    dir.file("other.txt");

    auto names = [](const std::vector<FoundFile>& files) {
        std::vector<std::string> out;
        for (const auto& f : files) out.push_back(f.name);
        return out;
    };
    EXPECT_EQ(names(find_files(dir.path() + "*.arc", FA_ARCH)),
              (std::vector<std::string>{"a.ARC", "b.arc"}));
    EXPECT_EQ(names(find_files(dir.path() + "*.arc", FA_HIDDEN | FA_DIREC)),
              (std::vector<std::string>{".hidden.arc", "a.ARC", "b.arc", "sub.arc"}));
    auto found = find_files(dir.path() + "other.txt", 0);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].attributes & FA_ARCH, FA_ARCH);
    EXPECT_EQ(found[0].size, 1);
    EXPECT_TRUE(find_files(dir.path() + "missing*", 0).empty());
    EXPECT_TRUE(find_files("/nonexistent/dir/*", 0).empty());
}
