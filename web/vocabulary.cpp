#include "web/vocabulary.h"

#include "core/action_routing.h"
#include "core/menu_tree.h"
#include "core/user_dialogs.h"
#include "core/window_layout.h"
#include "web/boundary_text.h"
#include "web/page_bridge.h"

#include <emscripten.h>

#include <string>

// clang-format off
EM_JS(void, kelvaro_js_add_word,
      (const char *table, int tableSize, const char *word, int wordSize, int number), {
          kelvaroPage.addWord(kelvaroPage.textAt(table, tableSize),
                              kelvaroPage.textAt(word, wordSize), number);
      });
// clang-format on

namespace kelvaro::page {

namespace {

// Each enumeration's words, by a switch without a default, so that a value added to an
// enumeration without a word here does not compile (-Wswitch); nullptr past the last value.
const char *wordOf(ControlType type) {
    switch (type) {
    case ControlType::Label:
        return "label";
    case ControlType::TextBox:
        return "textBox";
    case ControlType::ReadOnlyTextBox:
        return "readOnlyTextBox";
    case ControlType::Button:
        return "button";
    }
    return nullptr;
}

const char *wordOf(FontFace face) {
    switch (face) {
    case FontFace::Verdana:
        return "verdana";
    case FontFace::Tahoma:
        return "tahoma";
    case FontFace::UserInterface:
        return "userInterface";
    }
    return nullptr;
}

const char *wordOf(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Left:
        return "left";
    case TextAlignment::Centre:
        return "centre";
    case TextAlignment::Right:
        return "right";
    }
    return nullptr;
}

const char *wordOf(ControlRole role) {
    switch (role) {
    case ControlRole::Decoration:
        return "decoration";
    case ControlRole::CompanyName:
        return "companyName";
    case ControlRole::Money:
        return "money";
    case ControlRole::Workers:
        return "workers";
    case ControlRole::Date:
        return "date";
    case ControlRole::Stock:
        return "stock";
    case ControlRole::Price:
        return "price";
    case ControlRole::Buy:
        return "buy";
    case ControlRole::Sell:
        return "sell";
    case ControlRole::Wait:
        return "wait";
    }
    return nullptr;
}

const char *wordOf(PlayerAction::Kind kind) {
    switch (kind) {
    case PlayerAction::Kind::Buy:
        return "buy";
    case PlayerAction::Kind::Sell:
        return "sell";
    case PlayerAction::Kind::Wait:
        return "wait";
    case PlayerAction::Kind::Menu:
        return "menu";
    }
    return nullptr;
}

const char *wordOf(DialogKind kind) {
    switch (kind) {
    case DialogKind::Message:
        return "message";
    case DialogKind::YesNo:
        return "yesNo";
    case DialogKind::Prompt:
        return "prompt";
    }
    return nullptr;
}

const char *wordOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return "none";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Exclamation:
        return "exclamation";
    }
    return nullptr;
}

const char *wordOf(MenuCommand command) {
    switch (command) {
    case MenuCommand::None:
        return "none";
    case MenuCommand::NewGame:
        return "newGame";
    case MenuCommand::Load:
        return "load";
    case MenuCommand::Save:
        return "save";
    case MenuCommand::Quit:
        return "quit";
    case MenuCommand::RenameCompany:
        return "renameCompany";
    case MenuCommand::Info:
        return "info";
    case MenuCommand::Credits:
        return "credits";
    case MenuCommand::NewRelease:
        return "newRelease";
    }
    return nullptr;
}

// Every value of the enumeration, which numbers its values from 0 without gaps.
template <typename Enum> void describe(const std::string &table) {
    for (int number = 0;; ++number) {
        const char *word = wordOf(static_cast<Enum>(number));
        if (word == nullptr)
            return;
        const std::string name = word;
        kelvaro_js_add_word(table.data(), byteCount(table), name.data(), byteCount(name), number);
    }
}

} // namespace

void describeVocabulary() {
    describe<ControlType>("controlType");
    describe<FontFace>("fontFace");
    describe<TextAlignment>("alignment");
    describe<ControlRole>("role");
    describe<PlayerAction::Kind>("action");
    describe<DialogKind>("dialogKind");
    describe<MessageIcon>("icon");
    describe<MenuCommand>("menuCommand");
}

} // namespace kelvaro::page
