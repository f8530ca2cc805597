// The desktop's File > Save and File > Load, with the same settings store, date form and rules as
// the window, run from the command line:
//   kelvaro_saved_game_tool save MONEY STOCK1 STOCK2 STOCK3 STOCK4 STOCK5 YYYY-MM-DDTHH:MM:SS
//   kelvaro_saved_game_tool load
// A load prints each value it read on a line of its own ("geld=829", "datum=2025-03-09T15:04:05",
// and "shown=" the date box's text); a refused Save or Load prints its box's text and exits 1.

#include "core/saved_game.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace kelvaro;

// Every box a Save or Load shows is a refusal, but for the name prompt, which the tool answers.
class ToolDialogs final : public UserDialogs {
  public:
    void showMessage(const std::string &text, const std::optional<std::string> &,
                     MessageIcon) override {
        refusal = text;
    }
    bool askYesNo(const std::string &, const std::string &) override { return false; }
    std::string promptText(const std::string &, const std::optional<std::string> &) override {
        return "Desktop";
    }
    std::optional<std::string> refusal;
};

class ToolView final : public GameView {
  public:
    void showPrice(FishKind, std::int32_t) override {}
    void showStock(FishKind, std::int32_t) override {}
    void showMoney(std::int32_t) override {}
    void showWorkforce(std::int32_t) override {}
    void showDate(const std::string &text) override { shownDate = text; }
    void showCompanyName(const std::string &) override {}
    void setTitle(const std::string &) override {}
    void endProgram() override {}
    std::string shownDate;
};

std::optional<CivilDateTime> isoMoment(const std::string &text) {
    CivilDateTime moment;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%c", &moment.year, &moment.month, &moment.day,
                    &moment.hour, &moment.minute, &moment.second, &end) != 6 ||
        !moment.isValid())
        return std::nullopt;
    return moment;
}

int usage() {
    std::cerr << "usage: kelvaro_saved_game_tool save MONEY S1 S2 S3 S4 S5 YYYY-MM-DDTHH:MM:SS\n"
                 "       kelvaro_saved_game_tool load\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    // The locale comes from the environment, as in the window.
    const QCoreApplication application(argc, argv);
    QtSettingsStore settings;
    LocaleDateTimeText dateText;
    SaveSlot slot{settings, dateText};
    ToolDialogs dialogs;
    GameState state;
    const std::string command = argc > 1 ? argv[1] : "";

    if (command == "save" && argc == 9) {
        try {
            state.money = std::stoi(argv[2]);
            for (const FishKind kind : allFishKinds)
                state.stock[kind] = std::stoi(argv[2 + kindNumber(kind)]);
        } catch (const std::exception &) {
            return usage();
        }
        const std::optional<CivilDateTime> moment = isoMoment(argv[8]);
        if (!moment)
            return usage();
        state.gameDate = *moment;
        saveGame(state, slot, dialogs);
    } else if (command == "load" && argc == 2) {
        ToolView view;
        loadGame(state, slot, dialogs, view);
        if (!dialogs.refusal) {
            std::printf("geld=%d\n", state.money);
            for (const FishKind kind : allFishKinds)
                std::printf("vissen%d=%d\n", kindNumber(kind), state.stock[kind]);
            const CivilDateTime &d = state.gameDate;
            std::printf("datum=%04d-%02d-%02dT%02d:%02d:%02d\nshown=%s\n", d.year, d.month, d.day,
                        d.hour, d.minute, d.second, view.shownDate.c_str());
        }
    } else {
        return usage();
    }
    if (dialogs.refusal) {
        std::cout << *dialogs.refusal << '\n';
        return 1;
    }
    return 0;
}
