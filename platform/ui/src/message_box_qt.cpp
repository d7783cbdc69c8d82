#include "platform/ui/message_box_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

#include "platform/ui/display_text.h"
#include "platform/ui/window_handle.h"

namespace platform::ui {
namespace {

using SB = QMessageBox::StandardButton;

struct ButtonRow {
    SB buttons[3];
    int count;
    SB escape;
};

ButtonRow buttons_of(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{SB::Ok, SB::Cancel}, 2, SB::Cancel};
    case MB_YESNO: return {{SB::Yes, SB::No}, 2, SB::No};
    case MB_YESNOCANCEL: return {{SB::Yes, SB::No, SB::Cancel}, 3, SB::Cancel};
    default: return {{SB::Ok}, 1, SB::Ok};
    }
}

QMessageBox::Icon icon_of(UINT style) {
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

MessageBoxLayout message_box_layout(UINT style) {
    const ButtonRow row = buttons_of(style);
    QMessageBox::StandardButtons buttons;
    for (int i = 0; i < row.count; ++i) buttons |= row.buttons[i];
    // MB_DEFBUTTON2 and 3 name the second and third button; a number past
    // the last button falls back to the first, as the system does.
    const int index = static_cast<int>((style & MB_DEFMASK) >> 8);
    const SB default_button = index < row.count ? row.buttons[index] : row.buttons[0];
    return {icon_of(style), buttons, default_button, row.escape};
}

int message_box_answer(QMessageBox::StandardButton button) {
    switch (button) {
    case SB::Ok: return IDOK;
    case SB::Yes: return IDYES;
    case SB::No: return IDNO;
    default: return IDCANCEL;
    }
}

int show_qt_message_box(const MessageBoxCall& call) {
    const MessageBoxLayout layout = message_box_layout(call.style);
    QMessageBox box(layout.icon, display_text(call.caption), display_text(call.text),
                    layout.buttons, to_widget(call.owner));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(layout.default_button);
    box.setEscapeButton(layout.escape_button);
    box.exec();
    return message_box_answer(box.standardButton(box.clickedButton()));
}

MessageBoxBackend install_qt_message_box() {
    set_beep_backend([](UINT) { QApplication::beep(); });
    return set_message_box_backend(show_qt_message_box);
}

}  // namespace platform::ui
