// What a screen reader gets from a few of the window's controls: name, role and value, read
// through Qt's accessibility interface as the reader itself reads them.

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

} // namespace
} // namespace kelvaro::testing
