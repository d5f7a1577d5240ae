#pragma once

#include <QStyledItemDelegate>

namespace marulo {

// Rows of one fixed height in pixels, whatever the font would ask for: the
// drop-down lists of the value fields keep their 15-pixel rows although
// their bold 15-pixel font would make the style's rows taller.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
    }

private:
    int rowHeight_;
};

} // namespace marulo
