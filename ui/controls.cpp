#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kelvaro {

namespace {

void place(QWidget &control, const QString &name, QRect rect, const QFont &font) {
    control.setObjectName(name);
    control.setGeometry(rect);
    control.setFont(font);
}

// Set for every colour group, so that neither an inactive window nor a dark desktop theme
// changes the colours.
void setColourEverywhere(QPalette &palette, QPalette::ColorRole role, QColor colour) {
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}

} // namespace

QLabel *makeLabel(QWidget &parent, const QString &name, QRect rect, const QString &caption,
                  const QFont &font, QColor colour, Qt::Alignment horizontalAlignment) {
    auto *label = new QLabel(&parent);
    place(*label, name, rect, font);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment(horizontalAlignment | Qt::AlignTop);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    setColourEverywhere(palette, QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLineEdit *makeTextBox(QWidget &parent, const QString &name, QRect rect, const QString &text,
                       const QFont &font, QColor textColour, QColor background, bool readOnly) {
    auto *box = new QLineEdit(&parent);
    place(*box, name, rect, font);
    box->setText(text);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setReadOnly(readOnly);
    QPalette palette = box->palette();
    setColourEverywhere(palette, QPalette::Text, textColour);
    setColourEverywhere(palette, QPalette::Base, background);
    box->setPalette(palette);
    return box;
}

int textWidthOf(const QLineEdit &box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = box.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                               .marginsRemoved(box.textMargins());
    // QLineEdit keeps two pixels on either side of its text, and scrolls a wider text.
    constexpr int lineEditMargin = 2;
    return contents.width() - 2 * lineEditMargin;
}

QPushButton *makeButton(QWidget &parent, const QString &name, QRect rect, const QString &caption,
                        const QFont &font) {
    // A lone "&" would mark an access key; doubled, it shows as itself.
    auto *button = new QPushButton(QString(caption).replace(u'&', QStringLiteral("&&")), &parent);
    place(*button, name, rect, font);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace kelvaro
