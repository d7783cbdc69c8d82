#include <gtest/gtest.h>

#include "platform/ui/desktop_entry.h"
#include "platform/ui/key_file.h"

using namespace platform::ui;

TEST(KeyFile, GroupsKeysCommentsAndJunk) {
    KeyFile f = parse_key_file(
        "orphan=1\n# comment\n[A]\nx = 1 \r\ny=2\nx=again\nno equals sign\n=empty key\n[B]\nx=3");
    EXPECT_EQ(f.value("A", "orphan"), nullptr);
    ASSERT_NE(f.value("A", "x"), nullptr);
    EXPECT_EQ(*f.value("A", "x"), "1");  // first value kept, blanks and CR trimmed
    EXPECT_EQ(*f.value("A", "y"), "2");
    EXPECT_EQ(*f.value("B", "x"), "3");  // last line without LF
    EXPECT_EQ(f.value("A", ""), nullptr);
    EXPECT_EQ(f.value("C", "x"), nullptr);
}

TEST(KeyFile, UnclosedGroupHeaderDropsItsKeys) {
    KeyFile f = parse_key_file("[A\nx=1\n[B]\ny=2\n");
    EXPECT_EQ(f.groups.size(), 1u);
    EXPECT_EQ(*f.value("B", "y"), "2");
}

TEST(KeyFile, ValuesAndLists) {
    struct Case { const char* raw; std::vector<std::string> items; };
    const Case cases[] = {
        {"a.desktop;b.desktop;", {"a.desktop", "b.desktop"}},
        {";;a;;", {"a"}},
        {"a\\;b;c", {"a;b", "c"}},
        {"a\\\\;b", {"a\\", "b"}},  // an escaped backslash, then a separator
        {"x\\sy", {"x y"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_list(c.raw), c.items) << c.raw;
    EXPECT_EQ(unescape_value("a\\sb\\tc\\nd\\\\e\\qf\\"), "a b\tc\nd\\e\\qf\\");
}

TEST(KeyFile, ReadRefusesMissingAndOversizedFiles) {
    EXPECT_FALSE(read_key_file("/nonexistent/file"));
    const std::string path = testing::TempDir() + "big.list";
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs("[A]\nx=123456789\n", f);
    std::fclose(f);
    EXPECT_TRUE(read_key_file(path, 100));
    EXPECT_FALSE(read_key_file(path, 10));
}

TEST(DesktopEntry, ApplicationEntriesOnly) {
    struct Case { const char* text; bool usable; };
    const Case cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=prog %f\n", true},
        {"[Desktop Entry]\nType=Link\nExec=prog\n", false},
        {"[Desktop Entry]\nType=Application\n", false},
        {"[Desktop Entry]\nType=Application\nExec=\n", false},
        {"[Desktop Entry]\nType=Application\nExec=prog\nHidden=true\n", false},
        {"[Other]\nType=Application\nExec=prog\n", false},
    };
    for (const Case& c : cases) EXPECT_EQ(application_entry(parse_key_file(c.text)).has_value(), c.usable) << c.text;
    auto entry = application_entry(parse_key_file(
        "[Desktop Entry]\nType=Application\nExec=my\\sprog %f\nTryExec=check\n"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->exec, "my prog %f");
    EXPECT_EQ(entry->try_exec, "check");
}

TEST(DesktopEntry, ExecSplitting) {
    using Args = std::vector<std::string>;
    struct Case { const char* exec; std::optional<Args> args; };
    const Case cases[] = {
        {"prog %f", Args{"prog", "%f"}},
        {"  prog \t -a   -b  ", Args{"prog", "-a", "-b"}},
        {"\"/opt/my prog/bin\" --x=\"a b\"", Args{"/opt/my prog/bin", "--x=a b"}},
        {"prog \"q\\\"uote\" \"back\\\\slash\" \"\\$HOME\"", Args{"prog", "q\"uote", "back\\slash", "$HOME"}},
        {"prog \"\"", Args{"prog", ""}},
        {"prog \"open", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(split_exec(c.exec), c.args) << c.exec;
}

TEST(DesktopEntry, FieldCodes) {
    using Args = std::vector<std::string>;
    const std::string file = "/tmp/a dir/x.txt";
    struct Case { Args in; Args out; };
    const Case cases[] = {
        {{"prog", "%f"}, {"prog", file}},
        {{"prog", "%U"}, {"prog", file}},
        {{"prog", "--file=%u", "%i", "%c", "%k"}, {"prog", "--file=" + file}},
        {{"prog", "100%%"}, {"prog", "100%", file}},  // no file code: the file comes last
        {{"prog"}, {"prog", file}},
        {{"prog", "%F", "%F"}, {"prog", file, file}},
        {{"prog", "x%"}, {"prog", "x%", file}},
    };
    for (const Case& c : cases) EXPECT_EQ(expand_exec(c.in, file), c.out) << c.in[1 % c.in.size()];
}
