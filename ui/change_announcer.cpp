// The window's notification of what an action changed, and its accessible role.
#include "ui/change_announcer.h"

#include <QAccessibleWidget>

namespace kelvaro {

ChangeAnnouncer::ChangeAnnouncer(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("changes"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ChangeAnnouncer::record(const QString &boxName, const QString &oldValue,
                             const QString &newValue) {
    const qsizetype at = order_.indexOf(boxName);
    if (at >= 0) {
        values_[at] = newValue;
        return;
    }
    order_ << boxName;
    values_ << newValue;
    oldValues_ << oldValue;
}

void ChangeAnnouncer::announce() {
    QStringList parts;
    for (qsizetype i = 0; i < order_.size(); ++i)
        if (values_[i] != oldValues_[i])
            parts << order_[i] + u' ' + values_[i];
    forget();
    if (parts.isEmpty())
        return;
    // A screen reader speaks a notification when it is shown; hidden first, so that the same
    // words after another action are spoken again.
    hide();
    setAccessibleName(parts.join(QStringLiteral(", ")));
    show();
}

void ChangeAnnouncer::forget() {
    order_.clear();
    values_.clear();
    oldValues_.clear();
}

QString ChangeAnnouncer::announcement() const { return accessibleName(); }

QAccessibleInterface *announcerAccessibility(const QString &className, QObject *object) {
    if (auto *announcer = dynamic_cast<ChangeAnnouncer *>(object);
        announcer && className == QLatin1String("QWidget"))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace kelvaro
