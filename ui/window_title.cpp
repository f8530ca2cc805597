#include "ui/window_title.h"

namespace kelvaro {

QString literalWindowTitle(const QString &title) {
    return QString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace kelvaro
