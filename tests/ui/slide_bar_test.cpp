// The slide bars through the real window: arrows and trough pressed with the
// mouse (the right button held chooses the step), their auto-repeat, the
// trough pattern, the focus shown on the thumb, repaints only when the thumb
// changes pixels, the bar's keys kept from the shortcuts, and a paint that
// starts no threads. Also the toolbar buttons' size and the status bar's
// colour and part boundary.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "ui/main_window.h"
#include "ui/rebar.h"
#include "ui/slide_bar.h"

namespace tesmark {
namespace {

class SlideBarTest : public testing::Test {
  protected:
    void open(RuleState initial = RuleState::Defaults()) {
        initial.NumberVariable = 0;  // position steps: the units show the step chosen
        state = initial;
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    void TearDown() override {
        if (window) {
            QTest::mouseRelease(window->findChild<SlideBar*>("CursorBar"), Qt::LeftButton);
            QTest::mouseRelease(window->findChild<SlideBar*>("CursorBar"), Qt::RightButton);
        }
    }
    SlideBar* bar() const { return window->findChild<SlideBar*>("CursorBar"); }
    QPoint rightArrow() const { return QPoint(bar()->width() - 4, bar()->height() / 2); }
    QPoint rightTrough() const {
        return QPoint((bar()->thumbRect().right() + bar()->width()) / 2, bar()->height() / 2);
    }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
};

struct RightModeCase {
    const char* name;
    int16_t rightClick;
    bool onArrow;
    int32_t cursorStep;
    int32_t slideStep;
};

class SlideBarRightMode : public SlideBarTest, public testing::WithParamInterface<RightModeCase> {};

TEST_P(SlideBarRightMode, ALeftPressWithTheRightButtonHeldStepsInTheRightClickMode) {
    const RightModeCase& c = GetParam();
    RuleState initial = RuleState::Defaults();
    initial.RightClick = c.rightClick;
    open(initial);
    const QPoint target = c.onArrow ? rightArrow() : rightTrough();
    QTest::mousePress(bar(), Qt::RightButton, {}, target);
    QTest::mousePress(bar(), Qt::LeftButton, {}, target);
    EXPECT_EQ(state.CursorPos, 3150000 + c.cursorStep);
    EXPECT_EQ(state.SlidePos, 3150000 + c.slideStep);
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, target);
    QTest::mouseRelease(bar(), Qt::RightButton, {}, target);
}

INSTANTIATE_TEST_SUITE_P(Modes, SlideBarRightMode,
                         testing::Values(RightModeCase{"FastArrow", 1, true, +20, 0},
                                         RightModeCase{"ReverseArrow", 2, true, -1, 0},
                                         RightModeCase{"FastTrough", 1, false, +10000, 0},
                                         RightModeCase{"ReverseTrough", 2, false, -500, 0},
                                         // Double: the slide's thumb follows the cursor's, so
                                         // SlidePos moves the other way.
                                         RightModeCase{"DoubleArrow", 0, true, +1, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlideBarTest, APlainClickStepsOnceAndAHeldArrowRepeatsThroughARightPress) {
    open();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, rightArrow());
    EXPECT_EQ(state.CursorPos, 3150001);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, rightTrough());
    EXPECT_EQ(state.CursorPos, 3150501);

    QTest::mousePress(bar(), Qt::LeftButton, {}, rightArrow());
    QTest::qWait(SlideBar::kRepeatDelayMs + 4 * SlideBar::kRepeatIntervalMs);
    const int32_t repeated = state.CursorPos;
    EXPECT_GT(repeated, 3150502);  // the first step, then repeats
    // The right button going down keeps the arrow repeating, now in the
    // right-click mode (Fast by default: 20 units a step).
    QTest::mousePress(bar(), Qt::RightButton, {}, rightArrow());
    QTest::qWait(6 * SlideBar::kRepeatIntervalMs);
    EXPECT_GE(state.CursorPos, repeated + 20);
    EXPECT_EQ((state.CursorPos - repeated) % 20, 0);
    QTest::mouseRelease(bar(), Qt::RightButton, {}, rightArrow());
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, rightArrow());
    const int32_t released = state.CursorPos;
    QTest::qWait(4 * SlideBar::kRepeatIntervalMs);
    EXPECT_EQ(state.CursorPos, released);  // the release ends the repeat
}

TEST_F(SlideBarTest, TheTroughShowsTheColourMappedPattern) {
    open();
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    bar()->setTroughTile(tile);
    const QImage shown = bar()->grab().toImage();
    const QRect thumb = bar()->thumbRect();
    // Between the left arrow and the thumb the pattern lies aligned to the bar.
    for (int x = thumb.left() - 20; x < thumb.left() - 4; ++x) {
        const int y = bar()->height() / 2;
        EXPECT_EQ(shown.pixel(x, y), tile.pixel(x % 8, y % 8)) << x;
    }
}

TEST_F(SlideBarTest, TheFocusedBarHighlightsItsThumbInALightAndADarkPalette) {
    open();
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QPalette colours = QApplication::palette();
        if (dark) {
            colours.setColor(QPalette::Button, QColor(53, 53, 53));
            colours.setColor(QPalette::Light, QColor(90, 90, 90));
            colours.setColor(QPalette::Dark, QColor(20, 20, 20));
            colours.setColor(QPalette::Highlight, QColor(42, 130, 218));
        }
        for (SlideBar* b :
             {window->findChild<SlideBar*>("SlideBar"), window->findChild<SlideBar*>("CursorBar")})
            b->setPalette(colours);
        for (SlideBar* focused : {window->findChild<SlideBar*>("SlideBar"),
                                  window->findChild<SlideBar*>("CursorBar")}) {
            focused->setFocus();
            QApplication::processEvents();
            for (SlideBar* b : {window->findChild<SlideBar*>("SlideBar"),
                                window->findChild<SlideBar*>("CursorBar")}) {
                const QImage shown = b->grab().toImage();
                const QPoint inside = b->thumbRect().topLeft() + QPoint(2, 2);
                const QColor expected =
                    colours.color(b == focused ? QPalette::Highlight : QPalette::Button);
                EXPECT_EQ(QColor(shown.pixel(inside)), expected) << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(SlideBarTest, TheBarRepaintsOnlyWhenItsThumbChangesPixels) {
    open();
    QTest::qWait(50);  // the exposures of the first show are over
    bar()->repaint();
    const int painted = bar()->paintCount();
    bar()->setThumb(bar()->thumb() + 1);  // far less than a pixel
    QApplication::processEvents();
    EXPECT_EQ(bar()->paintCount(), painted);
    QTest::keyClick(bar(), Qt::Key_Right);  // a step of the handler, still within the pixel
    QApplication::processEvents();
    EXPECT_EQ(bar()->paintCount(), painted);
    bar()->setThumb(0);
    QApplication::processEvents();
    EXPECT_GT(bar()->paintCount(), painted);
}

// The focused bar's keys are claimed before the shortcuts are looked at: a
// shortcut on an arrow key does not take the arrow from the bar, while a key
// the bar does not use still reaches its shortcut.
TEST_F(SlideBarTest, TheFocusedBarKeepsItsKeysFromTheShortcuts) {
    open();
    bar()->setFocus();
    int taken = 0;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_F12}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window.get());
        QObject::connect(shortcut, &QShortcut::activated, [&taken] { ++taken; });
    }
    const int32_t before = state.CursorPos;
    QTest::keyClick(bar(), Qt::Key_Right);
    EXPECT_GT(state.CursorPos, before);
    EXPECT_EQ(taken, 0);
    QTest::keyClick(bar(), Qt::Key_F12);
    EXPECT_EQ(taken, 1);
}

// The workers of the toolkit's thread pool, which the style's drawing of a
// scroll bar starts on its first paint.
int PooledThreads() {
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)")) ++count;
    }
    return count;
}

// A bar alone in a window of the main window's size, so that no other
// control's drawing starts the pool first.
TEST(SlideBarAlone, PaintingABarStartsNoThreads) {
    if (!QDir(QStringLiteral("/proc/self/task")).exists()) GTEST_SKIP() << "no /proc";
    if (PooledThreads() != 0) GTEST_SKIP() << "an earlier test of this process started the pool";
    QWidget frame;
    frame.resize(880, 325);
    auto* bar = new SlideBar(BarId::Cursor, &frame);
    bar->setGeometry(160, 256, 625, 29);
    bar->setThumb(3150000);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    bar->setFocus();
    for (int i = 0; i < 20; ++i) {
        bar->setThumb(i * 300000);
        bar->repaint();
    }
    QTest::qWait(50);
    EXPECT_EQ(PooledThreads(), 0);
}

TEST_F(SlideBarTest, ToolbarButtonsAreThirtyByTwentyThree) {
    open();
    for (int t = 0; t < 4; ++t) {
        for (QAction* action :
             window->findChild<RuleToolbar*>(QStringLiteral("Toolbar%1").arg(QChar('A' + t)))
                 ->actions()) {
            if (action->isSeparator()) continue;
            QWidget* button =
                window->findChild<RuleToolbar*>(QStringLiteral("Toolbar%1").arg(QChar('A' + t)))
                    ->widgetForAction(action);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->size(), QSize(kToolbarButtonWidth, kToolbarButtonHeight));
        }
    }
}

TEST_F(SlideBarTest, TheStatusBarHasTheSystemColourAndPartZeroEndsAt480) {
    open();
    QStatusBar* status = window->findChild<QStatusBar*>("StatusBar");
    EXPECT_TRUE(status->autoFillBackground());
    const QImage shown = status->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(600, status->height() / 2)),
              status->palette().color(status->backgroundRole()));
    auto* part0 = status->findChild<QLabel*>(QStringLiteral("StatusPart0"));
    ASSERT_NE(part0, nullptr);
    EXPECT_NE(part0->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(part0->mapTo(status, QPoint(part0->width(), 0)).x(), 480);
}

}  // namespace
}  // namespace tesmark
