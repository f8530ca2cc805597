// How the window comes up and how the program ends.

#include "ui/window_placement.h"
#include "window_support/form_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace kelvaro::testing {
namespace {

// Dialogs that note, for every dialog, whether the window was on the screen behind it.
class WindowWatchingDialogs final : public UserDialogs {
  public:
    WindowWatchingDialogs(UserDialogs &inner, std::vector<bool> &windowShown)
        : inner_(inner), windowShown_(windowShown) {}
    QWidget *window = nullptr;

    void showMessage(const std::string &text, const std::optional<std::string> &title,
                     MessageIcon icon) override {
        note();
        inner_.showMessage(text, title, icon);
    }
    bool askYesNo(const std::string &text, const std::string &title) override {
        note();
        return inner_.askYesNo(text, title);
    }
    std::string promptText(const std::string &prompt,
                           const std::optional<std::string> &title) override {
        note();
        return inner_.promptText(prompt, title);
    }

  private:
    void note() { windowShown_.push_back(window->isVisible()); }
    UserDialogs &inner_;
    std::vector<bool> &windowShown_;
};

class Form1Lifecycle : public FormFixture {
  protected:
    // Runs the event loop until the program ends, at most five seconds; the exit code.
    int runEventLoopAfter(std::function<void()> action) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the program did not end";
            QCoreApplication::exit(99);
        });
        watchdog.start(5000);
        QTimer::singleShot(0, form.get(), std::move(action));
        // The window must end the program itself, not leave it to Qt's rule that the last
        // window closed ends the program.
        QApplication::setQuitOnLastWindowClosed(false);
        const int exitCode = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(true);
        return exitCode;
    }
};

TEST_F(Form1Lifecycle, windowIsCreatedHiddenWithItsTextsBeforeTheStart) {
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelvaro - Naam van het bedrijf"));
    EXPECT_EQ(control<QLabel>("lblNaam")->text(), QStringLiteral("Name of the company"));
    EXPECT_EQ(textOf("txtVissen(1)"), QStringLiteral("Text1"));
    EXPECT_TRUE(transcript.lines.empty());
}

TEST_F(Form1Lifecycle, greetingsAndNamePromptComeWhileTheWindowIsHidden) {
    std::vector<bool> windowShown;
    WindowWatchingDialogs watching(dialogs, windowShown);
    Form1 watched(watching, platform, saveSlot);
    watching.window = &watched;
    dialogs.answerPrompt("Fish Co");
    scriptPrices(openingPrices);

    watched.start();

    EXPECT_EQ(windowShown, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(transcript.lines,
              (Lines{"message(Congratulations!, information): Congratulations, you've just won a "
                     "Kelvaro!",
                     "message(No fish!, exclamation): One little problem. You don't have any fish!",
                     "message(€ 1000, information): But some nice people € 1000.",
                     "prompt(Name): How do you want to call your company? -> Fish Co", "reseed"}));
    EXPECT_TRUE(watched.isVisible());
}

TEST_F(Form1Lifecycle, startShowsTheFirstGameInTheWindow) {
    startForm();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelvaro - Fish Co"));
    EXPECT_EQ(control<QLabel>("lblNaam")->text(), QStringLiteral("Fish Co"));
    EXPECT_EQ(textOf("txtJaar"), QStringLiteral("07 December 2026"));
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("1000"));
    EXPECT_EQ(textOf("txtWerkers"), QStringLiteral("0"));
    for (int row = 1; row <= 5; ++row) {
        const std::string member = "(" + std::to_string(row) + ")";
        EXPECT_EQ(textOf(("txtVissen" + member).c_str()), QStringLiteral("0"));
        EXPECT_EQ(textOf(("txtMarktprijs" + member).c_str()),
                  QString::number(openingPrices[row - 1]));
    }
}

TEST_F(Form1Lifecycle, windowOpensCentredWithAClientAreaOf789By375) {
    startForm();
    QWidget *area = form->centralWidget();
    EXPECT_EQ(area->size(), QSize(789, 375));
    EXPECT_EQ(area->pos(), QPoint(0, form->menuBar()->height()));
    EXPECT_TRUE(form->menuBar()->isVisible());
    const QPoint offCentre =
        form->frameGeometry().center() - form->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << "," << offCentre.y();
}

TEST(WindowPlacement, opensCentredWhereItFitsElseWithItsTopLeftCornerOnTheScreen) {
    struct Case {
        QSize frame;
        QRect available;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{789, 421}, {0, 0, 800, 800}, {5, 189}},           // fits: centred
        {{789, 421}, {0, 0, 640, 480}, {0, 29}},            // too wide: at the left edge
        {{789, 421}, {0, 27, 640, 373}, {0, 27}},           // a panel on top, too high as well
        {{800, 600}, {1920, 0, 1024, 768}, {2032, 84}},     // the second screen of two
        {{1100, 300}, {-1024, 0, 1024, 768}, {-1024, 234}}, // a screen left of the first
    };
    for (const Case &c : cases)
        EXPECT_EQ(openingTopLeft(c.frame, c.available), c.topLeft)
            << c.available.width() << "x" << c.available.height();
}

TEST_F(Form1Lifecycle, windowIsAnOrdinaryResizableTopLevelWindow) {
    startForm();
    EXPECT_EQ(form->windowType(), Qt::Window);
    EXPECT_TRUE(form->isWindow());
    EXPECT_NE(form->maximumSize(), form->minimumSize());
}

TEST_F(Form1Lifecycle, endProgramClosesTheWindowAndEndsTheEventLoop) {
    startForm();
    EXPECT_EQ(runEventLoopAfter([this] { form->endProgram(); }), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(transcript.lines.empty());
}

TEST_F(Form1Lifecycle, closingTheWindowEndsTheProgramWithoutAQuestionOrASave) {
    startForm();
    EXPECT_EQ(runEventLoopAfter([this] { form->close(); }), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(transcript.lines.empty());
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(Form1Lifecycle, quitAnsweredYesEndsTheProgram) {
    startForm();
    dialogs.answerQuestion(true);
    EXPECT_EQ(runEventLoopAfter([this] { trigger("afsluiten"); }), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(transcript.lines, (Lines{"ask(Quit): Are you sure you want to quit? -> yes"}));
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(Form1Lifecycle, bankruptcyOnWaitEndsTheProgram) {
    startForm();
    loadSavedGame(-100, {0, 0, 0, 0, 0});
    scriptDay({51, 52, 53, 54, 55}, 4);
    EXPECT_EQ(runEventLoopAfter([this] { click("cmdWachten"); }), 0);
    EXPECT_FALSE(form->isVisible());
    ASSERT_FALSE(transcript.lines.empty());
    EXPECT_EQ(transcript.lines.back(), "plain: Sorry, you've gone bankrupt!!!");
    EXPECT_EQ(textOf("txtGeld"), QStringLiteral("-100"));
}

} // namespace
} // namespace kelvaro::testing
