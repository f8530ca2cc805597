#pragma once

#include <optional>
#include <string>

// The few calls from the game into the page's script (page.js). Everything the page shows or
// asks goes through here, so the rest of web/ is plain C++ over core's ports.
namespace kelvaro::page {

// Replaces the text of the control with this id ("txtGeld", "txtVissen3", "lblNaam").
void setControlText(const std::string &id, const std::string &text);
void setTitle(const std::string &title);
// Tells the page the game has ended; it shows so once the running action has returned.
void endGame();

// The modal dialogs; each returns only once the player has answered. Icon: 0 none,
// 1 information, 2 exclamation, 3 question.
void showMessage(const std::string &caption, const std::string &text, int icon);
bool askYesNo(const std::string &caption, const std::string &text);
std::string promptText(const std::string &caption, const std::string &text);

} // namespace kelvaro::page
