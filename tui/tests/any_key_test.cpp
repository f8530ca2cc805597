// Whatever the player presses, at whatever terminal size, the game neither crashes nor hangs:
// a long, fixed run of keys of every kind and of sizes from nothing to large, played through
// greetings, trades, days, menus and dialogs with the real rules and a seeded random source.

#include "core/english_date_texts.h"
#include "core/mixing_random.h"
#include "support/fixed_clock.h"
#include "support/iso_date_time_text.h"
#include "support/memory_settings_store.h"
#include "support/scripted_terminal.h"
#include "tui/text_game.h"

#include <gtest/gtest.h>

namespace kelvaro::testing {
namespace {

// Every key the terminal layer gives, but Ctrl+C, which would end the run at once.
const std::vector<Key> everyKey{enter,
                                escape,
                                tab,
                                backTab,
                                up,
                                down,
                                left,
                                right,
                                home,
                                end,
                                backspace,
                                deleteKey,
                                f1,
                                f10,
                                ctrlL,
                                ctrlS,
                                space,
                                Key::of(Key::Code::Other),
                                Key::typed(U'7'),
                                Key::typed(U'y'),
                                Key::typed(U'n'),
                                Key::typed(U'€'),
                                Key::typed(U'\x7F'),
                                Key::withAlt(U'f'),
                                Key::withAlt(U'o'),
                                Key::withAlt(U'h'),
                                Key::withAlt(U'q')};

TEST(AnyKey, atAnySizeNeitherCrashesNorHangsTheGame) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        FixedClock clock{CivilDateTime{2026, 12, 7, 15, 4, 5}};
        MixingRandom random(clock, seed);
        EnglishDateTexts dateTexts;
        Platform platform{clock, random, dateTexts};
        MemorySettingsStore settings;
        IsoDateTimeText dateTimeText;
        SaveSlot slot{settings, dateTimeText};
        ScriptedTerminal terminal;

        std::uint64_t state = seed * 0x9E3779B97F4A7C15ull;
        const auto next = [&state](std::uint64_t range) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            return (state >> 33) % range;
        };
        for (int i = 0; i < 1500; ++i) {
            if (next(40) == 0)
                terminal.resizeTo({static_cast<int>(next(130)), static_cast<int>(next(45))});
            else if (next(60) == 0)
                terminal.resizeTo({80, 24});
            else
                terminal.press(everyKey[next(everyKey.size())]);
        }
        TextGame game(terminal, platform, slot);
        const int status = game.run();
        EXPECT_TRUE(status == 0 || status == 143) << status;
    }
}

} // namespace
} // namespace kelvaro::testing
