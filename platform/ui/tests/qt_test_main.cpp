// GoogleTest main for tests that need a QApplication. The offscreen platform
// is used unless the environment names another, so that listing the tests
// needs no display. The fake XDG tree is made before anything reads the
// MIME database.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "fake_xdg.h"

FakeXdg* fake_xdg_tree = nullptr;

// Under LeakSanitizer: leaks reported from inside Qt and the libraries it
// loads (fontconfig, the platform plugin) are theirs, not ours.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libQt6Core.so\n"
           "leak:libQt6Gui.so\n"
           "leak:libQt6Widgets.so\n"
           "leak:libfontconfig.so\n"
           "leak:libqoffscreen.so\n";
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    FakeXdg tree;
    fake_xdg_tree = &tree;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
