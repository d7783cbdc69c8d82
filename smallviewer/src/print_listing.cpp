#include "print_listing.h"

#include <QApplication>
#include <QPainter>

#include "row_painter.h"
#include "texts.h"

namespace brisk {
namespace {

struct PageLayout {
    int line_height;
    int margin;
    int row_width;
    int printable_height;
    int printable_width;
    ColumnPositions columns;
};

PageLayout page_layout(const QFont& font, QPrinter& printer) {
    const FontMeasure m = measure_font(font, &printer);
    return {m.line_height, 6 * m.average_char_width, 80 * m.average_char_width, printer.height(), printer.width(),
            column_positions(m.average_char_width)};
}

void draw_page_head(QPainter& painter, const PageLayout& layout, const QString& title, int page) {
    const QPalette palette = QApplication::palette();
    const int lh = layout.line_height;
    painter.setPen(palette.color(QPalette::Text));
    const QString head = title + QString::asprintf(string_bytes(kStrPageSuffix), page);
    painter.drawText(QRect(layout.margin, 2 * lh, layout.printable_width - layout.margin, lh),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, head);
    draw_row(painter, QRect(layout.margin, 4 * lh, layout.columns[6], lh), text(kStrHeading),
             layout.columns, heading_colors(palette));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawLine(layout.margin + layout.columns[0], 5 * lh - 1,
                     layout.margin + layout.columns[6], 5 * lh - 1);
}

}  // namespace

int print_listing(QPrinter& printer, const QFont& font, const QString& title,
                  const std::vector<QString>& rows, PageRange range) {
    const PageLayout layout = page_layout(font, printer);
    const int lh = layout.line_height;
    const RowColors colors = normal_colors(QApplication::palette());
    QPainter painter;
    int page = 0;
    int printed = 0;
    bool printing = false;
    int y = 0;
    for (const QString& row : rows) {
        if (page == 0 || y > layout.printable_height - 4 * lh) {
            ++page;
            y = 5 * lh;
            printing = range.contains(page);
            if (printing) {
                if (printed == 0 ? !painter.begin(&printer) : !printer.newPage()) break;
                ++printed;
                painter.setFont(font);
                draw_page_head(painter, layout, title, page);
            }
        }
        if (printing)
            draw_row(painter, QRect(layout.margin, y, std::max(layout.row_width, layout.columns[6]), lh),
                     row, layout.columns, colors);
        y += lh;
    }
    if (painter.isActive()) painter.end();
    return printed;
}

}  // namespace brisk
