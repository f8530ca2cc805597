#include "ui/main_window.h"

#include "core/screen_texts.h"
#include "ui/change_announcer.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/menus.h"
#include "ui/picture_area.h"
#include "ui/window_placement.h"
#include "ui/window_title.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace kelvaro {

namespace {

QString qt(const std::string &text) { return QString::fromStdString(text); }

} // namespace

Form1::Form1(UserDialogs &dialogs, Platform &platform, SaveSlot &saveSlot)
    : ports_{dialogs, *this, platform, saveSlot}, area_(new PictureArea(this)),
      controls_(buildForm1Controls(*area_)), changes_(new ChangeAnnouncer(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(screen_text::titleBeforeTheStart));
    setCentralWidget(area_);
    fitDateBoxToTheLongestDate();
    buildMenuBar(*menuBar(), [this](MenuCommand command) { perform(PlayerAction::menu(command)); });
    connectButtons();
}

void Form1::fitDateBoxToTheLongestDate() {
    QStringList dates;
    for (const std::string &date : widestLongDates(ports_.platform.dateTexts))
        dates << qt(date);
    QLineEdit &box = *controls_.txtJaar;
    box.setFont(shrunkToFit(box.font(), dates, textWidthOf(box)));
}

void Form1::connectButtons() {
    for (const FishKind kind : allFishKinds) {
        connect(controls_.cmdKopen[kind], &QPushButton::clicked, this,
                [this, kind] { perform(PlayerAction::buy(kind)); });
        connect(controls_.cmdVerkopen[kind], &QPushButton::clicked, this,
                [this, kind] { perform(PlayerAction::sell(kind)); });
    }
    connect(controls_.cmdWachten, &QPushButton::clicked, this,
            [this] { perform(PlayerAction::wait()); });
}

void Form1::perform(const PlayerAction &action) {
    performAction(state_, action, ports_);
    changes_->announce();
}

void Form1::start() {
    beginGame(state_, ports_);
    changes_->forget();
    showCentred();
    controls_.txtGeld->setFocus();
}

void Form1::showCentred() {
    // The client area opens at the picture area's own size, below the menu bar.
    resize(area_->sizeHint() + QSize(0, menuBar()->sizeHint().height()));
    centreOnScreen();
    show();
    // Once shown, the window system may have told the size of its frame: centre that too.
    centreOnScreen();
    activateWindow();
}

void Form1::centreOnScreen() {
    // frameGeometry() and move() both measure the frame, title bar included.
    move(openingTopLeft(frameGeometry().size(), screen()->availableGeometry()));
}

void Form1::replaceText(QLineEdit *box, const QString &text) {
    changes_->record(box->accessibleName(), box->text(), text);
    // A text wider than its box shows from its start, clipped on the right, as a box that was
    // never typed into does.
    box->setText(text);
    box->setCursorPosition(0);
}

void Form1::showPrice(FishKind kind, std::int32_t price) {
    replaceText(controls_.txtMarktprijs[kind], QString::number(price));
}

void Form1::showStock(FishKind kind, std::int32_t stock) {
    replaceText(controls_.txtVissen[kind], QString::number(stock));
}

void Form1::showMoney(std::int32_t money) {
    replaceText(controls_.txtGeld, QString::number(money));
}

void Form1::showWorkforce(std::int32_t workforce) {
    replaceText(controls_.txtWerkers, QString::number(workforce));
}

void Form1::showDate(const std::string &text) { replaceText(controls_.txtJaar, qt(text)); }

void Form1::showCompanyName(const std::string &name) { controls_.lblNaam->setText(qt(name)); }

void Form1::setTitle(const std::string &title) { setWindowTitle(literalWindowTitle(qt(title))); }

void Form1::endProgram() {
    close();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    // Unconditional, unlike quit(): no window or handler can hold the program back.
    QCoreApplication::exit(0);
}

} // namespace kelvaro
