#include "window_support/modal_answerer.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

namespace kelvaro::testing {

namespace {

constexpr int pollMilliseconds = 10;
constexpr int ticksBeforeForcing = 100;

} // namespace

ModalAnswerer::ModalAnswerer(std::initializer_list<Answer> answers) : answers_(answers) {
    poller_.setInterval(pollMilliseconds);
    QObject::connect(&poller_, &QTimer::timeout, [this] { poll(); });
    poller_.start();
}

ModalAnswerer::~ModalAnswerer() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " dialog(s) expected but never opened";
}

void ModalAnswerer::poll() {
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    if (dialog == current_) {
        if (++ticksOpen_ < ticksBeforeForcing)
            return;
        ADD_FAILURE() << "the answer did not close the dialog "
                      << dialog->windowTitle().toStdString();
        if (auto *stuck = qobject_cast<QDialog *>(dialog))
            stuck->done(QDialog::Rejected);
        else
            dialog->close();
        return;
    }
    current_ = dialog;
    ticksOpen_ = 0;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected dialog " << dialog->windowTitle().toStdString();
        ticksOpen_ = ticksBeforeForcing;
        return;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    ++answered_;
    answer(*dialog);
}

} // namespace kelvaro::testing
