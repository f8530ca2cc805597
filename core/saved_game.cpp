#include "core/saved_game.h"

#include <array>
#include <charconv>
#include <limits>
#include <string_view>

namespace kelvaro {

namespace {

const std::string application = "quira";
const std::string section = "kelvaro";
const std::string moneyKey = "geld";
const std::string dateKey = "datum";

std::string stockKey(FishKind kind) { return "vissen" + std::to_string(kindNumber(kind)); }

void put(SaveSlot &slot, const std::string &key, const std::string &value) {
    slot.settings.write(application, section, key, value);
}

std::optional<std::string> valueOf(const StoredSection &stored, const std::string &key) {
    const auto found = stored.values.find(key);
    if (found == stored.values.end())
        return std::nullopt;
    return found->second;
}

// A saved whole number: an optional sign and digits, with blanks around at most, in 32 bits.
std::optional<std::int32_t> savedInteger(const std::optional<std::string> &text) {
    if (!text)
        return std::nullopt;
    std::string_view digits(*text);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!digits.empty() && blank(digits.front()))
        digits.remove_prefix(1);
    while (!digits.empty() && blank(digits.back()))
        digits.remove_suffix(1);
    // from_chars takes a leading "-" but no "+".
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() < '0' || digits.front() > '9')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// Every value of a save, read and checked before any of it is used.
struct SavedValues {
    std::int32_t money = 0;
    PerKind<std::int32_t> stock;
    CivilDateTime date;
};

enum class SaveCondition { Nothing, Unreadable, Damaged, Sound };

// All seven values come from one reading of the store, so that a Save by another copy of the
// game at the same time gives either its game or the one before, never a mix of the two.
SaveCondition readSave(const SaveSlot &slot, SavedValues &values, std::string &failure) {
    const StoredSection stored = slot.settings.readSection(application, section);
    if (stored.failure) {
        failure = *stored.failure;
        return SaveCondition::Unreadable;
    }
    const std::optional<std::string> money = valueOf(stored, moneyKey);
    const std::optional<std::string> date = valueOf(stored, dateKey);
    PerKind<std::optional<std::string>> stocks;
    bool anyPresent = money || date;
    for (const FishKind kind : allFishKinds) {
        stocks[kind] = valueOf(stored, stockKey(kind));
        anyPresent = anyPresent || stocks[kind];
    }
    if (!anyPresent)
        return SaveCondition::Nothing;

    const std::optional<std::int32_t> savedMoney = savedInteger(money);
    if (!savedMoney)
        return SaveCondition::Damaged;
    values.money = *savedMoney;
    for (const FishKind kind : allFishKinds) {
        const std::optional<std::int32_t> stock = savedInteger(stocks[kind]);
        if (!stock)
            return SaveCondition::Damaged;
        values.stock[kind] = *stock;
    }
    const std::optional<CivilDateTime> savedDate =
        date ? slot.dateText.fromText(*date) : std::nullopt;
    if (!savedDate || !savedDate->isValid())
        return SaveCondition::Damaged;
    values.date = *savedDate;
    return SaveCondition::Sound;
}

} // namespace

void saveGame(const GameState &state, SaveSlot &slot, UserDialogs &dialogs) {
    put(slot, moneyKey, std::to_string(state.money));
    for (const FishKind kind : allFishKinds)
        put(slot, stockKey(kind), std::to_string(state.stock[kind]));
    put(slot, dateKey, slot.dateText.toText(state.gameDate));
    const CommitResult result = slot.settings.commit();
    if (!result.stored) {
        const std::string why = result.reason.empty() ? "" : "\n" + result.reason;
        dialogs.showMessage("The game could not be saved." + why, "Save", MessageIcon::Exclamation);
    }
}

void loadGame(GameState &state, SaveSlot &slot, UserDialogs &dialogs, GameView &view) {
    SavedValues saved;
    std::string failure;
    switch (readSave(slot, saved, failure)) {
    case SaveCondition::Nothing:
        showPlainMessage(dialogs, "There is no saved game to load.");
        return;
    case SaveCondition::Unreadable:
        showPlainMessage(dialogs, "The saved game is damaged and cannot be loaded.\n" + failure);
        return;
    case SaveCondition::Damaged:
        showPlainMessage(dialogs, "The saved game is damaged and cannot be loaded.");
        return;
    case SaveCondition::Sound:
        break;
    }

    state.money = saved.money;
    view.showMoney(state.money);
    state.stock = saved.stock;
    for (const FishKind kind : allFishKinds)
        view.showStock(kind, state.stock[kind]);
    state.gameDate = saved.date;
    view.showDate(slot.dateText.toText(state.gameDate));
    state.companyName = dialogs.promptText("Please give a new name:", std::nullopt);
    view.showCompanyName(state.companyName);
    view.setTitle(windowTitleFor(state.companyName));
}

} // namespace kelvaro
