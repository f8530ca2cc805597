// Holds back a dialog's answering key press until its release, then lets the press through.
#include "ui/answer_on_release.h"

#include <QApplication>
#include <QKeyEvent>

namespace kelvaro {

namespace {

bool answers(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

AnswerOnRelease::AnswerOnRelease(QWidget &dialog) : dialog_(dialog) {
    // Keys go to the focused child, which only the application sees first.
    qApp->installEventFilter(this);
}

AnswerOnRelease::~AnswerOnRelease() { qApp->removeEventFilter(this); }

bool AnswerOnRelease::eventFilter(QObject *watched, QEvent *event) {
    if (replaying_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &dialog_)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!answers(key->key()))
        return false;
    if (event->type() == QEvent::KeyPress) {
        if (!key->isAutoRepeat()) {
            heldBy_ = watched;
            heldKey_ = key->key();
        }
        return true;
    }
    if (key->isAutoRepeat() || key->key() != heldKey_ || !heldBy_)
        return false;
    QKeyEvent press(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QObject *receiver = heldBy_;
    heldBy_ = nullptr;
    heldKey_ = 0;
    replaying_ = true;
    QCoreApplication::sendEvent(receiver, &press);
    replaying_ = false;
    return false;
}

} // namespace kelvaro
