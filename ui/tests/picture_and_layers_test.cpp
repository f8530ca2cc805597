// What the client area paints: the picture at its natural size, the three rules over it, and
// the controls over those, with labels showing the picture around their text.

#include "ui/rule_line.h"
#include "window_support/form_fixture.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>

namespace kelvaro::testing {
namespace {

const QColor white(255, 255, 255);
const QColor orange(255, 192, 128);

struct Rule {
    const char *name;
    QPoint from; // pixels: the layout table's twips divided by 15
    QPoint to;
    QColor colour;
    int width;
    QRect painted; // every pixel the rule paints: flat ends, nothing past its end points
};

const Rule rules[] = {
    // From (120, 960) to (10080, 960) twips.
    {"Line1", {8, 64}, {672, 64}, orange, 3, QRect(QPoint(8, 63), QPoint(671, 65))},
    // From (600, 2280) to (3720, 2280) twips.
    {"Line2", {40, 152}, {248, 152}, white, 1, QRect(QPoint(40, 152), QPoint(247, 152))},
    // From (4680, 1560) to (7800, 1560) twips.
    {"Line3", {312, 104}, {520, 104}, white, 1, QRect(QPoint(312, 104), QPoint(519, 104))},
};

class Form1Picture : public FormFixture {
  protected:
    QImage background{QStringLiteral(":/kelvaro/background.png")};

    // The client area as drawn, with or without the controls on it.
    QImage paintedArea(bool withControls) const {
        QWidget *area = form->centralWidget();
        QImage image(area->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        area->render(&image, QPoint(), QRegion(),
                     withControls ? QWidget::DrawChildren : QWidget::RenderFlags());
        return image;
    }
};

TEST_F(Form1Picture, backgroundPictureIsThePhotographOf789By498) {
    ASSERT_FALSE(background.isNull());
    EXPECT_EQ(background.size(), QSize(789, 498));
}

// The picture equals its water-only rendering (the same art with the fish hidden) everywhere
// under a control and two pixels around it, and differs from it where the fish swim.
TEST_F(Form1Picture, noFishOfThePictureLiesUnderAControl) {
    const QImage water(QStringLiteral(KELVARO_WATER_PICTURE));
    ASSERT_EQ(water.size(), QSize(789, 498));
    for (const QPoint fish :
         {QPoint(106, 326), QPoint(282, 334), QPoint(150, 97), QPoint(704, 327), QPoint(170, 430)})
        EXPECT_NE(background.pixel(fish), water.pixel(fish)) << fish.x() << "," << fish.y();

    const QList<QWidget *> controls =
        form->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(controls.size(), 38); // eleven labels, three lines, thirteen boxes, eleven buttons
    const QRect visible(0, 0, 789, 375);
    for (const QWidget *control : controls) {
        const QRect around = control->geometry().adjusted(-2, -2, 2, 2) & visible;
        int fishPixels = 0;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                fishPixels += background.pixel(x, y) != water.pixel(x, y);
        EXPECT_EQ(fishPixels, 0) << control->objectName().toStdString();
    }
}

TEST_F(Form1Picture, rulesRunBetweenTheirPointsInTheirColourAndWidth) {
    startForm();
    const QImage painted = paintedArea(true);
    for (const Rule &rule : rules) {
        auto *line = form->findChild<RuleLine *>(QLatin1String(rule.name));
        ASSERT_NE(line, nullptr) << rule.name;
        EXPECT_EQ(line->parentWidget(), form->centralWidget());
        EXPECT_EQ(line->from(), rule.from) << rule.name;
        EXPECT_EQ(line->to(), rule.to) << rule.name;
        EXPECT_EQ(line->colour(), rule.colour) << rule.name;
        EXPECT_EQ(line->lineWidth(), rule.width) << rule.name;
        EXPECT_TRUE(line->testAttribute(Qt::WA_TransparentForMouseEvents));
        // Inside the painted rectangle the rule's colour, on the ring around it the picture.
        const QRect ring = rule.painted.adjusted(-1, -1, 1, 1);
        int wrong = 0;
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            for (int x = ring.left(); x <= ring.right(); ++x) {
                const QColor expected =
                    rule.painted.contains(x, y) ? rule.colour : background.pixelColor(x, y);
                if (painted.pixelColor(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << rule.name << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(wrong, 0) << rule.name;
    }
}

TEST_F(Form1Picture, pictureIsPaintedUnscaledFromTheTopLeftCorner) {
    startForm();
    form->resize(1000, 700);
    ASSERT_GE(form->centralWidget()->height(), 498);
    const QImage painted = paintedArea(false);
    for (const QPoint point :
         {QPoint(0, 0), QPoint(400, 200), QPoint(788, 374), QPoint(100, 450), QPoint(788, 497)})
        EXPECT_EQ(painted.pixelColor(point), background.pixelColor(point))
            << point.x() << "," << point.y();
}

TEST_F(Form1Picture, pictureIsNotRepeatedBeyondItsEdges) {
    startForm();
    form->resize(1000, 700);
    const QImage painted = paintedArea(false);
    EXPECT_EQ(painted.pixelColor(900, 100).alpha(), 0);
    EXPECT_EQ(painted.pixelColor(100, 600).alpha(), 0);
}

TEST_F(Form1Picture, labelsShowThePictureAroundTheirText) {
    startForm();
    const QImage painted = paintedArea(true);
    // Right of the company name and of "Angler:", inside the labels.
    for (const QPoint point : {QPoint(640, 20), QPoint(350, 122)})
        EXPECT_EQ(painted.pixelColor(point), background.pixelColor(point))
            << point.x() << "," << point.y();
}

TEST_F(Form1Picture, boxesAndButtonsLieOverTheLinesAndLabels) {
    const QObjectList stack = form->centralWidget()->children(); // back to front
    qsizetype frontmostGraphic = -1;
    qsizetype backmostControl = stack.size();
    for (qsizetype i = 0; i < stack.size(); ++i) {
        if (qobject_cast<QLabel *>(stack[i]) || dynamic_cast<RuleLine *>(stack[i]))
            frontmostGraphic = i;
        else if (qobject_cast<QLineEdit *>(stack[i]) || qobject_cast<QPushButton *>(stack[i]))
            backmostControl = std::min(backmostControl, i);
    }
    EXPECT_EQ(frontmostGraphic, 13); // eleven labels and three lines
    EXPECT_LT(frontmostGraphic, backmostControl);
}

TEST_F(Form1Picture, enlargingTheWindowMovesNoControl) {
    startForm();
    std::map<QString, QRect> before;
    for (const QWidget *child : form->centralWidget()->findChildren<QWidget *>())
        before[child->objectName()] = child->geometry();
    const QPoint areaBefore = form->centralWidget()->pos();

    form->resize(1200, 760);
    form->resize(500, 300);
    form->resize(1000, 600);

    EXPECT_EQ(form->centralWidget()->pos(), areaBefore);
    for (const QWidget *child : form->centralWidget()->findChildren<QWidget *>())
        EXPECT_EQ(child->geometry(), before[child->objectName()])
            << child->objectName().toStdString();
}

} // namespace
} // namespace kelvaro::testing
