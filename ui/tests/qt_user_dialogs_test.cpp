// The real dialogs, answered as the player would by a poller that finds the open dialog.

#include "ui/qt_user_dialogs.h"
#include "ui/shared_icon_style.h"
#include "window_support/modal_answerer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace kelvaro::testing {
namespace {

// The helpers below fail the test instead of throwing, which must never cross the event loop;
// a dialog they leave open is closed by the answerer.

QMessageBox *messageBox(QWidget &dialog) {
    auto *box = qobject_cast<QMessageBox *>(&dialog);
    EXPECT_NE(box, nullptr) << "the dialog is not a message box";
    return box;
}

// What the player reads in the dialog: the label holding the text.
const QLabel *textLabel(const QWidget &dialog, const QString &text) {
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

ModalAnswerer::Answer pressButton(QMessageBox::StandardButton which) {
    return [which](QWidget &dialog) {
        if (QMessageBox *box = messageBox(dialog); box && box->button(which))
            box->button(which)->click();
    };
}

QLineEdit *promptField(QWidget &dialog) {
    const QList<QLineEdit *> fields = dialog.findChildren<QLineEdit *>();
    EXPECT_EQ(fields.size(), 1) << "the prompt has no single text field";
    return fields.size() == 1 ? fields.front() : nullptr;
}

QPushButton *dialogButton(QWidget &dialog, const QString &caption) {
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->text().remove(u'&') == caption)
            return button;
    return nullptr;
}

void press(QWidget &dialog, const QString &caption) {
    QPushButton *button = dialogButton(dialog, caption);
    EXPECT_NE(button, nullptr) << "no button " << caption.toStdString();
    if (button)
        button->click();
}

// The icon as a screen reader reads it with the message: a label named by the icon's kind.
std::string spokenIconOf(QMessageBox &box) {
    auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    QAccessibleInterface *read = icon ? QAccessible::queryAccessibleInterface(icon) : nullptr;
    if (!read || !icon->isVisibleTo(&box))
        return {};
    EXPECT_EQ(read->role(), QAccessible::StaticText);
    return read->text(QAccessible::Name).toStdString();
}

struct MessageCase {
    const char *what;
    std::optional<std::string> title;
    MessageIcon icon;
    QString caption;
    QMessageBox::Icon shownIcon;
    const char *spokenIcon; // the icon's name for a screen reader
};

void PrintTo(const MessageCase &c, std::ostream *out) { *out << c.what; }

const MessageCase messageCases[] = {
    {"plainCarriesTheApplicationTitle", std::nullopt, MessageIcon::None, "Kelvaro",
     QMessageBox::NoIcon, ""},
    {"informationWithItsCaption", "Congratulations!", MessageIcon::Information, "Congratulations!",
     QMessageBox::Information, "Information"},
    {"exclamationShowsTheWarningSymbol", "No fish!", MessageIcon::Exclamation, "No fish!",
     QMessageBox::Warning, "Exclamation"},
    {"captionWithTheEuroSign", "€ 1000", MessageIcon::Information, QString::fromUtf8("€ 1000"),
     QMessageBox::Information, "Information"},
    {"untitledInformation", std::nullopt, MessageIcon::Information, "Kelvaro",
     QMessageBox::Information, "Information"},
};

class MessageBoxes : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageBoxes, messageShowsCaptionIconAndOneOkButton) {
    const MessageCase &c = GetParam();
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[&c](QWidget &dialog) {
        QMessageBox *box = messageBox(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), c.caption);
        EXPECT_EQ(box->icon(), c.shownIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(spokenIconOf(*box), c.spokenIcon);
        pressButton(QMessageBox::Ok)(dialog);
    }};
    dialogs.showMessage("Everything's allright!", c.title, c.icon);
    EXPECT_EQ(answerer.answered(), 1);
}

INSTANTIATE_TEST_SUITE_P(QtUserDialogs, MessageBoxes, ::testing::ValuesIn(messageCases),
                         [](const auto &info) { return std::string(info.param.what); });

struct TextCase {
    const char *what;
    std::string text;
};

void PrintTo(const TextCase &c, std::ostream *out) { *out << c.what; }

const TextCase textCases[] = {
    {"markupAndAmpersand", "<b>Fish & Co</b>"},
    {"doubledPunctuation", "You don't have that much fish!!!"},
    {"trailingBlanks", "Only   "},
    {"emptyLine", "Kelvaro v2.8\n\nCreated by the Kelvaro team"},
    {"euroSign", "123 € fine!"},
    {"dutch", "Er zit een grote walvis je aquarium met eels"},
    {"entity", "Fish &amp; Co &lt;3"},
};

class MessageTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(MessageTexts, messageTextShowsExactlyAsComposed) {
    const QString text = QString::fromStdString(GetParam().text);
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[&text](QWidget &dialog) {
        QMessageBox *box = messageBox(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), text);
        const QLabel *label = textLabel(dialog, text);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        pressButton(QMessageBox::Ok)(dialog);
    }};
    dialogs.showMessage(GetParam().text, std::nullopt, MessageIcon::None);
}

TEST_P(MessageTexts, promptTextShowsExactlyAsComposed) {
    const QString text = QString::fromStdString(GetParam().text);
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[&text](QWidget &dialog) {
        const QLabel *label = textLabel(dialog, text);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->buddy(), nullptr);
        press(dialog, "Cancel");
    }};
    dialogs.promptText(GetParam().text, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(QtUserDialogs, MessageTexts, ::testing::ValuesIn(textCases),
                         [](const auto &info) { return std::string(info.param.what); });

TEST(QtUserDialogs, questionShowsTheQuestionSymbolWithYesAsTheDefault) {
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[](QWidget &dialog) {
        QMessageBox *box = messageBox(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Quit"));
        EXPECT_EQ(box->text(), QStringLiteral("Are you sure you want to quit?"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->buttons().size(), 2);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        EXPECT_EQ(spokenIconOf(*box), "Question");
        pressButton(QMessageBox::No)(dialog);
    }};
    EXPECT_FALSE(dialogs.askYesNo("Are you sure you want to quit?", "Quit"));
}

struct QuestionCase {
    const char *what;
    ModalAnswerer::Answer answer;
    bool yes;
};

void PrintTo(const QuestionCase &c, std::ostream *out) { *out << c.what; }

const QuestionCase questionCases[] = {
    {"yesButton", pressButton(QMessageBox::Yes), true},
    {"noButton", pressButton(QMessageBox::No), false},
    {"enterKey", [](QWidget &dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }, true},
    {"escapeKey", [](QWidget &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, false},
};

class Questions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(Questions, answerIsYesOnlyWhenYesIsChosen) {
    QtUserDialogs dialogs;
    ModalAnswerer answerer{GetParam().answer};
    EXPECT_EQ(dialogs.askYesNo("Are you sure you want to quit?", "Quit"), GetParam().yes);
}

INSTANTIATE_TEST_SUITE_P(QtUserDialogs, Questions, ::testing::ValuesIn(questionCases),
                         [](const auto &info) { return std::string(info.param.what); });

struct PromptCase {
    const char *what;
    ModalAnswerer::Answer answer;
    std::string result;
};

void PrintTo(const PromptCase &c, std::ostream *out) { *out << c.what; }

ModalAnswerer::Answer typeThenPress(QString typed, QString button) {
    return [typed, button](QWidget &dialog) {
        QLineEdit *field = promptField(dialog);
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, typed);
        press(dialog, button);
    };
}

ModalAnswerer::Answer typeThenKey(QString typed, Qt::Key key) {
    return [typed, key](QWidget &dialog) {
        QLineEdit *field = promptField(dialog);
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, key);
    };
}

const PromptCase promptCases[] = {
    {"okGivesTheTypedText", typeThenPress("Reef & Co  ", "OK"), "Reef & Co  "},
    {"okWithNothingTypedGivesEmptyText", typeThenPress("", "OK"), ""},
    {"cancelGivesEmptyText", typeThenPress("Reef", "Cancel"), ""},
    {"closingGivesEmptyText",
     [](QWidget &dialog) {
         QLineEdit *field = promptField(dialog);
         ASSERT_NE(field, nullptr);
         QTest::keyClicks(field, "Reef");
         dialog.close();
     },
     ""},
    {"enterGivesTheTypedText", typeThenKey("12.5", Qt::Key_Return), "12.5"},
    {"escapeGivesEmptyText", typeThenKey("12", Qt::Key_Escape), ""},
};

class Prompts : public ::testing::TestWithParam<PromptCase> {};

TEST_P(Prompts, promptGivesTheTextAsTypedOrEmptyText) {
    QtUserDialogs dialogs;
    ModalAnswerer answerer{GetParam().answer};
    EXPECT_EQ(dialogs.promptText("How many fish do you want to buy?", std::nullopt),
              GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(QtUserDialogs, Prompts, ::testing::ValuesIn(promptCases),
                         [](const auto &info) { return std::string(info.param.what); });

TEST(QtUserDialogs, promptShowsCaptionPromptAnEmptyFieldAndOkAndCancel) {
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[](QWidget &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Name"));
        EXPECT_NE(textLabel(dialog, QStringLiteral("How do you want to call your company?")),
                  nullptr);
        ASSERT_NE(promptField(dialog), nullptr);
        EXPECT_EQ(promptField(dialog)->text(), QString());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(promptField(dialog))
                      ->text(QAccessible::Name)
                      .toStdString(),
                  "How do you want to call your company?");
        EXPECT_EQ(dialog.findChildren<QPushButton *>().size(), 2);
        EXPECT_NE(dialogButton(dialog, "OK"), nullptr);
        ASSERT_NE(dialogButton(dialog, "Cancel"), nullptr);
        press(dialog, "Cancel");
    }};
    dialogs.promptText("How do you want to call your company?", "Name");
}

TEST(QtUserDialogs, untitledPromptCarriesTheApplicationTitle) {
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[](QWidget &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kelvaro"));
        press(dialog, "Cancel");
    }};
    dialogs.promptText("Please give a new name:", std::nullopt);
}

QPoint centreOf(const QWidget &widget) { return widget.frameGeometry().center(); }

TEST(QtUserDialogs, dialogsOpenInTheMiddleOfTheScreenWhileTheWindowIsHidden) {
    QWidget window;
    window.setGeometry(20, 30, 300, 200);
    QtUserDialogs dialogs;
    dialogs.setParentWindow(&window);
    const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
    ModalAnswerer answerer{[&](QWidget &dialog) {
                               EXPECT_LE((centreOf(dialog) - screenCentre).manhattanLength(), 4);
                               EXPECT_EQ(dialog.parentWidget(), nullptr);
                               pressButton(QMessageBox::Ok)(dialog);
                           },
                           [&](QWidget &dialog) {
                               EXPECT_LE((centreOf(dialog) - screenCentre).manhattanLength(), 4);
                               press(dialog, "Cancel");
                           }};
    dialogs.showMessage("Congratulations, you've just won a Kelvaro!", "Congratulations!",
                        MessageIcon::Information);
    dialogs.promptText("How do you want to call your company?", "Name");
}

TEST(QtUserDialogs, dialogsOpenOverTheWindowOnceItIsShown) {
    QWidget window;
    window.setGeometry(20, 30, 300, 200);
    window.show();
    QtUserDialogs dialogs;
    dialogs.setParentWindow(&window);
    const QPoint windowCentre = window.frameGeometry().center();
    ModalAnswerer answerer{[&](QWidget &dialog) {
                               EXPECT_EQ(dialog.parentWidget(), &window);
                               EXPECT_LE((centreOf(dialog) - windowCentre).manhattanLength(), 4);
                               pressButton(QMessageBox::Ok)(dialog);
                           },
                           [&](QWidget &dialog) {
                               EXPECT_LE((centreOf(dialog) - windowCentre).manhattanLength(), 4);
                               press(dialog, "Cancel");
                           }};
    dialogs.showMessage("Everything's allright!", std::nullopt, MessageIcon::None);
    dialogs.promptText("How many fish do you want to sell?", std::nullopt);
}

// The answering keys act when they come up, so that a screen reader hears the release while
// the dialog is still open; held down, they do nothing.
struct KeyCase {
    const char *what;
    Qt::Key key;
    std::string (*ask)(QtUserDialogs &);
    std::string answer;
};

const KeyCase keyCases[] = {
    {"enterClosesAMessage", Qt::Key_Return,
     [](QtUserDialogs &d) {
         d.showMessage("Everything's allright!", std::nullopt, MessageIcon::None);
         return std::string("closed");
     },
     "closed"},
    {"escapeAnswersAQuestionNo", Qt::Key_Escape,
     [](QtUserDialogs &d) { return std::string(d.askYesNo("Sure?", "Quit") ? "yes" : "no"); },
     "no"},
    {"enterGivesThePromptsText", Qt::Key_Enter,
     [](QtUserDialogs &d) { return d.promptText("How many fish do you want to buy?", {}); }, "7"},
};

class AnsweringKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AnsweringKeys, actOnTheirRelease) {
    const KeyCase &c = GetParam();
    QtUserDialogs dialogs;
    ModalAnswerer answerer{[&c](QWidget &dialog) {
        QWidget *focused = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        if (auto *field = qobject_cast<QLineEdit *>(focused))
            field->setText(QStringLiteral("7"));
        QTest::keyPress(focused, c.key);
        EXPECT_TRUE(dialog.isVisible()) << "answered while the key was down";
        QTest::keyRelease(focused, c.key);
        EXPECT_FALSE(dialog.isVisible()) << "not answered when the key came up";
    }};
    EXPECT_EQ(c.ask(dialogs), c.answer);
    EXPECT_EQ(answerer.answered(), 1);
}

INSTANTIATE_TEST_SUITE_P(QtUserDialogs, AnsweringKeys, ::testing::ValuesIn(keyCases),
                         [](const auto &info) { return std::string(info.param.what); });

// Every dialog asks the style for its pictures anew; a new icon each time would leave its
// scaled pixmaps in the shared cache under keys no later dialog uses.
TEST(QtUserDialogs, everyDialogGetsTheSameIconForEachPicture) {
    SharedIconStyle style(QStringLiteral("fusion"));
    for (const QStyle::StandardPixmap picture :
         {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
          QStyle::SP_MessageBoxQuestion, QStyle::SP_DialogOkButton, QStyle::SP_DialogCancelButton,
          QStyle::SP_DialogYesButton, QStyle::SP_DialogNoButton}) {
        const QIcon first = style.standardIcon(picture);
        EXPECT_FALSE(first.isNull()) << picture;
        EXPECT_EQ(style.standardIcon(picture).cacheKey(), first.cacheKey()) << picture;
    }
}

} // namespace
} // namespace kelvaro::testing
