#pragma once

#include <QStyledItemDelegate>

#include <functional>
#include <optional>

namespace marulo {

// Draws a running conversion's share in the row of the file being converted,
// under the row's text. A selected row's highlight fills from the left across
// the share and a lighter tone of it covers the rest; a row that is not
// selected gets the lighter tone across the share only. Rows without a share
// are left entirely to the base delegate, as is the text of every row.
class ProgressRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The share of the file in a row, or nothing when it is not running.
    using ShareOf = std::function<std::optional<double>(const QModelIndex&)>;

    ProgressRowDelegate(ShareOf shareOf, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The lighter tone: the highlight mixed into the list's base colour.
    static QColor lightTone(const QPalette& palette);

private:
    ShareOf shareOf_;
};

} // namespace marulo
