#pragma once

#include "core/game_view.h"
#include "core/user_dialogs.h"

#include <string>

namespace kelvaro {

// The commands that live only in the menus. None of them changes the game.

// Asks "Are you sure you want to quit?"; on Yes the program ends through the view.
void quitIfConfirmed(UserDialogs &dialogs, GameView &view);

// The fixed texts of the Help menu's boxes, lines separated by line feeds.
std::string infoText();
std::string creditsText();
std::string newReleaseText();

// Each shows its text in an information box with the caption "Info", "Credits" or "New".
void showInfo(UserDialogs &dialogs);
void showCredits(UserDialogs &dialogs);
void showNewRelease(UserDialogs &dialogs);

} // namespace kelvaro
