#pragma once

#include "core/user_dialogs.h"
#include "tui/canvas.h"
#include "tui/key.h"
#include "tui/line_editor.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// One modal dialog on the terminal: a box in the middle of the screen with its caption in the
// top line, the text, and its buttons, of which the focused one is marked with ">".
//   a message: OK, pressed with Enter, Space or Escape;
//   a question: Yes (the default) and No; y answers Yes, n and Escape answer No;
//   a prompt: a line to type into, OK (Enter) and Cancel (Escape). Tab moves the focus
//   between the line and the buttons.
class Dialog {
  public:
    enum class Answer { Ok, Yes, No, Cancel };

    static Dialog message(const std::string &caption, const std::string &text, MessageIcon icon);
    static Dialog question(const std::string &caption, const std::string &text);
    static Dialog prompt(const std::string &caption, const std::string &text);

    // The answer once the key closed the dialog.
    std::optional<Answer> handle(const Key &key);
    // What was typed into a prompt's line.
    std::string typed() const;

    void draw(Canvas &canvas) const;

  private:
    enum class Kind { Message, Question, Prompt };
    Dialog(Kind kind, const std::string &caption, const std::string &text, MessageIcon icon);

    std::vector<Answer> buttons() const;
    // Focus 0 is a prompt's line; the buttons come after it. Other dialogs start at their
    // first button.
    int focusCount() const;
    bool lineHasFocus() const { return kind_ == Kind::Prompt && focus_ == 0; }
    std::optional<Answer> focusedButton() const;

    Kind kind_;
    std::u32string caption_;
    std::vector<std::u32string> lines_;
    MessageIcon icon_;
    LineEditor line_;
    int focus_ = 0;
    // Whether the player has moved the focus, which takes the cursor from the text to it.
    bool focusMoved_ = false;
};

} // namespace kelvaro
