// Numbers in and out of the real window, with the real clipboard: a reading
// copied with Ctrl+C comes back with Ctrl+P, and a number typed into the edit
// box is where the edit box's cursor move takes the cursor.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "support/open_window_test.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/menu_builder.h"
#include "ui/slide_bar.h"

namespace tesmark {
namespace {

class NumbersInWindowTest : public OpenWindowTest {
  protected:
    // The focus reading as its box shows it.
    std::string focusText() const {
        const int slot = state.NumFoucs;
        return FormatSlotReading(CurrentReading(slot, state), slot, state, false);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
        QApplication::processEvents();
    }
};

TEST_F(NumbersInWindowTest, CtrlCThenCtrlPBringsTheCursorBackToTheCopiedReading) {
    RuleState start = RuleState::Defaults();
    start.NumFoucs = 14;        // D under the cursor
    start.CursorPos = 2000000;  // D = 2.07...
    open(start);
    QGuiApplication::clipboard()->clear();
    const std::string copied = focusText();

    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied);

    // Somewhere else, then back by the clipboard.
    QTest::keyClick(window->findChild<SlideBar*>("CursorBar"), Qt::Key_End);
    ASSERT_NE(state.CursorPos, 2000000);
    ASSERT_NE(focusText(), copied);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(focusText(), copied);
    // Six digits hold the place to a few units.
    EXPECT_LE(std::abs(state.CursorPos - 2000000), 10) << state.CursorPos;
    EXPECT_EQ(window->session().undo.kind, static_cast<int16_t>(MoveTarget::Cursor));
}

TEST_F(NumbersInWindowTest, ANumberTypedIntoTheEditBoxIsWhereTheEditBoxsCursorMoveGoes) {
    open();
    ASSERT_EQ(state.NumFoucs, 14);
    press(Qt::Key_H);  // the focus key of the edit box
    auto* edit = window->findChild<EditBox*>("EditBox");
    QWidget* typedInto = QApplication::focusWidget();
    ASSERT_TRUE(typedInto == edit || typedInto == edit->lineEdit());
    // Select what the field shows and type over it.
    QTest::keyClick(typedInto, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(typedInto, QStringLiteral("2.5"));
    ASSERT_EQ(edit->currentText(), QStringLiteral("2.5"));

    // Edit > EditBox > Cursor Paste in the English menus.
    QAction* cursorMove = FindCommandAction(*window->menuBar(), cmd::kEditBoxCursorPasteEnglish);
    ASSERT_NE(cursorMove, nullptr);
    cursorMove->trigger();
    QApplication::processEvents();
    EXPECT_EQ(focusText(), "2.50000");
    EXPECT_EQ(state.CursorPos, 2507022);  // D = 2.5 under the hairline
    EXPECT_EQ(state.editHistory[0], "2.5");
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<SlideBar*>("CursorBar"));
}

}  // namespace
}  // namespace tesmark
