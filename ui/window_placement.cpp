#include "ui/window_placement.h"

namespace kelvaro {

namespace {

int openingStart(int frameLength, int areaStart, int areaLength) {
    if (frameLength > areaLength)
        return areaStart;
    return areaStart + (areaLength - frameLength) / 2;
}

} // namespace

QPoint openingTopLeft(QSize frame, QRect available) {
    return QPoint(openingStart(frame.width(), available.left(), available.width()),
                  openingStart(frame.height(), available.top(), available.height()));
}

} // namespace kelvaro
