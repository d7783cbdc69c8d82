#include "platform/tempfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "test_dir.h"

using namespace platform;

TEST(TempDir, PrivateToTheUser) {
    TestDir base;
    ScopedEnv tmp("TMPDIR", base.path());
    std::string dir = temp_directory();
    ASSERT_EQ(dir, base.path() + "tolvane-" + std::to_string(getuid()) + "/");
    struct stat st;
    ASSERT_EQ(lstat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // A directory left open to others is closed up again.
    chmod(dir.c_str(), 0777);
    EXPECT_EQ(temp_directory(), dir);
    ASSERT_EQ(lstat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(TempDir, RefusesASymlinkPlantedInItsPlace) {
    TestDir base;
    ScopedEnv tmp("TMPDIR", base.path());
    std::string target = base.path() + "elsewhere";
    mkdir(target.c_str(), 0700);
    std::string link = base.path() + "tolvane-" + std::to_string(getuid());
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(temp_directory(), "");
    EXPECT_EQ(create_temp_file("LZH"), std::nullopt);
}

TEST(TempFile, UniqueAndExclusive) {
    TestDir base;
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        auto f = create_temp_file("LZH", base.path());
        ASSERT_TRUE(f);
        EXPECT_EQ(f->path.rfind(base.path() + "LZH", 0), 0u);
        EXPECT_TRUE(names.insert(f->path).second);
        close(f->fd);
    }
}
