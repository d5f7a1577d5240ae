#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace marulo {

// Where a window of frameSize goes beside the window whose frame is anchor:
// level with its top, to its right, or to its left where only that side
// has room; with room on neither side, the roomier side, kept on the screen.
QPoint BesidePosition(const QRect& anchor, const QSize& frameSize, const QRect& screen);

} // namespace marulo
