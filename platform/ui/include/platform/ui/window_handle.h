#pragma once
// A window handle in a Qt program is the QWidget* of that window.
#include <QWidget>

#include "platform/types.h"

namespace platform::ui {

inline HWND to_hwnd(QWidget* widget) { return static_cast<HWND>(widget); }
inline QWidget* to_widget(HWND window) { return static_cast<QWidget*>(window); }

}  // namespace platform::ui
