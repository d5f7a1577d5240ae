#include "ui/widgets/ProgressRowDelegate.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace marulo {

namespace {

// How much of the highlight goes into the lighter tone: enough to read as the
// same colour at 12 pixels, little enough for the ordinary text to stay clear.
constexpr double LightShare = 0.35;

int ShareWidth(const QRect& row, double percent)
{
    return static_cast<int>(std::lround(row.width() * std::clamp(percent, 0.0, 100.0) / 100.0));
}

} // namespace

ProgressRowDelegate::ProgressRowDelegate(ShareOf shareOf, QObject* parent)
    : FileRowDelegate(parent),
      shareOf_(std::move(shareOf))
{
}

QColor ProgressRowDelegate::lightTone(const QPalette& palette)
{
    const QColor high = palette.color(QPalette::Highlight);
    const QColor base = palette.color(QPalette::Base);
    const auto mix = [](int h, int b) { return static_cast<int>(std::lround(h * LightShare + b * (1 - LightShare))); };
    return {mix(high.red(), base.red()), mix(high.green(), base.green()), mix(high.blue(), base.blue())};
}

void ProgressRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const std::optional<double> share = shareOf_ ? shareOf_(index) : std::nullopt;
    if (!share) {
        FileRowDelegate::paint(painter, option, index);
        return;
    }
    const QRect row = option.rect;
    const int reached = ShareWidth(row, *share);
    const QRect done(row.left(), row.top(), reached, row.height());
    const QRect rest(row.left() + reached, row.top(), row.width() - reached, row.height());

    // The palette's colour group follows the row's state, as the style's does.
    QPalette palette = option.palette;
    palette.setCurrentColorGroup(!(option.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                 : !(option.state & QStyle::State_Active) ? QPalette::Inactive
                                                                          : QPalette::Active);
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_Selected;

    if (option.state & QStyle::State_Selected) {
        // The part reached is the selected row as ever, clipped; the rest is
        // the lighter tone with the text in its ordinary colour.
        painter->save();
        painter->setClipRect(done, Qt::IntersectClip);
        FileRowDelegate::paint(painter, option, index);
        painter->restore();
        painter->save();
        painter->setClipRect(rest, Qt::IntersectClip);
        painter->fillRect(rest, lightTone(palette));
        FileRowDelegate::paint(painter, plain, index);
        painter->restore();
    } else {
        painter->fillRect(done, lightTone(palette));
        FileRowDelegate::paint(painter, plain, index);
    }
}

} // namespace marulo
