#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace kelvaro {

// A straight rule drawn over what lies behind it, between two points of its parent.
// It has no background, takes no focus and lets every mouse event through.
class RuleLine final : public QWidget {
  public:
    RuleLine(QPoint from, QPoint to, QColor colour, int width, QWidget *parent);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor colour() const { return colour_; }
    int lineWidth() const { return width_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QPoint from_;
    QPoint to_;
    QColor colour_;
    int width_;
};

} // namespace kelvaro
