#include "ui/rule_line.h"

#include <QPainter>
#include <QPen>

namespace kelvaro {

RuleLine::RuleLine(QPoint from, QPoint to, QColor colour, int width, QWidget *parent)
    : QWidget(parent), from_(from), to_(to), colour_(colour), width_(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Room for the pen on both sides of the line.
    setGeometry(QRect(from, to).normalized().adjusted(-width, -width, width, width));
}

void RuleLine::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QPen pen(colour_, width_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPoint origin = pos();
    painter.drawLine(from_ - origin, to_ - origin);
}

} // namespace kelvaro
