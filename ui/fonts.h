#pragma once

#include <QFont>
#include <QStringList>

namespace kelvaro {

// Makes Verdana fall back to DejaVu Sans, its wide humanist look-alike, where it is not
// installed. Call before the first control is made; calling it again changes nothing.
void installFontSubstitutes();

QFont verdana(qreal points, bool bold);
// Tahoma where it is installed; elsewhere DejaVu Sans Condensed at the same size, because
// DejaVu Sans is too wide for the boxes set in Tahoma.
QFont tahoma(qreal points, bool bold);
// The desktop's own user-interface family at the given size, regular weight.
QFont userInterfaceFont(qreal points);

// The font made one pixel smaller at a time until every text fits in the width; unchanged
// when they already fit. Never below 6 pixels.
QFont shrunkToFit(const QFont &font, const QStringList &texts, int width);

} // namespace kelvaro
