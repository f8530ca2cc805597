#pragma once

#include <optional>
#include <string>

namespace kelvaro {

enum class MessageIcon { None, Information, Exclamation };

// The modal questions and messages through which the rules talk to the player.
// Each call returns only after the player has closed the dialog.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A box with one OK button. Without a title it carries the application title "Kelvaro".
    virtual void showMessage(const std::string &text, const std::optional<std::string> &title,
                             MessageIcon icon) = 0;
    // A question with Yes (the default) and No; true only when the player chose Yes.
    virtual bool askYesNo(const std::string &text, const std::string &title) = 0;
    // A one-line prompt; the text as typed, or empty text when the player cancels.
    virtual std::string promptText(const std::string &prompt,
                                   const std::optional<std::string> &title) = 0;
};

// A message with the application title and no icon.
inline void showPlainMessage(UserDialogs &dialogs, const std::string &text) {
    dialogs.showMessage(text, std::nullopt, MessageIcon::None);
}

} // namespace kelvaro
