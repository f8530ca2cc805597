// Every control of the main window as the player sees it before the game start: name, place,
// text, font, colour, alignment and whether it can be typed into.

#include "window_support/form_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace kelvaro::testing {
namespace {

enum class Type { Label, TextBox, Button };

struct Control {
    std::string name;
    Type type;
    QRect twips; // left, top, width, height
    QString text;
    QString family; // empty: the desktop's user-interface font
    qreal points;
    bool bold;
    QColor colour;           // labels only; every text box is black on white
    Qt::Alignment alignment; // horizontal; buttons centre their captions themselves
    bool readOnly;
};

const QColor white(255, 255, 255);
const QColor orange(255, 192, 128);
const QString verdana = QStringLiteral("Verdana");
const QString tahoma = QStringLiteral("Tahoma");

void PrintTo(const Control &c, std::ostream *out) { *out << c.name; }

std::vector<Control> controlTable() {
    // clang-format off
    std::vector<Control> table{
        {"lblNaam", Type::Label, {120, 240, 9855, 375}, "Name of the company", verdana, 15.75, true, orange, Qt::AlignLeft, false},
        {"Label7", Type::Label, {4560, 1200, 3135, 375}, "Prices", verdana, 14.25, false, white, Qt::AlignHCenter, false},
        {"Label6", Type::Label, {600, 1920, 3135, 375}, "Company size", verdana, 14.25, false, white, Qt::AlignHCenter, false},
        {"Label5", Type::Label, {480, 2880, 1455, 375}, "Date ", verdana, 9.75, true, white, Qt::AlignRight, false},
        {"Label4", Type::Label, {480, 3360, 1455, 375}, "Workers ", verdana, 9.75, true, white, Qt::AlignRight, false},
        {"Label3", Type::Label, {1080, 3840, 855, 255}, "Money ", verdana, 9.75, true, white, Qt::AlignRight, false},
        {"txtJaar", Type::TextBox, {2040, 2880, 1575, 285}, "", tahoma, 8.25, true, {}, Qt::AlignLeft, true},
        {"txtWerkers", Type::TextBox, {2040, 3330, 1575, 285}, "", tahoma, 9.75, true, {}, Qt::AlignLeft, true},
        {"txtGeld", Type::TextBox, {2040, 3810, 1575, 285}, "", tahoma, 9.75, true, {}, Qt::AlignLeft, true},
        {"cmdWachten", Type::Button, {6000, 4560, 3135, 375}, "Wait", {}, 8.25, false, {}, {}, false},
        {"lblKabeljouw", Type::Label, {4080, 1800, 1215, 375}, "Angler:", verdana, 9.75, true, white, Qt::AlignLeft, false},
        {"lblPaling", Type::Label, {4080, 2280, 1095, 375}, "Eels:", verdana, 9.75, true, white, Qt::AlignLeft, false},
        {"lblZalm", Type::Label, {4080, 2760, 1095, 375}, "Salmon:", verdana, 9.75, true, white, Qt::AlignLeft, false},
        {"lblForel", Type::Label, {4080, 3240, 1095, 375}, "Trout:", verdana, 9.75, true, white, Qt::AlignLeft, false},
        {"lblKarper", Type::Label, {4080, 3720, 1095, 375}, "Carp:", verdana, 9.75, true, white, Qt::AlignLeft, false},
    };
    // The grid: row k at top 1800 + 480 (k - 1), all 375 high.
    for (int row = 1; row <= 5; ++row) {
        const int top = 1800 + 480 * (row - 1);
        const std::string member = "(" + std::to_string(row) + ")";
        table.push_back({"txtVissen" + member, Type::TextBox, {5400, top, 1575, 375}, "Text1", {}, 8.25, false, {}, Qt::AlignLeft, false});
        table.push_back({"txtMarktprijs" + member, Type::TextBox, {7080, top, 1455, 375}, "Text1", {}, 8.25, false, {}, Qt::AlignLeft, false});
        table.push_back({"cmdKopen" + member, Type::Button, {8640, top, 1575, 375}, "Buy", {}, 8.25, false, {}, {}, false});
        table.push_back({"cmdVerkopen" + member, Type::Button, {10320, top, 1455, 375}, "Sell", {}, 8.25, false, {}, {}, false});
    }
    // clang-format on
    return table;
}

// Where each control sits in the client area, in pixels: the twips of the layout table (the
// rows above) divided by 15.
std::map<std::string, QRect> layoutTable() {
    // clang-format off
    std::map<std::string, QRect> pixels{
        {"lblNaam", {8, 16, 657, 25}},
        {"Label7", {304, 80, 209, 25}},
        {"Label6", {40, 128, 209, 25}},
        {"Label5", {32, 192, 97, 25}},
        {"Label4", {32, 224, 97, 25}},
        {"Label3", {72, 256, 57, 17}},
        {"txtJaar", {136, 192, 105, 19}},
        {"txtWerkers", {136, 222, 105, 19}},
        {"txtGeld", {136, 254, 105, 19}},
        {"cmdWachten", {400, 304, 209, 25}},
        {"lblKabeljouw", {272, 120, 81, 25}},
        {"lblPaling", {272, 152, 73, 25}},
        {"lblZalm", {272, 184, 73, 25}},
        {"lblForel", {272, 216, 73, 25}},
        {"lblKarper", {272, 248, 73, 25}},
    };
    // The grid's rows are 32 pixels apart; every box and button is 25 high.
    const int rowTops[] = {120, 152, 184, 216, 248};
    for (int row = 1; row <= 5; ++row) {
        const int top = rowTops[row - 1];
        const std::string member = "(" + std::to_string(row) + ")";
        pixels["txtVissen" + member] = {360, top, 105, 25};
        pixels["txtMarktprijs" + member] = {472, top, 97, 25};
        pixels["cmdKopen" + member] = {576, top, 105, 25};
        pixels["cmdVerkopen" + member] = {688, top, 97, 25};
    }
    // clang-format on
    return pixels;
}

std::string testName(const ::testing::TestParamInfo<Control> &info) {
    std::string name = info.param.name;
    for (char &c : name)
        if (c == '(' || c == ')')
            c = '_';
    return name;
}

class ControlTable : public FormFixture, public ::testing::WithParamInterface<Control> {};

TEST_P(ControlTable, controlSitsInTheClientAreaWithItsTextAndFont) {
    const Control &expected = GetParam();
    auto *widget = form->findChild<QWidget *>(QString::fromStdString(expected.name));
    ASSERT_NE(widget, nullptr);

    EXPECT_EQ(widget->parentWidget(), form->centralWidget());
    EXPECT_EQ(widget->geometry(), layoutTable().at(expected.name));
    EXPECT_TRUE(widget->isVisibleTo(form.get()));
    EXPECT_TRUE(widget->isEnabled());

    const QFont font = widget->font();
    const QString family =
        expected.family.isEmpty() ? QApplication::font().family() : expected.family;
    EXPECT_EQ(font.family(), family);
    const QString resolved = QFontInfo(font).family();
    EXPECT_TRUE(resolved == family || resolved == QStringLiteral("DejaVu Sans") ||
                expected.family.isEmpty())
        << resolved.toStdString();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points);
    EXPECT_EQ(font.weight(), expected.bold ? QFont::Bold : QFont::Normal);
    EXPECT_FALSE(font.italic());

    switch (expected.type) {
    case Type::Label: {
        auto *label = qobject_cast<QLabel *>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), expected.text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), expected.colour);
        EXPECT_EQ(label->palette().color(QPalette::Inactive, QPalette::WindowText),
                  expected.colour);
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_EQ(label->buddy(), nullptr);
        break;
    }
    case Type::TextBox: {
        auto *box = qobject_cast<QLineEdit *>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), expected.text);
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
        EXPECT_EQ(box->isReadOnly(), expected.readOnly);
        EXPECT_TRUE(box->hasFrame());
        EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        EXPECT_NE(box->focusPolicy() & Qt::TabFocus, 0);
        break;
    }
    case Type::Button: {
        auto *button = qobject_cast<QPushButton *>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected.text);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        EXPECT_TRUE(button->shortcut().isEmpty());
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, ControlTable, ::testing::ValuesIn(controlTable()), testName);

class Form1Controls : public FormFixture {};

TEST_F(Form1Controls, theTableHoldsEveryControlOfTheClientArea) {
    std::set<QString> names;
    for (const QObject *child : form->centralWidget()->children())
        if (child->isWidgetType())
            names.insert(child->objectName());
    std::set<QString> expected{QStringLiteral("Line1"), QStringLiteral("Line2"),
                               QStringLiteral("Line3")};
    for (const Control &control : controlTable())
        expected.insert(QString::fromStdString(control.name));
    EXPECT_EQ(names, expected);
}

TEST_F(Form1Controls, textBoxesStayBlackOnWhiteUnderADarkDesktopTheme) {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Text, Qt::lightGray);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::green);
    QApplication::setPalette(dark);
    for (const char *name : {"txtGeld", "txtJaar", "txtVissen(3)", "txtMarktprijs(5)"}) {
        const QPalette palette = control<QLineEdit>(name)->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            EXPECT_EQ(palette.color(group, QPalette::Text), QColor(Qt::black)) << name;
            EXPECT_EQ(palette.color(group, QPalette::Base), QColor(Qt::white)) << name;
        }
    }
    EXPECT_EQ(control<QLabel>("Label6")->palette().color(QPalette::WindowText), white);
    QApplication::setPalette(desktop);
}

} // namespace
} // namespace kelvaro::testing
