#include "web/page_bridge.h"

#include "web/boundary_text.h"

#include <emscripten.h>

// The script's side of each call is kelvaroPage, which runs in the same scope.
// clang-format off
EM_JS(void, kelvaro_js_set_control_text, (int role, int index, const char *text, int textSize),
      { kelvaroPage.setControlText(role, index, kelvaroPage.textAt(text, textSize)); });
EM_JS(void, kelvaro_js_set_title, (const char *title, int titleSize),
      { kelvaroPage.setTitle(kelvaroPage.textAt(title, titleSize)); });
EM_JS(void, kelvaro_js_end_game, (), { kelvaroPage.endGame(); });
EM_ASYNC_JS(int, kelvaro_js_dialog,
            (int kind, const char *caption, int captionSize, const char *text, int textSize,
             int icon), {
    return await kelvaroPage.dialog(kind, kelvaroPage.textAt(caption, captionSize),
                                    kelvaroPage.textAt(text, textSize), icon);
});
EM_JS(void, kelvaro_js_take_answer, (std::string *answer),
      { kelvaroPage.giveText(answer, kelvaroPage.takeAnswer()); });
// clang-format on

namespace kelvaro::page {

namespace {

int dialog(DialogKind kind, const std::string &caption, const std::string &text, MessageIcon icon) {
    return kelvaro_js_dialog(static_cast<int>(kind), caption.data(), byteCount(caption),
                             text.data(), byteCount(text), static_cast<int>(icon));
}

} // namespace

void setControlText(ControlRole role, int index, const std::string &text) {
    kelvaro_js_set_control_text(static_cast<int>(role), index, text.data(), byteCount(text));
}

void setTitle(const std::string &title) { kelvaro_js_set_title(title.data(), byteCount(title)); }

void endGame() { kelvaro_js_end_game(); }

void showMessage(const std::string &caption, const std::string &text, MessageIcon icon) {
    dialog(DialogKind::Message, caption, text, icon);
}

bool askYesNo(const std::string &caption, const std::string &text) {
    return dialog(DialogKind::YesNo, caption, text, MessageIcon::None) == 1;
}

std::string promptText(const std::string &caption, const std::string &text) {
    dialog(DialogKind::Prompt, caption, text, MessageIcon::None);
    // The typed text is taken once the dialog has returned, while the game is not waiting.
    std::string answer;
    kelvaro_js_take_answer(&answer);
    return answer;
}

} // namespace kelvaro::page
