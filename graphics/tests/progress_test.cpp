// Progress reporting, the progress control and the wait box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <cstring>

#include "mirv32.h"
#include "platform/gdi/objects.h"
#include "mirv32_messages.h"
#include "progress/progress.h"
#include "progress/progress_control.h"
#include "progress/progress_geometry.h"
#include "progress/progress_paint.h"
#include "progress/wait_box.h"

namespace progress = mirv::progress;

namespace {

int g_calls = 0;
int g_answer = 1;
int counting_callback() {
    ++g_calls;
    return g_answer;
}

mirv::WaitBox* open_wait_box() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = dynamic_cast<mirv::WaitBox*>(w)) return box;
    return nullptr;
}

TEST(Progress, SecondBeginIsRefusedAndChangesNothing) {
    g_calls = 0;
    g_answer = 1;
    ASSERT_EQ(progress::begin(nullptr, counting_callback), 0);
    EXPECT_EQ(progress::begin(nullptr, nullptr), IPE_BUSY);
    QWidget parent;
    EXPECT_EQ(progress::begin(&parent, nullptr), IPE_BUSY);
    EXPECT_EQ(open_wait_box(), nullptr);
    // The first conversion's callback is still the one called.
    EXPECT_FALSE(progress::step(10));
    EXPECT_EQ(g_calls, 1);
    progress::end();
    EXPECT_EQ(progress::begin(nullptr, nullptr), 0);
    progress::end();
}

TEST(Progress, CallbackIsCalledOncePerStepAndStopsOnZero) {
    g_calls = 0;
    g_answer = 1;
    ASSERT_EQ(progress::begin(nullptr, counting_callback), 0);
    QCursor* before = QGuiApplication::overrideCursor();
    for (int p = 0; p < 5; ++p) EXPECT_FALSE(progress::step(p * 20));
    EXPECT_EQ(g_calls, 5);
    EXPECT_EQ(QGuiApplication::overrideCursor(), before);  // cursor untouched
    g_answer = 0;
    EXPECT_TRUE(progress::step(100));
    progress::end();
}

TEST(Progress, WaitCursorModeSetsAndRestoresTheCursor) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(progress::begin(nullptr, nullptr), 0);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(progress::step(50));
    progress::end();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Progress, CancelInTheWaitBoxStopsTheNextStepOnly) {
    QWidget parent;
    ASSERT_EQ(progress::begin(&parent, nullptr), 0);
    mirv::WaitBox* box = open_wait_box();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->parentWidget(), &parent);
    EXPECT_FALSE(progress::step(10));
    auto* cancel = box->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(box->isVisible());  // the box stays until the conversion ends
    EXPECT_TRUE(progress::step(20));
    progress::end();
    EXPECT_EQ(open_wait_box(), nullptr);
    // The next conversion, in wait-cursor mode, is not stopped by it.
    ASSERT_EQ(progress::begin(nullptr, nullptr), 0);
    EXPECT_FALSE(progress::step(0));
    progress::end();
}

TEST(Progress, EscapeAsksToStopToo) {
    QWidget parent;
    ASSERT_EQ(progress::begin(&parent, nullptr), 0);
    mirv::WaitBox* box = open_wait_box();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(progress::step(20));
    progress::end();
}

TEST(Progress, TimerTicksUpdateTheControlAtTheNextStep) {
    QWidget parent;
    ASSERT_EQ(progress::begin(&parent, nullptr), 0);
    mirv::WaitBox* box = open_wait_box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->timer().isActive());
    EXPECT_EQ(box->timer().interval(), 200);
    progress::step(30);
    EXPECT_EQ(box->progress()->position, 0u);  // no tick yet
    A0(box, mirv::WM_TIMER, mirv::WAIT_TIMER_ID, 0);
    progress::step(30);
    EXPECT_EQ(box->progress()->position, 30u);
    progress::step(60);
    EXPECT_EQ(box->progress()->position, 30u);  // at most once per tick
    progress::end();
}

TEST(WaitBox, TextsAndControlsAndScreenshot) {
    QWidget parent;
    mirv::WaitBox box(&parent);
    EXPECT_EQ(box.objectName(), "WAITBOX");
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Konvertierung läuft...."));
    auto* label = box.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("Bitte warten, die Dateikonvertierung läuft. Falls Sie den Vorgang "
                                               "abbrechen wollen, betätigen Sie die Schaltfläche 'Abbrechen'-"));
    auto* button = box.findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "&Abbrechen");
    EXPECT_EQ(box.progress()->objectName(), "MirvProgress");
    EXPECT_EQ(box.progress()->property("controlId").toInt(), 257);
    // Layout: text above the control above the button, the button centred.
    EXPECT_LT(label->geometry().bottom(), box.progress()->geometry().top());
    EXPECT_LT(box.progress()->geometry().bottom(), button->geometry().top());
    EXPECT_NEAR(button->geometry().center().x(), box.width() / 2, 3);
    box.show();
    ProBarProc(box.progress(), mirv::PBM_SETPOS, 45, 0);
    QApplication::processEvents();
    EXPECT_TRUE(box.grab().save(SCREENSHOT_DIR "/waitbox.png"));
}

TEST(ProgressGeometry, MarginsFromTheLetterWidth) {
    EXPECT_EQ(mirv::progress_geometry(200, 40, 7, 13, false).margin, 17);
    EXPECT_EQ(mirv::progress_geometry(60, 40, 7, 13, false).margin, 0);
    mirv::ProgressGeometry g = mirv::progress_geometry(200, 100, 7, 13, true);
    EXPECT_EQ(g.gap, 5);
    EXPECT_EQ(g.tick_height, 4);
    EXPECT_EQ(g.caption_height, 13);
    // 100 - 5, minus 2g + k, minus g/2 + t, minus s + g.
    EXPECT_EQ(g.bar_height, 95 - 23 - 6 - 18);
    EXPECT_EQ(g.caption_top, 5);
    EXPECT_EQ(g.bar_top, 5 + 13 + 5 + 2);
    // Too small for the extras: the bar takes what is left.
    EXPECT_EQ(mirv::progress_geometry(200, 10, 7, 13, false).bar_height, 5);
}

TEST(ProgressGeometry, MulDivRoundsAndFailsOnZero) {
    EXPECT_EQ(mirv::mul_div(166, 45, 100), 75);  // 74.7
    EXPECT_EQ(mirv::mul_div(45, 100, 100), 45);
    EXPECT_EQ(mirv::mul_div(1, 1, 2), 1);
    EXPECT_EQ(mirv::mul_div(5, 100, 0), -1);
}

TEST(ProgressControl, MessagesChangeRangeAndPosition) {
    mirv::ProgressControl c;
    EXPECT_EQ(c.range, 100u);
    EXPECT_EQ(c.position, 0u);
    ProBarProc(&c, mirv::PBM_SETPOS, 30, 0);
    ProBarProc(&c, mirv::PBM_DELTAPOS, 10, 0);
    EXPECT_EQ(c.position, 40u);
    ProBarProc(&c, mirv::PBM_SETRANGE, 0x10000 + 200, 0);
    EXPECT_EQ(c.range, 200u);
    ProBarProc(&c, mirv::WM_USER + 1, 99, 0);
    ProBarProc(&c, mirv::WM_USER + 3, 99, 0);
    EXPECT_EQ(c.range, 200u);
    EXPECT_EQ(c.position, 40u);
    ProBarProc(&c, mirv::WM_CREATE, 0, 0);
    EXPECT_EQ(c.range, 100u);
    EXPECT_EQ(ProBarProc(&c, mirv::WM_ERASEBKGND, 0, 0), 1);
}

struct Rendered {
    QImage image;
    mirv::ProgressGeometry g;
    int h;
};

// The control in a small font, as the wait box gives it: its bar is then
// taller than the percentage text.
void give_small_font(mirv::ProgressControl& c) {
    LOGFONTA lf{};
    lf.lfHeight = -9;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirectA(&lf);
    ProBarProc(&c, mirv::WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    DeleteObject(font);
}

Rendered render_control(int position, int range = 100) {
    mirv::ProgressControl c;
    give_small_font(c);
    c.resize(200, 40);
    ProBarProc(&c, mirv::PBM_SETRANGE, static_cast<WPARAM>(range), 0);
    ProBarProc(&c, mirv::PBM_SETPOS, static_cast<WPARAM>(position), 0);
    QImage image(200, 40, QImage::Format_RGB32);
    QPainter p(&image);
    ProBarProc(&c, mirv::WM_ERASEBKGND, reinterpret_cast<WPARAM>(&p), 0);
    ProBarProc(&c, mirv::WM_PAINT, reinterpret_cast<WPARAM>(&p), 0);
    p.end();
    QFontMetrics m(mirv::ProgressControl::shared_font().value_or(c.font()));
    return {image, mirv::progress_geometry(200, 40, m.horizontalAdvance('x'), m.height(), false), m.height()};
}

QRgb at(const QImage& i, int x, int y) { return i.pixel(x, y) & 0xFFFFFF; }

TEST(ProgressControl, PositionFortyFiveAtTwoHundredByForty) {
    Rendered r = render_control(45);
    r.image.save(SCREENSHOT_DIR "/progress45.png");
    const mirv::ProgressGeometry& g = r.g;
    ASSERT_GT(g.bar_height, r.h + 2);  // the text leaves the bar's edges free
    int left = g.bar_left, width = g.bar_right - g.bar_left;
    int fill_right = left + 1 + mirv::mul_div(width, 45, 100);
    // The raised edge's dark line runs along the bottom of the filled part,
    // from one pixel inside its left outline to two inside its right end.
    int row = g.bar_top + g.bar_height - 2;
    int dark_line = 0;
    for (int x = left; x < g.bar_right; ++x) dark_line += at(r.image, x, row) == 0x808080;
    EXPECT_EQ(dark_line, fill_right - left - 2);
    EXPECT_EQ(at(r.image, fill_right - 2, row), 0x808080u);
    EXPECT_EQ(at(r.image, fill_right - 1, row), 0x000000u);  // the filled part's outline
    EXPECT_EQ(at(r.image, fill_right, row), 0xC0C0C0u);     // the empty bar beyond it
    EXPECT_EQ(at(r.image, g.bar_right - 1, row), 0x000000u);
    // Five ticks below the bar.
    int tick_row = g.ticks_top;
    int ticks = 0;
    for (int x = 0; x < 200; ++x) ticks += at(r.image, x, tick_row) == 0x000000;
    EXPECT_EQ(ticks, 5);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(at(r.image, std::min(left + mirv::mul_div(i, width, 4), g.bar_right - 1), tick_row), 0u) << i;
    // Labels under each tick; the text in the middle of the bar.
    for (int i = 0; i <= 4; ++i) {
        int cx = g.margin + mirv::mul_div(i, 200 - 2 * g.margin, 4);
        int dark = 0;
        for (int y = g.scale_top; y < std::min(40, g.scale_top + r.h); ++y)
            for (int x = std::max(0, cx - 8); x < std::min(200, cx + 8); ++x) dark += qGray(r.image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 0) << "label " << i * 25;
    }
    EXPECT_EQ(mirv::percent_text(45), "45 %");
}

TEST(ProgressControl, PositionZeroDrawsOnlyTheEmptyBarAndRangeZeroShowsMinusOne) {
    Rendered r = render_control(0);
    int row = r.g.bar_top + 1;
    for (int x = r.g.bar_left + 1; x < r.g.bar_right - 1; ++x) ASSERT_EQ(at(r.image, x, row), 0xC0C0C0u) << x;
    Rendered zero = render_control(30, 0);
    for (int x = zero.g.bar_left + 1; x < zero.g.bar_right - 1; ++x) ASSERT_EQ(at(zero.image, x, row), 0xC0C0C0u);
    EXPECT_EQ(mirv::percent_text(mirv::mul_div(30, 100, 0)), "-1 %");
}

TEST(ProgressControl, BackgroundEdgeOnlyForANonWhiteParentBrush) {
    QImage plain(20, 20, QImage::Format_RGB32);
    QPainter p(&plain);
    mirv::paint_background(p, plain.rect(), Qt::white, {});
    p.end();
    EXPECT_EQ(at(plain, 1, 1), 0xFFFFFFu);
    QImage grey(20, 20, QImage::Format_RGB32);
    QPainter q(&grey);
    mirv::paint_background(q, grey.rect(), QColor(0xEF, 0xEF, 0xEF), {});
    q.end();
    EXPECT_EQ(at(grey, 1, 1), 0x808080u);    // sunken: shadow at the top left
    EXPECT_EQ(at(grey, 18, 18), 0xFFFFFFu);  // window colour at the bottom right
    EXPECT_EQ(at(grey, 10, 10), 0xEFEFEFu);
}

}  // namespace
