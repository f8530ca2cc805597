// The screen as text: UTF-8 in and out, and writing cut off at the edges.

#include "tui/canvas.h"
#include "tui/text.h"

#include <gtest/gtest.h>

namespace kelvaro::testing {
namespace {

struct Utf8Case {
    std::string utf8;
    std::u32string decoded;
};

class Utf8Text : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Text, decodesToCharactersAndBack) {
    EXPECT_EQ(fromUtf8(GetParam().utf8), GetParam().decoded);
    if (GetParam().decoded.find(U'\uFFFD') == std::u32string::npos) {
        EXPECT_EQ(toUtf8(GetParam().decoded), GetParam().utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8Text,
                         ::testing::Values(Utf8Case{"€ 1000", U"€ 1000"},
                                           Utf8Case{"09 März 2026", U"09 März 2026"},
                                           Utf8Case{"", U""}, Utf8Case{"\xE2\x82", U"\uFFFD\uFFFD"},
                                           Utf8Case{"a\xFF"
                                                    "b",
                                                    U"a\uFFFDb"},
                                           Utf8Case{"\xF0\x9F\x90\x9F", U"\U0001F41F"}));

TEST(SplitLines, givesOneLinePerLineFeedAndKeepsEmptyLines) {
    EXPECT_EQ(splitLines(U"Kelvaro v2.8\n\nNo idea"),
              (std::vector<std::u32string>{U"Kelvaro v2.8", U"", U"No idea"}));
    EXPECT_EQ(splitLines(U""), (std::vector<std::u32string>{U""}));
}

TEST(Canvas, cutsOffWhatIsWrittenOutsideIt) {
    Canvas canvas(6, 2);
    canvas.write(0, -2, U"Kelvaro", Style::Water);
    canvas.write(1, 3, U"€ 1000", Style::Name);
    canvas.write(5, 0, U"gone", Style::Water);
    EXPECT_EQ(canvas.lines(), (std::vector<std::string>{"lvaro", "   € 1"}));
    EXPECT_EQ(canvas.at(1, 3).style, Style::Name);
}

TEST(Canvas, framesARectangleWithLines) {
    Canvas canvas(4, 3);
    canvas.frame(0, 0, 3, 4, Style::Dialog);
    EXPECT_EQ(canvas.lines(), (std::vector<std::string>{"┌──┐", "│  │", "└──┘"}));
}

TEST(Canvas, ofNoSizeTakesNothing) {
    Canvas canvas(0, 0);
    canvas.write(0, 0, U"x", Style::Water);
    canvas.frame(0, 0, 3, 3, Style::Water);
    EXPECT_TRUE(canvas.lines().empty());
}

} // namespace
} // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

struct ColumnsCase {
    char32_t character;
    int columns;
};

class CharacterColumns : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(CharacterColumns, areThoseATerminalGivesIt) {
    EXPECT_EQ(columnsOf(GetParam().character), GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(Characters, CharacterColumns,
                         ::testing::Values(ColumnsCase{U'a', 1}, ColumnsCase{U'€', 1},
                                           ColumnsCase{U'ä', 1}, ColumnsCase{U'я', 1},
                                           ColumnsCase{U'月', 2}, ColumnsCase{U'월', 2},
                                           ColumnsCase{U'\u0301', 0}, ColumnsCase{U'☕', 2},
                                           ColumnsCase{U'\u200B', 0}));

TEST(Canvas, givesAWideCharacterTwoColumns) {
    Canvas canvas(8, 1);
    canvas.write(0, 0, U"09 12月 x", Style::Box);
    EXPECT_EQ(canvas.line(0), "09 12月");
    EXPECT_EQ(canvas.at(0, 6).character, coveredCell);
    EXPECT_EQ(canvas.at(0, 7).character, U' ');
}

TEST(Canvas, keepsACombiningMarkOnItsCharacter) {
    Canvas canvas(4, 1);
    canvas.write(0, 0, U"e\u0301\u0301x", Style::Box);
    EXPECT_EQ(canvas.line(0), "e\u0301\u0301x");
    EXPECT_EQ(canvas.at(0, 0).marks, U"\u0301\u0301");
    EXPECT_EQ(canvas.at(0, 1).character, U'x');
    canvas.write(0, 0, U"a", Style::Box);
    EXPECT_EQ(canvas.line(0), "ax");
}

TEST(Canvas, blanksWhatRemainsOfAWideCharacterWrittenOver) {
    Canvas canvas(6, 2);
    canvas.write(0, 0, U"日本語", Style::Box);
    canvas.write(0, 1, U"x", Style::Name);
    canvas.write(0, 4, U"y", Style::Name);
    EXPECT_EQ(canvas.line(0), " x本y");
    canvas.write(1, 0, U"日本語", Style::Box);
    canvas.write(1, 1, U"月", Style::Name);
    EXPECT_EQ(canvas.line(1), " 月 語");
    EXPECT_EQ(canvas.at(1, 3).character, U' ');
}

TEST(Canvas, blanksAWideCharacterCutByTheEdge) {
    Canvas canvas(3, 1);
    canvas.write(0, 2, U"月", Style::Box);
    EXPECT_EQ(canvas.at(0, 2).character, U' ');
}

TEST(FittingStart, countsColumnsNotCharacters) {
    EXPECT_EQ(toUtf8(fittingStart(U"09 12月 2026", 6)), "09 12");
    EXPECT_EQ(toUtf8(fittingStart(U"09 12月 2026", 7)), "09 12月");
    EXPECT_EQ(toUtf8(fittingStart(U"€ 1000", 3)), "€ 1");
}

} // namespace
} // namespace kelvaro::testing
