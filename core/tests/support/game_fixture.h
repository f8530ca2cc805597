#pragma once

#include "core/english_date_texts.h"
#include "core/game_state.h"
#include "support/recording_ports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kelvaro::testing {

using Lines = std::vector<std::string>;

// A game wired to recording fakes, a scripted random source and a clock stopped at
// 7 December 2026, 15:04:05.
class GameFixture : public ::testing::Test {
  protected:
    Transcript transcript;
    RecordingDialogs dialogs{transcript};
    RecordingView view{transcript};
    ScriptedRandom random{transcript};
    FixedClock clock{CivilDateTime{2026, 12, 7, 15, 4, 5}};
    EnglishDateTexts dateTexts;
    Platform platform{clock, random, dateTexts};
    GameState state;

    void TearDown() override {
        EXPECT_TRUE(random.allUsed()) << "scripted random values left over";
        EXPECT_TRUE(dialogs.allAnswersUsed()) << "scripted answers left over";
    }

    // A game in progress on 7 December 2026 with the given prices, nothing shown yet.
    void playing(std::array<int, 5> prices = {60, 70, 80, 90, 100}, std::int32_t money = 1000) {
        state = GameState{};
        transcript.clear();
        state.companyName = "Fish Co";
        state.money = money;
        state.gameDate = CivilDateTime{2026, 12, 7, 15, 4, 5};
        for (std::size_t i = 0; i < 5; ++i)
            state.price[allFishKinds[i]] = prices[i];
    }

    void scriptPrices(std::array<int, 5> prices) {
        for (const int price : prices)
            random.script({drawForPrice(price)});
    }

    // The draws of a day: the five prices, then the event roll (4 is a quiet day).
    void scriptDay(std::array<int, 5> prices, int event) {
        scriptPrices(prices);
        random.script({drawForRoll(event, 6)});
    }

    // What a player sees on a day with the given prices up to the event.
    static Lines dayOpening(std::array<int, 5> prices, const std::string &date,
                            std::int32_t moneyAfterWages) {
        Lines lines{"reseed"};
        for (std::size_t i = 0; i < 5; ++i)
            lines.push_back("price " + std::to_string(i + 1) + " = " + std::to_string(prices[i]));
        lines.push_back("date = " + date);
        lines.push_back("money = " + std::to_string(moneyAfterWages));
        lines.push_back("reseed");
        return lines;
    }

    bool shown(const std::string &line) const {
        return std::find(transcript.lines.begin(), transcript.lines.end(), line) !=
               transcript.lines.end();
    }

    static Lines joined(std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines &part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
};

} // namespace kelvaro::testing
