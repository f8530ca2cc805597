#pragma once

#include "core/fish_kind.h"

#include <cstdint>
#include <string>

namespace kelvaro {

// What the main window shows of a game. Each call replaces what one control shows;
// nothing is ever read back.
class GameView {
  public:
    virtual ~GameView() = default;

    virtual void showPrice(FishKind kind, std::int32_t price) = 0;
    virtual void showStock(FishKind kind, std::int32_t stock) = 0;
    virtual void showMoney(std::int32_t money) = 0;
    virtual void showWorkforce(std::int32_t workforce) = 0;
    virtual void showDate(const std::string &text) = 0;
    virtual void showCompanyName(const std::string &name) = 0;
    virtual void setTitle(const std::string &title) = 0;
    // Ends the program at once: no save, no further dialog. The calling rule returns
    // straight after this call and runs no further step.
    virtual void endProgram() = 0;
};

// The window title for a company: "Kelvaro - " and the name, also when it is empty.
inline std::string windowTitleFor(const std::string &companyName) {
    return "Kelvaro - " + companyName;
}

} // namespace kelvaro
