#pragma once

#include "core/fish_kind.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelvaro {

class RuleLine;

// The controls of the main window that the game's code uses, under the names it knows them by.
// The per-kind controls are arrays indexed by FishKind, members 1 to 5 only.
struct Form1Controls {
    QLabel *lblNaam = nullptr;
    RuleLine *Line1 = nullptr;
    RuleLine *Line2 = nullptr;
    RuleLine *Line3 = nullptr;

    PerKind<QLineEdit *> txtVissen;     // fish held
    PerKind<QLineEdit *> txtMarktprijs; // today's price
    PerKind<QPushButton *> cmdKopen;    // Buy
    PerKind<QPushButton *> cmdVerkopen; // Sell
    QLineEdit *txtJaar = nullptr;       // date
    QLineEdit *txtWerkers = nullptr;    // workforce
    QLineEdit *txtGeld = nullptr;       // money
    QPushButton *cmdWachten = nullptr;  // Wait
};

// Makes every control at its place in the area, with the texts shown before a game starts.
// From the back: the lines and labels, then the text boxes and buttons. The Tab key visits
// the money, workforce and date boxes first.
Form1Controls buildForm1Controls(QWidget &area);

} // namespace kelvaro
