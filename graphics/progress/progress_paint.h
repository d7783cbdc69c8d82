#pragma once
// Painting a progress control: background, then caption, bar, percentage,
// ticks and scale.
#include <QFont>
#include <QPainter>
#include <QString>

namespace mirv {

// The system colours the control is drawn with.
struct ProgressColours {
    QColor window{255, 255, 255};
    QColor window_frame{0, 0, 0};
    QColor button_face{192, 192, 192};
    QColor button_shadow{128, 128, 128};
    QColor text{0, 0, 0};
};

QString percent_text(int percent);
// A two-pixel 3D edge; sunken: shadow colour first.
void draw_edge(QPainter& p, QRect r, int inset, bool sunken, const ProgressColours& c);
// Fills the client area; a brush other than white gets a sunken edge.
void paint_background(QPainter& p, QRect client, const QColor& brush, const ProgressColours& c);
void paint_progress(QPainter& p, QRect client, const QFont& font, const QString& caption, int percent,
                    const ProgressColours& c);

}  // namespace mirv
