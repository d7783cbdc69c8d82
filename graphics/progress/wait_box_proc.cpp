// A0, the wait box's dialog procedure.
#include <QGuiApplication>
#include <QScreen>

#include "mirv32.h"
#include "mirv32_messages.h"
#include "progress.h"
#include "wait_box.h"

namespace {

constexpr int kTickMilliseconds = 200;

// Centred horizontally, its top at a third of the free vertical space.
void place_on_screen(mirv::WaitBox& box) {
    if (box.isMaximized()) return;
    QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect s = screen->geometry();
    QSize size = box.frameGeometry().size();
    box.move(s.left() + (s.width() - size.width()) / 2, s.top() + (s.height() - size.height()) / 3);
}

}  // namespace

extern "C" LRESULT A0(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    using namespace mirv;
    auto* box = dynamic_cast<WaitBox*>(static_cast<QWidget*>(dialog));
    switch (message & 0xFFFF) {
    case WM_INITDIALOG:
        if (box) {
            box->timer().start(kTickMilliseconds);
            place_on_screen(*box);
        }
        break;
    case WM_TIMER: progress::set_tick(); break;
    case WM_COMMAND:
        if ((wParam & 0xFFFF) == IDCANCEL_BUTTON) progress::request_stop();
        break;
    case WM_DESTROY:
        if (box) box->timer().stop();
        break;
    default: break;
    }
    return 0;
}
