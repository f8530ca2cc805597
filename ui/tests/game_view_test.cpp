// Each operation of the view replaces the text of its one control and of nothing else.

#include "window_support/form_fixture.h"

#include <QLabel>
#include <QWindow>

namespace kelvaro::testing {
namespace {

struct ViewCase {
    const char *what;
    std::function<void(GameView &)> operation;
    const char *control; // "title" for the window title
    QString shows;
};

void PrintTo(const ViewCase &c, std::ostream *out) { *out << c.what; }

const ViewCase viewCases[] = {
    {"price1", [](GameView &v) { v.showPrice(FishKind::Angler, 75); }, "txtMarktprijs(1)", "75"},
    {"price2", [](GameView &v) { v.showPrice(FishKind::Eels, 51); }, "txtMarktprijs(2)", "51"},
    {"price3", [](GameView &v) { v.showPrice(FishKind::Salmon, 100); }, "txtMarktprijs(3)", "100"},
    {"price4", [](GameView &v) { v.showPrice(FishKind::Trout, 64); }, "txtMarktprijs(4)", "64"},
    {"price5", [](GameView &v) { v.showPrice(FishKind::Carp, 99); }, "txtMarktprijs(5)", "99"},
    {"stock1", [](GameView &v) { v.showStock(FishKind::Angler, 0); }, "txtVissen(1)", "0"},
    {"stock2", [](GameView &v) { v.showStock(FishKind::Eels, -7); }, "txtVissen(2)", "-7"},
    {"stock3", [](GameView &v) { v.showStock(FishKind::Salmon, 12); }, "txtVissen(3)", "12"},
    {"stock4", [](GameView &v) { v.showStock(FishKind::Trout, 2147483647); }, "txtVissen(4)",
     "2147483647"},
    {"stock5", [](GameView &v) { v.showStock(FishKind::Carp, 3); }, "txtVissen(5)", "3"},
    {"moneyNegative", [](GameView &v) { v.showMoney(-40); }, "txtGeld", "-40"},
    {"moneyThousand", [](GameView &v) { v.showMoney(1000); }, "txtGeld", "1000"},
    {"moneyLowest", [](GameView &v) { v.showMoney(-2147483647 - 1); }, "txtGeld", "-2147483648"},
    {"workforce", [](GameView &v) { v.showWorkforce(27); }, "txtWerkers", "27"},
    {"date", [](GameView &v) { v.showDate("07 December 2026"); }, "txtJaar", "07 December 2026"},
    {"dateKeepsBlanks", [](GameView &v) { v.showDate(" 7/12/2026 15:04:05 "); }, "txtJaar",
     " 7/12/2026 15:04:05 "},
    {"companyName", [](GameView &v) { v.showCompanyName("Fish Co"); }, "lblNaam", "Fish Co"},
    {"companyNameMarkup", [](GameView &v) { v.showCompanyName("<b>Fish & Co</b>"); }, "lblNaam",
     "<b>Fish & Co</b>"},
    {"companyNameEmpty", [](GameView &v) { v.showCompanyName(""); }, "lblNaam", ""},
    {"title", [](GameView &v) { v.setTitle("Kelvaro - Fish Co"); }, "title", "Kelvaro - Fish Co"},
    {"titleEmptyName", [](GameView &v) { v.setTitle("Kelvaro - "); }, "title", "Kelvaro - "},
};

class Form1View : public FormFixture, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(Form1View, operationChangesOnlyItsControl) {
    const ViewCase &c = GetParam();
    std::map<QString, QString> expected = shownTexts();
    ASSERT_TRUE(expected.contains(QLatin1String(c.control)));
    expected[QLatin1String(c.control)] = c.shows;

    c.operation(*form);

    EXPECT_EQ(shownTexts(), expected);
    EXPECT_TRUE(transcript.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1View, ::testing::ValuesIn(viewCases),
                         [](const auto &info) { return std::string(info.param.what); });

class Form1ViewTexts : public FormFixture {};

TEST_F(Form1ViewTexts, companyNameShowsMarkupAndAmpersandLiterally) {
    form->showCompanyName("<b>Fish & Co</b>");
    EXPECT_EQ(control<QLabel>("lblNaam")->textFormat(), Qt::PlainText);
}

TEST_F(Form1ViewTexts, textWiderThanItsBoxShowsFromItsStart) {
    form->showDate("07 December 2026");
    form->showMoney(-2147483647 - 1);
    EXPECT_EQ(control<QLineEdit>("txtJaar")->cursorPosition(), 0);
    EXPECT_EQ(control<QLineEdit>("txtGeld")->cursorPosition(), 0);
}

TEST_F(Form1ViewTexts, titleShowsTheChangeMarkAsTyped) {
    form->winId();
    form->setTitle("Kelvaro - [*] & Co");
    EXPECT_EQ(form->windowHandle()->title(), QStringLiteral("Kelvaro - [*] & Co"));
}

TEST_F(Form1ViewTexts, titleShowsEuroSignAndDutchAsGiven) {
    form->winId();
    form->setTitle("Kelvaro - Vis € Zoon");
    EXPECT_EQ(form->windowHandle()->title(), QString::fromUtf8("Kelvaro - Vis € Zoon"));
}

} // namespace
} // namespace kelvaro::testing
