#pragma once

#include "app/game_services.h"
#include "ui/main_window.h"
#include "ui/qt_user_dialogs.h"

#include <memory>

namespace kelvaro {

// The program's real parts, wired together: the game's services, the player's dialogs and the
// window, which is still hidden and has not started the game.
struct Program : GameServices {
    Program();

    QtUserDialogs dialogs;
    Form1 window;
};

// Names the application "Kelvaro", gives its windows the program's icon and builds the
// program. Needs the QApplication.
std::unique_ptr<Program> composeProgram();

} // namespace kelvaro
