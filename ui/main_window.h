#pragma once

#include "core/action_routing.h"
#include "core/game_state.h"
#include "core/game_view.h"
#include "core/platform.h"
#include "core/saved_game.h"
#include "core/user_dialogs.h"
#include "ui/form_controls.h"

#include <QMainWindow>

namespace kelvaro {

class ChangeAnnouncer;
class PictureArea;

// The game's only window. It holds the one game, shows it through GameView, and turns the
// player's button presses and menu commands into the game's rules. It is created hidden with
// the texts shown before a game starts; start() runs the game start and then shows it.
// Closing it ends the program at once, without a question and without saving.
class Form1 final : public QMainWindow, public GameView {
  public:
    // The ports stay owned by the caller and must outlive the window.
    Form1(UserDialogs &dialogs, Platform &platform, SaveSlot &saveSlot);

    // Greets the player and asks for the company's name while the window is still hidden,
    // then shows it in the middle of the screen with the focus in the money box.
    void start();

    void showPrice(FishKind kind, std::int32_t price) override;
    void showStock(FishKind kind, std::int32_t stock) override;
    void showMoney(std::int32_t money) override;
    void showWorkforce(std::int32_t workforce) override;
    void showDate(const std::string &text) override;
    void showCompanyName(const std::string &name) override;
    void setTitle(const std::string &title) override;
    // Closes the window and leaves the event loop.
    void endProgram() override;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void fitDateBoxToTheLongestDate();
    void connectButtons();
    // Runs the action, then has what it changed in the boxes announced.
    void perform(const PlayerAction &action);
    void replaceText(QLineEdit *box, const QString &text);
    void showCentred();
    void centreOnScreen();

    GamePorts ports_;
    GameState state_;
    PictureArea *area_;
    Form1Controls controls_;
    ChangeAnnouncer *changes_;
};

} // namespace kelvaro
