#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace kelvaro::testing {

// Answers the modal dialogs that open while it lives, one answer each, in order. An answer
// looks at the dialog and closes it. A dialog still open a second after its answer (or one
// with no answer left) fails the test and is closed by force, so a test never hangs.
class ModalAnswerer {
  public:
    using Answer = std::function<void(QWidget &dialog)>;

    explicit ModalAnswerer(std::initializer_list<Answer> answers);
    ~ModalAnswerer();

    int answered() const { return answered_; }

  private:
    void poll();

    std::deque<Answer> answers_;
    QTimer poller_;
    QPointer<QWidget> current_;
    int ticksOpen_ = 0;
    int answered_ = 0;
};

} // namespace kelvaro::testing
