#include "ui/accessibility.h"

#include "ui/form_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvaro {

namespace {

void describe(QWidget *control, const QString &name, const QString &description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

void describeForScreenReaders(const Form1Controls &form) {
    for (const FishKind kind : allFishKinds) {
        const QString fish = QString::fromLatin1(fishName(kind).data(),
                                                 static_cast<qsizetype>(fishName(kind).size()));
        const QString Fish = fish.left(1).toUpper() + fish.mid(1);
        describe(form.txtVissen[kind], Fish + QStringLiteral(" stock"),
                 QStringLiteral("How many %1 the company holds").arg(fish));
        describe(
            form.txtMarktprijs[kind], Fish + QStringLiteral(" price"),
            QStringLiteral("Today's price of one %1 in euros, for buying and selling").arg(fish));
        describe(form.cmdKopen[kind], QStringLiteral("Buy ") + fish,
                 QStringLiteral("Buy %1 at today's price; a day passes").arg(fish));
        describe(form.cmdVerkopen[kind], QStringLiteral("Sell ") + fish,
                 QStringLiteral("Sell %1 at today's price; a day passes").arg(fish));
    }
    describe(form.txtGeld, QStringLiteral("Money"), QStringLiteral("The company's money in euros"));
    describe(form.txtWerkers, QStringLiteral("Workers"),
             QStringLiteral("The workers employed, paid 10 euros each a day"));
    describe(form.txtJaar, QStringLiteral("Date"), QStringLiteral("Today's date in the game"));
    describe(form.cmdWachten, QStringLiteral("Wait"), QStringLiteral("Let a day pass"));
    describe(form.lblNaam, QStringLiteral("Company name"), QStringLiteral("The company's name"));
}

} // namespace kelvaro
