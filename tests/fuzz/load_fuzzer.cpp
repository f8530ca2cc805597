// Arbitrary texts under the seven keys of the saved game through loadGame. A Load must
// apply all seven values, exactly as a reading of its own gives them, or none at all.

#include "core/saved_game.h"
#include "fuzz_input.h"
#include "store/locale_date_texts.h"
#include "support/memory_settings_store.h"
#include "support/quiet_ports.h"

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace {

using namespace kelvaro;

const std::array<std::string, 7> keys{"geld",    "vissen1", "vissen2", "vissen3",
                                      "vissen4", "vissen5", "datum"};

// A saved number by a reading of its own: a sign, digits with at most one point, blanks around;
// rounded to the nearest, ties to the even, and refused beyond 32 bits.
std::optional<std::int32_t> savedInteger(const std::string &text) {
    static const std::regex number(R"(^[ \t]*([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+))[ \t]*$)");
    std::smatch match;
    if (text.find('\0') != std::string::npos || !std::regex_match(text, match, number))
        return std::nullopt;
    const double value = std::nearbyint(std::strtod(match[1].str().c_str(), nullptr));
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const LocaleDateTimeText dateText{QLocale(QLocale::English, QLocale::UnitedStates)};
    fuzzing::FuzzInput input(data, size);
    const auto present = input.take<std::uint8_t>();
    std::istringstream fields(input.rest());
    testing::MemorySettingsStore store;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string field;
        std::getline(fields, field, '\n');
        if (present & (1u << i))
            store.save(keys[i], field);
    }

    GameState state;
    state.companyName = "Before";
    state.money = 1;
    state.stock.values = {0, 2, 3, 4, 5, 6};
    state.price.values = {0, 51, 52, 53, 54, 55};
    state.workforce = 7;
    state.gameDate = CivilDateTime{2026, 12, 7, 15, 4, 5};
    const GameState before = state;

    SaveSlot slot{store, dateText};
    testing::AnsweringDialogs dialogs([] { return std::string("After"); });
    testing::KeepingView view;
    loadGame(state, slot, dialogs, view);

    // What the Load must do, by a reading of its own.
    bool sound = true;
    std::array<std::int32_t, 6> integers{};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::optional<std::string> text = store.saved(keys[i]);
        const auto value = text ? savedInteger(*text) : std::nullopt;
        sound = sound && value.has_value();
        integers[i] = value.value_or(0);
    }
    const std::optional<std::string> date = store.saved("datum");
    const std::optional<CivilDateTime> moment = date ? dateText.fromText(*date) : std::nullopt;
    sound = sound && moment.has_value() && moment->isValid();

    const bool applied = dialogs.prompts == 1;
    if (applied != sound)
        fuzzing::brokenInvariant("the Load disagrees about whether the save is sound");
    if (!applied) {
        if (!(state == before) || !view.updates.empty() || dialogs.messages.size() != 1)
            fuzzing::brokenInvariant("a refused Load changed or showed something");
        return 0;
    }
    GameState expected = before;
    expected.companyName = "After";
    expected.money = integers[0];
    for (std::size_t i = 0; i < 5; ++i)
        expected.stock[allFishKinds[i]] = integers[i + 1];
    expected.gameDate = *moment;
    if (!(state == expected) || view.updates.size() != 9 || !dialogs.messages.empty())
        fuzzing::brokenInvariant("an applied Load did not apply all seven values");
    return 0;
}
