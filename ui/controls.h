#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelvaro {

// The three kinds of control the window is made of, each at a fixed rectangle of its parent
// and named after the control. Every text shows exactly as given: no rich text, no access key.

// Text only, at the top of its rectangle, with no background of its own.
QLabel *makeLabel(QWidget &parent, const QString &name, QRect rect, const QString &caption,
                  const QFont &font, QColor colour, Qt::Alignment horizontalAlignment);

// A single-line box, left-aligned, in its own text and background colours whatever the
// desktop's colour theme.
QLineEdit *makeTextBox(QWidget &parent, const QString &name, QRect rect, const QString &text,
                       const QFont &font, QColor textColour, QColor background, bool readOnly);

// The width a box has for its text: inside the frame and the margins, without scrolling.
int textWidthOf(const QLineEdit &box);

// Never a default button, so Enter in a box presses nothing.
QPushButton *makeButton(QWidget &parent, const QString &name, QRect rect, const QString &caption,
                        const QFont &font);

} // namespace kelvaro
