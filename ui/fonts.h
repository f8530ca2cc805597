#pragma once

#include <QFont>

namespace kelvaro {

// Makes Verdana and Tahoma fall back to DejaVu Sans where they are not installed.
// Call before the first control is made; calling it again changes nothing.
void installFontSubstitutes();

QFont verdana(qreal points, bool bold);
QFont tahoma(qreal points, bool bold);
// The desktop's own user-interface family at the given size, regular weight.
QFont userInterfaceFont(qreal points);

} // namespace kelvaro
