#include "ui/fonts.h"

#include <QApplication>

namespace kelvaro {

namespace {

const QString fallbackFamily = QStringLiteral("DejaVu Sans");

QFont fontOf(const QString &family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace

void installFontSubstitutes() {
    for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("Tahoma")}) {
        if (!QFont::substitutes(family).contains(fallbackFamily))
            QFont::insertSubstitution(family, fallbackFamily);
    }
}

QFont verdana(qreal points, bool bold) { return fontOf(QStringLiteral("Verdana"), points, bold); }

QFont tahoma(qreal points, bool bold) { return fontOf(QStringLiteral("Tahoma"), points, bold); }

QFont userInterfaceFont(qreal points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace kelvaro
