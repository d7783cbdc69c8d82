#include "platform/process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "platform/tempfile.h"
#include "test_dir.h"

using namespace platform;
using Clock = std::chrono::steady_clock;

namespace {
std::string read_all(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
}  // namespace

TEST(Process, ArgumentsTravelUnquotedAndOutputIsCaptured) {
    TestDir dir;
    auto out = create_temp_file("OUT", dir.path());
    ASSERT_TRUE(out);
    int error = 0;
    // A name with blanks and shell characters reaches the program as one argument.
    auto p = Process::start({"/bin/sh", "-c", "printf '%s|' \"$@\"; pwd; echo err >&2", "sh",
                             "a b", "$(x);rm *"},
                            dir.path(), out->fd, error);
    ASSERT_TRUE(p) << error;
    ASSERT_TRUE(p->wait(5000));
    EXPECT_EQ(p->exit_code(), 0u);
    close(out->fd);
    std::string text = read_all(out->path);
    EXPECT_EQ(text, "a b|$(x);rm *|" + dir.path().substr(0, dir.path().size() - 1) + "\nerr\n");
}

TEST(Process, ExitCodeAndStartFailure) {
    int error = 0;
    auto p = Process::start({"/bin/sh", "-c", "exit 3"}, "", -1, error);
    ASSERT_TRUE(p);
    ASSERT_TRUE(p->wait(5000));
    EXPECT_EQ(p->exit_code(), 3u);

    EXPECT_EQ(Process::start({"/nonexistent/program"}, "", -1, error), nullptr);
    EXPECT_EQ(system_error_number(error), 2);
    EXPECT_EQ(Process::start({"/bin/true"}, "/nonexistent/dir", -1, error), nullptr);
    EXPECT_NE(error, 0);
}

TEST(Process, TimedWaitReturnsWhenTheProcessEnds) {
    int error = 0;
    auto p = Process::start({"/bin/sleep", "0.05"}, "", -1, error);
    ASSERT_TRUE(p);
    auto t0 = Clock::now();
    ASSERT_TRUE(p->wait(5000));
    auto took = Clock::now() - t0;
    EXPECT_LT(took, std::chrono::milliseconds(2000));  // not the whole timeout
}

TEST(Process, TerminateSetsTheGivenExitCode) {
    int error = 0;
    auto p = Process::start({"/bin/sleep", "30"}, "", -1, error);
    ASSERT_TRUE(p);
    EXPECT_FALSE(p->wait(10));
    p->terminate(1280);
    EXPECT_TRUE(p->wait(0));
    EXPECT_EQ(p->exit_code(), 1280u);
}
