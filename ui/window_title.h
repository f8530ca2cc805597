#pragma once

#include <QString>

namespace kelvaro {

// A window title that shows as given. Qt reads "[*]" in a title as the place of the
// unsaved-changes mark and drops it; doubled, it shows as itself.
QString literalWindowTitle(const QString &title);

} // namespace kelvaro
