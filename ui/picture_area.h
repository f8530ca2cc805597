#pragma once

#include <QPixmap>
#include <QWidget>

namespace kelvaro {

// The window's client area: the background picture at its natural size with its top-left
// corner on the area's top-left corner, never scaled or tiled, under all the controls.
// Where the area is larger than the picture, the window's own colour shows.
class PictureArea final : public QWidget {
  public:
    explicit PictureArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    const QPixmap &pictureFor(qreal devicePixelRatio);

    QPixmap picture_;
    qreal pictureRatio_ = 0;
};

} // namespace kelvaro
