#include "ui/qt_user_dialogs.h"

#include "core/screen_texts.h"

#include "ui/answer_on_release.h"
#include "ui/text_prompt_dialog.h"
#include "ui/window_title.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMessageBox>

namespace kelvaro {

namespace {

// The name Qt gives a message box's icon label (its style sheets and tests find it by it).
const QString iconLabelName = QStringLiteral("qt_msgboxex_icon_label");

const QString applicationTitle = QString::fromUtf8(screen_text::applicationTitle);

QString qt(const std::string &text) { return QString::fromStdString(text); }

QString captionOf(const std::optional<std::string> &title) {
    return title ? qt(*title) : applicationTitle;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The icon's kind in words, as a screen reader says it with the message.
QString iconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Information:
        return QStringLiteral("Information");
    case QMessageBox::Warning:
        return QStringLiteral("Exclamation");
    case QMessageBox::Question:
        return QStringLiteral("Question");
    case QMessageBox::Critical:
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

int runBox(QMessageBox::Icon icon, const QString &caption, const std::string &text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
           QWidget *parent) {
    QMessageBox box(icon, literalWindowTitle(caption), QString(), buttons, parent);
    // Set before the text, so that the text is never taken for rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(qt(text));
    box.setDefaultButton(defaultButton);
    if (auto *picture = box.findChild<QLabel *>(iconLabelName))
        picture->setAccessibleName(iconName(icon));
    const AnswerOnRelease keys(box);
    return box.exec();
}

} // namespace

void QtUserDialogs::setParentWindow(QWidget *window) { parent_ = window; }

QWidget *QtUserDialogs::shownParent() const {
    // A hidden parent would place the dialog over where the window is going to be, not
    // in the middle of the screen.
    return parent_ && parent_->isVisible() ? parent_.data() : nullptr;
}

void QtUserDialogs::showMessage(const std::string &text, const std::optional<std::string> &title,
                                MessageIcon icon) {
    runBox(boxIcon(icon), captionOf(title), text, QMessageBox::Ok, QMessageBox::Ok, shownParent());
}

bool QtUserDialogs::askYesNo(const std::string &text, const std::string &title) {
    return runBox(QMessageBox::Question, qt(title), text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::Yes, shownParent()) == QMessageBox::Yes;
}

std::string QtUserDialogs::promptText(const std::string &prompt,
                                      const std::optional<std::string> &title) {
    TextPromptDialog dialog(captionOf(title), qt(prompt), shownParent());
    const AnswerOnRelease keys(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.answer().toStdString();
}

QAccessibleInterface *messageIconAccessibility(const QString &className, QObject *object) {
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || className != QLatin1String("QLabel") || label->objectName() != iconLabelName)
        return nullptr;
    return new QAccessibleWidget(label, QAccessible::StaticText);
}

} // namespace kelvaro
