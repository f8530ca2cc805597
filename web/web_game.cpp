// The page's game with its ports, and what the page does with a settings file the player opens.

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

// Whether File > Load would take the settings text: true when it holds a sound saved game. When
// not, the player is shown the box a Load would show.
bool checkSavedText(const std::string &text, UserDialogs &dialogs) {
    TextSettings settings(text);
    BrowserDateTimeText dateTimeText;
    return checkSavedGame(SaveSlot{settings, dateTimeText}, dialogs);
}

} // namespace

std::string keepOpenedFile(const OpenedFile &file, UserDialogs &dialogs) {
    const std::string refused = file.name + " was not opened: ";
    const auto refuse = [&](const std::string &why) {
        const std::string text = refused + why + " Nothing changed.";
        dialogs.showMessage(text, std::nullopt, MessageIcon::Exclamation);
        return text;
    };
    if (!file.bytes)
        return refuse("the browser could not read it.");
    // The desktop opens the same size of file, and no larger.
    if (static_cast<std::int64_t>(file.bytes->size()) > largestSettingsFile)
        return refuse("it is too large to be a saved game.");
    if (!checkSavedText(*file.bytes, dialogs))
        return refused + "it holds no saved game that can be loaded. Nothing changed.";
    if (const auto refusal = LocalStorageSettings::replaceText("quira", *file.bytes))
        return refuse(*refusal);
    return file.name + " was opened: choose File > Load to play it.";
}

} // namespace kelvaro
