#pragma once
// The progress control "MirvProgress": a range and a position, painted as
// caption, bar with percentage, five ticks and a 0-100 scale.
#include <QFont>
#include <QWidget>
#include <optional>

namespace mirv {

class ProgressControl : public QWidget {
public:
    static constexpr const char* kClassName = "MirvProgress";
    explicit ProgressControl(QWidget* parent = nullptr);

    unsigned range = 100;
    unsigned position = 0;

    // The font last given to any progress control.
    static std::optional<QFont>& shared_font();

protected:
    void paintEvent(QPaintEvent*) override;
};

// MulDiv: a * b / c rounded, -1 when c is 0.
int mul_div(int a, int b, int c);

}  // namespace mirv
