// The commands that live only in the menus, on recording dialogs.

#include "core/menu_commands.h"
#include "support/game_fixture.h"

#include <map>
#include <sstream>

namespace kelvaro::testing {
namespace {

Lines linesOf(const std::string &text) {
    Lines lines;
    std::string line;
    std::istringstream stream(text);
    while (std::getline(stream, line))
        lines.push_back(line);
    if (!text.empty() && text.back() == '\n')
        lines.push_back("");
    return lines;
}

bool startsWith(const std::string &text, const std::string &start) {
    return text.rfind(start, 0) == 0;
}

class MenuCommands : public GameFixture {};

TEST_F(MenuCommands, quitAnsweredYesEndsTheProgram) {
    dialogs.answerQuestion(true);
    quitIfConfirmed(dialogs, view);
    EXPECT_EQ(transcript.lines,
              (Lines{"ask(Quit): Are you sure you want to quit? -> yes", "endProgram"}));
}

TEST_F(MenuCommands, quitAnsweredNoDoesNothing) {
    dialogs.answerQuestion(false);
    quitIfConfirmed(dialogs, view);
    EXPECT_EQ(transcript.lines, (Lines{"ask(Quit): Are you sure you want to quit? -> no"}));
}

TEST_F(MenuCommands, infoBoxNamesTheVersionTheAuthorAndTheWebAddress) {
    const Lines lines = linesOf(infoText());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Kelvaro v2.8");
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(startsWith(lines[2], "Created by ")) << lines[2];
    EXPECT_TRUE(startsWith(lines[3], "https://")) << lines[3];
}

TEST_F(MenuCommands, creditsBoxHasItsHeadingsWithIndentedNames) {
    const Lines lines = linesOf(creditsText());
    ASSERT_EQ(lines.size(), 17u);
    const std::map<std::size_t, std::string> fixed{
        {1, "Credits"}, {2, "---------"},
        {3, ""},        {4, "Fish-animation:"},
        {6, ""},        {7, "Development:"},
        {10, ""},       {11, "Lay-out:"},
        {13, ""},       {14, "Beta-testing:"},
        {16, ""},       {17, "And especially you, thanks for playing!"},
    };
    for (const auto &[number, text] : fixed)
        EXPECT_EQ(lines[number - 1], text) << "line " << number;
    for (const std::size_t number : {5u, 8u, 9u, 12u, 15u}) {
        const std::string &line = lines[number - 1];
        EXPECT_TRUE(startsWith(line, "    ") && line.size() > 4 && line[4] != ' ')
            << "line " << number << ": " << line;
    }
    EXPECT_EQ(lines[7].back(), ',');
}

TEST_F(MenuCommands, newReleaseBoxHasNoIdeaAndTheWebAddress) {
    const Lines lines = linesOf(newReleaseText());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "What's in the coming release?");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "No idea");
    EXPECT_EQ(lines[3], linesOf(infoText())[3]);
}

TEST_F(MenuCommands, boxesCarryTheirCaptionAndTheInformationIcon) {
    showInfo(dialogs);
    showCredits(dialogs);
    showNewRelease(dialogs);
    EXPECT_EQ(transcript.lines, (Lines{"message(Info, information): " + infoText(),
                                       "message(Credits, information): " + creditsText(),
                                       "message(New, information): " + newReleaseText()}));
}

} // namespace
} // namespace kelvaro::testing
