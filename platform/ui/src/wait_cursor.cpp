#include "platform/ui/wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace platform::ui {

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace platform::ui
