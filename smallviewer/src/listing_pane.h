#pragma once
// The window's client area: the heading row at the top and the owner-drawn
// list of members below it.
#include <QListWidget>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "row_painter.h"

namespace brisk {

// Item data role holding a row's listing bytes (QByteArray).
constexpr int kRowBytesRole = Qt::UserRole + 1;

class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(const ColumnPositions& columns, int line_height, const QPixmap& icons,
                QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const ColumnPositions& columns_;
    int line_height_;
    const QPixmap& icons_;
};

class ListingPane : public QWidget {
public:
    explicit ListingPane(QWidget* parent);

    QListWidget* list() const { return list_; }
    int line_height() const { return measure_.line_height; }
    const ColumnPositions& columns() const { return columns_; }

    void set_rows(const std::vector<std::string>& rows);
    // The listing bytes of the selected row; empty when none is selected.
    std::string selected_row() const;
    void remove_selected_row();

    // The client size that shows the heading and every row.
    QSize size_for_rows() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FontMeasure measure_;
    ColumnPositions columns_;
    QPixmap icons_;
    QListWidget* list_;
};

}  // namespace brisk
