#pragma once

#include "core/action_routing.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "core/saved_game.h"
#include "core/user_dialogs.h"
#include "tui/dialog.h"
#include "tui/screen.h"
#include "tui/terminal.h"

#include <functional>
#include <string>

namespace kelvaro {

// The text shown instead of the game while the terminal is smaller than 80x24:
// "Kelvaro needs 80x24, not 60x20.", broken into lines as narrow as the terminal.
std::string tooSmallText(TerminalSize size);

// Shows the screen that `paint` draws, redrawn after every key that is not followed at once by
// another (a paste is drawn once) and on every change of the terminal's size, and gives the
// next key that is meant for it. While the terminal is too small it says so and keeps the
// keys back. Throws GameInterrupted when the
// program must end at once: Ctrl+C, a signal, or the terminal gone.
class KeyReader {
  public:
    explicit KeyReader(Terminal &terminal) : terminal_(terminal) {}
    Key next(const std::function<void(Canvas &)> &paint);

  private:
    Terminal &terminal_;
};

// Thrown through the rules when the program must end at once, from inside any dialog;
// nothing is saved. Carries the program's exit status.
struct GameInterrupted {
    int exitStatus;
};

// The player's dialogs as boxes over the game's screen, each waiting for its answer.
class TerminalDialogs final : public UserDialogs {
  public:
    TerminalDialogs(KeyReader &keys, const MainScreen &screen) : keys_(keys), screen_(screen) {}

    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override;
    bool askYesNo(const std::string &text, const std::string &title) override;
    std::string promptText(const std::string &prompt,
                           const std::optional<std::string> &title) override;

  private:
    Dialog::Answer answer(Dialog &dialog);

    KeyReader &keys_;
    const MainScreen &screen_;
};

// The game in the terminal: it holds the one game, shows it on the MainScreen, and turns the
// player's keys into the player's actions for the rules, as the window does with its buttons
// and menus.
class TextGame {
  public:
    // The ports stay owned by the caller and must outlive the game.
    TextGame(Terminal &terminal, Platform &platform, SaveSlot &saveSlot);

    // Greets the player, asks for the company's name, shows the screen and plays until Quit
    // or bankruptcy (status 0) or until the program must end at once (the terminal's status,
    // 130 for Ctrl+C). Nothing is saved on the way out.
    int run();

    const MainScreen &screen() const { return screen_; }
    const GameState &state() const { return state_; }

  private:
    KeyReader keys_;
    MainScreen screen_;
    TerminalDialogs dialogs_;
    GamePorts ports_;
    GameState state_;
};

} // namespace kelvaro
