// What a screen reader reads of the game's one-line boxes: their whole text as one run of
// attributes, so that a reader that builds the spoken line from the runs speaks every character.
#pragma once

#include <QAccessibleInterface>

class QObject;
class QString;

namespace kelvaro {

// A factory for QAccessible::installFactory: an interface for every QLineEdit, nullptr for
// anything else. Qt's own interface reports each run as empty, which makes Orca drop the
// value's last character.
QAccessibleInterface *boxAccessibility(const QString &className, QObject *object);

} // namespace kelvaro
