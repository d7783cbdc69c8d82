#include "progress_paint.h"

#include <QFontMetrics>
#include <algorithm>

#include "progress_control.h"
#include "progress_geometry.h"

namespace mirv {

namespace {

// A GDI rectangle: outline with the pen, fill with the brush, right and
// bottom edges excluded.
void gdi_rectangle(QPainter& p, int left, int top, int right, int bottom, const QColor& outline,
                   const QColor& fill) {
    if (right - left < 1 || bottom - top < 1) return;
    p.fillRect(QRect(left, top, right - left, bottom - top), fill);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void polyline(QPainter& p, std::initializer_list<QPoint> points) {
    QPolygon poly;
    for (QPoint pt : points) poly << pt;
    p.drawPolyline(poly);
}

void centred_text(QPainter& p, int left, int right, int top, int height, const QString& text) {
    p.drawText(QRect(left, top, right - left, height), Qt::AlignCenter, text);
}

}  // namespace

QString percent_text(int percent) { return QString::asprintf("%d %%", percent); }

void draw_edge(QPainter& p, QRect r, int a, bool sunken, const ProgressColours& c) {
    int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
    p.setBrush(Qt::NoBrush);
    p.setPen(sunken ? c.button_shadow : c.window);
    polyline(p, {{left + a + 1, bottom - a - 2}, {left + a + 1, top + a + 1}, {right - a - 2, top + a + 1}});
    polyline(p, {{left + a + 2, bottom - a - 3}, {left + a + 2, top + a + 2}, {right - a - 3, top + a + 2}});
    p.setPen(sunken ? c.window : c.button_shadow);
    polyline(p, {{right - a - 2, top + a + 1}, {right - a - 2, bottom - a - 2}, {left + a + 1, bottom - a - 2}});
    polyline(p, {{right - a - 3, top + a + 2}, {right - a - 3, bottom - a - 3}, {left + a + 2, bottom - a - 3}});
}

void paint_background(QPainter& p, QRect client, const QColor& brush, const ProgressColours& c) {
    p.fillRect(client, brush);
    if (brush != QColor(255, 255, 255)) draw_edge(p, client, 0, true, c);
}

void paint_progress(QPainter& p, QRect client, const QFont& font, const QString& caption, int percent,
                    const ProgressColours& c) {
    p.save();
    p.setFont(font);
    p.setBackgroundMode(Qt::TransparentMode);
    QFontMetrics m(font);
    int w = m.horizontalAdvance(QLatin1Char('x'));
    int h = m.height();
    int W = client.width(), H = client.height();
    ProgressGeometry g = progress_geometry(W, H, w, h, !caption.isEmpty());
    int left = client.left() + g.bar_left, right = client.left() + g.bar_right;
    int top = client.top();
    p.setPen(c.text);
    if (!caption.isEmpty()) centred_text(p, left, right, top + g.caption_top, g.caption_height, caption);

    int bar_top = top + g.bar_top, bar_bottom = bar_top + g.bar_height;
    int bar_width = right - left;
    gdi_rectangle(p, left, bar_top, right, bar_bottom, c.window_frame, c.button_face);
    draw_edge(p, QRect(left, bar_top, bar_width, g.bar_height), 2, true, c);
    if (percent > 0) {
        int fill_right = std::min(right, left + 1 + mul_div(bar_width, percent, 100));
        gdi_rectangle(p, left, bar_top, fill_right, bar_bottom, c.window_frame, c.button_face);
        draw_edge(p, QRect(left, bar_top, fill_right - left, g.bar_height), 0, false, c);
    }
    p.setPen(c.text);
    centred_text(p, left, right, bar_top + (g.bar_height - h) / 2, h, percent_text(percent));

    for (int i = 0; i <= 4; ++i) {
        int x = std::min(left + mul_div(i, bar_width, 4), right - 1);
        p.drawLine(x, top + g.ticks_top, x, top + g.ticks_top + g.tick_height - 1);
    }
    for (int i = 0; i <= 4; ++i) {
        QString label = QString::number(i * 25);
        int x = client.left() + g.margin + mul_div(i, W - 2 * g.margin, 4) - m.horizontalAdvance(label) / 2;
        p.drawText(QRect(x, top + g.scale_top, m.horizontalAdvance(label) + 1, g.scale_height), Qt::AlignLeft, label);
    }
    p.restore();
}

}  // namespace mirv
