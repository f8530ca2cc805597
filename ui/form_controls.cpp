#include "ui/form_controls.h"

#include "core/window_layout.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/rule_line.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace kelvaro {

namespace {

QString qt(const std::string &text) { return QString::fromStdString(text); }

QColor qtColour(const Colour &colour) { return QColor(colour.red, colour.green, colour.blue); }

QFont fontOf(const LayoutFont &font) {
    switch (font.face) {
    case FontFace::Verdana:
        return verdana(font.points, font.bold);
    case FontFace::Tahoma:
        return tahoma(font.points, font.bold);
    case FontFace::UserInterface:
        break;
    }
    return userInterfaceFont(font.points);
}

Qt::Alignment alignmentOf(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Left:
        break;
    case TextAlignment::Centre:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QRect rectOf(const TwipsRect &rect) {
    return rectFromTwips(rect.left, rect.top, rect.width, rect.height);
}

// Where the window's code keeps each control, by the control's role; the labels and headings
// are never changed once made, so the window keeps none of them.
void keep(Form1Controls &form, const LayoutControl &control, QWidget *widget) {
    const auto kind = static_cast<FishKind>(control.index);
    switch (control.role) {
    case ControlRole::Decoration:
        break;
    case ControlRole::CompanyName:
        form.lblNaam = static_cast<QLabel *>(widget);
        break;
    case ControlRole::Money:
        form.txtGeld = static_cast<QLineEdit *>(widget);
        break;
    case ControlRole::Workers:
        form.txtWerkers = static_cast<QLineEdit *>(widget);
        break;
    case ControlRole::Date:
        form.txtJaar = static_cast<QLineEdit *>(widget);
        break;
    case ControlRole::Stock:
        form.txtVissen[kind] = static_cast<QLineEdit *>(widget);
        break;
    case ControlRole::Price:
        form.txtMarktprijs[kind] = static_cast<QLineEdit *>(widget);
        break;
    case ControlRole::Buy:
        form.cmdKopen[kind] = static_cast<QPushButton *>(widget);
        break;
    case ControlRole::Sell:
        form.cmdVerkopen[kind] = static_cast<QPushButton *>(widget);
        break;
    case ControlRole::Wait:
        form.cmdWachten = static_cast<QPushButton *>(widget);
        break;
    }
}

QWidget *makeControl(QWidget &area, const LayoutControl &control) {
    const QString name = qt(control.qualifiedName());
    const QRect rect = rectOf(control.rect);
    const QFont font = fontOf(control.font);
    const QString caption = qt(control.caption);
    switch (control.type) {
    case ControlType::Label:
        return makeLabel(area, name, rect, caption, font, qtColour(*control.textColour),
                         alignmentOf(control.alignment));
    case ControlType::TextBox:
    case ControlType::ReadOnlyTextBox:
        return makeTextBox(area, name, rect, caption, font, qtColour(*control.textColour),
                           qtColour(*control.backgroundColour),
                           control.type == ControlType::ReadOnlyTextBox);
    case ControlType::Button:
        break;
    }
    return makeButton(area, name, rect, caption, font);
}

void buildLines(QWidget &area, Form1Controls &form) {
    RuleLine **lineFields[] = {&form.Line1, &form.Line2, &form.Line3};
    std::size_t next = 0;
    for (const LayoutLine &line : windowLines()) {
        auto *rule =
            new RuleLine(pointFromTwips(line.fromX, line.fromY), pointFromTwips(line.toX, line.toY),
                         qtColour(line.colour), line.pixelWidth, &area);
        rule->setObjectName(qt(line.name));
        if (next < std::size(lineFields))
            *lineFields[next++] = rule;
    }
}

void setFocusOrder(QWidget &area) {
    QWidget *previous = nullptr;
    for (const ControlRef &ref : tabOrder()) {
        auto *control =
            area.findChild<QWidget *>(qt(qualifiedName(ref)), Qt::FindDirectChildrenOnly);
        if (previous && control)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace

Form1Controls buildForm1Controls(QWidget &area) {
    installFontSubstitutes();
    Form1Controls form;
    // Made in layer order: a later sibling is drawn over an earlier one.
    buildLines(area, form);
    for (const LayoutControl &control : windowControls()) {
        QWidget *widget = makeControl(area, control);
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(qt(control.accessibleName));
            widget->setAccessibleDescription(qt(control.accessibleDescription));
        }
        keep(form, control, widget);
    }
    setFocusOrder(area);
    return form;
}

} // namespace kelvaro
