#pragma once

#include "core/game_view.h"
#include "core/user_dialogs.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvaro::testing {

// Dialogs for machine players: prompts are answered by a supplier, every question with Yes,
// and the messages of the current action are kept for checking.
class AnsweringDialogs final : public UserDialogs {
  public:
    explicit AnsweringDialogs(std::function<std::string()> answer) : answer_(std::move(answer)) {}

    std::vector<std::string> messages;
    int prompts = 0;

    void showMessage(const std::string &text, const std::optional<std::string> &,
                     MessageIcon) override {
        messages.push_back(text);
    }
    bool askYesNo(const std::string &, const std::string &) override { return true; }
    std::string promptText(const std::string &, const std::optional<std::string> &) override {
        ++prompts;
        return answer_();
    }

  private:
    std::function<std::string()> answer_;
};

// One update of the view, in the order the rules made them.
struct ViewUpdate {
    enum class Control { Price, Stock, Money, Workforce, Date, CompanyName, Title, EndProgram };
    Control control;
    int kind = 0;
    std::int64_t value = 0;
};

// A view that keeps the updates of the current action for checking.
class KeepingView final : public GameView {
  public:
    std::vector<ViewUpdate> updates;

    void showPrice(FishKind kind, std::int32_t price) override {
        updates.push_back({ViewUpdate::Control::Price, kindNumber(kind), price});
    }
    void showStock(FishKind kind, std::int32_t stock) override {
        updates.push_back({ViewUpdate::Control::Stock, kindNumber(kind), stock});
    }
    void showMoney(std::int32_t money) override {
        updates.push_back({ViewUpdate::Control::Money, 0, money});
    }
    void showWorkforce(std::int32_t workforce) override {
        updates.push_back({ViewUpdate::Control::Workforce, 0, workforce});
    }
    void showDate(const std::string &) override { updates.push_back({ViewUpdate::Control::Date}); }
    void showCompanyName(const std::string &) override {
        updates.push_back({ViewUpdate::Control::CompanyName});
    }
    void setTitle(const std::string &) override { updates.push_back({ViewUpdate::Control::Title}); }
    void endProgram() override { updates.push_back({ViewUpdate::Control::EndProgram}); }

    void clear() { updates.clear(); }
};

// A view that ignores everything, for measuring the rules alone.
class NullView final : public GameView {
  public:
    void showPrice(FishKind, std::int32_t) override {}
    void showStock(FishKind, std::int32_t) override {}
    void showMoney(std::int32_t) override {}
    void showWorkforce(std::int32_t) override {}
    void showDate(const std::string &) override {}
    void showCompanyName(const std::string &) override {}
    void setTitle(const std::string &) override {}
    void endProgram() override {}
};

} // namespace kelvaro::testing
