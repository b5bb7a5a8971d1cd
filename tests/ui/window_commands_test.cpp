// Commands through the real window: keys, menu items and toolbar buttons go
// through the registry, a disabled command does not run, the language
// switch renews the title, the menus and the toolbars.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "model/platform_name.h"
#include "support/open_window_test.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/menu_builder.h"
#include "ui/rebar.h"

namespace tesmark {
namespace {

class WindowCommandsTest : public OpenWindowTest {
  protected:
    QAction* item(int commandId) const { return FindCommandAction(*window->menuBar(), commandId); }
    RuleToolbar* toolbar(char letter) const {
        return window->findChild<RuleToolbar*>(QStringLiteral("Toolbar") + QChar(letter));
    }
    QAction* button(char letter, int commandId) const {
        for (QAction* action : toolbar(letter)->actions())
            if (action->data().toInt() == commandId) return action;
        return nullptr;
    }
};

TEST_F(WindowCommandsTest, RTurnsTheFaceAndTheOptionToolbarFollows) {
    open();
    QTest::keyClick(window.get(), Qt::Key_R);
    QApplication::processEvents();
    EXPECT_EQ(state.SlideRev, 1);
    EXPECT_FALSE(window->findChild<Rebar*>("Rebar")->bandShown(0));
    EXPECT_TRUE(window->findChild<Rebar*>("Rebar")->bandShown(1));
}

TEST_F(WindowCommandsTest, LettersActAsCommandsEvenWhileTheEditBoxHasTheFocus) {
    open();
    auto* edit = window->findChild<EditBox*>("EditBox");
    edit->setFocus();
    QApplication::processEvents();
    QTest::keyClick(edit->lineEdit(), Qt::Key_R);
    EXPECT_EQ(state.SlideRev, 1) << "R reversed the rule instead of typing";
    EXPECT_FALSE(edit->currentText().contains(QLatin1Char('r')));
}

TEST_F(WindowCommandsTest, AMenuItemRunsItsCommandAndADisabledOneDoesNot) {
    open();
    // The front face's S0/T0 item runs.
    ASSERT_NE(item(811), nullptr);
    item(811)->trigger();
    EXPECT_EQ(state.ScaleST, 1);
    // The back face's LL items are disabled on the front: triggering one
    // changes nothing.
    ASSERT_NE(item(821), nullptr);
    item(821)->trigger();
    EXPECT_EQ(state.ScaleLL, 2);
    // Undo is disabled while nothing was recorded; its button is grey.
    EXPECT_FALSE(button('C', 32790)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ShiftModifier);  // centre the cursor
    EXPECT_TRUE(button('C', 32790)->isEnabled());
}

TEST_F(WindowCommandsTest, ToolbarButtonsShowTheMarksAndFollowTheClipboard) {
    open();
    EXPECT_TRUE(button('D', 32786)->isChecked()) << "number lock on";
    EXPECT_TRUE(button('D', 32788)->isChecked()) << "right click Fast";
    EXPECT_FALSE(button('D', 32787)->isChecked());
    button('D', 32787)->trigger();
    EXPECT_EQ(state.RightClick, 0);
    EXPECT_TRUE(button('D', 32787)->isChecked());

    // Cursor Paste with the focus on D under the cursor: only with text on
    // the clipboard.
    QGuiApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_FALSE(button('C', 32793)->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("2.5"));
    QApplication::processEvents();
    EXPECT_TRUE(button('C', 32793)->isEnabled());
    button('C', 32793)->trigger();
    EXPECT_EQ(state.CursorPos, 2507022);  // D = 2.5 under the hairline
}

TEST_F(WindowCommandsTest, TheLanguageSwitchRenewsTitleMenusAndToolbars) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tesmark for " TESMARK_PLATFORM_NAME));
    EXPECT_EQ(window->menuBar()->actions().value(0)->text(), QStringLiteral("&Operation"));
    window->runCommand(171);  // Japanese
    EXPECT_EQ(state.Language, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tesmark - 両面型デジタル計算尺"));
    EXPECT_EQ(window->menuBar()->actions().value(0)->text(), QStringLiteral("動作(&D)"));
    EXPECT_EQ(toolbar('A')->commandIds(), (QList<int>{116, 117, 811, 812}));
    ASSERT_NE(item(171), nullptr);
    window->runCommand(170);
    EXPECT_EQ(toolbar('A')->commandIds(), (QList<int>{32811, 32812, 32813, 32814}));
}

TEST_F(WindowCommandsTest, TheMemoryMenuNamesEveryMemory) {
    open();
    ASSERT_NE(item(501), nullptr);
    EXPECT_EQ(item(501)->text(), QStringLiteral("&1 <ST:D=1.00000:||>\tShift+1"));
    EXPECT_EQ(item(530)->text(), QStringLiteral("Set &0"));
    state.SlidePos = 3150000 - 1896489;
    window->runCommand(522);  // store memory 2
    EXPECT_EQ(item(502)->text(), QStringLiteral("&2 <ST:D=2.00000:}}>\tShift+2"));
    state.SlidePos = 3150000;
    QTest::keyClick(window.get(), Qt::Key_At, Qt::ShiftModifier);  // Shift+2 on a US layout
    EXPECT_EQ(state.SlidePos, 3150000 - 1896489);
}

}  // namespace
}  // namespace tesmark
