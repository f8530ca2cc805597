// What a screen reader gets from a few of the window's controls: name, role and value, read
// through Qt's accessibility interface as the reader itself reads them; a box's text and its
// runs of attributes; and the notification of what an action changed.

#include "ui/change_announcer.h"
#include "window_support/form_fixture.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace kelvaro::testing {
namespace {

class AccessibilityTest : public FormFixture {};

TEST_F(AccessibilityTest, aScreenReaderGetsNameRoleAndValueOfTheControls) {
    startForm();
    form->showStock(FishKind::Eels, 12);
    form->showMoney(-40);
    form->showDate("08 December 2026");
    const struct {
        const char *control;
        const char *name;
        QAccessible::Role role;
        const char *value;
    } controls[] = {
        {"txtVissen(2)", "Eels stock", QAccessible::EditableText, "12"},
        {"txtMarktprijs(3)", "Salmon price", QAccessible::EditableText, "80"},
        {"txtGeld", "Money", QAccessible::EditableText, "-40"},
        {"txtJaar", "Date", QAccessible::EditableText, "08 December 2026"},
        {"cmdKopen(4)", "Buy trout", QAccessible::Button, ""},
        {"cmdVerkopen(5)", "Sell carp", QAccessible::Button, ""},
        {"lblNaam", "Company name", QAccessible::StaticText, ""},
    };
    for (const auto &c : controls) {
        QAccessibleInterface *reader =
            QAccessible::queryAccessibleInterface(control<QWidget>(c.control));
        ASSERT_NE(reader, nullptr) << c.control;
        EXPECT_EQ(reader->text(QAccessible::Name).toStdString(), c.name) << c.control;
        EXPECT_EQ(reader->role(), c.role) << c.control;
        EXPECT_EQ(reader->text(QAccessible::Value).toStdString(), c.value) << c.control;
        EXPECT_FALSE(reader->state().invisible) << c.control;
    }
}

// A reader builds the line it speaks from the runs of attributes: each must span the text.
TEST_F(AccessibilityTest, aBoxsTextIsOneRunOfAttributesFromItsFirstToItsLastCharacter) {
    startForm();
    form->showDate("08 December 2026");
    for (const char *name : {"txtGeld", "txtJaar", "txtVissen(1)", "txtMarktprijs(5)"}) {
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(control<QWidget>(name))->textInterface();
        ASSERT_NE(text, nullptr) << name;
        const QString whole = textOf(name);
        EXPECT_EQ(text->text(0, text->characterCount()), whole) << name;
        for (const int offset : {0, int(whole.size()) - 1, int(whole.size())}) {
            int start = -2;
            int end = -2;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(start, 0) << name << " at " << offset;
            EXPECT_EQ(end, whole.size()) << name << " at " << offset;
        }
    }
}

struct ChangeCase {
    const char *what;
    const char *button;
    const char *amount; // typed at the prompt, or nullptr
    const char *announced;
};

const ChangeCase changeCases[] = {
    {"aDaysPricesAndDate", "cmdWachten", nullptr,
     "Angler price 51, Eels price 52, Salmon price 53, Trout price 54, Carp price 55, "
     "Date 08 December 2026"},
    {"aTradesStockAndMoneyFirst", "cmdKopen(2)", "3",
     "Eels stock 3, Money 790, Angler price 51, Eels price 52, Salmon price 53, Trout price 54, "
     "Carp price 55, Date 08 December 2026"},
    {"aTradeOfNoFishOnlyItsDay", "cmdVerkopen(1)", "0",
     "Angler price 51, Eels price 52, Salmon price 53, Trout price 54, Carp price 55, "
     "Date 08 December 2026"},
};

class Changes : public AccessibilityTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(Changes, areAnnouncedOnceInTheOrderShownWithoutMovingTheFocus) {
    const ChangeCase &c = GetParam();
    startForm();
    auto *announcer = dynamic_cast<ChangeAnnouncer *>(control<QWidget>("changes"));
    ASSERT_NE(announcer, nullptr);
    EXPECT_TRUE(announcer->announcement().isEmpty()) << "the start is not announced";
    if (c.amount)
        dialogs.answerPrompt(c.amount);
    scriptDay({51, 52, 53, 54, 55}, 4);
    click(c.button);
    EXPECT_EQ(announcer->announcement().toStdString(), c.announced);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(read->role(), QAccessible::Notification);
    EXPECT_EQ(read->text(QAccessible::Name).toStdString(), c.announced);
    EXPECT_TRUE(announcer->isVisible());
    EXPECT_EQ(announcer->focusPolicy(), Qt::NoFocus);
}

INSTANTIATE_TEST_SUITE_P(Form1, Changes, ::testing::ValuesIn(changeCases),
                         [](const auto &info) { return std::string(info.param.what); });

} // namespace
} // namespace kelvaro::testing
