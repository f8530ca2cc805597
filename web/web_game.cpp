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

} // namespace

bool checkSavedText(const std::string &text, UserDialogs &dialogs) {
    TextSettings settings(text);
    BrowserDateTimeText dateTimeText;
    return checkSavedGame(SaveSlot{settings, dateTimeText}, dialogs);
}

} // namespace kelvaro
