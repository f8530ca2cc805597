#pragma once

#include <QPoint>
#include <QRect>

namespace kelvaro {

// The window's layout is measured in twips; at 96 dots per inch 15 twips make one pixel.
// Every layout value divides by 15, so the conversion is exact.
constexpr int pixelsFromTwips(int twips) { return twips / 15; }

constexpr QPoint pointFromTwips(int x, int y) {
    return QPoint(pixelsFromTwips(x), pixelsFromTwips(y));
}

constexpr QRect rectFromTwips(int left, int top, int width, int height) {
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

} // namespace kelvaro
