#include "web/page_bridge.h"

#include <emscripten.h>

#include <vector>

// The script's side of each call is kelvaroPage in page.js, which runs in the same scope.
// clang-format off
EM_JS(void, kelvaro_js_set_control_text, (const char *id, const char *text),
      { kelvaroPage.setControlText(UTF8ToString(id), UTF8ToString(text)); });
EM_JS(void, kelvaro_js_set_title, (const char *title),
      { kelvaroPage.setTitle(UTF8ToString(title)); });
EM_JS(void, kelvaro_js_end_game, (), { kelvaroPage.endGame(); });
EM_ASYNC_JS(int, kelvaro_js_dialog, (int kind, const char *caption, const char *text, int icon), {
    return await kelvaroPage.dialog(kind, UTF8ToString(caption), UTF8ToString(text), icon);
});
EM_JS(void, kelvaro_js_take_answer, (char *buffer, int size),
      { stringToUTF8(kelvaroPage.takeAnswer(), buffer, size); });
// clang-format on

namespace kelvaro::page {

namespace {

// What each dialog is, as the script knows it.
enum DialogKind { messageBox = 0, yesNoBox = 1, textPrompt = 2 };

} // namespace

void setControlText(const std::string &id, const std::string &text) {
    kelvaro_js_set_control_text(id.c_str(), text.c_str());
}

void setTitle(const std::string &title) { kelvaro_js_set_title(title.c_str()); }

void endGame() { kelvaro_js_end_game(); }

void showMessage(const std::string &caption, const std::string &text, int icon) {
    kelvaro_js_dialog(messageBox, caption.c_str(), text.c_str(), icon);
}

bool askYesNo(const std::string &caption, const std::string &text) {
    return kelvaro_js_dialog(yesNoBox, caption.c_str(), text.c_str(), 3) == 1;
}

std::string promptText(const std::string &caption, const std::string &text) {
    // The script answers with the UTF-8 size of the typed text; the text itself follows.
    const int size = kelvaro_js_dialog(textPrompt, caption.c_str(), text.c_str(), 0);
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    kelvaro_js_take_answer(buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

} // namespace kelvaro::page
