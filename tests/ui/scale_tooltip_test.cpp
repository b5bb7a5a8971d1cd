// The formula tooltips through the real window: a resting mouse over a
// scale name shows its formula in the colour of its row and face, on the
// tip's own light grey whatever the palette; every composition renews them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPalette>
#include <QTest>

#include "ops/command_ids.h"
#include "ops/scale_tooltip_style.h"
#include "support/open_window_test.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/scale_tooltip.h"

namespace tesmark {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

class ScaleTooltipTest : public OpenWindowTest {
  protected:
    ClientArea* client() const {
        return window->findChild<ClientArea*>(QStringLiteral("ClientArea"));
    }
    ScaleTooltip* tip() const {
        return window->findChild<ScaleTooltip*>(QStringLiteral("ScaleTooltip"));
    }

    // The mouse rests at client point (x, y): the help event Qt sends then.
    bool rest(int x, int y) {
        const QPoint at(x, y);
        QHelpEvent event(QEvent::ToolTip, at, client()->mapToGlobal(at));
        QApplication::sendEvent(client(), &event);
        return event.isAccepted();
    }

    // Whether the tip as painted holds a pixel of a colour.
    static bool Shows(const QImage& image, const QColor& colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) return true;
            }
        }
        return false;
    }
};

struct TipCase {
    int16_t face;
    int x, y;
    const char* text;
    Rgb colour;
};

TEST_F(ScaleTooltipTest, TheTipShowsTheFormulaInTheColourOfItsRowAndFace) {
    const TipCase cases[] = {
        {0, 10, 180, "DI=10/D", kRed},                              // R8 on the front: DI
        {0, 10, 45, "Hello. I'm Slide Rule.", kScaleTooltipGreen},  // R0: the brand line
        {0, 10, 60, "K=D^3", kScaleTooltipText},
        {0, 29, 192, "DI=10/D", kRed},
        {1, 10, 45, "LL/2=1/(e^(D/10))", kRed},
        {1, 10, 130, "CI=10/nD", kRed},
        {1, 10, 150, "C=nD", kScaleTooltipText},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "face " << c.face << " at " << c.x << ", " << c.y);
        RuleState initial = RuleState::Defaults();
        initial.SlideRev = c.face;
        open(initial);
        ASSERT_TRUE(rest(c.x, c.y));
        ScaleTooltip* shown = tip();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(shown->textColour(), c.colour);
        EXPECT_EQ(shown->palette().color(QPalette::WindowText), ToQColor(c.colour));
        EXPECT_EQ(shown->margin(), kScaleTooltipMargin);
        const QImage painted = shown->grab().toImage();
        EXPECT_TRUE(Shows(painted, ToQColor(kScaleTooltipBackground)));
        EXPECT_TRUE(Shows(painted, ToQColor(c.colour)));
    }
}

TEST_F(ScaleTooltipTest, OutsideTheNamesNoTipShows) {
    open();
    ASSERT_TRUE(rest(10, 180));
    ASSERT_TRUE(tip()->isVisible());
    // x = 30 is the right edge of the areas, y = 208 the bottom of R9.
    for (const QPoint p :
         {QPoint(30, 180), QPoint(0, 180), QPoint(10, 39), QPoint(10, 208), QPoint(200, 180)}) {
        SCOPED_TRACE(::testing::Message() << p.x() << ", " << p.y());
        EXPECT_FALSE(rest(p.x(), p.y()));
        EXPECT_FALSE(tip()->isVisible());
        ASSERT_TRUE(rest(10, 180));
    }
}

TEST_F(ScaleTooltipTest, ADarkPaletteLeavesTheTipsColoursAlone) {
    const QPalette before = QApplication::palette();
    // A dark blue theme with yellow text: none of it may reach the tip.
    QPalette dark = before;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::ToolTipBase}) {
        dark.setColor(role, QColor(20, 40, 90));
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ToolTipText}) {
        dark.setColor(role, QColor(230, 200, 0));
    }
    QApplication::setPalette(dark);
    open();
    ASSERT_TRUE(rest(10, 60));
    const QImage painted = tip()->grab().toImage();
    QApplication::setPalette(before);
    EXPECT_TRUE(Shows(painted, ToQColor(kScaleTooltipBackground)));
    EXPECT_TRUE(Shows(painted, ToQColor(kScaleTooltipText)));
    EXPECT_FALSE(Shows(painted, QColor(20, 40, 90)));
    EXPECT_FALSE(Shows(painted, QColor(230, 200, 0)));
}

TEST_F(ScaleTooltipTest, EveryCompositionRenewsTheTips) {
    open();
    ASSERT_TRUE(rest(10, 120));
    EXPECT_EQ(tip()->text(), QStringLiteral("T=atan(nD/10)"));
    EXPECT_EQ(tip()->textColour(), kScaleTooltipText);

    // Turning the rule over replaces the tools: the tip of the front face
    // goes, and the same point now names CIF in red.
    ASSERT_TRUE(window->runCommand(cmd::kReverse));
    EXPECT_FALSE(tip()->isVisible());
    ASSERT_TRUE(rest(10, 120));
    EXPECT_EQ(tip()->text(), QStringLiteral("CIF=10/(nD*sqrt(10))"));
    EXPECT_EQ(tip()->textColour(), kRed);

    // An option of the back face: the folding at pi.
    ASSERT_TRUE(window->runCommand(cmd::kFoldPiDirect));
    EXPECT_FALSE(tip()->isVisible());
    ASSERT_TRUE(rest(10, 120));
    EXPECT_EQ(tip()->text(), QStringLiteral("CIF=10/(nD*PI)"));
}

TEST_F(ScaleTooltipTest, AKeyLeavingTheNameOrHidingTheWindowHidesTheTip) {
    open();
    ASSERT_TRUE(rest(10, 180));
    QTest::mouseMove(window->windowHandle(), client()->mapTo(window.get(), QPoint(12, 185)));
    EXPECT_TRUE(tip()->isVisible()) << "still over DI";
    QTest::mouseMove(window->windowHandle(), client()->mapTo(window.get(), QPoint(12, 200)));
    EXPECT_FALSE(tip()->isVisible()) << "over L now";

    ASSERT_TRUE(rest(10, 180));
    QTest::keyClick(window->windowHandle(), Qt::Key_Shift);
    EXPECT_FALSE(tip()->isVisible());

    ASSERT_TRUE(rest(10, 180));
    window->hide();
    EXPECT_FALSE(tip()->isVisible()) << "the window's tip goes with it";
}

}  // namespace
}  // namespace tesmark
