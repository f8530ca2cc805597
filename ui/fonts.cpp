#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace kelvaro {

namespace {

const QString dejaVuSans = QStringLiteral("DejaVu Sans");

QFont fontOf(const QString &family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

bool fitsAll(const QFont &font, const QStringList &texts, int width) {
    const QFontMetrics metrics(font);
    return std::all_of(texts.begin(), texts.end(), [&](const QString &text) {
        return metrics.horizontalAdvance(text) <= width;
    });
}

} // namespace

void installFontSubstitutes() {
    const QString verdanaFamily = QStringLiteral("Verdana");
    if (!QFont::substitutes(verdanaFamily).contains(dejaVuSans))
        QFont::insertSubstitution(verdanaFamily, dejaVuSans);
}

QFont verdana(qreal points, bool bold) { return fontOf(QStringLiteral("Verdana"), points, bold); }

QFont tahoma(qreal points, bool bold) {
    const QString tahomaFamily = QStringLiteral("Tahoma");
    // Only a font really installed under that name counts, not fontconfig's stand-in.
    if (QFontDatabase::hasFamily(tahomaFamily))
        return fontOf(tahomaFamily, points, bold);
    // The condensed faces are filed under DejaVu Sans: asked for by their own family name,
    // Qt would stretch them back to normal width.
    QFont font = fontOf(dejaVuSans, points, bold);
    font.setStretch(QFont::Condensed);
    return font;
}

QFont userInterfaceFont(qreal points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont shrunkToFit(const QFont &font, const QStringList &texts, int width) {
    constexpr int smallest = 6;
    QFont fitted = font;
    for (int pixels = QFontInfo(font).pixelSize(); pixels > smallest; --pixels) {
        if (fitsAll(fitted, texts, width))
            break;
        fitted.setPixelSize(pixels - 1);
    }
    return fitted;
}

} // namespace kelvaro
