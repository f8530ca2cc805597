#include "tui/text_game.h"

#include "core/day_advance.h"
#include "core/game_start.h"
#include "core/menu_commands.h"
#include "core/screen_texts.h"
#include "core/trading.h"

namespace kelvaro {

namespace {

// The status of a program ended by Ctrl+C, as the shell reports SIGINT.
constexpr int interruptedStatus = 130;

} // namespace

std::string tooSmallText(TerminalSize size) {
    return "Kelvaro needs " + std::to_string(MainScreen::minimumWidth) + "x" +
           std::to_string(MainScreen::minimumHeight) + ", not " + std::to_string(size.width) + "x" +
           std::to_string(size.height) + ".";
}

Key KeyReader::next(const std::function<void(Canvas &)> &paint) {
    for (;;) {
        const TerminalSize size = terminal_.size();
        Canvas canvas(size.width, size.height);
        const bool tooSmall =
            size.width < MainScreen::minimumWidth || size.height < MainScreen::minimumHeight;
        if (tooSmall)
            canvas.write(0, 0, tooSmallText(size), Style::Water);
        else
            paint(canvas);
        terminal_.show(canvas);

        const std::optional<Key> key = terminal_.nextKey();
        if (!key)
            throw GameInterrupted{terminal_.stopStatus()};
        if (key->code == Key::Code::Interrupt)
            throw GameInterrupted{interruptedStatus};
        if (key->code == Key::Code::Resize || tooSmall)
            continue;
        return *key;
    }
}

Dialog::Answer TerminalDialogs::answer(Dialog &dialog) {
    for (;;) {
        const Key key = keys_.next([&](Canvas &canvas) {
            screen_.draw(canvas);
            dialog.draw(canvas);
        });
        if (const std::optional<Dialog::Answer> answer = dialog.handle(key))
            return *answer;
    }
}

void TerminalDialogs::showMessage(const std::string &text, const std::optional<std::string> &title,
                                  MessageIcon icon) {
    Dialog dialog = Dialog::message(title.value_or(screen_text::applicationTitle), text, icon);
    answer(dialog);
}

bool TerminalDialogs::askYesNo(const std::string &text, const std::string &title) {
    Dialog dialog = Dialog::question(title, text);
    return answer(dialog) == Dialog::Answer::Yes;
}

std::string TerminalDialogs::promptText(const std::string &prompt,
                                        const std::optional<std::string> &title) {
    Dialog dialog = Dialog::prompt(title.value_or(screen_text::applicationTitle), prompt);
    // Cancelled, the prompt gives empty text, as the window's does.
    return answer(dialog) == Dialog::Answer::Ok ? dialog.typed() : std::string();
}

TextGame::TextGame(Terminal &terminal, Platform &platform, SaveSlot &saveSlot)
    : keys_(terminal), platform_(platform), saveSlot_(saveSlot), dialogs_(keys_, screen_) {}

int TextGame::run() {
    try {
        startGame(state_, dialogs_, screen_, platform_);
        screen_.show();
        while (!screen_.ended()) {
            const Key key = keys_.next([this](Canvas &canvas) { screen_.draw(canvas); });
            perform(screen_.handle(key));
        }
    } catch (const GameInterrupted &interrupted) {
        return interrupted.exitStatus;
    }
    return 0;
}

void TextGame::perform(const ScreenAction &action) {
    switch (action.kind) {
    case ScreenAction::Kind::Buy:
        buyFish(state_, action.fish, dialogs_, screen_, platform_);
        return;
    case ScreenAction::Kind::Sell:
        sellFish(state_, action.fish, dialogs_, screen_, platform_);
        return;
    case ScreenAction::Kind::Wait:
        advanceDay(state_, dialogs_, screen_, platform_);
        return;
    case ScreenAction::Kind::Nothing:
    case ScreenAction::Kind::Menu:
        break;
    }
    switch (action.command) {
    case MenuCommand::NewGame:
        newGame(state_, dialogs_, screen_, platform_);
        break;
    case MenuCommand::Load:
        loadGame(state_, saveSlot_, dialogs_, screen_);
        break;
    case MenuCommand::Save:
        saveGame(state_, saveSlot_, dialogs_);
        break;
    case MenuCommand::Quit:
        quitIfConfirmed(dialogs_, screen_);
        break;
    case MenuCommand::RenameCompany:
        renameCompany(state_, dialogs_, screen_);
        break;
    case MenuCommand::Info:
        showInfo(dialogs_);
        break;
    case MenuCommand::Credits:
        showCredits(dialogs_);
        break;
    case MenuCommand::NewRelease:
        showNewRelease(dialogs_);
        break;
    case MenuCommand::None:
        break; // Skinz > Standard
    }
}

} // namespace kelvaro
