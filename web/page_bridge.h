#pragma once

#include "core/user_dialogs.h"
#include "core/window_layout.h"

#include <string>

// The few calls from the game into the page's script. Everything the page shows or asks goes
// through here, so the rest of web/ is plain C++ over core's ports.
namespace kelvaro::page {

// The page's modal boxes.
enum class DialogKind { Message, YesNo, Prompt };

// Replaces the text of the control with this role, and kind number for a per-kind role.
void setControlText(ControlRole role, int index, const std::string &text);
void setTitle(const std::string &title);
// Tells the page the game has ended; it shows so once the running action has returned.
void endGame();

// The modal dialogs; each returns only once the player has answered. A yes/no question
// carries the question sign.
void showMessage(const std::string &caption, const std::string &text, MessageIcon icon);
bool askYesNo(const std::string &caption, const std::string &text);
std::string promptText(const std::string &caption, const std::string &text);

} // namespace kelvaro::page
