#include "listing_pane.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>

#include "icon_table.h"
#include "listing_rows.h"
#include "platform/ui/display_text.h"
#include "texts.h"

namespace brisk {

RowDelegate::RowDelegate(const ColumnPositions& columns, int line_height, const QPixmap& icons,
                         QObject* parent)
    : QStyledItemDelegate(parent), columns_(columns), line_height_(line_height), icons_(icons) {}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const RowColors colors = selected ? selected_colors(option.palette) : normal_colors(option.palette);
    painter->setFont(option.font);
    draw_row(*painter, option.rect, index.data(Qt::DisplayRole).toString(), columns_, colors);
    const QByteArray bytes = index.data(kRowBytesRole).toByteArray();
    const std::optional<int> icon =
        icon_index(member_name(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    if (icon) {
        const int y = option.rect.top() + (option.rect.height() - kIconHeight) / 2;
        painter->drawPixmap(QPoint(option.rect.left(), y), icons_,
                            QRect(*icon * kIconWidth, 0, kIconWidth, kIconHeight));
    }
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {columns_[6], line_height_};
}

ListingPane::ListingPane(QWidget* parent)
    : QWidget(parent),
      measure_(measure_font(QApplication::font(), this)),
      columns_(column_positions(measure_.average_char_width)),
      icons_(load_icon_strip()),
      list_(new QListWidget(this)) {
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    list_->setObjectName(QStringLiteral("list%1").arg(kListBoxId));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setItemDelegate(new RowDelegate(columns_, measure_.line_height, icons_, list_));
    setFocusProxy(list_);
}

void ListingPane::set_rows(const std::vector<std::string>& rows) {
    list_->clear();
    for (const std::string& row : rows) {
        auto* item = new QListWidgetItem(platform::ui::display_text(row));
        item->setData(kRowBytesRole, QByteArray(row.data(), static_cast<qsizetype>(row.size())));
        list_->addItem(item);
    }
}

std::string ListingPane::selected_row() const {
    const QList<QListWidgetItem*> items = list_->selectedItems();
    if (items.isEmpty()) return {};
    return items.front()->data(kRowBytesRole).toByteArray().toStdString();
}

void ListingPane::remove_selected_row() {
    const QList<QListWidgetItem*> items = list_->selectedItems();
    if (!items.isEmpty()) delete list_->takeItem(list_->row(items.front()));
}

QSize ListingPane::size_for_rows() const {
    const int border = list_->frameWidth();
    return {columns_[6] + 2 * border,
            measure_.line_height * (1 + list_->count()) + 2 * border};
}

void ListingPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(QApplication::font());
    // Offset by the list's border, so that the headings stand over their columns.
    const QRect band(list_->frameWidth(), 0, width() - list_->frameWidth(), measure_.line_height);
    draw_row(painter, band, text(kStrHeading), columns_, heading_colors(palette()));
}

void ListingPane::resizeEvent(QResizeEvent*) {
    list_->setGeometry(0, measure_.line_height, width(), height() - measure_.line_height);
}

}  // namespace brisk
