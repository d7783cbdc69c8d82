#include "wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace mirv {

WaitCursor::WaitCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    if (shown_ && QGuiApplication::instance()) QGuiApplication::restoreOverrideCursor();
}

}  // namespace mirv
