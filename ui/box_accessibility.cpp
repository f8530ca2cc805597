// A line edit's name, role, value and text as a screen reader reads them, with the whole text
// reported as one run of attributes.
#include "ui/box_accessibility.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kelvaro {

namespace {

class BoxAccessibility final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
  public:
    explicit BoxAccessibility(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText())
            return;
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset)
            return {};
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString shown = box()->displayText();
        const QFontMetrics metrics(box()->font());
        const QRect contents = contentsRect();
        const int left = contents.left() + metrics.horizontalAdvance(shown.left(offset));
        const int width = metrics.horizontalAdvance(shown.mid(offset, 1));
        const QPoint topLeft = box()->mapToGlobal(QPoint(left, contents.top()));
        return {topLeft, QSize(width, contents.height())};
    }
    int offsetAtPoint(const QPoint &point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { box()->setCursorPosition(startIndex); }
    // The whole text is one run: a box has one font and one colour.
    QString attributes(int offset, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        if (offset < 0 || offset > *endOffset)
            *startOffset = *endOffset = -1;
        return {};
    }

    // The editable text interface, for the boxes that take typing.
    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    QRect contentsRect() const {
        QStyleOptionFrame option;
        option.initFrom(box());
        return box()
            ->style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, box())
            .marginsRemoved(box()->textMargins());
    }
};

} // namespace

QAccessibleInterface *boxAccessibility(const QString &className, QObject *object) {
    if (className != QLatin1String("QLineEdit") || !object || !object->isWidgetType())
        return nullptr;
    return new BoxAccessibility(static_cast<QLineEdit *>(object));
}

} // namespace kelvaro
