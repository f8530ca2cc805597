#include "tui/dialog.h"

#include "tui/text.h"

#include <algorithm>

namespace kelvaro {

namespace {

// A prompt's line is at least this wide, as the window's field is.
constexpr int promptLineWidth = 36;
constexpr int margin = 2;

std::u32string buttonText(Dialog::Answer answer) {
    switch (answer) {
    case Dialog::Answer::Ok:
        return U"[ OK ]";
    case Dialog::Answer::Yes:
        return U"[ Yes ]";
    case Dialog::Answer::No:
        return U"[ No ]";
    case Dialog::Answer::Cancel:
        return U"[ Cancel ]";
    }
    return {};
}

// The mark drawn where the window shows the dialog's icon, and its style.
std::u32string iconMark(MessageIcon icon, bool question) {
    if (question)
        return U"(?) ";
    switch (icon) {
    case MessageIcon::Information:
        return U"(i) ";
    case MessageIcon::Exclamation:
        return U"(!) ";
    case MessageIcon::None:
        break;
    }
    return {};
}

Style iconStyle(MessageIcon icon, bool question) {
    if (question)
        return Style::Question;
    return icon == MessageIcon::Exclamation ? Style::Exclamation : Style::Information;
}

bool isCharacter(const Key &key, char32_t lower) {
    return key.code == Key::Code::Character && !key.alt &&
           (key.character == lower || key.character == lower - 32);
}

} // namespace

Dialog::Dialog(Kind kind, const std::string &caption, const std::string &text, MessageIcon icon)
    : kind_(kind), caption_(fromUtf8(caption)), lines_(splitLines(fromUtf8(text))), icon_(icon) {}

Dialog Dialog::message(const std::string &caption, const std::string &text, MessageIcon icon) {
    return Dialog(Kind::Message, caption, text, icon);
}

Dialog Dialog::question(const std::string &caption, const std::string &text) {
    return Dialog(Kind::Question, caption, text, MessageIcon::None);
}

Dialog Dialog::prompt(const std::string &caption, const std::string &text) {
    return Dialog(Kind::Prompt, caption, text, MessageIcon::None);
}

std::vector<Dialog::Answer> Dialog::buttons() const {
    switch (kind_) {
    case Kind::Message:
        return {Answer::Ok};
    case Kind::Question:
        return {Answer::Yes, Answer::No};
    case Kind::Prompt:
        return {Answer::Ok, Answer::Cancel};
    }
    return {};
}

int Dialog::focusCount() const {
    return static_cast<int>(buttons().size()) + (kind_ == Kind::Prompt ? 1 : 0);
}

std::optional<Dialog::Answer> Dialog::focusedButton() const {
    if (lineHasFocus())
        return std::nullopt;
    return buttons()[static_cast<std::size_t>(focus_ - (kind_ == Kind::Prompt ? 1 : 0))];
}

std::optional<Dialog::Answer> Dialog::handle(const Key &key) {
    switch (key.code) {
    case Key::Code::Enter:
        // From the prompt's line, Enter presses the default button, OK.
        return lineHasFocus() ? Answer::Ok : focusedButton();
    case Key::Code::Escape:
        switch (kind_) {
        case Kind::Message:
            return Answer::Ok;
        case Kind::Question:
            return Answer::No;
        case Kind::Prompt:
            return Answer::Cancel;
        }
        return std::nullopt;
    case Key::Code::Tab:
        focusMoved_ = true;
        focus_ = (focus_ + 1) % focusCount();
        return std::nullopt;
    case Key::Code::BackTab:
        focusMoved_ = true;
        focus_ = (focus_ + focusCount() - 1) % focusCount();
        return std::nullopt;
    default:
        break;
    }
    if (lineHasFocus()) {
        line_.handle(key);
        return std::nullopt;
    }
    if (key.code == Key::Code::Left || key.code == Key::Code::Up) {
        focusMoved_ = true;
        focus_ = std::max(focus_ - 1, kind_ == Kind::Prompt ? 1 : 0);
        return std::nullopt;
    }
    if (key.code == Key::Code::Right || key.code == Key::Code::Down) {
        focusMoved_ = true;
        focus_ = std::min(focus_ + 1, focusCount() - 1);
        return std::nullopt;
    }
    if (isCharacter(key, U' '))
        return focusedButton();
    if (kind_ == Kind::Question && isCharacter(key, U'y'))
        return Answer::Yes;
    if (kind_ == Kind::Question && isCharacter(key, U'n'))
        return Answer::No;
    return std::nullopt;
}

std::string Dialog::typed() const { return toUtf8(line_.text()); }

void Dialog::draw(Canvas &canvas) const {
    const std::u32string mark = iconMark(icon_, kind_ == Kind::Question);
    const int markWidth = static_cast<int>(mark.size());
    const std::vector<Answer> answers = buttons();
    int buttonsWidth = 0;
    for (const Answer answer : answers)
        buttonsWidth += static_cast<int>(buttonText(answer).size()) + 3;

    const int widest = std::max(canvas.width() - 2 * margin - 4, 1);
    int inner = std::max(buttonsWidth, columnsOf(caption_) + 4);
    for (const std::u32string &line : lines_)
        inner = std::max(inner, markWidth + columnsOf(line));
    if (kind_ == Kind::Prompt)
        inner = std::max(inner, promptLineWidth + 2);
    inner = std::min(inner, widest);
    const std::vector<std::u32string> text = wrappedLines(lines_, inner - markWidth);

    const int width = inner + 2 * margin + 2;
    const int lineRows = kind_ == Kind::Prompt ? 1 : 0;
    const int height = std::min(static_cast<int>(text.size()) + lineRows + 5, canvas.height());
    const int top = std::max((canvas.height() - height) / 2, 0);
    const int left = std::max((canvas.width() - width) / 2, 0);
    const int textLeft = left + 1 + margin;

    canvas.frame(top, left, height, width, Style::Dialog);
    canvas.write(top, left + 2, U" " + caption_ + U" ", Style::DialogCaption);

    int row = top + 2;
    // Until the player moves among the buttons, the cursor is on the text, the icon's mark first.
    canvas.placeHiddenCursor({row, textLeft});
    if (!mark.empty())
        canvas.write(row, textLeft, mark, iconStyle(icon_, kind_ == Kind::Question));
    for (const std::u32string &line : text) {
        if (row >= top + height - 3)
            break;
        canvas.write(row++, textLeft + markWidth, line, Style::Dialog);
    }
    if (kind_ == Kind::Prompt) {
        // Bracketed like the screen's boxes, so that it shows without colours too.
        const int fieldWidth = inner - 2;
        const LineEditor::Shown shown = line_.shown(fieldWidth);
        canvas.write(row, textLeft, U"[", Style::Dialog);
        canvas.fill(row, textLeft + 1, fieldWidth, U' ', Style::Field);
        canvas.write(row, textLeft + 1, shown.text, Style::Field);
        canvas.write(row, textLeft + 1 + fieldWidth, U"]", Style::Dialog);
        if (lineHasFocus())
            canvas.placeCursor({row, textLeft + 1 + shown.cursorColumn});
    }

    const int buttonRow = top + height - 2;
    int column = left + (width - buttonsWidth) / 2 + 1;
    const std::optional<Answer> focused = focusedButton();
    for (const Answer answer : answers) {
        const std::u32string caption = buttonText(answer);
        const bool hasFocus = focused == answer;
        if (hasFocus)
            canvas.write(buttonRow, column - 1, U">", Style::Dialog);
        if (hasFocus && focusMoved_)
            canvas.placeHiddenCursor({buttonRow, column + 2});
        canvas.write(buttonRow, column, caption, hasFocus ? Style::Focused : Style::Button);
        column += static_cast<int>(caption.size()) + 3;
    }
}

} // namespace kelvaro
