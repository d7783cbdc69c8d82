#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "platform/ui/message_box_qt.h"
#include "platform/ui/window_handle.h"

using namespace platform::ui;
using SB = QMessageBox::StandardButton;

TEST(MessageBoxLayout, StylesGiveIconButtonsAndDefault) {
    struct Case { UINT style; QMessageBox::Icon icon; QMessageBox::StandardButtons buttons; SB def; SB esc; };
    const Case cases[] = {
        {MB_OK, QMessageBox::NoIcon, SB::Ok, SB::Ok, SB::Ok},
        {MB_OK | MB_ICONHAND, QMessageBox::Critical, SB::Ok, SB::Ok, SB::Ok},
        {MB_TASKMODAL | MB_ICONHAND, QMessageBox::Critical, SB::Ok, SB::Ok, SB::Ok},
        {MB_SYSTEMMODAL | MB_ICONINFORMATION, QMessageBox::Information, SB::Ok, SB::Ok, SB::Ok},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, QMessageBox::Warning, SB::Ok | SB::Cancel, SB::Ok, SB::Cancel},
        {MB_OKCANCEL | MB_DEFBUTTON2, QMessageBox::NoIcon, SB::Ok | SB::Cancel, SB::Cancel, SB::Cancel},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Question, SB::Yes | SB::No, SB::Yes, SB::No},
        {MB_YESNO | MB_DEFBUTTON2, QMessageBox::NoIcon, SB::Yes | SB::No, SB::No, SB::No},
        {MB_YESNO | MB_DEFBUTTON3, QMessageBox::NoIcon, SB::Yes | SB::No, SB::Yes, SB::No},
        {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::Question, SB::Yes | SB::No | SB::Cancel, SB::Yes, SB::Cancel},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, QMessageBox::NoIcon, SB::Yes | SB::No | SB::Cancel, SB::No, SB::Cancel},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, QMessageBox::NoIcon, SB::Yes | SB::No | SB::Cancel, SB::Cancel, SB::Cancel},
    };
    for (const Case& c : cases) {
        MessageBoxLayout layout = message_box_layout(c.style);
        EXPECT_EQ(layout.icon, c.icon) << std::hex << c.style;
        EXPECT_EQ(layout.buttons, c.buttons) << std::hex << c.style;
        EXPECT_EQ(layout.default_button, c.def) << std::hex << c.style;
        EXPECT_EQ(layout.escape_button, c.esc) << std::hex << c.style;
    }
}

TEST(MessageBoxLayout, AnswersAreTheWin32Values) {
    EXPECT_EQ(message_box_answer(SB::Ok), IDOK);
    EXPECT_EQ(message_box_answer(SB::Cancel), IDCANCEL);
    EXPECT_EQ(message_box_answer(SB::Yes), IDYES);
    EXPECT_EQ(message_box_answer(SB::No), IDNO);
    EXPECT_EQ(message_box_answer(SB::NoButton), IDCANCEL);
}

namespace {

struct SeenBox {
    QString text, caption;
    QWidget* parent = nullptr;
    bool application_modal = false;
};

// Shows a box through the installed backend and presses `key` in it.
int answer_with_key(HWND owner, UINT style, int key, SeenBox& seen) {
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->text(), box->windowTitle(), box->parentWidget(),
                box->windowModality() == Qt::ApplicationModal};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &press);
    });
    return platform::message_box(owner, "Text \xc3\xa4", "Caption", style);
}

}  // namespace

TEST(QtMessageBox, ShowsTheBoxOverItsOwnerAndAnswers) {
    platform::MessageBoxBackend old = install_qt_message_box();
    QWidget owner;
    owner.show();
    struct Case { UINT style; int key; int answer; };
    const Case cases[] = {
        {MB_OK | MB_ICONHAND, Qt::Key_Return, IDOK},
        {MB_YESNO | MB_ICONQUESTION, Qt::Key_Return, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, Qt::Key_Return, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, Qt::Key_Return, IDCANCEL},
        {MB_YESNOCANCEL, Qt::Key_Escape, IDCANCEL},
        {MB_YESNO, Qt::Key_Escape, IDNO},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        EXPECT_EQ(answer_with_key(to_hwnd(&owner), c.style, c.key, seen), c.answer) << std::hex << c.style;
        EXPECT_EQ(seen.text, QString::fromUtf8("Text \xc3\xa4"));
        EXPECT_EQ(seen.caption, "Caption");
        EXPECT_EQ(seen.parent, &owner);
        EXPECT_TRUE(seen.application_modal);
    }
    SeenBox seen;
    EXPECT_EQ(answer_with_key(nullptr, MB_TASKMODAL | MB_ICONHAND, Qt::Key_Return, seen), IDOK);
    EXPECT_EQ(seen.parent, nullptr);
    EXPECT_TRUE(seen.application_modal);
    platform::set_message_box_backend(old);
}
