#pragma once
// The Qt backend of the process-wide message box dispatcher: a style word
// becomes a QMessageBox with its icon and buttons, the answer comes back as
// IDOK, IDCANCEL, IDYES or IDNO.
#include <QMessageBox>

#include "platform/msgbox.h"
#include "platform/ui/api.h"

namespace platform::ui {

struct MessageBoxLayout {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button;
    QMessageBox::StandardButton escape_button;
};

// Icon, buttons, default and escape button of a style. Task- and
// system-modal boxes are shown application-modal like every other box, so
// the modality bits change nothing here.
PLATFORM_UI_API MessageBoxLayout message_box_layout(UINT style);

// The Win32 answer for a button of the box.
PLATFORM_UI_API int message_box_answer(QMessageBox::StandardButton button);

// Shows the box, application-modal, over the widget behind call.owner (or
// without parent), and returns its answer.
PLATFORM_UI_API int show_qt_message_box(const MessageBoxCall& call);

// Installs show_qt_message_box as the dispatcher's backend and
// QApplication::beep as the beep; returns the message box backend it replaced.
PLATFORM_UI_API MessageBoxBackend install_qt_message_box();

}  // namespace platform::ui
