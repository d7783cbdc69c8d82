#pragma once
// Drawing of listing rows, on screen and on paper: six fields clipped in
// their columns, the name left-aligned, the others right-aligned.
#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QString>
#include <array>

namespace brisk {

// Seven x positions from the column table and a font's average character width.
using ColumnPositions = std::array<int, 7>;
ColumnPositions column_positions(int average_char_width);

// Win32 MulDiv: a * b / c, rounded to nearest; -1 when c is 0.
int mul_div(int a, int b, int c);

struct FontMeasure {
    int line_height;         // font height plus internal leading
    int average_char_width;  // the average, or a digit's width when wider
};
FontMeasure measure_font(const QFont& font, QPaintDevice* device);

struct RowColors {
    QColor background;
    QColor text;
};
// Selected rows: active caption (Highlight) and caption text; normal rows:
// window and window text; the heading: button face and window text.
RowColors selected_colors(const QPalette& palette);
RowColors normal_colors(const QPalette& palette);
RowColors heading_colors(const QPalette& palette);

// Draws `row` (TAB-separated) into `rect` (one row high); the columns are
// offset by rect.left(). A field too wide for its column is cut with an
// ellipsis.
void draw_row(QPainter& painter, const QRect& rect, const QString& row,
              const ColumnPositions& columns, const RowColors& colors);

}  // namespace brisk
