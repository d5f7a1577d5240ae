#include "ui/log/BesidePlacement.h"

#include <algorithm>

namespace marulo {

namespace {

constexpr int Gap = 8;

int KeptWithin(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

QPoint BesidePosition(const QRect& anchor, const QSize& frameSize, const QRect& screen)
{
    const QRect right(QPoint(anchor.right() + 1 + Gap, anchor.top()), frameSize);
    const QRect left(QPoint(anchor.left() - Gap - frameSize.width(), anchor.top()), frameSize);
    const int roomRight = screen.right() - anchor.right();
    const int roomLeft = anchor.left() - screen.left();
    const bool toTheRight = screen.contains(right) || (!screen.contains(left) && roomRight >= roomLeft);
    const QRect place = toTheRight ? right : left;
    return {KeptWithin(place.left(), place.width(), screen.left(), screen.width()),
            KeptWithin(place.top(), place.height(), screen.top(), screen.height())};
}

} // namespace marulo
