#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <thread>

#include "fake_xdg.h"
#include "platform/ui/launch.h"
#include "platform/ui/wait_cursor.h"

extern FakeXdg* fake_xdg_tree;

using namespace platform::ui;

TEST(Launch, EachArgumentArrivesWhole) {
    FakeXdg& xdg = *fake_xdg_tree;
    xdg.reset();
    xdg.program("recorder");
    ASSERT_TRUE(run_program_and_wait({"recorder", "/tmp/a b/c d.txt", "", "x;y"}));
    EXPECT_EQ(xdg.runs("recorder"), (std::vector<std::string>{"3|/tmp/a b/c d.txt||x;y"}));
}

TEST(Launch, MissingProgramsDoNotStart) {
    fake_xdg_tree->reset();
    EXPECT_FALSE(run_program_and_wait({"no-such-program-here"}));
    EXPECT_FALSE(run_program_and_wait({"/nonexistent/prog"}));
    EXPECT_FALSE(run_program_and_wait({}));
    int error = 0;
    EXPECT_EQ(start_program({"no-such-program-here"}, error), nullptr);
    EXPECT_NE(error, 0);
}

TEST(Launch, EventsAreProcessedWhileWaiting) {
    fake_xdg_tree->write("bin/sleeper", "#!/bin/sh\nsleep 0.6\n");
    std::filesystem::permissions(fake_xdg_tree->root() + "/bin/sleeper",
                                 std::filesystem::perms::owner_all);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(run_program_and_wait({"sleeper"}));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(550));
    EXPECT_LT(took, std::chrono::milliseconds(3000));
    EXPECT_GE(ticks, 2);  // about one per 200 ms slice
}

TEST(WaitCursor, SetAndRestored) {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { WaitCursor inner; }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Launch, DetachedProgramsKeepRunningOnTheirOwn) {
    FakeXdg& xdg = *fake_xdg_tree;
    xdg.reset();
    xdg.program("detached");
    ASSERT_TRUE(start_detached({"detached", "/a b"}));
    for (int i = 0; i < 100 && xdg.runs("detached").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(xdg.runs("detached"), (std::vector<std::string>{"1|/a b"}));
    EXPECT_FALSE(start_detached({"no-such-program-here"}));
    EXPECT_FALSE(start_detached({}));
}
