#include "ui/text_prompt_dialog.h"

#include "ui/window_title.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvaro {

TextPromptDialog::TextPromptDialog(const QString &caption, const QString &prompt, QWidget *parent)
    : QDialog(parent), prompt_(new QLabel(this)), field_(new QLineEdit(this)) {
    setWindowTitle(literalWindowTitle(caption));

    // No buddy for the label: with one, an "&" in the prompt would become an access key.
    prompt_->setObjectName(QStringLiteral("prompt"));
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setText(prompt);
    field_->setObjectName(QStringLiteral("answer"));
    // A screen reader names the field by the question it answers.
    field_->setAccessibleName(prompt);
    field_->setMinimumWidth(280);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    field_->setFocus();
}

QString TextPromptDialog::answer() const { return field_->text(); }

} // namespace kelvaro
