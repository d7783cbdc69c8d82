// Screenshots of the window, saved into the build folder for looking at:
// the sample archive (or an ARJ archive made by arj when the sample is not
// built), then the same with a selected row. The pictures are also checked
// for the heading band, the icons and the selection colour.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <filesystem>

#include "row_painter.h"
#include "viewer_fixture.h"

class ScreenshotTest : public ViewerTest {
protected:
    // The sample archive through the real support module, else an ARJ
    // archive of a few files through Debian's arj.
    std::string sample_archive() {
        if (platform::regular_file_exists(BRISK_SAMPLE_ARC)) {
            unsetenv("CORAX_MODULE_PATH");
            return BRISK_SAMPLE_ARC;
        }
        if (std::system("command -v arj >/dev/null 2>&1") != 0) return {};
        const std::string src = dir.path() + "src/";
        dir.file("src/README.TXT", std::string(3000, 'r'));
        dir.file("src/PICTURE.BMP", std::string(12000, 'b'));
        dir.file("src/INNER.ZIP", std::string(800, 'z'));
        dir.file("src/MAIN.C", "int main(void) { return 0; }\n");
        dir.file("src/DATA.BIN", std::string(5000, '\1'));
        const std::string arj = dir.path() + "SAMPLE.ARJ";
        const std::string command = "cd '" + src + "' && arj a -y '" + arj + "' README.TXT PICTURE.BMP INNER.ZIP MAIN.C DATA.BIN >/dev/null 2>&1";
        return std::system(command.c_str()) == 0 ? arj : std::string{};
    }

    static void save(const QImage& image, const char* name) {
        QDir().mkpath(SCREENSHOT_DIR);
        ASSERT_TRUE(image.save(QString(SCREENSHOT_DIR) + "/" + name)) << name;
    }
};

TEST_F(ScreenshotTest, WindowWithAnArchiveAndASelectedRow) {
    const std::string path = sample_archive();
    if (path.empty()) {
        GTEST_SKIP() << "neither the sample archive nor arj is there";
    }
    auto w = window_on(path);
    const int rows = w->pane()->list()->count();
    ASSERT_GE(rows, 2) << "the archive lists no rows";
    QApplication::processEvents();
    const QImage plain = w->grab().toImage();
    save(plain, "brisk32_window.png");

    const QPoint pane = w->pane()->mapTo(w.get(), QPoint(0, 0));
    const int lh = w->pane()->line_height();
    const QPalette palette = w->pane()->palette();
    // The heading band in the button face colour.
    EXPECT_EQ(plain.pixelColor(pane + QPoint(2, lh / 2)), palette.color(QPalette::Button));
    // Each row with a known extension has its icon at the left edge.
    const QPoint list = w->pane()->list()->viewport()->mapTo(w.get(), QPoint(0, 0));
    const QColor base = palette.color(QPalette::Base);
    for (int r = 0; r < rows; ++r) {
        int differing = 0;
        for (int x = 0; x < 12; ++x)
            for (int y = 0; y < lh; ++y)
                if (plain.pixelColor(list + QPoint(x, r * lh + y)) != base) ++differing;
        EXPECT_GT(differing, 20) << "no icon in row " << r;
    }

    w->pane()->list()->setCurrentRow(1);
    QApplication::processEvents();
    const QImage selected = w->grab().toImage();
    save(selected, "brisk32_selected.png");
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const int x = w->pane()->columns()[1] + 2;  // inside the size column, left of its digits
    EXPECT_EQ(selected.pixelColor(list + QPoint(x, lh + lh / 2)), highlight);
    EXPECT_EQ(selected.pixelColor(list + QPoint(x, lh / 2)), base);
}
