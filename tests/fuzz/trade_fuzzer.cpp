// Every typed text through buyFish and sellFish, on a random game. Checks the trade against
// a reading of its own: what counts as a number, what a refusal leaves alone, and what an
// accepted trade stores.

#include "core/english_date_texts.h"
#include "core/mixing_random.h"
#include "core/trading.h"
#include "fuzz_input.h"
#include "support/fixed_clock.h"
#include "support/quiet_ports.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using namespace kelvaro;
using testing::ViewUpdate;

// The grammar of a typed number, written out as its own little automaton.
bool looksLikeANumber(const std::string &text) {
    enum { Lead, Sign, Whole, Point, Fraction, Trail } at = Lead;
    bool digits = false;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool blank = c == ' ' || c == '\t';
        if (blank && (at == Lead || at == Trail))
            continue;
        if (blank && at != Sign) {
            at = Trail;
        } else if ((c == '+' || c == '-') && at == Lead) {
            at = Sign;
        } else if (digit && at != Trail) {
            digits = true;
            at = (at == Point || at == Fraction) ? Fraction : Whole;
        } else if (c == '.' && (at == Lead || at == Sign || at == Whole)) {
            at = Point;
        } else {
            return false;
        }
    }
    return digits;
}

std::int32_t stored(double value) {
    const double nearest = std::nearbyint(value); // the default mode rounds ties to even
    if (nearest >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (nearest <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(nearest);
}

const ViewUpdate *first(const std::vector<ViewUpdate> &updates, ViewUpdate::Control control) {
    for (const ViewUpdate &update : updates)
        if (update.control == control)
            return &update;
    return nullptr;
}

bool shown(const std::vector<std::string> &messages, const std::string &text) {
    for (const std::string &message : messages)
        if (message == text)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzzing::FuzzInput input(data, size);
    GameState state;
    state.money = input.take<std::int32_t>();
    state.workforce = input.take<std::int32_t>();
    for (const FishKind kind : allFishKinds) {
        state.stock[kind] = input.take<std::int32_t>();
        state.price[kind] = 51 + input.take<std::uint8_t>() % 50;
    }
    const FishKind kind = allFishKinds[input.take<std::uint8_t>() % 5];
    const bool buying = input.take<std::uint8_t>() % 2 == 0;
    const std::uint64_t seed = input.take<std::uint64_t>();
    const std::string typed = input.rest();

    testing::FixedClock clock{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    MixingRandom random(clock, seed);
    EnglishDateTexts monthNames;
    Platform platform{clock, random, monthNames};
    testing::AnsweringDialogs dialogs([&] { return typed; });
    testing::KeepingView view;
    const GameState before = state;

    const DayOutcome outcome = buying ? buyFish(state, kind, dialogs, view, platform)
                                      : sellFish(state, kind, dialogs, view, platform);

    // The trade's own results are the first stock and money the view was given.
    const ViewUpdate *stock = first(view.updates, ViewUpdate::Control::Stock);
    const ViewUpdate *money = first(view.updates, ViewUpdate::Control::Money);
    if (!stock || !money || stock->kind != kindNumber(kind))
        fuzzing::brokenInvariant("the trade did not show the kind's stock and the money");

    const bool number = looksLikeANumber(typed);
    if (shown(dialogs.messages, "Only numbers, please!") == number)
        fuzzing::brokenInvariant("the number check disagrees with the grammar of numbers");

    const bool refused = shown(dialogs.messages, "Only numbers, please!") ||
                         shown(dialogs.messages, "Only positive numbers, please!") ||
                         shown(dialogs.messages, "You don't have enough money!!!") ||
                         shown(dialogs.messages, "You don't have that much fish!!!");
    if (refused) {
        if (stock->value != before.stock[kind] || money->value != before.money)
            fuzzing::brokenInvariant("a refused trade changed money or stock");
    } else {
        const double amount = std::strtod(typed.c_str(), nullptr);
        const double price = before.price[kind];
        if (amount < 0 || (buying ? price * amount > before.money : amount > before.stock[kind]))
            fuzzing::brokenInvariant("a trade went through that should have been refused");
        const std::int32_t expectedStock =
            stored(buying ? amount + before.stock[kind] : before.stock[kind] - amount);
        const std::int32_t expectedMoney =
            stored(buying ? before.money - price * amount : before.money + price * amount);
        if (stock->value != expectedStock || money->value != expectedMoney)
            fuzzing::brokenInvariant("an accepted trade stored the wrong stock or money");
    }

    const bool ended = view.updates.back().control == ViewUpdate::Control::EndProgram;
    if (ended != (outcome == DayOutcome::Bankrupt))
        fuzzing::brokenInvariant("the program ended other than by bankruptcy");
    if (outcome == DayOutcome::GameGoesOn && state.money < 0)
        fuzzing::brokenInvariant("the day ended with money below zero");
    return 0;
}
