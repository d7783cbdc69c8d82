// The progress control widget and its window procedure ProBarProc.
#include "progress_control.h"

#include <QPainter>
#include <cmath>

#include "mirv32.h"
#include "mirv32_messages.h"
#include "platform/gdi/objects.h"
#include "progress_paint.h"

namespace mirv {

namespace {

// The brush the parent gives for static controls: its window colour;
// without a parent the white stock brush.
QColor background_of(const QWidget& control) {
    if (!control.parentWidget()) return QColor(255, 255, 255);
    return control.parentWidget()->palette().color(QPalette::Window);
}

QFont font_of(HGDIOBJ handle) {
    LOGFONTA lf{};
    if (!GetObjectA(handle, sizeof lf, &lf)) return QFont();
    QFont font(lf.lfFaceName[0] ? QString::fromLatin1(lf.lfFaceName) : QStringLiteral("Arial"));
    if (lf.lfHeight != 0) font.setPixelSize(std::abs(static_cast<int>(lf.lfHeight)));
    if (lf.lfWeight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight, 100, 900)));
    return font;
}

ProgressControl* control_of(HWND window) {
    return dynamic_cast<ProgressControl*>(static_cast<QWidget*>(window));
}

void repaint_now(ProgressControl& c) { c.repaint(); }

}  // namespace

int mul_div(int a, int b, int c) {
    if (c == 0) return -1;
    long long n = static_cast<long long>(a) * b;
    long long q = (std::llabs(n) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>(((n < 0) != (c < 0)) ? -q : q);
}

ProgressControl::ProgressControl(QWidget* parent) : QWidget(parent) {
    setObjectName(kClassName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ProBarProc(this, WM_CREATE, 0, 0);
}

std::optional<QFont>& ProgressControl::shared_font() {
    static std::optional<QFont> font;
    return font;
}

void ProgressControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ProBarProc(this, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&p), 0);
    ProBarProc(this, WM_PAINT, reinterpret_cast<WPARAM>(&p), 0);
}

}  // namespace mirv

// wParam of WM_ERASEBKGND and WM_PAINT is the QPainter open on the control
// (its device context); wParam of WM_SETFONT a font handle.
extern "C" LRESULT ProBarProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    using namespace mirv;
    ProgressControl* c = control_of(window);
    if (!c) return 0;
    switch (message & 0xFFFF) {
    case WM_CREATE:
        c->range = 100;
        c->position = 0;
        return 0;
    case PBM_SETRANGE:
        c->range = wParam & 0xFFFF;
        repaint_now(*c);
        return 0;
    case PBM_SETPOS:
        c->position = wParam & 0xFFFF;
        repaint_now(*c);
        return 0;
    case PBM_DELTAPOS:
        c->position = (c->position + wParam) & 0xFFFF;
        repaint_now(*c);
        return 0;
    case WM_SETFONT:
        ProgressControl::shared_font() = font_of(reinterpret_cast<HGDIOBJ>(wParam));
        return 0;
    case WM_ERASEBKGND: {
        auto* p = reinterpret_cast<QPainter*>(wParam);
        if (p) paint_background(*p, c->rect(), background_of(*c), ProgressColours{});
        return 1;
    }
    case WM_PAINT: {
        auto* p = reinterpret_cast<QPainter*>(wParam);
        if (!p) return 0;
        QFont font = ProgressControl::shared_font().value_or(c->font());
        int percent = mul_div(static_cast<int>(c->position), 100, static_cast<int>(c->range));
        paint_progress(*p, c->rect(), font, c->windowTitle(), percent, ProgressColours{});
        return 0;
    }
    default:
        return 0;
    }
}
