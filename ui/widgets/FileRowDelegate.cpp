#include "ui/widgets/FileRowDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace marulo {

namespace {

QPalette::ColorGroup ColorGroupOf(const QStyleOptionViewItem& option)
{
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

} // namespace

void FileRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row(option);
    initStyleOption(&row, index);
    const QWidget* widget = row.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // Where the style would put the text across the row, and its side margin.
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &row, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QString text = row.text;

    row.text.clear();
    paintBackground(painter, row, index);

    QFont font = row.font;
    // Hinting decides on which pixel rows the glyphs land; the fit was measured
    // with the default, so it is pinned against a desktop that prefers another.
    font.setHintingPreference(QFont::PreferDefaultHinting);
    const int width = textRect.width() - 2 * margin;
    const QString shown = QFontMetrics(font).elidedText(text, row.textElideMode, width);
    const bool selected = row.state & QStyle::State_Selected;

    painter->save();
    painter->setFont(font);
    painter->setPen(row.palette.color(ColorGroupOf(row), selected ? QPalette::HighlightedText : QPalette::Text));
    // Within the row, and within any part of it a caller has clipped to.
    painter->setClipRect(row.rect, Qt::IntersectClip);
    painter->drawText(QPoint(textRect.left() + margin, row.rect.top() + Baseline), shown);
    painter->restore();
}

void FileRowDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& /*index*/) const
{
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &option, painter, widget);
}

} // namespace marulo
