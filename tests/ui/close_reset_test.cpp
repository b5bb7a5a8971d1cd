// The reset on close, on the profile the program saves: the real program
// shell and window with the real settings store on a profile of its own.
// Closing with Shift alone held saves the Initialization reset's values;
// Shift with Ctrl or with the right button, or no Shift, saves the state as
// it was — whichever way the window closes. The keys and the button are
// held through the window system's own input path, as a user holds them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/the_app.h"
#include "model/positions.h"
#include "ops/command_ids.h"
#include "platform/instance_lock.h"
#include "platform/settings_store.h"
#include "profile/profile.h"
#include "ui/main_window.h"

namespace tesmark {
namespace {

enum class ClosePath {
    Close,        // close(): what the program's own closes call
    CloseBox,     // the window system's close request: the close box, a window
                  // manager's close and its Alt+F4 all arrive as this
    ExitKey,      // Ctrl+X, the Exit command's key
    ExitCommand,  // Operation > Exit chosen with the mouse
};

struct CloseCase {
    const char* name;
    ClosePath path;
    Qt::KeyboardModifiers held;
    bool rightButton;
    bool resets;
};

// A state far from home in every field the reset touches, and with
// settings the reset leaves alone.
RuleState AwayFromHome() {
    RuleState state = RuleState::Defaults();
    state.SlidePos = 1200000;
    state.CursorPos = 4500000;
    state.SlideRev = 1;
    state.SinNum = 1;
    state.ScalePI = 0;
    state.ScaleST = 1;
    state.ScaleLL = 0;
    state.NumFoucs = 3;
    state.RightClick = 2;
    state.NumberVariable = 0;
    return state;
}

class CloseResetTest : public testing::TestWithParam<CloseCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        // The lock and the activation socket live in the temp folder: this
        // copy of the program keeps to its own.
        oldTemp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", home_.path().toLocal8Bit());
        profile_ = home_.filePath(QStringLiteral("Tesmark.conf"));
        SettingsStore store(profile_);
        ASSERT_TRUE(SaveProfile(AwayFromHome(), store));
        other_.setWindowTitle(QStringLiteral("another window"));
        other_.show();
    }
    void TearDown() override {
        qputenv("TMPDIR", oldTemp_);
        EXPECT_EQ(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
        EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton);
    }

    // Holds the keys of `held` down, one after the other, in `window`.
    static void Hold(QWindow* window, Qt::KeyboardModifiers held) {
        Qt::KeyboardModifiers down;
        for (auto [modifier, key] : kKeys) {
            if (!held.testFlag(modifier)) continue;
            down |= modifier;
            QTest::keyPress(window, key, down);
        }
    }
    // Lets the keys go in another window, as a user does once this one is gone.
    void LetGo(Qt::KeyboardModifiers held) {
        Qt::KeyboardModifiers down = held;
        for (auto [modifier, key] : kKeys) {
            if (!held.testFlag(modifier)) continue;
            down &= ~modifier;
            QTest::keyRelease(other_.windowHandle(), key, down);
        }
    }

    static constexpr std::pair<Qt::KeyboardModifier, Qt::Key> kKeys[] = {
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::AltModifier, Qt::Key_Alt},
    };

    QTemporaryDir home_;
    QByteArray oldTemp_;
    QString profile_;
    QWidget other_;
};

CMainWindow* TheMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<CMainWindow*>(widget)) return window;
    }
    return nullptr;
}

TEST_P(CloseResetTest, TheSavedProfileHoldsTheResetOnlyWithShiftAlone) {
    const CloseCase& c = GetParam();
    CTheApp app(std::make_unique<SettingsStore>(profile_),
                std::make_unique<InstanceLock>(home_.filePath(QStringLiteral("lock"))));
    ASSERT_TRUE(app.InitInstance());
    CMainWindow* window = TheMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_EQ(app.state().SlideRev, 1) << "the profile was loaded";
    QWindow* platformWindow = window->windowHandle();

    Hold(platformWindow, c.held);
    // The right button is held over the status bar, where it opens no menu.
    QStatusBar* status = window->findChild<QStatusBar*>();
    ASSERT_NE(status, nullptr);
    const QPoint overStatus = status->mapTo(window, status->rect().center());
    if (c.rightButton) QTest::mousePress(platformWindow, Qt::RightButton, c.held, overStatus);

    switch (c.path) {
        case ClosePath::Close:
            window->close();
            break;
        case ClosePath::CloseBox: {
            QCloseEvent request;
            QApplication::sendEvent(platformWindow, &request);
            break;
        }
        case ClosePath::ExitKey:
            QTest::keyClick(platformWindow, Qt::Key_X, c.held);
            break;
        case ClosePath::ExitCommand:
            ASSERT_TRUE(window->runCommand(cmd::kExit));
            break;
    }
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible()) << "the window closed";

    if (c.rightButton)
        QTest::mouseRelease(other_.windowHandle(), Qt::RightButton, c.held, QPoint(5, 5));
    LetGo(c.held);
    EXPECT_EQ(app.ExitInstance(), 0);

    SettingsStore store(profile_);
    const RuleState saved = LoadProfile(store);
    const RuleState away = AwayFromHome();
    const RuleState expected = c.resets ? RuleState::Defaults() : away;
    EXPECT_EQ(saved.SlidePos, c.resets ? HomePos : away.SlidePos);
    EXPECT_EQ(saved.CursorPos, c.resets ? HomePos : away.CursorPos);
    EXPECT_EQ(saved.SlideRev, expected.SlideRev);
    EXPECT_EQ(saved.SinNum, expected.SinNum);
    EXPECT_EQ(saved.ScalePI, expected.ScalePI);
    EXPECT_EQ(saved.ScaleST, expected.ScaleST);
    EXPECT_EQ(saved.ScaleLL, expected.ScaleLL);
    EXPECT_EQ(saved.NumFoucs, expected.NumFoucs);
    // The reset leaves the settings alone.
    EXPECT_EQ(saved.RightClick, away.RightClick);
    EXPECT_EQ(saved.NumberVariable, away.NumberVariable);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShiftAlt = Qt::ShiftModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

INSTANTIATE_TEST_SUITE_P(
    ClosePaths, CloseResetTest,
    testing::Values(CloseCase{"CloseShift", ClosePath::Close, kShift, false, true},
                    CloseCase{"CloseShiftCtrl", ClosePath::Close, kShiftCtrl, false, false},
                    CloseCase{"CloseShiftRightButton", ClosePath::Close, kShift, true, false},
                    CloseCase{"CloseNothingHeld", ClosePath::Close, kNone, false, false},
                    CloseCase{"CloseBoxShift", ClosePath::CloseBox, kShift, false, true},
                    CloseCase{"CloseBoxShiftCtrl", ClosePath::CloseBox, kShiftCtrl, false, false},
                    CloseCase{"CloseBoxShiftRightButton", ClosePath::CloseBox, kShift, true, false},
                    CloseCase{"CloseBoxNothingHeld", ClosePath::CloseBox, kNone, false, false},
                    // Alt+F4 is the window manager's: its close request with Alt held.
                    CloseCase{"AltF4Shift", ClosePath::CloseBox, kShiftAlt, false, true},
                    CloseCase{"AltF4", ClosePath::CloseBox, kAlt, false, false},
                    // Ctrl+X holds Ctrl, so it never resets.
                    CloseCase{"CtrlX", ClosePath::ExitKey, kCtrl, false, false},
                    CloseCase{"CtrlXRightButton", ClosePath::ExitKey, kCtrl, true, false},
                    CloseCase{"ExitMenuShift", ClosePath::ExitCommand, kShift, false, true},
                    CloseCase{"ExitMenuShiftCtrl", ClosePath::ExitCommand, kShiftCtrl, false,
                              false},
                    CloseCase{"ExitMenuNothingHeld", ClosePath::ExitCommand, kNone, false, false}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesmark
