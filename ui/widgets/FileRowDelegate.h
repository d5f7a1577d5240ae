#pragma once

#include <QStyledItemDelegate>

namespace marulo {

// The file list's rows: 12 pixels high, as designed, with the 12-pixel window
// font. That font needs all 12 pixels (ten above the baseline, two below), so
// the text is placed by hand with its baseline on the row's pixel 10 and no
// margin above or below; the style would centre a taller text box and cut the
// underscores and descenders off.
class FileRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The row's own pixel, counted from 0 at its top, that the baseline sits on.
    static constexpr int Baseline = 10;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Everything of the row below its text: panel, selection and focus frame.
    // A delegate that draws more behind the text overrides this and calls it.
    virtual void paintBackground(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

} // namespace marulo
