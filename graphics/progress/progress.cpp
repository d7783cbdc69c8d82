// The progress reporting state of the process and its three display
// modes: callback, wait box, wait cursor.
#include "progress.h"

#include <QApplication>
#include <QPointer>

#include "mirv32_messages.h"
#include "progress_control.h"
#include "wait_box.h"

namespace mirv::progress {

namespace {

struct State {
    bool busy = false;
    IPCALLBACK callback = nullptr;
    QPointer<WaitBox> box;
    bool cursor_saved = false;
    bool stop = false;
    bool tick = false;
};

State& state() {
    static State s;
    return s;
}

bool have_widgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }
bool have_gui() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

int begin(HWND parent, IPCALLBACK callback) {
    State& s = state();
    if (s.busy) return IPE_BUSY;
    s.busy = true;
    s.stop = false;
    s.tick = false;
    if (callback) {
        s.callback = callback;
    } else if (parent) {
        // Without a widget application no box can be made: no display then.
        if (have_widgets()) {
            s.box = new WaitBox(static_cast<QWidget*>(parent));
            s.box->show();
        }
    } else if (have_gui()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        s.cursor_saved = true;
    }
    return 0;
}

bool step(int percent) {
    State& s = state();
    if (s.callback) return s.callback() == 0;
    if (s.tick && s.box) {
        ProBarProc(s.box->progress(), PBM_SETPOS, static_cast<WPARAM>(percent), 0);
        s.tick = false;
    }
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (s.cursor_saved) QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    }
    return s.stop;
}

void end() {
    State& s = state();
    if (s.box) delete s.box.data();
    else if (s.cursor_saved && have_gui()) QGuiApplication::restoreOverrideCursor();
    s.box = nullptr;
    s.busy = false;
    s.callback = nullptr;
    s.cursor_saved = false;
}

void set_tick() { state().tick = true; }
void request_stop() { state().stop = true; }

}  // namespace mirv::progress
