// Tells a screen reader, once, what an action changed in the window's boxes, without moving
// the focus.
#pragma once

#include <QAccessibleInterface>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kelvaro {

// An unseen notification: record() notes each box's new value while an action runs (a box
// whose value stays as it was is left out); announce() then shows the notification with
// "name value" of each changed box, in the order they first changed, and forgets them.
class ChangeAnnouncer final : public QWidget {
  public:
    explicit ChangeAnnouncer(QWidget *parent);

    void record(const QString &boxName, const QString &oldValue, const QString &newValue);
    void announce();
    // Drops what was recorded, unannounced: the values a game starts with.
    void forget();
    // What the notification says now; empty before the first announcement.
    QString announcement() const;

  private:
    QStringList order_;
    QStringList values_;
    QStringList oldValues_;
};

// A factory for QAccessible::installFactory: the notification role for a ChangeAnnouncer.
QAccessibleInterface *announcerAccessibility(const QString &className, QObject *object);

} // namespace kelvaro
