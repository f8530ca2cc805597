// The page's way into the game. The script calls these C functions; a game lives behind the
// handle kelvaro_new_game gives it, so nothing here is global.

#include "core/menu_tree.h"
#include "core/screen_texts.h"
#include "core/window_layout.h"
#include "settings_text/ini_text.h"
#include "web/web_game.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, kelvaro_js_add_control,
      (const char *name, int index, int type, int left, int top, int width, int height, int face,
       double points, int bold, int textColour, int backgroundColour, int alignment,
       const char *caption, const char *accessibleName, const char *description),
      {
          kelvaroPage.addControl({
              name : UTF8ToString(name),
              index : index,
              type : type,
              rect : [ left, top, width, height ],
              face : face,
              points : points,
              bold : bold !== 0,
              textColour : textColour,
              backgroundColour : backgroundColour,
              alignment : alignment,
              caption : UTF8ToString(caption),
              accessibleName : UTF8ToString(accessibleName),
              description : UTF8ToString(description)
          });
      });
EM_JS(void, kelvaro_js_add_line,
      (const char *name, int fromX, int fromY, int toX, int toY, int colour, int pixelWidth), {
          kelvaroPage.addLine(UTF8ToString(name), [ fromX, fromY, toX, toY ], colour, pixelWidth);
      });
EM_JS(void, kelvaro_js_add_tab_stop, (const char *name, int index),
      { kelvaroPage.addTabStop(UTF8ToString(name), index); });
EM_JS(void, kelvaro_js_add_menu_entry,
      (int level, const char *name, const char *caption, const char *shortcut, int enabled,
       int command),
      {
          kelvaroPage.addMenuEntry(level, UTF8ToString(name), UTF8ToString(caption),
                                   UTF8ToString(shortcut), enabled !== 0, command);
      });
EM_JS(void, kelvaro_js_describe_area,
      (int widthTwips, int heightTwips, int twipsPerPixel, const char *savedGameKey,
       const char *titleBeforeTheStart),
      {
          kelvaroPage.describeArea(widthTwips, heightTwips, twipsPerPixel,
                                   UTF8ToString(savedGameKey), UTF8ToString(titleBeforeTheStart));
      });
// clang-format on

namespace kelvaro {
namespace {

// Colours go to the script as 0xRRGGBB, or -1 for the control type's default.
int packed(const std::optional<Colour> &colour) {
    return colour ? (colour->red << 16) | (colour->green << 8) | colour->blue : -1;
}

PlayerAction actionOf(int kind, int fish, int command) {
    switch (kind) {
    case 0:
        return PlayerAction::buy(static_cast<FishKind>(fish < 1 || fish > 5 ? 1 : fish));
    case 1:
        return PlayerAction::sell(static_cast<FishKind>(fish < 1 || fish > 5 ? 1 : fish));
    case 3:
        return PlayerAction::menu(static_cast<MenuCommand>(command));
    default:
        return PlayerAction::wait();
    }
}

} // namespace
} // namespace kelvaro

extern "C" {

// Hands the script the window's layout, lines, focus order and menus to draw.
EMSCRIPTEN_KEEPALIVE void kelvaro_describe_page() {
    using namespace kelvaro;
    kelvaro_js_describe_area(clientWidthTwips, clientHeightTwips, twipsPerPixel,
                             LocalStorageSettings::storageKey("quira").c_str(),
                             screen_text::titleBeforeTheStart);
    for (const LayoutControl &control : windowControls()) {
        kelvaro_js_add_control(
            control.name.c_str(), control.index, static_cast<int>(control.type), control.rect.left,
            control.rect.top, control.rect.width, control.rect.height,
            static_cast<int>(control.font.face), control.font.points, control.font.bold,
            packed(control.textColour), packed(control.backgroundColour),
            static_cast<int>(control.alignment), control.caption.c_str(),
            control.accessibleName.c_str(), control.accessibleDescription.c_str());
    }
    for (const LayoutLine &line : windowLines()) {
        kelvaro_js_add_line(line.name.c_str(), line.fromX, line.fromY, line.toX, line.toY,
                            packed(line.colour), line.pixelWidth);
    }
    for (const ControlRef &stop : tabOrder())
        kelvaro_js_add_tab_stop(stop.name, stop.index);
    for (const MenuEntry &entry : menuTree()) {
        kelvaro_js_add_menu_entry(entry.level, entry.name, entry.caption,
                                  shortcutText(entry.shortcut).c_str(), entry.enabled,
                                  static_cast<int>(entry.command));
    }
}

EMSCRIPTEN_KEEPALIVE kelvaro::WebGame *kelvaro_new_game() { return new kelvaro::WebGame; }

EMSCRIPTEN_KEEPALIVE void kelvaro_delete_game(kelvaro::WebGame *game) { delete game; }

// The game start: greetings, the company's name, the first prices. 1 when the game has ended.
EMSCRIPTEN_KEEPALIVE int kelvaro_begin(kelvaro::WebGame *game) {
    kelvaro::beginGame(game->state, game->ports);
    return game->view.ended() ? 1 : 0;
}

// One action to its end: kind 0 Buy, 1 Sell, 2 Wait, 3 a menu command; 1 when the game ended.
EMSCRIPTEN_KEEPALIVE int kelvaro_act(kelvaro::WebGame *game, int kind, int fish, int command) {
    kelvaro::performAction(game->state, kelvaro::actionOf(kind, fish, command), game->ports);
    return game->view.ended() ? 1 : 0;
}

// The menu command a key chooses, 0 when none: ctrl with a capital letter, or a function key.
EMSCRIPTEN_KEEPALIVE int kelvaro_shortcut(int ctrl, int letter, int functionKey) {
    const kelvaro::ShortcutKey key{ctrl != 0, static_cast<char>(letter), functionKey};
    return static_cast<int>(kelvaro::commandForShortcut(key));
}

// The largest settings file the page opens, the same as the desktop's.
EMSCRIPTEN_KEEPALIVE int kelvaro_largest_settings_file() {
    return static_cast<int>(kelvaro::largestSettingsFile);
}

// 1 when a Load would take this settings text; otherwise the player sees why, and 0.
EMSCRIPTEN_KEEPALIVE int kelvaro_check_saved_text(const char *text) {
    kelvaro::PageDialogs dialogs;
    return kelvaro::checkSavedText(text, dialogs) ? 1 : 0;
}
}
