#include <gtest/gtest.h>

#include <filesystem>

#include "fake_xdg.h"
#include "platform/path.h"
#include "platform/ui/association.h"
#include "platform/ui/mime_apps.h"

extern FakeXdg* fake_xdg_tree;

using namespace platform::ui;

class Association : public ::testing::Test {
protected:
    void SetUp() override { xdg.reset(); }

    // A file of the fake tree's MIME types to ask about.
    std::string file(const std::string& name) const {
        xdg.write("files/" + name, "hello\n");
        return xdg.root() + "/files/" + name;
    }

    FakeXdg& xdg = *fake_xdg_tree;
};

TEST_F(Association, MimeTypesComeFromTheDatabase) {
    EXPECT_EQ(mime_type_of(file("a.txt")), "text/plain");
    EXPECT_EQ(mime_type_of(file("B.ZOO")), "application/x-zoo");  // globs ignore case
    EXPECT_EQ(mime_type_of(file("c.c")), "text/x-csrc");
}

TEST_F(Association, DefaultApplicationWithItsExecLine) {
    std::string viewer = xdg.program("viewer");
    xdg.application("share/applications", "viewer.desktop", "viewer --view %f %i %c %k");
    xdg.write("config/mimeapps.list", "[Default Applications]\napplication/x-zoo=viewer.desktop;\n");
    const std::string zoo = file("with blank.zoo");
    auto command = find_executable(zoo);
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, (Command{viewer, "--view", zoo}));
}

TEST_F(Association, ListsAreReadInOrderOfImportance) {
    for (const char* name : {"user", "system", "datahome", "dataapp", "cache"}) {
        xdg.program(name);
        xdg.application("share/applications", std::string(name) + ".desktop", name);
    }
    const std::string zoo = file("x.zoo");
    auto winner = [&] { auto c = find_executable(zoo); return c ? std::filesystem::path((*c)[0]).filename().string() : "none"; };
    const auto list = [](const char* id) { return std::string("[Default Applications]\napplication/x-zoo=") + id + "\n"; };
    EXPECT_EQ(winner(), "none");
    xdg.write("share/applications/mimeinfo.cache", "[MIME Cache]\napplication/x-zoo=cache.desktop;\n");
    EXPECT_EQ(winner(), "cache");
    xdg.write("share/applications/defaults.list", list("dataapp.desktop"));
    EXPECT_EQ(winner(), "dataapp");
    xdg.write("home/applications/mimeapps.list", list("datahome.desktop"));
    EXPECT_EQ(winner(), "datahome");
    xdg.write("etc/mimeapps.list", list("system.desktop"));
    EXPECT_EQ(winner(), "system");
    xdg.write("config/mimeapps.list", list("user.desktop"));
    EXPECT_EQ(winner(), "user");
    setenv("XDG_CURRENT_DESKTOP", "Fake:Other", 1);
    xdg.write("config/fake-mimeapps.list", list("cache.desktop"));
    EXPECT_EQ(winner(), "cache");
}

TEST_F(Association, UninstalledApplicationsAreSkipped) {
    std::string good = xdg.program("good");
    xdg.application("share/applications", "noprogram.desktop", "not-on-path %f");
    xdg.application("share/applications", "notry.desktop", "good %f", "TryExec=missing-check\n");
    xdg.application("share/applications", "hidden.desktop", "good %f", "Hidden=true\n");
    xdg.application("share/applications/vendor", "good.desktop", "good %f");
    xdg.write("config/mimeapps.list",
              "[Default Applications]\napplication/x-zoo=absent.desktop;noprogram.desktop;notry.desktop;hidden.desktop;vendor-good.desktop\n");
    auto command = find_executable(file("a.zoo"));
    ASSERT_TRUE(command);
    EXPECT_EQ((*command)[0], good);
}

TEST_F(Association, RemovedAssociationsHideAddedAndCachedOnes) {
    xdg.program("first");
    std::string second = xdg.program("second");
    xdg.application("share/applications", "first.desktop", "first");
    xdg.application("share/applications", "second.desktop", "second");
    xdg.write("share/applications/mimeinfo.cache", "[MIME Cache]\napplication/x-zoo=first.desktop;second.desktop\n");
    xdg.write("config/mimeapps.list", "[Removed Associations]\napplication/x-zoo=first.desktop\n");
    auto command = find_executable(file("a.zoo"));
    ASSERT_TRUE(command);
    EXPECT_EQ((*command)[0], second);
    // Added associations of the same list come before the caches.
    xdg.write("config/mimeapps.list", "[Added Associations]\napplication/x-zoo=second.desktop\n");
    EXPECT_EQ(candidate_applications(XdgPaths::from_environment(), "application/x-zoo"),
              (std::vector<std::string>{"second.desktop", "first.desktop"}));
}

TEST_F(Association, ParentTypesServeSubtypes) {
    std::string editor = xdg.program("editor");
    xdg.application("share/applications", "editor.desktop", "editor %U");
    xdg.write("config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\n");
    const std::string c = file("main.c");
    auto command = find_executable(c);
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, (Command{editor, c}));
}

TEST_F(Association, NoneFoundIsNone) {
    xdg.write("config/mimeapps.list", "[Default Applications]\ntext/plain=nowhere.desktop\n");
    EXPECT_FALSE(find_executable(file("a.dat")));
    EXPECT_FALSE(find_executable(file("a.txt")));
}

TEST_F(Association, NotepadIsTheTextApplicationElseTheEditorVariables) {
    const std::string txt = file("n.txt");
    EXPECT_FALSE(notepad_command(txt));
    std::string ed = xdg.program("ed-fake");
    setenv("EDITOR", "ed-fake -x", 1);
    EXPECT_EQ(notepad_command(txt), (Command{ed, "-x", txt}));
    std::string vi = xdg.program("vi-fake");
    setenv("VISUAL", "vi-fake", 1);
    EXPECT_EQ(notepad_command(txt), (Command{vi, txt}));
    setenv("VISUAL", "not-installed", 1);
    EXPECT_EQ(notepad_command(txt), (Command{ed, "-x", txt}));
    std::string pad = xdg.program("pad");
    xdg.application("share/applications", "pad.desktop", "pad");
    xdg.write("config/mimeapps.list", "[Default Applications]\ntext/plain=pad.desktop\n");
    EXPECT_EQ(notepad_command(txt), (Command{pad, txt}));
}

TEST_F(Association, FileManagerOpensTheFolder) {
    EXPECT_FALSE(file_manager_command("/some/folder"));
    std::string files = xdg.program("files");
    xdg.application("share/applications", "files.desktop", "files --new-window %U");
    xdg.write("share/applications/mimeapps.list", "[Default Applications]\ninode/directory=files.desktop\n");
    EXPECT_EQ(file_manager_command("/some/folder"), (Command{files, "--new-window", "/some/folder"}));
}

TEST_F(Association, ProgramsAreFoundOnPathOnly) {
    std::string prog = xdg.program("tool");
    EXPECT_EQ(find_program("tool"), prog);
    EXPECT_EQ(find_program(prog), prog);
    EXPECT_FALSE(find_program("no-such-tool"));
    EXPECT_FALSE(find_program(""));
    xdg.write("bin/not-executable", "#!/bin/sh\n");
    EXPECT_FALSE(find_program("not-executable"));
    EXPECT_FALSE(find_program(xdg.root() + "/bin"));  // a directory is no program
}
