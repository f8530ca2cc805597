#include "web/page_ports.h"

#include "core/screen_texts.h"
#include "web/boundary_text.h"
#include "web/page_bridge.h"

#include <emscripten.h>

#include <array>

// clang-format off
EM_JS(void, kelvaro_js_local_now, (int *fields), { kelvaroPage.localNow(fields); });
EM_JS(double, kelvaro_js_ticks, (), { return kelvaroPage.ticks(); });
EM_JS(std::uint32_t, kelvaro_js_random_word, (), { return kelvaroPage.randomWord(); });
EM_JS(void, kelvaro_js_month_name, (int month, int abbreviated, std::string *name),
      { kelvaroPage.giveText(name, kelvaroPage.monthName(month, abbreviated !== 0)); });
// clang-format on

namespace kelvaro {

namespace {

void show(ControlRole role, FishKind kind, std::int32_t value) {
    page::setControlText(role, kindNumber(kind), std::to_string(value));
}

void show(ControlRole role, const std::string &text) { page::setControlText(role, 0, text); }

CivilDateTime momentOf(const std::array<int, 6> &fields) {
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

} // namespace

void PageView::showPrice(FishKind kind, std::int32_t price) {
    show(ControlRole::Price, kind, price);
}

void PageView::showStock(FishKind kind, std::int32_t stock) {
    show(ControlRole::Stock, kind, stock);
}

void PageView::showMoney(std::int32_t money) { show(ControlRole::Money, std::to_string(money)); }

void PageView::showWorkforce(std::int32_t workforce) {
    show(ControlRole::Workers, std::to_string(workforce));
}

void PageView::showDate(const std::string &text) { show(ControlRole::Date, text); }

void PageView::showCompanyName(const std::string &name) { show(ControlRole::CompanyName, name); }

void PageView::setTitle(const std::string &title) { page::setTitle(title); }

void PageView::endProgram() {
    ended_ = true;
    page::endGame();
}

void PageDialogs::showMessage(const std::string &text, const std::optional<std::string> &title,
                              MessageIcon icon) {
    page::showMessage(title.value_or(screen_text::applicationTitle), text, icon);
}

bool PageDialogs::askYesNo(const std::string &text, const std::string &title) {
    return page::askYesNo(title, text);
}

std::string PageDialogs::promptText(const std::string &prompt,
                                    const std::optional<std::string> &title) {
    return page::promptText(title.value_or(screen_text::applicationTitle), prompt);
}

CivilDateTime BrowserClock::localNow() const {
    std::array<int, 6> fields{};
    kelvaro_js_local_now(fields.data());
    return momentOf(fields);
}

std::uint64_t BrowserClock::ticks() const { return static_cast<std::uint64_t>(kelvaro_js_ticks()); }

std::string BrowserDateTexts::monthName(int month) const {
    std::string name;
    kelvaro_js_month_name(month, 0, &name);
    return name;
}

std::string BrowserDateTexts::monthAbbreviation(int month) const {
    std::string name;
    kelvaro_js_month_name(month, 1, &name);
    return name;
}

std::uint64_t browserEntropy() {
    return (std::uint64_t{kelvaro_js_random_word()} << 32) ^ kelvaro_js_random_word();
}

} // namespace kelvaro
