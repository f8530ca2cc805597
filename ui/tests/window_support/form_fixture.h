#pragma once

#include "support/game_fixture.h"
#include "ui/main_window.h"
#include "support/iso_date_time_text.h"
#include "support/memory_settings_store.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace kelvaro::testing {

// The main window wired to the recording dialogs, a scripted random source, a stopped clock
// (7 December 2026, 15:04:05), English month names and a save slot in memory.
class FormFixture : public GameFixture {
  protected:
    MemorySettingsStore settings;
    IsoDateTimeText dateTimeText;
    SaveSlot saveSlot{settings, dateTimeText};
    std::unique_ptr<Form1> form = std::make_unique<Form1>(dialogs, platform, saveSlot);

    static constexpr std::array<int, 5> openingPrices{60, 70, 80, 90, 100};

    // Runs the game start for "Fish Co" with the opening prices, then forgets what it showed.
    void startForm();

    // Puts a saved game with these values in the store and loads it under the name "Fish Co".
    void loadSavedGame(std::int32_t money, std::array<int, 5> stocks);

    // The window's control of that name. A missing one fails the test and is replaced by a
    // blank stand-in, so that the test runs on to its end instead of crashing.
    template <typename Control> Control *control(const char *name) const {
        if (auto *found = form->findChild<Control *>(QLatin1String(name)))
            return found;
        ADD_FAILURE() << "no control named " << name;
        auto *standIn = new Control();
        standIns_.emplace_back(standIn);
        return standIn;
    }
    QString textOf(const char *name) const { return control<QLineEdit>(name)->text(); }
    void click(const char *buttonName);
    void trigger(const char *actionName);

    // The text of every label and box, by name, and the window title under "title".
    std::map<QString, QString> shownTexts() const;

  private:
    mutable std::vector<std::unique_ptr<QObject>> standIns_;
};

} // namespace kelvaro::testing
