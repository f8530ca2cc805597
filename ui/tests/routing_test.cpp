// Which rule each button, menu item and shortcut of the window runs.

#include "core/menu_commands.h"
#include "window_support/form_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace kelvaro::testing {
namespace {

// The stocks of the saved game each test starts from: row k holds 11 k fish.
constexpr std::array<int, 5> savedStocks{11, 22, 33, 44, 55};
constexpr std::array<int, 5> nextPrices{51, 52, 53, 54, 55};

class Form1Routing : public FormFixture {
  protected:
    void SetUp() override {
        startForm();
        loadSavedGame(1000, savedStocks);
    }

    // The next day brings these prices and no event.
    void quietDayFollows() { scriptDay(nextPrices, 4); }

    std::array<QString, 5> stockBoxes() const {
        std::array<QString, 5> boxes;
        for (int row = 1; row <= 5; ++row)
            boxes[row - 1] = textOf(("txtVissen(" + std::to_string(row) + ")").c_str());
        return boxes;
    }
};

struct TradeCase {
    const char *button;
    const char *prompt;
    int row;
    int stockAfter;
};

void PrintTo(const TradeCase &c, std::ostream *out) { *out << c.button; }

const TradeCase tradeCases[] = {
    {"cmdKopen(1)", "How many fish do you want to buy?", 1, 12},
    {"cmdKopen(2)", "How many fish do you want to buy?", 2, 23},
    {"cmdKopen(3)", "How many fish do you want to buy?", 3, 34},
    {"cmdKopen(4)", "How many fish do you want to buy?", 4, 45},
    {"cmdKopen(5)", "How many fish do you want to buy?", 5, 56},
    {"cmdVerkopen(1)", "How many fish do you want to sell?", 1, 10},
    {"cmdVerkopen(2)", "How many fish do you want to sell?", 2, 21},
    {"cmdVerkopen(3)", "How many fish do you want to sell?", 3, 32},
    {"cmdVerkopen(4)", "How many fish do you want to sell?", 4, 43},
    {"cmdVerkopen(5)", "How many fish do you want to sell?", 5, 54},
};

class Form1Trades : public Form1Routing, public ::testing::WithParamInterface<TradeCase> {};

TEST_P(Form1Trades, buttonTradesOneFishOfItsRowsKindAndPassesADay) {
    const TradeCase &c = GetParam();
    dialogs.answerPrompt("1");
    quietDayFollows();

    click(c.button);

    ASSERT_FALSE(transcript.lines.empty());
    EXPECT_EQ(transcript.lines.front(), std::string("prompt(-): ") + c.prompt + " -> 1");
    std::array<QString, 5> expected;
    for (int row = 1; row <= 5; ++row)
        expected[row - 1] = QString::number(row == c.row ? c.stockAfter : savedStocks[row - 1]);
    EXPECT_EQ(stockBoxes(), expected);
    EXPECT_EQ(textOf("txtJaar"), QStringLiteral("08 December 2026"));
    EXPECT_EQ(textOf("txtMarktprijs(5)"), QStringLiteral("55"));
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1Trades, ::testing::ValuesIn(tradeCases), [](const auto &info) {
    std::string name = info.param.button;
    for (char &c : name)
        if (c == '(' || c == ')')
            c = '_';
    return name;
});

TEST_F(Form1Routing, buyButtonOfThirdRowTradesSalmonAtItsPrice) {
    dialogs.answerPrompt("2");
    quietDayFollows();
    click("cmdKopen(3)");
    EXPECT_EQ(textOf("txtVissen(3)"), QStringLiteral("35"));
    // 1000 less two salmon at 80, then a day's wages for the 16 workers of 167 fish.
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("680"));
    EXPECT_EQ(textOf("txtWerkers"), QStringLiteral("16"));
}

TEST_F(Form1Routing, waitPassesADayWithoutATrade) {
    quietDayFollows();
    click("cmdWachten");
    EXPECT_EQ(textOf("txtJaar"), QStringLiteral("08 December 2026"));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(textOf(("txtMarktprijs(" + std::to_string(row) + ")").c_str()),
                  QString::number(nextPrices[row - 1]));
    EXPECT_EQ(stockBoxes(), (std::array<QString, 5>{"11", "22", "33", "44", "55"}));
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("1000"));
}

TEST_F(Form1Routing, spaceOnTheFocusedSellButtonCountsAsAClick) {
    dialogs.answerPrompt("1");
    quietDayFollows();
    QPushButton *sell = control<QPushButton>("cmdVerkopen(4)");
    sell->setFocus();
    QTest::keyClick(sell, Qt::Key_Space);
    EXPECT_EQ(textOf("txtVissen(4)"), QStringLiteral("43"));
}

TEST_F(Form1Routing, typedPriceIsNotWhatABuyPays) {
    control<QLineEdit>("txtMarktprijs(1)")->setText(QStringLiteral("1"));
    dialogs.answerPrompt("10");
    quietDayFollows();
    click("cmdKopen(1)");
    // Ten angler at 60, not at the typed 1; 175 fish call for 17 workers.
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("230"));
    EXPECT_EQ(textOf("txtMarktprijs(1)"), QStringLiteral("51"));
}

struct ShortcutCase {
    const char *what;
    const char *focusedControl;
    QKeyCombination keys;
    const char *firstLine; // what the shortcut's command shows or asks first
};

void PrintTo(const ShortcutCase &c, std::ostream *out) { *out << c.what; }

class Form1Shortcuts : public Form1Routing, public ::testing::WithParamInterface<ShortcutCase> {};

const ShortcutCase shortcutCases[] = {
    {"ctrlLLoadsFromAStockBox", "txtVissen(3)", Qt::CTRL | Qt::Key_L,
     "prompt(-): Please give a new name: -> Fish Co"},
    {"ctrlLLoadsFromAButton", "cmdWachten", Qt::CTRL | Qt::Key_L,
     "prompt(-): Please give a new name: -> Fish Co"},
    {"f1ShowsInfoFromTheMoneyBox", "txtGeld", QKeyCombination(Qt::Key_F1),
     "message(Info, information): Kelvaro v2.8\n\nCreated by the Kelvaro "
     "team\nhttps://kelvaro.example.org"},
    {"f1ShowsInfoFromAPriceBox", "txtMarktprijs(5)", QKeyCombination(Qt::Key_F1),
     "message(Info, information): Kelvaro v2.8\n\nCreated by the Kelvaro "
     "team\nhttps://kelvaro.example.org"},
};

TEST_P(Form1Shortcuts, shortcutRunsItsCommandWhereverTheFocusIs) {
    const ShortcutCase &c = GetParam();
    if (c.keys.key() == Qt::Key_L)
        dialogs.answerPrompt("Fish Co");
    QWidget *focused = control<QWidget>(c.focusedControl);
    focused->setFocus();
    QTest::keyClick(focused, c.keys.key(), c.keys.keyboardModifiers());
    ASSERT_FALSE(transcript.lines.empty());
    EXPECT_EQ(transcript.lines.front(), c.firstLine);
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1Shortcuts, ::testing::ValuesIn(shortcutCases),
                         [](const auto &info) { return std::string(info.param.what); });

TEST_F(Form1Routing, ctrlSSavesTheGameFromAnyControl) {
    settings.values.clear();
    QWidget *focused = control<QWidget>("cmdKopen(2)");
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(settings.saved("geld"), "1000");
    EXPECT_EQ(settings.saved("vissen5"), "55");
    EXPECT_EQ(settings.saved("datum"), "2026-12-07 15:04:05");
    EXPECT_TRUE(transcript.lines.empty());
}

struct MenuCase {
    const char *item;
    std::vector<std::string> promptAnswers;
    std::vector<bool> questionAnswers;
    std::vector<std::string> transcript;
};

void PrintTo(const MenuCase &c, std::ostream *out) { *out << c.item; }

const MenuCase menuCases[] = {
    {"nieuw_spel",
     {"Reef"},
     {},
     {"prompt(New game): How do you want to call your company? -> Reef"}},
    {"andere_naam", {"Reef"}, {}, {"prompt(Name): How do you want to call your company? -> Reef"}},
    {"afsluiten", {}, {false}, {"ask(Quit): Are you sure you want to quit? -> no"}},
    {"info", {}, {}, {"message(Info, information): " + infoText()}},
    {"credits", {}, {}, {"message(Credits, information): " + creditsText()}},
    {"new_release", {}, {}, {"message(New, information): " + newReleaseText()}},
    {"break0", {}, {}, {}},
    {"break1", {}, {}, {}},
    {"default", {}, {}, {}},
};

class Form1MenuCommands : public Form1Routing, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(Form1MenuCommands, itemRunsItsCommand) {
    const MenuCase &c = GetParam();
    for (const std::string &answer : c.promptAnswers)
        dialogs.answerPrompt(answer);
    for (const bool yes : c.questionAnswers)
        dialogs.answerQuestion(yes);
    trigger(c.item);
    EXPECT_EQ(transcript.lines, c.transcript);
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1MenuCommands, ::testing::ValuesIn(menuCases),
                         [](const auto &info) { return std::string(info.param.item); });

TEST_F(Form1Routing, newGameResetsTheGameButKeepsThePrices) {
    dialogs.answerPrompt("Reef");
    trigger("nieuw_spel");
    EXPECT_EQ(stockBoxes(), (std::array<QString, 5>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(textOf("txtJaar"), QStringLiteral("07 Dec 2026"));
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("1000"));
    EXPECT_EQ(textOf("txtMarktprijs(3)"), QStringLiteral("80"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelvaro - Reef"));
}

TEST_F(Form1Routing, cancelledRenameLeavesTheNameBlank) {
    dialogs.answerPrompt("");
    trigger("andere_naam");
    EXPECT_EQ(control<QLabel>("lblNaam")->text(), QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelvaro - "));
}

TEST_F(Form1Routing, loadShowsTheSavedValuesAndAsksForANewName) {
    settings.save("geld", "-40");
    settings.save("vissen2", "7");
    settings.save("datum", "2027-01-31 09:08:07");
    dialogs.answerPrompt("Reef");
    trigger("laden");
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("-40"));
    EXPECT_EQ(textOf("txtVissen(2)"), QStringLiteral("7"));
    EXPECT_EQ(textOf("txtJaar"), QStringLiteral("2027-01-31 09:08:07"));
    EXPECT_EQ(control<QLabel>("lblNaam")->text(), QStringLiteral("Reef"));
}

TEST_F(Form1Routing, quitAnsweredNoChangesNothing) {
    const std::map<QString, QString> before = shownTexts();
    const auto savedBefore = settings.values;
    dialogs.answerQuestion(false);
    trigger("afsluiten");
    EXPECT_EQ(shownTexts(), before);
    EXPECT_TRUE(form->isVisible());
    // The game itself is unchanged too: a save now writes what was loaded.
    settings.values.clear();
    trigger("opslaan");
    EXPECT_EQ(settings.values, savedBefore);
}

} // namespace
} // namespace kelvaro::testing
