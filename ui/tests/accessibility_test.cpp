// A screen reader finds every control the player uses by name, and reads the game's values.

#include "window_support/form_fixture.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace kelvaro::testing {
namespace {

class AccessibilityTest : public FormFixture {
  protected:
    QAccessibleInterface *reader(const char *controlName) const {
        QAccessibleInterface *interface =
            QAccessible::queryAccessibleInterface(control<QWidget>(controlName));
        if (!interface)
            ADD_FAILURE() << "no accessible interface for " << controlName;
        return interface;
    }
    std::string said(const char *controlName, QAccessible::Text what) const {
        QAccessibleInterface *interface = reader(controlName);
        return interface ? interface->text(what).toStdString() : std::string();
    }
};

TEST_F(AccessibilityTest, everyControlThePlayerUsesHasANameAndADescription) {
    // clang-format off
    const struct { const char *control; const char *name; QAccessible::Role role; } controls[] = {
        {"txtVissen(1)", "Angler stock", QAccessible::EditableText},
        {"txtVissen(2)", "Eels stock", QAccessible::EditableText},
        {"txtVissen(3)", "Salmon stock", QAccessible::EditableText},
        {"txtVissen(4)", "Trout stock", QAccessible::EditableText},
        {"txtVissen(5)", "Carp stock", QAccessible::EditableText},
        {"txtMarktprijs(1)", "Angler price", QAccessible::EditableText},
        {"txtMarktprijs(3)", "Salmon price", QAccessible::EditableText},
        {"txtMarktprijs(5)", "Carp price", QAccessible::EditableText},
        {"cmdKopen(1)", "Buy angler", QAccessible::Button},
        {"cmdKopen(2)", "Buy eels", QAccessible::Button},
        {"cmdKopen(4)", "Buy trout", QAccessible::Button},
        {"cmdVerkopen(1)", "Sell angler", QAccessible::Button},
        {"cmdVerkopen(5)", "Sell carp", QAccessible::Button},
        {"txtGeld", "Money", QAccessible::EditableText},
        {"txtWerkers", "Workers", QAccessible::EditableText},
        {"txtJaar", "Date", QAccessible::EditableText},
        {"cmdWachten", "Wait", QAccessible::Button},
        {"lblNaam", "Company name", QAccessible::StaticText},
    };
    // clang-format on
    for (const auto &c : controls) {
        QAccessibleInterface *interface = reader(c.control);
        ASSERT_NE(interface, nullptr) << c.control;
        EXPECT_EQ(interface->text(QAccessible::Name).toStdString(), c.name) << c.control;
        EXPECT_FALSE(interface->text(QAccessible::Description).isEmpty()) << c.control;
        EXPECT_EQ(interface->role(), c.role) << c.control;
    }
}

TEST_F(AccessibilityTest, theValuesReadOutFollowTheGame) {
    startForm();
    EXPECT_EQ(said("txtGeld", QAccessible::Value), "1000");
    EXPECT_EQ(said("txtVissen(2)", QAccessible::Value), "0");
    EXPECT_EQ(said("txtMarktprijs(3)", QAccessible::Value), "80");

    form->showMoney(-40);
    form->showStock(FishKind::Eels, 12);
    form->showWorkforce(3);
    form->showDate("08 December 2026");
    EXPECT_EQ(said("txtGeld", QAccessible::Value), "-40");
    EXPECT_EQ(said("txtVissen(2)", QAccessible::Value), "12");
    EXPECT_EQ(said("txtWerkers", QAccessible::Value), "3");
    EXPECT_EQ(said("txtJaar", QAccessible::Value), "08 December 2026");
}

} // namespace
} // namespace kelvaro::testing
