#include "ui/form_controls.h"

#include "core/screen_texts.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/rule_line.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <vector>

namespace kelvaro {

namespace {

const QColor white(255, 255, 255);
const QColor orange(255, 192, 128);
const QString beforeTheStart = QString::fromUtf8(screen_text::boxBeforeTheStart);

// Every control of a row shares the row's top and height.
constexpr int rowTop(FishKind kind) { return 1800 + 480 * (kindNumber(kind) - 1); }
constexpr int rowHeight = 375;

QString memberName(const char *array, FishKind kind) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(kindNumber(kind));
}

QLabel *heading(QWidget &area, const char *name, QRect rect, const char *caption, qreal points,
                bool bold, QColor colour, Qt::Alignment alignment) {
    return makeLabel(area, QLatin1String(name), rect, QString::fromUtf8(caption),
                     verdana(points, bold), colour, alignment);
}

void buildLinesAndLabels(QWidget &area, Form1Controls &form) {
    form.Line1 =
        new RuleLine(pointFromTwips(120, 960), pointFromTwips(10080, 960), orange, 3, &area);
    form.Line2 =
        new RuleLine(pointFromTwips(600, 2280), pointFromTwips(3720, 2280), white, 1, &area);
    form.Line3 =
        new RuleLine(pointFromTwips(4680, 1560), pointFromTwips(7800, 1560), white, 1, &area);
    form.Line1->setObjectName(QStringLiteral("Line1"));
    form.Line2->setObjectName(QStringLiteral("Line2"));
    form.Line3->setObjectName(QStringLiteral("Line3"));

    form.lblNaam = heading(area, "lblNaam", rectFromTwips(120, 240, 9855, 375),
                           screen_text::nameBeforeTheStart, 15.75, true, orange, Qt::AlignLeft);
    form.Label7 = heading(area, "Label7", rectFromTwips(4560, 1200, 3135, 375), screen_text::prices,
                          14.25, false, white, Qt::AlignHCenter);
    form.Label6 = heading(area, "Label6", rectFromTwips(600, 1920, 3135, 375),
                          screen_text::companySize, 14.25, false, white, Qt::AlignHCenter);
    form.Label5 = heading(area, "Label5", rectFromTwips(480, 2880, 1455, 375), screen_text::date,
                          9.75, true, white, Qt::AlignRight);
    form.Label4 = heading(area, "Label4", rectFromTwips(480, 3360, 1455, 375), screen_text::workers,
                          9.75, true, white, Qt::AlignRight);
    form.Label3 = heading(area, "Label3", rectFromTwips(1080, 3840, 855, 255), screen_text::money,
                          9.75, true, white, Qt::AlignRight);

    const auto rowLabel = [&area](const char *name, FishKind kind) {
        const int width = kind == FishKind::Angler ? 1215 : 1095;
        return heading(area, name, rectFromTwips(4080, rowTop(kind), width, rowHeight),
                       screen_text::rowLabel(kind), 9.75, true, white, Qt::AlignLeft);
    };
    form.lblKabeljouw = rowLabel("lblKabeljouw", FishKind::Angler);
    form.lblPaling = rowLabel("lblPaling", FishKind::Eels);
    form.lblZalm = rowLabel("lblZalm", FishKind::Salmon);
    form.lblForel = rowLabel("lblForel", FishKind::Trout);
    form.lblKarper = rowLabel("lblKarper", FishKind::Carp);
}

void buildBoxesAndButtons(QWidget &area, Form1Controls &form) {
    const QFont gridFont = userInterfaceFont(8.25);
    for (const FishKind kind : allFishKinds) {
        const int top = rowTop(kind);
        form.txtVissen[kind] =
            makeTextBox(area, memberName("txtVissen", kind),
                        rectFromTwips(5400, top, 1575, rowHeight), beforeTheStart, gridFont, false);
        form.txtMarktprijs[kind] =
            makeTextBox(area, memberName("txtMarktprijs", kind),
                        rectFromTwips(7080, top, 1455, rowHeight), beforeTheStart, gridFont, false);
        form.cmdKopen[kind] = makeButton(area, memberName("cmdKopen", kind),
                                         rectFromTwips(8640, top, 1575, rowHeight),
                                         QString::fromUtf8(screen_text::buy), gridFont);
        form.cmdVerkopen[kind] = makeButton(area, memberName("cmdVerkopen", kind),
                                            rectFromTwips(10320, top, 1455, rowHeight),
                                            QString::fromUtf8(screen_text::sell), gridFont);
    }
    form.txtJaar =
        makeTextBox(area, QStringLiteral("txtJaar"), rectFromTwips(2040, 2880, 1575, 285),
                    QString(), tahoma(8.25, true), true);
    form.txtWerkers =
        makeTextBox(area, QStringLiteral("txtWerkers"), rectFromTwips(2040, 3330, 1575, 285),
                    QString(), tahoma(9.75, true), true);
    form.txtGeld =
        makeTextBox(area, QStringLiteral("txtGeld"), rectFromTwips(2040, 3810, 1575, 285),
                    QString(), tahoma(9.75, true), true);
    form.cmdWachten =
        makeButton(area, QStringLiteral("cmdWachten"), rectFromTwips(6000, 4560, 3135, 375),
                   QString::fromUtf8(screen_text::wait), gridFont);
}

void setFocusOrder(const Form1Controls &form) {
    std::vector<QWidget *> order{form.txtGeld,
                                 form.txtWerkers,
                                 form.txtJaar,
                                 form.cmdKopen[FishKind::Angler],
                                 form.cmdVerkopen[FishKind::Angler],
                                 form.cmdWachten};
    for (const FishKind kind : allFishKinds)
        order.push_back(form.txtVissen[kind]);
    for (const FishKind kind : allFishKinds)
        order.push_back(form.txtMarktprijs[kind]);
    for (const FishKind kind : allFishKinds)
        if (kind != FishKind::Angler)
            order.push_back(form.cmdKopen[kind]);
    for (const FishKind kind : allFishKinds)
        if (kind != FishKind::Angler)
            order.push_back(form.cmdVerkopen[kind]);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

Form1Controls buildForm1Controls(QWidget &area) {
    installFontSubstitutes();
    Form1Controls form;
    // Made in layer order: a later sibling is drawn over an earlier one.
    buildLinesAndLabels(area, form);
    buildBoxesAndButtons(area, form);
    setFocusOrder(form);
    describeForScreenReaders(form);
    return form;
}

} // namespace kelvaro
