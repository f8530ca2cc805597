#include "core/saved_game.h"

#include "core/amount.h"
#include "core/arithmetic.h"

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

// A saved number, read by the rule for a typed amount and stored to the nearest integer, ties
// to the even one (12.5 is 12, 13.5 is 14). Otherwise why not, for the player.
std::optional<std::int32_t> savedInteger(const std::string &key,
                                         const std::optional<std::string> &text, std::string &why) {
    if (!text) {
        why = "\"" + key + "\" is missing.";
        return std::nullopt;
    }
    const std::optional<double> amount = parseAmount(*text);
    if (!amount) {
        why = "\"" + key + "\" is \"" + *text + "\", which is not a number.";
        return std::nullopt;
    }
    // Either bound rounds out of the 32 bits, except the lowest, whose even neighbour fits.
    if (!(*amount >= -2147483648.5 && *amount < 2147483647.5)) {
        why = "\"" + key + "\" is " + *text + ", beyond what the game can hold.";
        return std::nullopt;
    }
    return roundToInt32(*amount);
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
SaveCondition readSave(const SaveSlot &slot, SavedValues &values, std::string &why) {
    const StoredSection stored = slot.settings.readSection(application, section);
    if (stored.failure) {
        why = *stored.failure;
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

    const std::optional<std::int32_t> savedMoney = savedInteger(moneyKey, money, why);
    if (!savedMoney)
        return SaveCondition::Damaged;
    values.money = *savedMoney;
    for (const FishKind kind : allFishKinds) {
        const std::optional<std::int32_t> stock = savedInteger(stockKey(kind), stocks[kind], why);
        if (!stock)
            return SaveCondition::Damaged;
        values.stock[kind] = *stock;
    }
    if (!date) {
        why = "\"" + dateKey + "\" is missing.";
        return SaveCondition::Damaged;
    }
    const std::optional<CivilDateTime> savedDate = slot.dateText.fromText(*date);
    if (!savedDate || !savedDate->isValid()) {
        // Also a date that two of the system's languages read as two different days.
        why =
            "\"" + dateKey + "\" is \"" + *date + "\", which cannot be read as one date and time.";
        return SaveCondition::Damaged;
    }
    values.date = *savedDate;
    return SaveCondition::Sound;
}

// The saved values when they are sound; otherwise the player is told why not, and nothing.
std::optional<SavedValues> readOrRefuse(const SaveSlot &slot, UserDialogs &dialogs) {
    SavedValues saved;
    std::string why;
    switch (readSave(slot, saved, why)) {
    case SaveCondition::Nothing:
        showPlainMessage(dialogs, "There is no saved game to load.");
        return std::nullopt;
    case SaveCondition::Unreadable:
        // The file may well be sound: a player told it is damaged might delete a good save.
        showPlainMessage(dialogs, "The saved game cannot be loaded.\n" + why);
        return std::nullopt;
    case SaveCondition::Damaged:
        showPlainMessage(dialogs, "The saved game is damaged and cannot be loaded.\n" + why);
        return std::nullopt;
    case SaveCondition::Sound:
        break;
    }
    return saved;
}

} // namespace

void saveGame(const GameState &state, SaveSlot &slot, UserDialogs &dialogs) {
    // A date no Load could read is not written, and nothing else is: the previous save stays.
    const std::optional<std::string> date = slot.dateText.toText(state.gameDate);
    CommitResult result{false, "Its date cannot be written in a form that loads again."};
    if (date) {
        put(slot, moneyKey, std::to_string(state.money));
        for (const FishKind kind : allFishKinds)
            put(slot, stockKey(kind), std::to_string(state.stock[kind]));
        put(slot, dateKey, *date);
        result = slot.settings.commit();
    }
    if (!result.stored) {
        const std::string why = result.reason.empty() ? "" : "\n" + result.reason;
        dialogs.showMessage("The game could not be saved." + why, "Save", MessageIcon::Exclamation);
    }
}

bool checkSavedGame(const SaveSlot &slot, UserDialogs &dialogs) {
    return readOrRefuse(slot, dialogs).has_value();
}

void loadGame(GameState &state, SaveSlot &slot, UserDialogs &dialogs, GameView &view) {
    const std::optional<SavedValues> read = readOrRefuse(slot, dialogs);
    if (!read)
        return;
    const SavedValues &saved = *read;
    state.money = saved.money;
    view.showMoney(state.money);
    state.stock = saved.stock;
    for (const FishKind kind : allFishKinds)
        view.showStock(kind, state.stock[kind]);
    state.gameDate = saved.date;
    view.showDate(slot.dateText.toText(state.gameDate).value_or(std::string()));
    state.companyName = dialogs.promptText("Please give a new name:", std::nullopt);
    view.showCompanyName(state.companyName);
    view.setTitle(windowTitleFor(state.companyName));
}

} // namespace kelvaro
