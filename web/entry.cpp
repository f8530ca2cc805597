// The page's way into the game. The script calls these C functions; a game lives behind the
// handle kelvaro_new_game gives it, so nothing here is global.

#include "core/menu_tree.h"
#include "core/saved_date_text.h"
#include "core/screen_texts.h"
#include "core/window_layout.h"
#include "settings_text/ini_text.h"
#include "web/boundary_text.h"
#include "web/vocabulary.h"
#include "web/web_game.h"

#include <emscripten.h>

// Texts go over as their bytes and byte counts (web/boundary_text.h); the script decodes each.
// clang-format off
EM_JS(void, kelvaro_js_add_control,
      (const char *name, int nameSize, int index, int type, int role, int left, int top,
       int width, int height, int face, double points, int bold, int textColour,
       int backgroundColour, int alignment, const char *caption, int captionSize,
       const char *accessibleName, int accessibleNameSize, const char *description,
       int descriptionSize),
      {
          const text = kelvaroPage.textAt;
          kelvaroPage.addControl({
              name : text(name, nameSize),
              index : index,
              type : type,
              role : role,
              rect : [ left, top, width, height ],
              face : face,
              points : points,
              bold : bold !== 0,
              textColour : textColour,
              backgroundColour : backgroundColour,
              alignment : alignment,
              caption : text(caption, captionSize),
              accessibleName : text(accessibleName, accessibleNameSize),
              description : text(description, descriptionSize)
          });
      });
EM_JS(void, kelvaro_js_add_line,
      (const char *name, int nameSize, int fromX, int fromY, int toX, int toY, int colour,
       int pixelWidth), {
          kelvaroPage.addLine(kelvaroPage.textAt(name, nameSize), [ fromX, fromY, toX, toY ],
                              colour, pixelWidth);
      });
EM_JS(void, kelvaro_js_add_tab_stop, (const char *name, int nameSize, int index),
      { kelvaroPage.addTabStop(kelvaroPage.textAt(name, nameSize), index); });
EM_JS(void, kelvaro_js_add_menu_entry,
      (int level, const char *name, int nameSize, const char *caption, int captionSize,
       const char *shortcut, int shortcutSize, int enabled, int command),
      {
          const text = kelvaroPage.textAt;
          kelvaroPage.addMenuEntry(level, text(name, nameSize), text(caption, captionSize),
                                   text(shortcut, shortcutSize), enabled !== 0, command);
      });
EM_JS(void, kelvaro_js_add_date_language, (const char *tag, int size),
      { kelvaroPage.addDateLanguage(kelvaroPage.textAt(tag, size)); });
EM_JS(void, kelvaro_js_add_date_sample, (const char *text, int size),
      { kelvaroPage.addDateSample(kelvaroPage.textAt(text, size)); });
EM_JS(void, kelvaro_js_say_about_saved_game, (const char *text, int size),
      { kelvaroPage.sayAboutSavedGame(kelvaroPage.textAt(text, size)); });
EM_JS(void, kelvaro_js_describe_area,
      (int widthTwips, int heightTwips, int twipsPerPixel, const char *savedGameKey,
       int savedGameKeySize, const char *titleBeforeTheStart, int titleSize),
      {
          kelvaroPage.describeArea(widthTwips, heightTwips, twipsPerPixel,
                                   kelvaroPage.textAt(savedGameKey, savedGameKeySize),
                                   kelvaroPage.textAt(titleBeforeTheStart, titleSize));
      });
// clang-format on

namespace kelvaro {
namespace {

using page::byteCount;

// Colours go to the script as 0xRRGGBB, or -1 for the control type's default.
int packed(const std::optional<Colour> &colour) {
    return colour ? (colour->red << 16) | (colour->green << 8) | colour->blue : -1;
}

// The script's numbers are the enumerations' own (web/vocabulary.h); a fish outside the rows
// stands for the first row.
PlayerAction actionOf(int kind, int fish, int command) {
    FishKind row = FishKind::Angler;
    for (const FishKind each : allFishKinds)
        if (kindNumber(each) == fish)
            row = each;
    switch (static_cast<PlayerAction::Kind>(kind)) {
    case PlayerAction::Kind::Buy:
        return PlayerAction::buy(row);
    case PlayerAction::Kind::Sell:
        return PlayerAction::sell(row);
    case PlayerAction::Kind::Menu:
        return PlayerAction::menu(static_cast<MenuCommand>(command));
    case PlayerAction::Kind::Wait:
        break;
    }
    return PlayerAction::wait();
}

} // namespace
} // namespace kelvaro

extern "C" {

// Hands the script the enumerations' numbers, then the window's layout, lines, focus order,
// the languages whose date forms the saved game's dates consult, the dates the date box must
// hold, and the menus to draw.
EMSCRIPTEN_KEEPALIVE void kelvaro_describe_page() {
    using namespace kelvaro;
    page::describeVocabulary();
    const std::string key = LocalStorageSettings::storageKey("quira");
    const std::string title = screen_text::titleBeforeTheStart;
    kelvaro_js_describe_area(clientWidthTwips, clientHeightTwips, twipsPerPixel, key.data(),
                             byteCount(key), title.data(), byteCount(title));
    for (const LayoutControl &c : windowControls()) {
        kelvaro_js_add_control(
            c.name.data(), byteCount(c.name), c.index, static_cast<int>(c.type),
            static_cast<int>(c.role), c.rect.left, c.rect.top, c.rect.width, c.rect.height,
            static_cast<int>(c.font.face), c.font.points, c.font.bold, packed(c.textColour),
            packed(c.backgroundColour), static_cast<int>(c.alignment), c.caption.data(),
            byteCount(c.caption), c.accessibleName.data(), byteCount(c.accessibleName),
            c.accessibleDescription.data(), byteCount(c.accessibleDescription));
    }
    for (const LayoutLine &line : windowLines()) {
        kelvaro_js_add_line(line.name.data(), byteCount(line.name), line.fromX, line.fromY,
                            line.toX, line.toY, packed(line.colour), line.pixelWidth);
    }
    for (const ControlRef &stop : tabOrder()) {
        const std::string name = stop.name;
        kelvaro_js_add_tab_stop(name.data(), byteCount(name), stop.index);
    }
    for (const std::string_view tag : savedDateLanguages())
        kelvaro_js_add_date_language(tag.data(), static_cast<int>(tag.size()));
    for (const std::string &date : widestLongDates(BrowserDateTexts()))
        kelvaro_js_add_date_sample(date.data(), byteCount(date));
    for (const MenuEntry &entry : menuTree()) {
        const std::string name = entry.name;
        const std::string caption = entry.caption;
        const std::string shortcut = shortcutText(entry.shortcut);
        kelvaro_js_add_menu_entry(entry.level, name.data(), byteCount(name), caption.data(),
                                  byteCount(caption), shortcut.data(), byteCount(shortcut),
                                  entry.enabled, static_cast<int>(entry.command));
    }
}

EMSCRIPTEN_KEEPALIVE kelvaro::WebGame *kelvaro_new_game() { return new kelvaro::WebGame; }

EMSCRIPTEN_KEEPALIVE void kelvaro_delete_game(kelvaro::WebGame *game) { delete game; }

// The game start: greetings, the company's name, the first prices. 1 when the game has ended.
EMSCRIPTEN_KEEPALIVE int kelvaro_begin(kelvaro::WebGame *game) {
    kelvaro::beginGame(game->state, game->ports);
    return game->view.ended() ? 1 : 0;
}

// One action to its end, its kind a PlayerAction::Kind, with the fish's kind number for Buy and
// Sell and the MenuCommand for a menu command; 1 when the game ended.
EMSCRIPTEN_KEEPALIVE int kelvaro_act(kelvaro::WebGame *game, int kind, int fish, int command) {
    kelvaro::performAction(game->state, kelvaro::actionOf(kind, fish, command), game->ports);
    return game->view.ended() ? 1 : 0;
}

// The menu command a key chooses, MenuCommand::None when none: ctrl with a capital letter, or a
// function key.
EMSCRIPTEN_KEEPALIVE int kelvaro_shortcut(int ctrl, int letter, int functionKey) {
    const kelvaro::ShortcutKey key{ctrl != 0, static_cast<char>(letter), functionKey};
    return static_cast<int>(kelvaro::commandForShortcut(key));
}

// The largest settings file the page opens, the same as the desktop's.
EMSCRIPTEN_KEEPALIVE int kelvaro_largest_settings_file() {
    return static_cast<int>(kelvaro::largestSettingsFile);
}

// A settings file the player opened, its name and its first size bytes, or unreadable (0) when
// the browser could not read it: kept as the saved game when a Load would take it, otherwise
// refused with a box that says why. The saved-game panel says which.
EMSCRIPTEN_KEEPALIVE void kelvaro_open_saved_file(const char *name, int nameSize, const char *bytes,
                                                  int size, int readable) {
    kelvaro::PageDialogs dialogs;
    kelvaro::OpenedFile file{std::string(name, static_cast<std::size_t>(nameSize)), std::nullopt};
    if (readable != 0)
        file.bytes = std::string(bytes, size > 0 ? static_cast<std::size_t>(size) : 0);
    const std::string said = kelvaro::keepOpenedFile(file, dialogs);
    kelvaro_js_say_about_saved_game(said.data(), kelvaro::page::byteCount(said));
}
}
