#include "app/qt/wide_list_combo_box.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

namespace chengxi::qt {

int WideListComboBox::popupWidthForEntries() const
{
    const QAbstractItemView* list = view();
    // The entries are drawn in the box's font. A menu-style delegate sizes an
    // entry from the contents size it is given, so it is given the text's.
    const QFontMetrics metrics = fontMetrics();
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = font();
    option.fontMetrics = metrics;
    option.decorationSize = iconSize();
    int widest = 0;
    for (int row = 0; row < count(); ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootModelIndex());
        option.rect = QRect(0, 0, metrics.horizontalAdvance(itemText(row)), metrics.height());
        widest = std::max(widest, list->itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    int width = widest + 2 * list->frameWidth();
    if (count() > maxVisibleItems() && list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        width += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());
    }
    return width;
}

void WideListComboBox::showPopup()
{
    // QComboBox opens the list at least as wide as the box.
    view()->setMinimumWidth(popupWidthForEntries());
    QComboBox::showPopup();
}

}  // namespace chengxi::qt
