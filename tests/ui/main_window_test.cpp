// The main window, headless: its construction from RuleState, the geometry
// for several widths, sizing and position, the three views and the readout
// panel as painted, and the keys, bars and mouse wired to the operations.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "model/platform_name.h"
#include "model/reading_table.h"
#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/rebar.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

namespace tesmark {
namespace {

class MainWindowTest : public testing::Test {
  protected:
    void open(const RuleState& initial = RuleState::Defaults()) {
        state = initial;
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }
    void settle() {
        QApplication::processEvents();
        clientArea()->repaint();
        QApplication::processEvents();
    }
    Rgb pixel(int x, int y) const { return window->ruleView().backBuffer().pixel(x, y); }

    // The window's controls, found by their object names.
    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    ClientArea* clientArea() const { return child<ClientArea>("ClientArea"); }
    SlideBar* slideBar() const { return child<SlideBar>("SlideBar"); }
    SlideBar* cursorBar() const { return child<SlideBar>("CursorBar"); }
    EditBox* editBox() const { return child<EditBox>("EditBox"); }
    Rebar* rebar() const { return child<Rebar>("Rebar"); }
    RuleToolbar* toolbar(int index) const {
        const QByteArray name = "Toolbar" + QByteArray(1, static_cast<char>('A' + index));
        return child<RuleToolbar>(name.constData());
    }
    QPushButton* button(int commandId) const {
        switch (commandId) {
            case kSlideHomeButtonId:
                return child<QPushButton>("SlideHomeButton");
            case kCursorHomeButtonId:
                return child<QPushButton>("CursorHomeButton");
            default:
                return child<QPushButton>("ReverseButton");
        }
    }
    QString statusText() const { return child<QLabel>("StatusPart0")->text(); }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
};

TEST_F(MainWindowTest, BuildsItsControlsFromTheState) {
    RuleState initial = RuleState::Defaults();
    initial.Language = 1;
    initial.SlideRev = 1;
    open(initial);
    EXPECT_EQ(clientArea()->width(), 880);
    EXPECT_EQ(clientArea()->height(), 325);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tesmark - 両面型デジタル計算尺"));
    // Japanese toolbars carry the small command ids.
    EXPECT_EQ(toolbar(0)->commandIds(), (QList<int>{116, 117, 811, 812}));
    EXPECT_EQ(toolbar(3)->commandIds(), (QList<int>{135, 131, 132, 133, 950}));
    // The back face shows band 1, not band 0.
    EXPECT_FALSE(rebar()->bandShown(0));
    EXPECT_TRUE(rebar()->bandShown(1));
    // The bars have the 32-bit range and show their positions.
    EXPECT_EQ(slideBar()->minimum(), -300000);
    EXPECT_EQ(slideBar()->maximum(), 6600000);
    EXPECT_EQ(slideBar()->value(), 3150000);
    EXPECT_EQ(cursorBar()->value(), 3150000);
    // The edit box: constants, then history, newest selected.
    EXPECT_EQ(editBox()->count(), 24);
    EXPECT_EQ(editBox()->currentIndex(), 8);
    EXPECT_EQ(editBox()->currentText(), QStringLiteral("1.00000"));
    EXPECT_EQ(editBox()->lineEdit()->maxLength(), 30);
    EXPECT_EQ(window->session().undo.kind, -1);
}

TEST_F(MainWindowTest, EnglishToolbarsAndTitle) {
    open();
    // The title names the platform the program was built for.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tesmark for " TESMARK_PLATFORM_NAME));
    EXPECT_EQ(toolbar(0)->commandIds(), (QList<int>{32811, 32812, 32813, 32814}));
    EXPECT_TRUE(rebar()->bandShown(0));
    EXPECT_FALSE(rebar()->bandShown(1));
}

TEST_F(MainWindowTest, TopWinStartsTopMostAndCommandToggles) {
    RuleState initial = RuleState::Defaults();
    initial.TopWin = 1;
    open(initial);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->runCommand(kCmdAlwaysOnTop);
    EXPECT_EQ(state.TopWin, 0);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
}

TEST(WindowGeometry, ControlsFollowTheExtraWidth) {
    struct Case {
        int extra;
        int barWidth;
        int homeLeft;
    };
    for (const Case& c : {Case{0, 370, 545}, Case{255, 625, 800}, Case{1000, 1370, 1545}}) {
        SCOPED_TRACE(c.extra);
        EXPECT_EQ(geometry::BarWidth(c.extra), c.barWidth);
        EXPECT_EQ(geometry::HomeButtonLeft(c.extra), c.homeLeft);
        EXPECT_EQ(geometry::RuleRect(c.extra), QRect(0, 39, 625 + c.extra, 170));
    }
}

TEST_F(MainWindowTest, WideningMovesButtonsAndLengthensBars) {
    open();
    EXPECT_EQ(slideBar()->geometry(), QRect(160, 220, 625, 29));
    EXPECT_EQ(button(kSlideHomeButtonId)->geometry(), QRect(800, 220, 60, 29));
    EXPECT_EQ(button(kCursorHomeButtonId)->geometry(), QRect(800, 256, 60, 29));
    EXPECT_EQ(button(kReverseButtonId)->geometry(), QRect(100, 220, 40, 65));
    window->resize(980, window->height());
    settle();
    EXPECT_EQ(state.CxSize, 355);
    EXPECT_EQ(cursorBar()->geometry(), QRect(160, 256, 725, 29));
    EXPECT_EQ(button(kCursorHomeButtonId)->geometry(), QRect(900, 256, 60, 29));
    EXPECT_EQ(window->ruleView().backBuffer().width(), 980);
    // The hairline follows half the added width.
    EXPECT_EQ(pixel(345 + 177, 100), kRed);
}

TEST_F(MainWindowTest, WidthStaysWithinItsLimitsAndHeightIsFixed) {
    open();
    window->resize(400, 900);
    QApplication::processEvents();
    EXPECT_EQ(window->width(), kMinClientWidth);
    EXPECT_EQ(clientArea()->height(), 325);
    window->resize(5000, 100);
    QApplication::processEvents();
    EXPECT_EQ(window->width(), kMaxClientWidth);
    EXPECT_EQ(clientArea()->height(), 325);
}

TEST_F(MainWindowTest, ASizeBeyondTheLimitsKeepsTheClientAreaWithinThem) {
    // A window manager that ignores the size hints can give any width; the
    // width kept and the layout stay within the limits.
    open();
    struct Case {
        int windowWidth;
        int cxSize;
    };
    for (const Case& c : {Case{500, kMinCxSize}, Case{3000, kMaxCxSize}, Case{1000, 375}}) {
        SCOPED_TRACE(c.windowWidth);
        QResizeEvent event(QSize(c.windowWidth, window->height()), window->size());
        QApplication::sendEvent(window.get(), &event);
        settle();
        EXPECT_EQ(state.CxSize, c.cxSize);
        EXPECT_EQ(clientArea()->width(), ClientWidth(c.cxSize));
        EXPECT_EQ(rebar()->width(), ClientWidth(c.cxSize));
        EXPECT_EQ(cursorBar()->geometry(), QRect(160, 256, 370 + c.cxSize, 29));
        EXPECT_EQ(window->ruleView().backBuffer().width(), ClientWidth(c.cxSize));
    }
}

TEST_F(MainWindowTest, MovingRemembersThePlaceAndAsksForAFullRepaint) {
    open();
    window->move(120, 140);
    QApplication::processEvents();
    EXPECT_EQ(state.Xpos, window->frameGeometry().x());
    EXPECT_EQ(state.Ypos, window->frameGeometry().y());
    EXPECT_EQ(window->session().redraw.PaintedFlag, 0);
}

TEST_F(MainWindowTest, APlaceOnNoScreenIsBroughtOntoThePrimaryScreen) {
    RuleState initial = RuleState::Defaults();
    initial.Xpos = -20000;
    initial.Ypos = 30000;
    open(initial);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QPoint(state.Xpos + 40, state.Ypos + 10)))
        << state.Xpos << "," << state.Ypos;
}

TEST_F(MainWindowTest, FirstPaintShowsTheBarsTheHairlineAndTheReadouts) {
    open();
    EXPECT_TRUE(slideBar()->isVisible());
    EXPECT_TRUE(cursorBar()->isVisible());
    EXPECT_EQ(window->session().redraw.EverPainted, 1);
    const int b = 127;
    EXPECT_EQ(pixel(345 + b, 100), kRed);       // the hairline
    EXPECT_EQ(pixel(276 + b, 120), kGrey);      // the glass's separator lines
    EXPECT_EQ(pixel(0, 120), kBlack);           // the rule's outline
    EXPECT_EQ(pixel(230 + b, 42), kLightGrey);  // the cursor's readout box
    // The readings were refreshed by the paint.
    EXPECT_NEAR(window->session().readings[14], 3.16227766, 1e-8);
    // The focus frame of slot 14: columns 220 + b .. 275 + b, rows 159 .. 173.
    EXPECT_EQ(pixel(220 + b, 165), kStockBlack);
    EXPECT_EQ(pixel(275 + b, 165), kStockBlack);
}

TEST_F(MainWindowTest, CursorBarKeysMoveTheCursorThroughTheHandler) {
    open();
    RuleState& s = state;
    s.NumberVariable = 0;  // position mode: one unit a step
    QTest::keyClick(cursorBar(), Qt::Key_Right);
    EXPECT_EQ(s.CursorPos, 3150001);
    EXPECT_EQ(cursorBar()->value(), 3150001);
    QTest::keyClick(cursorBar(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(s.CursorPos, 3150000);  // Ctrl reverses the step
    QTest::keyClick(cursorBar(), Qt::Key_End);
    EXPECT_EQ(s.CursorPos, 6300000);
    QTest::keyClick(cursorBar(), Qt::Key_End);
    EXPECT_EQ(s.CursorPos, 0);
    QTest::keyClick(cursorBar(), Qt::Key_Home);
    EXPECT_EQ(s.CursorPos, 3150000);
}

TEST_F(MainWindowTest, SettingAThumbIsNotAMoveOfTheUser) {
    open();
    window->setBarThumb(BarId::Cursor, 5000000);
    window->setBarThumb(BarId::Slide, 100);
    EXPECT_EQ(state.CursorPos, 3150000);
    EXPECT_EQ(state.SlidePos, 3150000);
    EXPECT_EQ(window->session().redraw.RedrawHint, kRedrawAll);
    EXPECT_EQ(cursorBar()->value(), 5000000);
}

TEST_F(MainWindowTest, DraggingTheThumbMovesByTheTrackPosition) {
    open();
    // A drag proposes a position; the handler takes it as the track position
    // and keeps the thumb there even beyond the range moves keep.
    cursorBar()->setSliderDown(true);
    cursorBar()->triggerAction(QAbstractSlider::SliderMove);
    cursorBar()->setSliderPosition(-200000);
    EXPECT_EQ(state.CursorPos, -90000);
    EXPECT_EQ(cursorBar()->value(), -200000);
    cursorBar()->setSliderDown(false);
}

TEST_F(MainWindowTest, ValueStepsUseTheFocusReading) {
    open();
    // Number lock on, focus D under the cursor: one step adds 0.00001 to D.
    QTest::keyClick(cursorBar(), Qt::Key_Right);
    settle();
    EXPECT_NEAR(window->session().readings[14], 3.1622776601683795 + 0.00001, 1e-6);
}

TEST_F(MainWindowTest, SlideBarRunsMirrored) {
    open();
    state.NumberVariable = 0;
    QTest::keyClick(slideBar(), Qt::Key_Right);
    EXPECT_EQ(state.SlidePos, 3149999);
    EXPECT_EQ(slideBar()->value(), 3150001);
}

TEST_F(MainWindowTest, WheelStepsTheFocusedBarWhereverThePointerIs) {
    open();
    state.NumberVariable = 0;
    auto turn = [](QWidget* widget, int delta) {
        QWheelEvent wheel(QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    };
    cursorBar()->setFocus();
    turn(clientArea(), 120);
    EXPECT_EQ(state.CursorPos, 3150001);
    slideBar()->setFocus();
    turn(clientArea(), 120);  // the slide thumb one unit to the right
    EXPECT_EQ(slideBar()->value(), 3150001);
    EXPECT_EQ(state.SlidePos, 3149999);
    turn(cursorBar(), -120);  // over a bar, still the focused bar's step
    EXPECT_EQ(state.SlidePos, 3150000);
    EXPECT_EQ(state.CursorPos, 3150001);
}

TEST_F(MainWindowTest, LetterKeysWinOverTheEditField) {
    open();
    editBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    EXPECT_EQ(QApplication::focusWidget(), slideBar());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
    EXPECT_EQ(QApplication::focusWidget(), cursorBar());
}

TEST_F(MainWindowTest, CentringRecordsUndoAndUndoToggles) {
    open();
    state.CursorPos = 1000000;
    window->setBarThumb(BarId::Cursor, 1000000);
    QTest::keyClick(cursorBar(), Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(state.CursorPos, 3150000);
    QTest::keyClick(cursorBar(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.CursorPos, 1000000);
    EXPECT_EQ(cursorBar()->value(), 1000000);
    QTest::keyClick(cursorBar(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.CursorPos, 3150000);
}

TEST_F(MainWindowTest, UndoIsNotCarriedOutBeforeAnythingWasRecorded) {
    open();
    state.CursorPos = 1234;
    window->runCommand(631);
    EXPECT_EQ(state.CursorPos, 1234);
}

TEST_F(MainWindowTest, HomeButtonsCentre) {
    open();
    state.SlidePos = 1000;
    QTest::mouseClick(button(kSlideHomeButtonId), Qt::LeftButton);
    EXPECT_EQ(state.SlidePos, 3150000);
    EXPECT_EQ(window->session().undo.kind, 0);
    EXPECT_EQ(window->session().undo.savedSlidePos, 1000);
}

TEST_F(MainWindowTest, ClickingAReadingBoxSetsTheFocusAndDoubleClickCopies) {
    open();
    // The cursor column's D box with CxSize = 255: 345 < x < 404, 159 < y <= 175.
    QTest::mouseClick(clientArea(), Qt::LeftButton, {}, QPoint(370, 150));
    EXPECT_EQ(state.NumFoucs, 13);
    // A double click: the first click selects, the second copies.
    QTest::mouseClick(clientArea(), Qt::LeftButton, {}, QPoint(370, 170));
    QTest::mouseDClick(clientArea(), Qt::LeftButton, {}, QPoint(370, 170));
    EXPECT_EQ(state.NumFoucs, 14);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3.16228"));
    EXPECT_FALSE(statusText().trimmed().isEmpty());
    // The next click clears the message.
    QTest::mouseClick(clientArea(), Qt::LeftButton, {}, QPoint(370, 170));
    EXPECT_EQ(statusText(), QStringLiteral(" "));
}

TEST_F(MainWindowTest, ShiftDoubleClickOnCursorLabelShowsThePositions) {
    open();
    QTest::mouseDClick(clientArea(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 270));
    EXPECT_EQ(statusText(), QStringLiteral("Slide Position=3150000, Cursor Position=3150000,"));
}

TEST_F(MainWindowTest, TabWalksTheFocusReading) {
    open();
    QTest::keyClick(cursorBar(), Qt::Key_Tab);
    EXPECT_EQ(state.NumFoucs, 15);
    QTest::keyClick(cursorBar(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(state.NumFoucs, 14);
    EXPECT_EQ(QApplication::focusWidget(), cursorBar());
}

TEST_F(MainWindowTest, ClosingAMenuCommitsANumericEditText) {
    open();
    // A menu that is not the window's own (here a stand-in for the edit
    // field's context menu) commits nothing when it closes.
    editBox()->setEditText(QStringLiteral("0.5"));
    QMenu foreign(window.get());
    foreign.addAction(QStringLiteral("item"));
    foreign.popup(QPoint(10, 10));
    QApplication::processEvents();
    foreign.hide();
    QApplication::processEvents();
    EXPECT_EQ(editBox()->count(), 24);

    // One of the menu bar's menus does.
    QMenu& menu = *window->menuBar()->actions().value(1)->menu();
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    menu.hide();
    QApplication::processEvents();
    EXPECT_EQ(editBox()->itemText(8), QStringLiteral("0.5"));
    EXPECT_EQ(state.editHistory[0], "0.5");
    EXPECT_EQ(state.editHistory[1], "1.00000");
    EXPECT_EQ(window->session().redraw.PaintedFlag, 0);

    editBox()->setEditText(QStringLiteral("abc"));
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    menu.hide();
    QApplication::processEvents();
    EXPECT_EQ(editBox()->count(), 25);  // a text beginning with a letter is not committed
}

TEST_F(MainWindowTest, CommittingAPrefixSelectsTheExistingEntry) {
    open();
    editBox()->setEditText(QStringLiteral("3.14"));
    editBox()->commit();
    EXPECT_EQ(editBox()->currentIndex(), 1);
    EXPECT_EQ(editBox()->count(), 24);
}

TEST_F(MainWindowTest, ScaleNameTooltipsFollowTheFace) {
    RuleState initial = RuleState::Defaults();
    initial.ScaleST = 1;
    initial.SinNum = 1;
    open(initial);
    EXPECT_EQ(window->scaleTooltipAt(10, 130), QStringLiteral("S0=acos(nD/100)"));
    EXPECT_EQ(window->scaleTooltipAt(10, 45), QStringLiteral("Hello. I'm Slide Rule."));
    EXPECT_TRUE(window->scaleTooltipAt(200, 130).isEmpty());
}

TEST_F(MainWindowTest, PaletteChangeRecolorsTheImages) {
    open();
    QPalette changed = window->palette();
    changed.setColor(QPalette::Button, QColor(10, 200, 30));
    window->setPalette(changed);
    settle();
    // The background pattern is mostly button face: its new colour shows
    // above the rule, where the window paints the pattern.
    bool found = false;
    for (int x = 100; x < 148 && !found; ++x) found = pixel(x, 214) == Rgb{10, 200, 30};
    EXPECT_TRUE(found);
}

// A dark colour scheme leaves no light island outside the rule face (which
// keeps its own colours), and the bar labels stay readable: light text over
// the scheme's highlight, not over white.
TEST_F(MainWindowTest, ADarkPaletteDarkensEverythingOutsideTheRuleFace) {
    open();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Dark, QColor(25, 25, 25));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    window->setPalette(dark);
    settle();

    const QImage shown = window->grab().toImage();
    // Light text on the dark scheme is fine; a light area is not: count the
    // pixels whose whole 3 x 3 neighbourhood is light.
    const auto lightAt = [&shown](int x, int y) {
        const QColor c = shown.pixelColor(x, y);
        return c.red() > 180 && c.green() > 180 && c.blue() > 180;
    };
    const int clientTop = clientArea()->mapTo(window.get(), QPoint(0, 0)).y();
    int light = 0;
    int outside = 0;
    for (int y = 1; y + 1 < shown.height(); ++y) {
        // The rule face and its glass, in the client area below the menu bar.
        if (y - clientTop >= 35 && y - clientTop < 214) continue;
        for (int x = 1; x + 1 < shown.width(); ++x) {
            ++outside;
            bool island = true;
            for (int dy = -1; dy <= 1 && island; ++dy)
                for (int dx = -1; dx <= 1 && island; ++dx) island = lightAt(x + dx, y + dy);
            if (island) ++light;
        }
    }
    EXPECT_LT(light * 1000, outside) << light << " pixels of light areas of " << outside;

    // The labels' edge is the scheme's highlight.
    bool edge = false;
    for (int x = 14; x < 60 && !edge; ++x)
        for (int y = 228; y < 242 && !edge; ++y) edge = pixel(x, y) == Rgb{90, 90, 90};
    EXPECT_TRUE(edge);
}

}  // namespace
}  // namespace tesmark
