// Every control of the main window as the player sees it before the game start: name, place,
// text, font, colour, alignment and whether it can be typed into; and that every text the game
// can write there fits.

#include "core/window_layout.h"
#include "ui/fonts.h"
#include "window_support/form_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
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
    qreal points;  // as the layout asks, in Verdana, Tahoma or the desktop's font
    QString face;  // what the reference machine draws with: Debian 12 with the project's fonts
    QColor colour; // labels only; every text box is black on white
    Qt::Alignment alignment; // horizontal; buttons centre their captions themselves
    bool readOnly;
    ControlRole role; // what the layout says the control is to the game
};

const QColor white(255, 255, 255);
const QColor orange(255, 192, 128);
// Verdana and Tahoma are not installed there: DejaVu Sans stands in for Verdana and the
// desktop's font, its condensed face for Tahoma.
const QString sansBold21 = QStringLiteral("DejaVu Sans Bold 21px");
const QString sans19 = QStringLiteral("DejaVu Sans Book 19px");
const QString sansBold13 = QStringLiteral("DejaVu Sans Bold 13px");
const QString condensedBold11 = QStringLiteral("DejaVu Sans Condensed Bold 11px");
const QString condensedBold13 = QStringLiteral("DejaVu Sans Condensed Bold 13px");
const QString sans11 = QStringLiteral("DejaVu Sans Book 11px");

void PrintTo(const Control &c, std::ostream *out) { *out << c.name; }

std::vector<Control> controlTable() {
    // clang-format off
    std::vector<Control> table{
        {"lblNaam", Type::Label, {120, 240, 9855, 375}, "Name of the company", 15.75, sansBold21, orange, Qt::AlignLeft, false, ControlRole::CompanyName},
        {"Label7", Type::Label, {4560, 1200, 3135, 375}, "Prices", 14.25, sans19, white, Qt::AlignHCenter, false, ControlRole::Decoration},
        {"Label6", Type::Label, {600, 1920, 3135, 375}, "Company size", 14.25, sans19, white, Qt::AlignHCenter, false, ControlRole::Decoration},
        {"Label5", Type::Label, {480, 2880, 1455, 375}, "Date ", 9.75, sansBold13, white, Qt::AlignRight, false, ControlRole::Decoration},
        {"Label4", Type::Label, {480, 3360, 1455, 375}, "Workers ", 9.75, sansBold13, white, Qt::AlignRight, false, ControlRole::Decoration},
        {"Label3", Type::Label, {1080, 3840, 855, 255}, "Money ", 9.75, sansBold13, white, Qt::AlignRight, false, ControlRole::Decoration},
        {"txtJaar", Type::TextBox, {2040, 2880, 1575, 285}, "", 8.25, condensedBold11, {}, Qt::AlignLeft, true, ControlRole::Date},
        {"txtWerkers", Type::TextBox, {2040, 3330, 1575, 285}, "", 9.75, condensedBold13, {}, Qt::AlignLeft, true, ControlRole::Workers},
        {"txtGeld", Type::TextBox, {2040, 3810, 1575, 285}, "", 9.75, condensedBold13, {}, Qt::AlignLeft, true, ControlRole::Money},
        {"cmdWachten", Type::Button, {6000, 4560, 3135, 375}, "Wait", 8.25, sans11, {}, {}, false, ControlRole::Wait},
        {"lblKabeljouw", Type::Label, {4080, 1800, 1215, 375}, "Angler:", 9.75, sansBold13, white, Qt::AlignLeft, false, ControlRole::Decoration},
        {"lblPaling", Type::Label, {4080, 2280, 1095, 375}, "Eels:", 9.75, sansBold13, white, Qt::AlignLeft, false, ControlRole::Decoration},
        {"lblZalm", Type::Label, {4080, 2760, 1095, 375}, "Salmon:", 9.75, sansBold13, white, Qt::AlignLeft, false, ControlRole::Decoration},
        {"lblForel", Type::Label, {4080, 3240, 1095, 375}, "Trout:", 9.75, sansBold13, white, Qt::AlignLeft, false, ControlRole::Decoration},
        {"lblKarper", Type::Label, {4080, 3720, 1095, 375}, "Carp:", 9.75, sansBold13, white, Qt::AlignLeft, false, ControlRole::Decoration},
    };
    // The grid: row k at top 1800 + 480 (k - 1), all 375 high.
    for (int row = 1; row <= 5; ++row) {
        const int top = 1800 + 480 * (row - 1);
        const std::string member = "(" + std::to_string(row) + ")";
        table.push_back({"txtVissen" + member, Type::TextBox, {5400, top, 1575, 375}, "Text1", 8.25, sans11, {}, Qt::AlignLeft, false, ControlRole::Stock});
        table.push_back({"txtMarktprijs" + member, Type::TextBox, {7080, top, 1455, 375}, "Text1", 8.25, sans11, {}, Qt::AlignLeft, false, ControlRole::Price});
        table.push_back({"cmdKopen" + member, Type::Button, {8640, top, 1575, 375}, "Buy", 8.25, sans11, {}, {}, false, ControlRole::Buy});
        table.push_back({"cmdVerkopen" + member, Type::Button, {10320, top, 1455, 375}, "Sell", 8.25, sans11, {}, {}, false, ControlRole::Sell});
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
    EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points);
    const QFontInfo drawn(font);
    EXPECT_EQ(
        QStringLiteral("%1 %2 %3px").arg(drawn.family(), drawn.styleName()).arg(drawn.pixelSize()),
        expected.face);
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

// The longest texts the game writes into the control: every month's date in English, German
// and French, the 32-bit extremes, a long company name, or else its caption.
QStringList longestTexts(const Control &control) {
    if (control.name == "txtJaar") {
        QStringList dates;
        for (const auto language : {QLocale::English, QLocale::German, QLocale::French})
            for (int month = 1; month <= 12; ++month)
                dates << QStringLiteral("30 %1 2026").arg(QLocale(language).monthName(month));
        return dates;
    }
    if (control.type == Type::TextBox)
        return {control.text, QStringLiteral("-2147483648"), QStringLiteral("2147483647")};
    if (control.name == "lblNaam")
        return {control.text, QStringLiteral("Copper Butterflyfish Farms Ltd")};
    return {control.text};
}

TEST_P(ControlTable, everyTextTheGameCanWriteFitsTheControlAtScaleOne) {
    const Control &expected = GetParam();
    auto *widget = form->findChild<QWidget *>(QString::fromStdString(expected.name));
    ASSERT_NE(widget, nullptr);
    QRect room = widget->contentsRect();
    if (expected.type == Type::TextBox) {
        // Fusion's frame of 2 pixels, then QLineEdit's own margin of 2 pixels across.
        room = widget->rect().adjusted(4, 2, -4, -2);
    } else if (expected.type == Type::Button) {
        QStyleOptionButton option;
        option.initFrom(widget);
        room = widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
    }
    const QFontMetrics metrics(widget->font());
    EXPECT_LE(metrics.height(), room.height());
    for (const QString &text : longestTexts(expected))
        EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << text.toStdString();
}

TEST_P(ControlTable, layoutGivesTheControlItsRole) {
    const Control &expected = GetParam();
    const auto controls = windowControls();
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const auto &control) {
        return control.qualifiedName() == expected.name;
    });
    ASSERT_NE(found, controls.end());
    EXPECT_EQ(found->role, expected.role);
    EXPECT_EQ(controlNamed({found->name.c_str(), found->index}), &*found);
    if (expected.role != ControlRole::Decoration) {
        EXPECT_EQ(controlWithRole(expected.role, found->index), &*found);
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, ControlTable, ::testing::ValuesIn(controlTable()), testName);

TEST(DateBoxFont, shrinksOnlyWhileADateIsWiderThanTheBox) {
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(11);
    wide.setBold(true);
    const QStringList dates{QStringLiteral("30 Mai 2026"), QStringLiteral("30 September 2026")};
    EXPECT_EQ(QFontInfo(shrunkToFit(wide, dates, 97)).pixelSize(), 8);
    EXPECT_EQ(QFontInfo(shrunkToFit(wide, dates, 122)).pixelSize(), 11);
    EXPECT_EQ(QFontInfo(shrunkToFit(wide, dates, 10)).pixelSize(), 6);
}

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
