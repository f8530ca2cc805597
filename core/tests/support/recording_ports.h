#pragma once

#include "core/game_view.h"
#include "core/platform.h"
#include "core/user_dialogs.h"
#include "support/fixed_clock.h"
#include "support/transcript.h"

#include <deque>

namespace kelvaro::testing {

// Dialogs that answer from a script and record each dialog as one line:
//   plain: <text>                             a message without title or icon
//   message(<title>, <icon>): <text>
//   prompt(<title or ->): <prompt> -> <answer>
//   ask(<title>): <question> -> yes|no
class RecordingDialogs final : public UserDialogs {
  public:
    explicit RecordingDialogs(Transcript &transcript) : transcript_(transcript) {}

    void answerPrompt(std::string answer) { promptAnswers_.push_back(std::move(answer)); }
    void answerQuestion(bool yes) { questionAnswers_.push_back(yes); }
    bool allAnswersUsed() const { return promptAnswers_.empty() && questionAnswers_.empty(); }

    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override;
    bool askYesNo(const std::string &text, const std::string &title) override;
    std::string promptText(const std::string &prompt,
                           const std::optional<std::string> &title) override;

  private:
    Transcript &transcript_;
    std::deque<std::string> promptAnswers_;
    std::deque<bool> questionAnswers_;
};

// A view that records each update as one line: "price 1 = 75", "stock 5 = 3", "money = -40",
// "workforce = 2", "date = 07 December 2026", "name = Fish Co", "title = Kelvaro - Fish Co",
// "endProgram".
class RecordingView final : public GameView {
  public:
    explicit RecordingView(Transcript &transcript) : transcript_(transcript) {}

    void showPrice(FishKind kind, std::int32_t price) override;
    void showStock(FishKind kind, std::int32_t stock) override;
    void showMoney(std::int32_t money) override;
    void showWorkforce(std::int32_t workforce) override;
    void showDate(const std::string &text) override;
    void showCompanyName(const std::string &name) override;
    void setTitle(const std::string &title) override;
    void endProgram() override;

    int endProgramCalls = 0;

  private:
    Transcript &transcript_;
};

// Random values from a script; each reseed is recorded as the line "reseed".
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(Transcript &transcript) : transcript_(transcript) {}

    void script(std::initializer_list<double> values);
    bool allUsed() const { return values_.empty(); }

    double next() override;
    void reseedFromClock() override { transcript_.add("reseed"); }

  private:
    Transcript &transcript_;
    std::deque<double> values_;
};

// The draw that gives a price (51 to 100), and the draw that gives a face of a roll of n.
double drawForPrice(int price);
double drawForRoll(int face, int faces);

} // namespace kelvaro::testing
