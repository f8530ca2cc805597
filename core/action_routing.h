#pragma once

#include "core/fish_kind.h"
#include "core/game_state.h"
#include "core/game_view.h"
#include "core/menu_tree.h"
#include "core/platform.h"
#include "core/saved_game.h"
#include "core/user_dialogs.h"

namespace kelvaro {

// One thing the player asks of the game: a row's Buy or Sell, Wait, or a menu command. Every
// front end turns its own input (a click, a key, a tap) into one of these and nothing more.
struct PlayerAction {
    enum class Kind { Buy, Sell, Wait, Menu };

    Kind kind = Kind::Wait;
    FishKind fish = FishKind::Angler;        // for Buy and Sell
    MenuCommand command = MenuCommand::None; // for Menu

    static PlayerAction buy(FishKind fish) { return {Kind::Buy, fish, MenuCommand::None}; }
    static PlayerAction sell(FishKind fish) { return {Kind::Sell, fish, MenuCommand::None}; }
    static PlayerAction wait() { return {Kind::Wait, FishKind::Angler, MenuCommand::None}; }
    static PlayerAction menu(MenuCommand command) {
        return {Kind::Menu, FishKind::Angler, command};
    }

    bool operator==(const PlayerAction &) const = default;
};

// Everything a rule may be handed besides the game itself; all owned by the program entry.
struct GamePorts {
    UserDialogs &dialogs;
    GameView &view;
    Platform &platform;
    SaveSlot &saveSlot;
};

// The game start, run once by a front end before it first shows its screen.
void beginGame(GameState &state, GamePorts &ports);

// Runs the rule the action stands for, to its end: Buy and Sell of the action's kind, Wait, or
// the menu command (New game, Load, Save, Quit, Change company name, Info, Credits, New
// release). A command that runs nothing (Skinz > Standard) does nothing.
void performAction(GameState &state, const PlayerAction &action, GamePorts &ports);

} // namespace kelvaro
