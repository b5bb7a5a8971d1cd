// A long random session through the real window: seeded keys with
// modifiers, wheel turns, bar clicks with both buttons, clicks and double
// clicks on the rule, commands from the registry, hostile clipboard and
// edit-box texts, and resizes. After every event the state must stay within
// its ranges; at checkpoints the back buffer, painted partially all along,
// must hold the pixels of a fresh full paint of the same state.
//
// CI runs a few thousand events; a long run is
//   TESMARK_SESSION_EVENTS=100000 build/tests/tests_ui_random_session_test
// (TESMARK_SESSION_SEED picks another session).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QResizeEvent>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/client_size.h"
#include "model/positions.h"
#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ops/command_registry.h"
#include "platform/mapped_image.h"
#include "platform/rule_view.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"

namespace tesmark {
namespace {

int EnvironmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Texts a clipboard or an edit box may hold.
const std::vector<QString>& NastyTexts() {
    static const std::vector<QString> texts = {
        QStringLiteral("2.5 word"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("1e999"),
        QStringLiteral("1e-999"),
        QStringLiteral("0x1p4"),
        QStringLiteral("0"),
        QStringLiteral("-3.5"),
        QStringLiteral("\uff13.14"),  // a fullwidth digit
        QString(QChar(0xD800)),       // a lone surrogate
        QStringLiteral("1.0000001"),
        QStringLiteral("255752"),
        QString(QChar(0)) + QStringLiteral("2.5\tjunk"),
        QString(100000, QLatin1Char('7')),
        QString(),
        QStringLiteral("3.14159265358979323846264338"),
        QStringLiteral(".5e"),
    };
    return texts;
}

// Keys that a user may press; none of them closes the window or opens a
// modal dialog (Ctrl+X, F1 and the version command are left out).
const std::vector<int>& SessionKeys() {
    static const std::vector<int> keys = {
        Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,  Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
        Qt::Key_Home, Qt::Key_End,   Qt::Key_Tab, Qt::Key_R,    Qt::Key_S,      Qt::Key_C,
        Qt::Key_I,    Qt::Key_H,     Qt::Key_F,   Qt::Key_L,    Qt::Key_N,      Qt::Key_T,
        Qt::Key_Z,    Qt::Key_D,     Qt::Key_P,   Qt::Key_1,    Qt::Key_5,      Qt::Key_0,
    };
    return keys;
}

bool OpensAnotherWindow(int id) {
    return id == cmd::kExit || id == cmd::kHelp || id == cmd::kVersion ||
           id == cmd::kVersionEnglish;
}

class RandomSession : public testing::Test {
  protected:
    void SetUp() override {
        state = RuleState::Defaults();
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        area = window->findChild<ClientArea*>("ClientArea");
        bars = {window->findChild<SlideBar*>("SlideBar"),
                window->findChild<SlideBar*>("CursorBar")};
        edit = window->findChild<EditBox*>("EditBox");
        for (const CommandRow& row : CommandRegistry()) {
            if (!OpensAnotherWindow(row.id)) commands.push_back(row.id);
            if (row.englishId != 0 && !OpensAnotherWindow(row.englishId))
                commands.push_back(row.englishId);
        }
    }
    void TearDown() override {
        for (SlideBar* bar : bars) {
            QTest::mouseRelease(bar, Qt::LeftButton);
            QTest::mouseRelease(bar, Qt::RightButton);
        }
        QTest::keyRelease(window.get(), Qt::Key_Shift);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    QPoint pointIn(const QWidget* widget) {
        return QPoint(pick(std::max(1, widget->width())), pick(std::max(1, widget->height())));
    }
    Qt::KeyboardModifiers modifiers() {
        Qt::KeyboardModifiers m;
        if (pick(4) == 0) m |= Qt::ShiftModifier;
        if (pick(6) == 0) m |= Qt::ControlModifier;
        return m;
    }

    void event() {
        lastEvent = pick(9);
        switch (lastEvent) {
            case 0:
            case 1: {
                const int key = SessionKeys()[static_cast<std::size_t>(
                    pick(static_cast<int>(SessionKeys().size())))];
                QWidget* target =
                    QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
                QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers());
                break;
            }
            case 2: {
                const QPoint at = pointIn(area);
                QWheelEvent wheel(
                    at, area->mapToGlobal(at), QPoint(),
                    pick(2) ? QPoint(0, 120 * (pick(3) - 1)) : QPoint(120 * (pick(3) - 1), 0),
                    Qt::NoButton, modifiers(), Qt::NoScrollPhase, false);
                QApplication::sendEvent(area, &wheel);
                break;
            }
            case 3: {
                SlideBar* bar = bars[static_cast<std::size_t>(pick(2))];
                const QPoint at = pointIn(bar);
                const bool right = pick(3) == 0;
                if (right) QTest::mousePress(bar, Qt::RightButton, {}, at);
                QTest::mouseClick(bar, Qt::LeftButton, modifiers(), at);
                if (right) QTest::mouseRelease(bar, Qt::RightButton, {}, at);
                break;
            }
            case 4: {
                const QPoint at = QPoint(pick(area->width()), 30 + pick(200));
                if (pick(3) == 0) {
                    QTest::mouseDClick(area, Qt::LeftButton, modifiers(), at);
                } else {
                    QTest::mouseClick(area, Qt::LeftButton, modifiers(), at);
                }
                break;
            }
            case 5:
                window->runCommand(
                    commands[static_cast<std::size_t>(pick(static_cast<int>(commands.size())))]);
                break;
            case 6: {
                const QString& text = NastyTexts()[static_cast<std::size_t>(
                    pick(static_cast<int>(NastyTexts().size())))];
                QGuiApplication::clipboard()->setText(text);
                window->runCommand(pick(2) ? cmd::kClipboardSlidePaste
                                           : cmd::kClipboardCursorPaste);
                break;
            }
            case 7: {
                const QString& text = NastyTexts()[static_cast<std::size_t>(
                    pick(static_cast<int>(NastyTexts().size())))];
                edit->setEditText(text);
                window->runCommand(pick(2) ? cmd::kEditBoxSlidePaste : cmd::kEditBoxCursorPaste);
                break;
            }
            default:
                // Any width a window manager may give, within the limits or not.
                window->resize(400 + pick(2400), window->height());
                break;
        }
        QApplication::processEvents();
    }

    void expectWithinRanges(int step) {
        SCOPED_TRACE(step);
        ASSERT_GE(state.SlidePos, MinKeptPos);
        ASSERT_LE(state.SlidePos, MaxKeptPos);
        ASSERT_GE(state.CursorPos, MinKeptPos);
        ASSERT_LE(state.CursorPos, MaxKeptPos);
        ASSERT_GE(state.NumFoucs, 0);
        ASSERT_LE(state.NumFoucs, kSlotCount);
        for (int16_t option : {state.SlideRev, state.SinNum, state.ScalePI, state.ScaleST,
                               state.Language, state.NumberVariable, state.TopWin}) {
            ASSERT_TRUE(option == 0 || option == 1);
        }
        ASSERT_TRUE(state.ScaleLL >= 0 && state.ScaleLL <= 2);
        ASSERT_TRUE(state.RightClick >= 0 && state.RightClick <= 2);
        ASSERT_GE(state.CxSize, kMinCxSize);
        ASSERT_LE(state.CxSize, kMaxCxSize);
        ASSERT_EQ(ClientWidth(state.CxSize), area->width()) << "CxSize is the client's width";
    }

    // The rule area of the back buffer against a fresh paint of the state.
    void expectFullPaintPixels(int step) {
        area->repaint();
        QApplication::processEvents();
        RuleState copy = state;
        const int width = ClientWidth(copy.CxSize);
        RuleView fresh(width, LoadMappedBitmap(kWindowBackgroundBitmap, window->palette()));
        ComposedRecord composed;
        fresh.compose(copy, composed);
        RedrawState redraw = RedrawState::ForPositions(copy.SlidePos, copy.CursorPos);
        ReadingTable readings;
        fresh.paint(copy, redraw, readings, copy.CxSize, LabelColoursOf(window->palette()), true);
        const QRect rule(0, 36, width, 177);
        const QImage got = window->ruleView().backBuffer().image().copy(rule);
        const QImage want = fresh.backBuffer().image().copy(rule);
        QString where;
        for (int y = 0; y < want.height() && where.isEmpty(); ++y)
            for (int x = 0; x < want.width() && where.isEmpty(); ++x)
                if (got.pixel(x, y) != want.pixel(x, y))
                    where = QStringLiteral("(%1, %2)").arg(x).arg(y + 36);
        ASSERT_TRUE(got == want) << "after event " << step << " the partial paints left "
                                 << "pixels that a full paint does not, first at "
                                 << where.toStdString() << "; slide " << state.SlidePos
                                 << " cursor " << state.CursorPos << " face " << state.SlideRev
                                 << " focus " << state.NumFoucs << " width " << state.CxSize
                                 << " last event " << lastEvent;
    }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
    ClientArea* area = nullptr;
    std::array<SlideBar*, 2> bars{};
    EditBox* edit = nullptr;
    std::vector<int> commands;
    int lastEvent = -1;
    std::mt19937 random{static_cast<std::mt19937::result_type>(
        EnvironmentNumber("TESMARK_SESSION_SEED", 20261210))};
};

TEST_F(RandomSession, KeepsTheStateInItsRangesAndThePicturePainted) {
    const int events = EnvironmentNumber("TESMARK_SESSION_EVENTS", 3000);
    for (int step = 1; step <= events; ++step) {
        event();
        expectWithinRanges(step);
        const int every = EnvironmentNumber("TESMARK_SESSION_CHECK_EVERY", 250);
        if (step % every == 0 || step == events) expectFullPaintPixels(step);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace tesmark
