#include "core/action_routing.h"

#include "core/day_advance.h"
#include "core/game_start.h"
#include "core/menu_commands.h"
#include "core/trading.h"

namespace kelvaro {

namespace {

void performMenuCommand(GameState &state, MenuCommand command, GamePorts &ports) {
    switch (command) {
    case MenuCommand::NewGame:
        newGame(state, ports.dialogs, ports.view, ports.platform);
        return;
    case MenuCommand::Load:
        loadGame(state, ports.saveSlot, ports.dialogs, ports.view);
        return;
    case MenuCommand::Save:
        saveGame(state, ports.saveSlot, ports.dialogs);
        return;
    case MenuCommand::Quit:
        quitIfConfirmed(ports.dialogs, ports.view);
        return;
    case MenuCommand::RenameCompany:
        renameCompany(state, ports.dialogs, ports.view);
        return;
    case MenuCommand::Info:
        showInfo(ports.dialogs);
        return;
    case MenuCommand::Credits:
        showCredits(ports.dialogs);
        return;
    case MenuCommand::NewRelease:
        showNewRelease(ports.dialogs);
        return;
    case MenuCommand::None:
        return;
    }
}

} // namespace

void beginGame(GameState &state, GamePorts &ports) {
    startGame(state, ports.dialogs, ports.view, ports.platform);
}

void performAction(GameState &state, const PlayerAction &action, GamePorts &ports) {
    switch (action.kind) {
    case PlayerAction::Kind::Buy:
        buyFish(state, action.fish, ports.dialogs, ports.view, ports.platform);
        return;
    case PlayerAction::Kind::Sell:
        sellFish(state, action.fish, ports.dialogs, ports.view, ports.platform);
        return;
    case PlayerAction::Kind::Wait:
        advanceDay(state, ports.dialogs, ports.view, ports.platform);
        return;
    case PlayerAction::Kind::Menu:
        performMenuCommand(state, action.command, ports);
        return;
    }
}

} // namespace kelvaro
