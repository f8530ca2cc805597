#include "ui/picture_area.h"

#include <QPainter>

namespace kelvaro {

namespace {

// The client area the window opens with: 789 by 375 pixels.
constexpr QSize openingClientSize(789, 375);

} // namespace

PictureArea::PictureArea(QWidget *parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

QSize PictureArea::sizeHint() const { return openingClientSize; }

const QPixmap &PictureArea::pictureFor(qreal devicePixelRatio) {
    if (picture_.isNull() || pictureRatio_ != devicePixelRatio) {
        pictureRatio_ = devicePixelRatio;
        picture_ = QPixmap();
        // On a high-density screen the double-size picture keeps the photograph sharp at the
        // same logical size.
        if (devicePixelRatio > 1.0 && picture_.load(QStringLiteral(":/kelvaro/background@2x.png")))
            picture_.setDevicePixelRatio(2.0);
        else
            picture_.load(QStringLiteral(":/kelvaro/background.png"));
    }
    return picture_;
}

void PictureArea::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictureFor(devicePixelRatioF()));
}

} // namespace kelvaro
