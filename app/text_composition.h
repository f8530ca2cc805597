#pragma once

#include "app/game_services.h"
#include "tui/terminal.h"
#include "tui/text_game.h"

#include <memory>

namespace kelvaro {

// The program's real parts wired to the game in a terminal: the same services as the
// window's, and the terminal game, which has not started yet.
struct TextProgram : GameServices {
    explicit TextProgram(Terminal &terminal);

    TextGame game;
};

// Names the application "Kelvaro" and builds the program on the terminal. Needs a
// QCoreApplication; no window system.
std::unique_ptr<TextProgram> composeTextProgram(Terminal &terminal);

// Opens the terminal the program was started from, plays the game in it and gives it back as
// it was; the program's exit status. When there is no terminal to play in, says why in one
// line on standard error and gives 1.
int playInTerminal();

} // namespace kelvaro
