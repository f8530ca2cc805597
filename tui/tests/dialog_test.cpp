// The dialogs in the terminal: which keys answer them and how they look.

#include "support/scripted_terminal.h"
#include "tui/dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvaro::testing {
namespace {

enum class Kind { Message, Question, Prompt };

Dialog make(Kind kind) {
    switch (kind) {
    case Kind::Message:
        return Dialog::message("Kelvaro", "All money gone.", MessageIcon::None);
    case Kind::Question:
        return Dialog::question("Quit", "Are you sure you want to quit?");
    case Kind::Prompt:
        break;
    }
    return Dialog::prompt("Name", "How do you want to call your company?");
}

struct AnswerCase {
    const char *name;
    Kind kind;
    std::vector<Key> keys;
    std::optional<Dialog::Answer> answer;
};

class DialogAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DialogAnswer, isGivenByTheKeys) {
    Dialog dialog = make(GetParam().kind);
    std::optional<Dialog::Answer> answer;
    for (const Key &key : GetParam().keys) {
        ASSERT_FALSE(answer) << "answered before the last key";
        answer = dialog.handle(key);
    }
    EXPECT_EQ(answer, GetParam().answer);
}

using A = Dialog::Answer;

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogAnswer,
    ::testing::Values(
        AnswerCase{"messageEnter", Kind::Message, {enter}, A::Ok},
        AnswerCase{"messageSpace", Kind::Message, {space}, A::Ok},
        AnswerCase{"messageEscape", Kind::Message, {escape}, A::Ok},
        AnswerCase{"messageIgnoresOtherKeys",
                   Kind::Message,
                   {Key::typed(U'x'), ctrlS, f1, f10, Key::withAlt(U'f'), tab},
                   std::nullopt},
        AnswerCase{"questionEnterIsYes", Kind::Question, {enter}, A::Yes},
        AnswerCase{"questionY", Kind::Question, {Key::typed(U'y')}, A::Yes},
        AnswerCase{"questionCapitalY", Kind::Question, {Key::typed(U'Y')}, A::Yes},
        AnswerCase{"questionN", Kind::Question, {Key::typed(U'n')}, A::No},
        AnswerCase{"questionEscapeIsNo", Kind::Question, {escape}, A::No},
        AnswerCase{"questionTabThenEnterIsNo", Kind::Question, {tab, enter}, A::No},
        AnswerCase{"questionRightThenSpaceIsNo", Kind::Question, {right, space}, A::No},
        AnswerCase{"questionRightLeftEnterIsYes", Kind::Question, {right, left, enter}, A::Yes},
        AnswerCase{"promptEnterIsOk", Kind::Prompt, {Key::typed(U'n'), enter}, A::Ok},
        AnswerCase{"promptEscapeIsCancel", Kind::Prompt, {Key::typed(U'y'), escape}, A::Cancel},
        AnswerCase{"promptTabsToCancel", Kind::Prompt, {tab, tab, enter}, A::Cancel},
        AnswerCase{"promptTabsRoundToTheLine", Kind::Prompt, {tab, tab, tab, space, enter}, A::Ok}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DialogPrompt, givesWhatWasTypedWithItsEdits) {
    Dialog dialog = make(Kind::Prompt);
    for (const Key key : {Key::typed(U'Z'), Key::typed(U'e'), Key::typed(U'n'), left,
                          Key::typed(U'e'), end, Key::typed(U' '), Key::typed(U'€')})
        dialog.handle(key);
    EXPECT_EQ(dialog.typed(), "Zeen €");
}

TEST(DialogDrawn, isABoxInTheMiddleWithItsCaptionIconTextAndFocusedButton) {
    Canvas canvas(80, 24);
    Dialog::message("€ 1000", "But some nice people € 1000.", MessageIcon::Information)
        .draw(canvas);
    const std::vector<std::string> lines = canvas.lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 15),
              (std::vector<std::string>{
                  "                     ┌─ € 1000 ───────────────────────────┐",
                  "                     │                                    │",
                  "                     │  (i) But some nice people € 1000.  │",
                  "                     │                                    │",
                  "                     │             >[ OK ]                │",
                  "                     └────────────────────────────────────┘",
              }));
    // Hidden on the text, from the icon's mark, for a screen reader that follows the cursor.
    EXPECT_EQ(canvas.cursor(), (Position{11, 24}));
    EXPECT_FALSE(canvas.cursorShown());
}

TEST(DialogDrawn, promptShowsItsLineWithTheCursorInIt) {
    Canvas canvas(80, 24);
    Dialog dialog = Dialog::prompt("Kelvaro", "How many fish do you want to buy?");
    dialog.handle(Key::typed(U'1'));
    dialog.handle(Key::typed(U'2'));
    dialog.draw(canvas);
    const std::vector<std::string> lines = canvas.lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 15),
              (std::vector<std::string>{
                  "                  ┌─ Kelvaro ────────────────────────────────┐",
                  "                  │                                          │",
                  "                  │  How many fish do you want to buy?       │",
                  "                  │  [12                                  ]  │",
                  "                  │                                          │",
                  "                  │           [ OK ]   [ Cancel ]            │",
                  "                  └──────────────────────────────────────────┘",
              }));
    EXPECT_EQ(canvas.cursor(), (Position{11, 24}));
}

TEST(DialogDrawn, promptPutsItsCursorAfterWideCharactersByTheirColumns) {
    Canvas canvas(80, 24);
    Dialog dialog = Dialog::prompt("Kelvaro", "How many fish do you want to buy?");
    for (const char32_t c : std::u32string(U"日本語"))
        dialog.handle(Key::typed(c));
    dialog.draw(canvas);
    EXPECT_EQ(canvas.line(11), "                  │  [日本語                              ]  │");
    EXPECT_EQ(canvas.cursor(), (Position{11, 28}));
}

TEST(DialogDrawn, breaksALineTooLongForTheScreenAtABlank) {
    Canvas canvas(80, 24);
    Dialog::message("Save",
                    "The game could not be saved.\nThe settings file " + std::string(70, 'x') +
                        " is locked by another program",
                    MessageIcon::Exclamation)
        .draw(canvas);
    const std::vector<std::string> lines = canvas.lines();
    EXPECT_EQ(lines[9],
              " │  (!) The game could not be saved.                                          │");
    EXPECT_EQ(lines[10],
              " │      The settings file                                                     │");
    EXPECT_EQ(lines[11], " │      " + std::string(68, 'x') + "  │");
    EXPECT_EQ(lines[12],
              " │      xx is locked by another program                                       │");
}

TEST(DialogDrawn, startsNoBrokenLineWithABlank) {
    Canvas canvas(80, 24);
    Dialog::message("Save", std::string(68, 'x') + "   locked", MessageIcon::Exclamation)
        .draw(canvas);
    const std::vector<std::string> lines = canvas.lines();
    EXPECT_EQ(lines[10], " │  (!) " + std::string(68, 'x') + "  │");
    EXPECT_EQ(lines[11],
              " │      locked                                                                │");
}

} // namespace
} // namespace kelvaro::testing
