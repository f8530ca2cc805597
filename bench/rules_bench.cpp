// The cost of the rules alone, with ports that do nothing.

#include "core/day_advance.h"
#include "core/english_date_texts.h"
#include "core/mixing_random.h"
#include "core/trading.h"
#include "support/fixed_clock.h"
#include "support/quiet_ports.h"

#include <benchmark/benchmark.h>

namespace kelvaro {
namespace {

// One game with do-nothing ports, kept solvent so that it never ends.
struct QuietGame {
    testing::FixedClock clock{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    MixingRandom random{clock, 20261207};
    EnglishDateTexts monthNames;
    Platform platform{clock, random, monthNames};
    testing::AnsweringDialogs dialogs{[] { return std::string("3"); }};
    testing::NullView view;
    GameState state;

    QuietGame() {
        state.money = 1'000'000;
        state.stock.values = {0, 100, 100, 100, 100, 100};
        state.workforce = 50;
    }

    void day() {
        advanceDay(state, dialogs, view, platform);
        // Keep the company afloat and the messages from piling up.
        if (state.money < 1'000'000)
            state.money = 1'000'000;
        dialogs.messages.clear();
    }
};

void advanceDayWithNullPorts(benchmark::State &run) {
    QuietGame game;
    for (auto _ : run)
        game.day();
}
BENCHMARK(advanceDayWithNullPorts);

void buyFishWithNullPorts(benchmark::State &run) {
    QuietGame game;
    for (auto _ : run) {
        buyFish(game.state, FishKind::Eels, game.dialogs, game.view, game.platform);
        game.state.money = 1'000'000;
        game.dialogs.messages.clear();
    }
}
BENCHMARK(buyFishWithNullPorts);

void sellFishWithNullPorts(benchmark::State &run) {
    QuietGame game;
    for (auto _ : run) {
        game.state.stock[FishKind::Carp] = 100;
        sellFish(game.state, FishKind::Carp, game.dialogs, game.view, game.platform);
        game.state.money = 1'000'000;
        game.dialogs.messages.clear();
    }
}
BENCHMARK(sellFishWithNullPorts);

// One day of a game that has already run for the given number of days.
void dayCostAtDay(benchmark::State &run) {
    QuietGame game;
    for (std::int64_t day = 1; day < run.range(0); ++day)
        game.day();
    for (auto _ : run)
        game.day();
}
BENCHMARK(dayCostAtDay)->Arg(1)->Arg(1'000'000)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace kelvaro

BENCHMARK_MAIN();
