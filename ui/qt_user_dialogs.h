#pragma once

#include "core/user_dialogs.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace kelvaro {

// The player's dialogs as Qt message boxes and a one-line prompt, all modal. Every text is
// shown as composed: plain text, never rich text or an access key. A dialog opens over the
// parent window while that window is shown, and in the middle of the screen before it is.
class QtUserDialogs final : public UserDialogs {
  public:
    void setParentWindow(QWidget *window);

    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override;
    bool askYesNo(const std::string &text, const std::string &title) override;
    std::string promptText(const std::string &prompt,
                           const std::optional<std::string> &title) override;

  private:
    QWidget *shownParent() const;

    QPointer<QWidget> parent_;
};

// A factory for QAccessible::installFactory: a message box's icon as a label that a screen
// reader reads with the message, by the icon's kind ("Information", "Exclamation",
// "Question"). Qt makes it a picture, which screen readers pass over.
QAccessibleInterface *messageIconAccessibility(const QString &className, QObject *object);

} // namespace kelvaro
