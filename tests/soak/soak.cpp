// Plays one long run of games with random Buy, Sell, Wait, New game, rename, Save and Load,
// typing random texts, on the real rules and the real settings store in a temporary folder,
// and checks the game after every action. A failing run replays from its seed.
//
//   kelvaro_soak [days] [seed]

#include "core/day_advance.h"
#include "core/english_date_texts.h"
#include "core/game_start.h"
#include "core/mixing_random.h"
#include "core/trading.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "core/saved_game.h"
#include "support/fixed_clock.h"
#include "support/quiet_ports.h"

#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace kelvaro {
namespace {

using testing::AnsweringDialogs;
using testing::KeepingView;
using testing::ViewUpdate;

// What a Save wrote, to be found again after a Load.
struct SavedPart {
    std::int32_t money;
    PerKind<std::int32_t> stock;
    CivilDateTime date;
};

class SoakPlayer {
  public:
    SoakPlayer(std::uint64_t seed)
        : seed_(seed), choices_(seed), random_(clock_, seed),
          dialogs_([this] { return typedText(); }) {}

    int play(long days) {
        startGame(state_, dialogs_, view_, platform_);
        while (daysPlayed_ < days) {
            ++actions_;
            clock_.tick();
            dialogs_.messages.clear();
            view_.clear();
            if (!act())
                return fail();
        }
        std::printf("soak: %ld days in %ld actions, %ld bankruptcies, %ld saves, %ld loads, "
                    "seed %llu: all checks held\n",
                    daysPlayed_, actions_, bankruptcies_, saves_, loads_,
                    static_cast<unsigned long long>(seed_));
        return 0;
    }

  private:
    std::uint64_t seed_;
    std::mt19937_64 choices_;
    testing::FixedClock clock_{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    MixingRandom random_;
    EnglishDateTexts monthNames_;
    Platform platform_{clock_, random_, monthNames_};
    QtSettingsStore settings_;
    LocaleDateTimeText dateText_{QLocale(QLocale::English, QLocale::UnitedStates)};
    SaveSlot slot_{settings_, dateText_};
    AnsweringDialogs dialogs_;
    KeepingView view_;
    GameState state_;
    std::optional<SavedPart> lastSave_;
    std::string problem_;
    long daysPlayed_ = 0, actions_ = 0, bankruptcies_ = 0, saves_ = 0, loads_ = 0;

    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(choices_);
    }

    std::string typedText() {
        static const std::array<const char *, 16> odd{
            "",    "   ", "abc", "12x", "1e5",  "nan",         "inf", "-5",
            "2.5", ".5",  "5.",  "+7",  "0x10", "99999999999", "-0",  "1,5"};
        switch (pick(4)) {
        case 0:
            return odd[pick(odd.size())];
        case 1:
            return std::to_string(pick(1000));
        default:
            return std::to_string(pick(30));
        }
    }

    bool act() {
        const std::size_t roll = pick(1000);
        if (roll < 400)
            return afterDay(advanceDay(state_, dialogs_, view_, platform_));
        if (roll < 680)
            return afterDay(buyFish(state_, allFishKinds[pick(5)], dialogs_, view_, platform_));
        if (roll < 960)
            return afterDay(sellFish(state_, allFishKinds[pick(5)], dialogs_, view_, platform_));
        if (roll < 970) {
            newGame(state_, dialogs_, view_, platform_);
            return check(state_.money == 1000 && state_.workforce == 0, "new game") && holdsRange();
        }
        if (roll < 980) {
            const GameState before = state_;
            renameCompany(state_, dialogs_, view_);
            GameState expected = before;
            expected.companyName = state_.companyName;
            return check(state_ == expected, "rename changed more than the name");
        }
        if (roll < 990)
            return save();
        return load();
    }

    bool afterDay(DayOutcome outcome) {
        ++daysPlayed_;
        if (outcome == DayOutcome::Bankrupt) {
            ++bankruptcies_;
            int ends = 0;
            for (const ViewUpdate &update : view_.updates)
                ends += update.control == ViewUpdate::Control::EndProgram;
            if (!check(ends == 1 && view_.updates.back().control == ViewUpdate::Control::EndProgram,
                       "bankruptcy did not end the program as its last step") ||
                !check(state_.money < 0 &&
                           dialogs_.messages.back() == "Sorry, you've gone bankrupt!!!",
                       "bankruptcy without debt or without its message"))
                return false;
            // The player starts the program again.
            state_ = GameState{};
            startGame(state_, dialogs_, view_, platform_);
            return holdsRange();
        }
        for (const ViewUpdate &update : view_.updates)
            if (!check(update.control != ViewUpdate::Control::EndProgram,
                       "the program ended without bankruptcy"))
                return false;
        return check(state_.money >= 0, "money below zero at the end of a day") && holdsRange();
    }

    bool holdsRange() {
        for (const FishKind kind : allFishKinds) {
            if (!check(state_.price[kind] >= 51 && state_.price[kind] <= 100,
                       "price out of range") ||
                !check(state_.stock[kind] >= 0, "negative stock"))
                return false;
        }
        return check(state_.workforce >= 0, "negative workforce") &&
               check(state_.gameDate.isValid(), "invalid date");
    }

    bool save() {
        saveGame(state_, slot_, dialogs_);
        ++saves_;
        if (!check(dialogs_.messages.empty(), "save failed"))
            return false;
        lastSave_ = SavedPart{state_.money, state_.stock, state_.gameDate};
        return true;
    }

    bool load() {
        const GameState before = state_;
        loadGame(state_, slot_, dialogs_, view_);
        ++loads_;
        if (!lastSave_)
            return check(state_ == before && dialogs_.messages.size() == 1 &&
                             dialogs_.messages[0] == "There is no saved game to load.",
                         "load without a save");
        return check(state_.money == lastSave_->money && state_.stock == lastSave_->stock &&
                         state_.gameDate == lastSave_->date,
                     "load did not restore the last save") &&
               check(state_.price == before.price && state_.workforce == before.workforce,
                     "load changed prices or workforce");
    }

    bool check(bool holds, const char *what) {
        if (!holds && problem_.empty())
            problem_ = what;
        return holds;
    }

    int fail() {
        std::fprintf(
            stderr, "soak: FAILED after %ld days, action %ld: %s (replay: kelvaro_soak %ld %llu)\n",
            daysPlayed_, actions_, problem_.c_str(), daysPlayed_ + 1,
            static_cast<unsigned long long>(seed_));
        return 1;
    }
};

} // namespace
} // namespace kelvaro

int main(int argc, char **argv) {
    const long days = argc > 1 ? std::atol(argv[1]) : 20000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        std::fprintf(stderr, "soak: no temporary folder\n");
        return 2;
    }
    // Never the player's own saved game.
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    return kelvaro::SoakPlayer(seed).play(days);
}
