// A bare Qt Widgets program of the game's size, to measure the game's start-up against:
// a hidden 789 by 375 window with a menu bar, 25 widgets and a background picture, then one
// message box, as the game opens with its greeting.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

class Backdrop : public QWidget {
  public:
    Backdrop() : picture_(QStringLiteral(":/kelvaro/background.png")) {}

  protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawPixmap(0, 0, picture_); }

  private:
    QPixmap picture_;
};

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto *backdrop = new Backdrop;
    backdrop->setFixedSize(789, 375);
    window.setCentralWidget(backdrop);
    for (const char *title : {"File", "Options", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    new QLabel(QStringLiteral("Name of the company"), backdrop);
    for (int row = 0; row < 5; ++row) {
        new QLabel(QStringLiteral("Row"), backdrop);
        new QLineEdit(backdrop);
        new QLineEdit(backdrop);
        new QPushButton(QStringLiteral("Buy"), backdrop);
        new QPushButton(QStringLiteral("Sell"), backdrop);
    }
    QMessageBox::information(nullptr, QStringLiteral("Congratulations!"),
                             QStringLiteral("A bare window for comparison."));
    window.show();
    return application.exec();
}
