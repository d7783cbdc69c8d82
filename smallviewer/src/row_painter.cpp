#include "row_painter.h"

#include <QFontMetrics>
#include <cmath>

namespace brisk {
namespace {

constexpr int kColumnTable[7] = {10, 50, 90, 120, 150, 170, 190};

// Internal leading: what the font's height has above its em size.
int internal_leading(const QFont& font, QPaintDevice* device, const QFontMetrics& metrics) {
    double em = font.pixelSize() > 0 ? font.pixelSize()
                                     : font.pointSizeF() * device->logicalDpiY() / 72.0;
    return std::max(0, metrics.height() - static_cast<int>(std::lround(em)));
}

}  // namespace

int mul_div(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = (product < 0) != (c < 0) ? -std::llabs(c) / 2 : std::llabs(c) / 2;
    return static_cast<int>((product + half) / c);
}

ColumnPositions column_positions(int average_char_width) {
    ColumnPositions positions{};
    for (std::size_t k = 0; k < positions.size(); ++k)
        positions[k] = mul_div(kColumnTable[k], average_char_width, 2);
    return positions;
}

FontMeasure measure_font(const QFont& font, QPaintDevice* device) {
    QFontMetrics metrics(font, device);
    // The listing's fields are mostly digits; in today's proportional faces
    // digits are wider than the font's average, which would cut dates and
    // sizes, so a digit's width counts when it is the larger.
    const int average = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(QLatin1Char('0')));
    return {metrics.height() + internal_leading(font, device, metrics), average};
}

RowColors selected_colors(const QPalette& p) {
    return {p.color(QPalette::Active, QPalette::Highlight), p.color(QPalette::Active, QPalette::HighlightedText)};
}
RowColors normal_colors(const QPalette& p) { return {p.color(QPalette::Base), p.color(QPalette::Text)}; }
RowColors heading_colors(const QPalette& p) { return {p.color(QPalette::Button), p.color(QPalette::Text)}; }

void draw_row(QPainter& painter, const QRect& rect, const QString& row,
              const ColumnPositions& columns, const RowColors& colors) {
    painter.save();
    painter.fillRect(rect, colors.background);
    painter.setPen(colors.text);
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList fields = row.split(QLatin1Char('\t'));
    for (int k = 0; k < 6 && k < fields.size(); ++k) {
        const QRect cell(QPoint(rect.left() + columns[k], rect.top() + 1),
                         QPoint(rect.left() + columns[k + 1] - 1, rect.bottom() - 1));
        const QString shown = metrics.elidedText(fields[k], Qt::ElideRight, cell.width());
        const int align = (k == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        painter.setClipRect(cell);
        painter.drawText(cell, align | Qt::TextSingleLine, shown);
    }
    painter.restore();
}

}  // namespace brisk
