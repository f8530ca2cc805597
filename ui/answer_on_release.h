// Makes a dialog take Enter, Return and Escape when the key comes up, not when it goes down.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kelvaro {

// While it lives, the dialog's answering keys act on their release, as Space does on a
// button. A screen reader hears the key's release before the dialog closes: were the dialog
// closed on the press, the release could reach the reader only once the next dialog had
// opened, and Orca would take that dialog for one already read and say only its button.
class AnswerOnRelease final : public QObject {
  public:
    explicit AnswerOnRelease(QWidget &dialog);
    ~AnswerOnRelease() override;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget &dialog_;
    QPointer<QObject> heldBy_; // the widget that got the press held back
    int heldKey_ = 0;
    bool replaying_ = false;
};

} // namespace kelvaro
