#include "window_support/form_fixture.h"

#include <QApplication>
#include <QTest>

#include <vector>

namespace kelvaro::testing {
namespace {

class Form1Focus : public FormFixture {};

const std::vector<QString> tabOrder{
    "txtGeld",          "txtWerkers",       "txtJaar",          "cmdKopen(1)",
    "cmdVerkopen(1)",   "cmdWachten",       "txtVissen(1)",     "txtVissen(2)",
    "txtVissen(3)",     "txtVissen(4)",     "txtVissen(5)",     "txtMarktprijs(1)",
    "txtMarktprijs(2)", "txtMarktprijs(3)", "txtMarktprijs(4)", "txtMarktprijs(5)",
    "cmdKopen(2)",      "cmdKopen(3)",      "cmdKopen(4)",      "cmdKopen(5)",
    "cmdVerkopen(2)",   "cmdVerkopen(3)",   "cmdVerkopen(4)",   "cmdVerkopen(5)",
};

QString focusedName() {
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(nothing)");
}

TEST_F(Form1Focus, windowOpensWithTheFocusInTheMoneyBox) {
    startForm();
    EXPECT_EQ(focusedName(), QStringLiteral("txtGeld"));
}

TEST_F(Form1Focus, tabVisitsTheControlsInTheirOrderAndComesBackToTheMoneyBox) {
    startForm();
    std::vector<QString> visited{focusedName()};
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusedName());
    }
    std::vector<QString> expected = tabOrder;
    expected.push_back(QStringLiteral("txtGeld"));
    EXPECT_EQ(visited, expected);
}

TEST_F(Form1Focus, shiftTabGoesBackFromTheMoneyBoxToTheLastSellButton) {
    startForm();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), QStringLiteral("cmdVerkopen(5)"));
}

TEST_F(Form1Focus, typingIntoTheReadOnlyBoxesChangesNothing) {
    startForm();
    for (const char *name : {"txtGeld", "txtWerkers", "txtJaar"}) {
        QLineEdit *box = control<QLineEdit>(name);
        const QString before = box->text();
        box->setFocus();
        QTest::keyClicks(box, "123");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), before) << name;
    }
}

TEST_F(Form1Focus, typingIntoAGridBoxStaysThereAndRunsNothing) {
    startForm();
    QLineEdit *box = control<QLineEdit>("txtMarktprijs(2)");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("705"));
    EXPECT_TRUE(transcript.lines.empty());
}

} // namespace
} // namespace kelvaro::testing
