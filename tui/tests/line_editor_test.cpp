// The line a prompt takes, with the usual editing keys.

#include "support/scripted_terminal.h"
#include "tui/line_editor.h"
#include "tui/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvaro::testing {
namespace {

struct EditCase {
    const char *name;
    std::vector<Key> keys;
    std::u32string text;
    std::size_t cursor;
};

std::vector<Key> typed(const std::u32string &text) {
    std::vector<Key> keys;
    for (const char32_t c : text)
        keys.push_back(Key::typed(c));
    return keys;
}

std::vector<Key> operator+(std::vector<Key> keys, const std::vector<Key> &more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

class LineEditing : public ::testing::TestWithParam<EditCase> {};

TEST_P(LineEditing, leavesTheTextAndTheCursor) {
    LineEditor editor;
    for (const Key &key : GetParam().keys)
        editor.handle(key);
    EXPECT_EQ(toUtf8(editor.text()), toUtf8(GetParam().text));
    EXPECT_EQ(editor.cursor(), GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LineEditing,
    ::testing::Values(
        EditCase{"typing", typed(U"Zeeën €"), U"Zeeën €", 7},
        EditCase{"leftThenTyping", typed(U"Fsh") + std::vector{left, left} + typed(U"i"), U"Fish",
                 2},
        EditCase{"homeThenTyping", typed(U"Co") + std::vector{home} + typed(U"Fish "), U"Fish Co",
                 5},
        EditCase{"endAfterHome", typed(U"Co") + std::vector{home, end}, U"Co", 2},
        EditCase{"backspace", typed(U"Fishh") + std::vector{backspace}, U"Fish", 4},
        EditCase{"backspaceAtTheStart", typed(U"Fish") + std::vector{home, backspace}, U"Fish", 0},
        EditCase{"deleteUnderTheCursor", typed(U"Fissh") + std::vector{left, left, deleteKey},
                 U"Fish", 3},
        EditCase{"deleteAtTheEnd", typed(U"Fish") + std::vector{deleteKey}, U"Fish", 4},
        EditCase{"rightStopsAtTheEnd", typed(U"ab") + std::vector{right, right}, U"ab", 2},
        EditCase{"leftStopsAtTheStart", std::vector{left}, U"", 0},
        EditCase{"aMarkMovesWithItsCharacter", typed(U"ae\u0301b") + std::vector{left, left},
                 U"ae\u0301b", 1},
        EditCase{"deleteTakesACharacterWithItsMark",
                 typed(U"ae\u0301b") + std::vector{home, right, deleteKey}, U"ab", 1},
        EditCase{"backspaceTakesACharacterWithItsMark", typed(U"ae\u0301") + std::vector{backspace},
                 U"a", 1},
        EditCase{"altAndControlKeysTypeNothing",
                 std::vector{Key::withAlt(U'f'), Key::typed(U'\x01'), Key::typed(U'\x7F'), f10},
                 U"", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LineEditorShown, scrollsSoThatTheCursorStaysInView) {
    LineEditor editor;
    for (const Key &key : typed(U"0123456789"))
        editor.handle(key);
    const LineEditor::Shown end = editor.shown(5);
    EXPECT_EQ(toUtf8(end.text), "6789");
    EXPECT_EQ(end.cursorColumn, 4);
    editor.handle(home);
    const LineEditor::Shown start = editor.shown(5);
    EXPECT_EQ(toUtf8(start.text), "01234");
    EXPECT_EQ(start.cursorColumn, 0);
}

TEST(LineEditorShown, placesTheCursorByColumns) {
    LineEditor editor;
    editor.setText(U"日本語e\u0301");
    const LineEditor::Shown all = editor.shown(10);
    EXPECT_EQ(toUtf8(all.text), "日本語e\u0301");
    EXPECT_EQ(all.cursorColumn, 7);
    // Four columns: the cursor's and 本語's after it; 日 scrolls out whole.
    editor.handle(left);
    const LineEditor::Shown narrow = editor.shown(5);
    EXPECT_EQ(toUtf8(narrow.text), "本語e\u0301");
    EXPECT_EQ(narrow.cursorColumn, 4);
}

} // namespace
} // namespace kelvaro::testing
