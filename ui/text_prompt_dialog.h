#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kelvaro {

// A caption, a prompt shown as plain text above a one-line field that starts empty, and the
// buttons OK (the default) and Cancel.
class TextPromptDialog final : public QDialog {
  public:
    TextPromptDialog(const QString &caption, const QString &prompt, QWidget *parent);

    // What the field holds: the answer once the player pressed OK.
    QString answer() const;

  private:
    QLabel *prompt_;
    QLineEdit *field_;
};

} // namespace kelvaro
