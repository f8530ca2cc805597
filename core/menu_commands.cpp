#include "core/menu_commands.h"

namespace kelvaro {

namespace {

// Constant-initialised, so that texts built while other files are initialised see it too.
constexpr const char *webAddress = "https://kelvaro.example.org";

} // namespace

void quitIfConfirmed(UserDialogs &dialogs, GameView &view) {
    if (dialogs.askYesNo("Are you sure you want to quit?", "Quit"))
        view.endProgram();
}

std::string infoText() {
    return "Kelvaro v2.8\n"
           "\n"
           "Created by the Kelvaro team\n" +
           std::string(webAddress);
}

std::string creditsText() {
    return "Credits\n"
           "---------\n"
           "\n"
           "Fish-animation:\n"
           "    the Kelvaro contributors\n"
           "\n"
           "Development:\n"
           "    the Kelvaro team,\n"
           "    the Kelvaro contributors\n"
           "\n"
           "Lay-out:\n"
           "    the Kelvaro team\n"
           "\n"
           "Beta-testing:\n"
           "    the Kelvaro players\n"
           "\n"
           "And especially you, thanks for playing!";
}

std::string newReleaseText() {
    return "What's in the coming release?\n"
           "\n"
           "No idea\n" +
           std::string(webAddress);
}

void showInfo(UserDialogs &dialogs) {
    dialogs.showMessage(infoText(), "Info", MessageIcon::Information);
}

void showCredits(UserDialogs &dialogs) {
    dialogs.showMessage(creditsText(), "Credits", MessageIcon::Information);
}

void showNewRelease(UserDialogs &dialogs) {
    dialogs.showMessage(newReleaseText(), "New", MessageIcon::Information);
}

} // namespace kelvaro
