#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvaro {

// Where a window frame of this size opens on a screen's available area: centred on each axis
// where it fits, else at the area's left or top edge, so that its top-left corner, with the
// title bar and the menu bar, is always on the screen.
QPoint openingTopLeft(QSize frame, QRect available);

} // namespace kelvaro
