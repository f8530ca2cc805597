#include "web/web_game.h"

#include <map>

namespace kelvaro {

namespace {

// The text to check, as a store that holds nothing else and keeps no write.
class TextSettings final : public SettingsStore {
  public:
    explicit TextSettings(const std::string &text) : text_(text) {}
    void write(const std::string &, const std::string &, const std::string &,
               const std::string &) override {}
    StoredSection readSection(const std::string &, const std::string &section) const override {
        IniSectionReading reading = readIniSection(text_, section);
        return {std::move(reading.values), std::move(reading.failure)};
    }
    CommitResult commit() override { return {}; }

  private:
    const std::string &text_;
};

// A Load reaches its name prompt only once every saved value has been read and found sound;
// each box before that is a refusal, passed on to the player.
class CheckingDialogs final : public UserDialogs {
  public:
    explicit CheckingDialogs(UserDialogs &player) : player_(player) {}
    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override {
        player_.showMessage(text, title, icon);
    }
    bool askYesNo(const std::string &, const std::string &) override { return false; }
    std::string promptText(const std::string &, const std::optional<std::string> &) override {
        sound = true;
        return {};
    }
    bool sound = false;

  private:
    UserDialogs &player_;
};

// Shows nothing: the check runs on a game of its own.
class NoView final : public GameView {
  public:
    void showPrice(FishKind, std::int32_t) override {}
    void showStock(FishKind, std::int32_t) override {}
    void showMoney(std::int32_t) override {}
    void showWorkforce(std::int32_t) override {}
    void showDate(const std::string &) override {}
    void showCompanyName(const std::string &) override {}
    void setTitle(const std::string &) override {}
    void endProgram() override {}
};

} // namespace

bool checkSavedText(const std::string &text, UserDialogs &dialogs) {
    TextSettings settings(text);
    BrowserDateTimeText dateTimeText;
    SaveSlot slot{settings, dateTimeText};
    CheckingDialogs checking(dialogs);
    NoView view;
    BrowserClock clock;
    MixingRandom random(clock, 0);
    BrowserDateTexts monthNames;
    Platform platform{clock, random, monthNames};
    GamePorts ports{checking, view, platform, slot};
    GameState scratch;
    performAction(scratch, PlayerAction::menu(MenuCommand::Load), ports);
    return checking.sound;
}

} // namespace kelvaro
