#pragma once

#include "core/date_time_text.h"
#include "core/game_view.h"
#include "core/platform.h"
#include "core/user_dialogs.h"
#include "web/browser_date_forms.h"

namespace kelvaro {

// The page's game area as the rules' view: each call replaces the text of the control with the
// value's role in the window's layout.
class PageView final : public GameView {
  public:
    void showPrice(FishKind kind, std::int32_t price) override;
    void showStock(FishKind kind, std::int32_t stock) override;
    void showMoney(std::int32_t money) override;
    void showWorkforce(std::int32_t workforce) override;
    void showDate(const std::string &text) override;
    void showCompanyName(const std::string &name) override;
    void setTitle(const std::string &title) override;
    // The rules return at once after this; the page then shows that the game has ended.
    void endProgram() override;
    bool ended() const { return ended_; }

  private:
    bool ended_ = false;
};

// The page's modal <dialog> boxes; a box without a caption of its own carries "Kelvaro".
class PageDialogs final : public UserDialogs {
  public:
    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override;
    bool askYesNo(const std::string &text, const std::string &title) override;
    std::string promptText(const std::string &prompt,
                           const std::optional<std::string> &title) override;
};

// The browser's clock, in the browser's time zone.
class BrowserClock final : public Clock {
  public:
    CivilDateTime localNow() const override;
    std::uint64_t ticks() const override;
};

// Month names in the browser's language, from Intl.
class BrowserDateTexts final : public DateTexts {
  public:
    std::string monthName(int month) const override;
    std::string monthAbbreviation(int month) const override;
};

// The saved game's date text in the browser's language; see SavedDateText.
class BrowserDateTimeText final : public DateTimeText {
  public:
    BrowserDateTimeText() : text_(forms_) {}
    std::optional<std::string> toText(const CivilDateTime &moment) const override {
        return text_.toText(moment);
    }
    std::optional<CivilDateTime> fromText(const std::string &text) const override {
        return text_.fromText(text);
    }

  private:
    BrowserDateForms forms_;
    SavedDateText text_;
};

// 64 bits from the browser's crypto.getRandomValues.
std::uint64_t browserEntropy();

} // namespace kelvaro
