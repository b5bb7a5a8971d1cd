// The Qt menus built from the menu data: texts with mnemonics and key parts,
// the Set submenu, states from the registry when a menu shows, commands
// handed to the callback, prompts, and the face-dependent submenus.
#include "ui/menu_builder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "model/rule_state.h"
#include "ops/command_ids.h"
#include "ops/rule_session.h"

namespace tesmark {
namespace {

struct MenuFixture {
    MenuFixture() {
        session.readings[state.NumFoucs] = 2.0;
        callbacks.runCommand = [this](int id) { ran.push_back(id); };
        callbacks.context = [this] { return MakeCommandContext(session, false); };
        callbacks.showPrompt = [this](const QString& text) { prompts.push_back(text); };
    }
    QMenu* TopMenu(int index) { return bar.actions()[index]->menu(); }

    RuleState state = RuleState::Defaults();
    RuleSession session{state};
    MenuCallbacks callbacks;
    std::vector<int> ran;
    std::vector<QString> prompts;
    QMenuBar bar;
};

TEST(MenuBuilder, EnglishBarTextsAndIdentifiers) {
    MenuFixture f;
    BuildMenuBar(f.bar, MainEMenu(), {0, Language::English}, f.callbacks);
    ASSERT_EQ(f.bar.actions().size(), 5);
    EXPECT_EQ(f.bar.actions()[0]->text(), "&Operation");
    const QList<QAction*> operation = f.TopMenu(0)->actions();
    ASSERT_EQ(operation.size(), 11);
    EXPECT_EQ(operation[0]->text(), "&Reverse\tR");
    EXPECT_EQ(CommandIdOf(*operation[0]), cmd::kReverseEnglish);
    EXPECT_TRUE(operation[2]->isSeparator());
    EXPECT_EQ(operation[3]->text(), "S,T &Number");
    EXPECT_EQ(operation[kShowMePosition]->text(), "Sho&w me...\tF2");
    EXPECT_EQ(operation[kExitPosition]->text(), "E&xit\tCtrl+X");
    EXPECT_TRUE(
        operation[kExitPosition]->shortcut().isEmpty());  // keys belong to the accelerator table
    QAction* lock = FindCommandAction(f.bar, cmd::kNumberLockEnglish);
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(lock->isCheckable());
    EXPECT_EQ(FindCommandAction(f.bar, cmd::kRightClickFastEnglish)->text(), "&Fast\tCtrl+F");
}

TEST(MenuBuilder, MemoryMenuEndsWithTheSetSubmenu) {
    for (int16_t language : {int16_t{0}, int16_t{1}}) {
        MenuFixture f;
        BuildMenuBar(f.bar, MenuBarFor(language), {language, Language::English}, f.callbacks);
        const QList<QAction*> memory = f.TopMenu(kMemoryMenuIndex)->actions();
        ASSERT_EQ(memory.size(), 16);
        QMenu* set = memory[kMemorySetPlaceholderPosition]->menu();
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(set->title(), language == 0 ? "&Set" : "セット(&S)");
        EXPECT_EQ(set->actions().size(), 14);
        EXPECT_EQ(CommandIdOf(*set->actions()[0]), 521);
        EXPECT_EQ(CommandIdOf(*memory[0]), 501);
    }
}

TEST(MenuBuilder, StatesComeFromTheRegistryWhenAMenuShows) {
    MenuFixture f;
    BuildMenuBar(f.bar, MainMenu(), {1, Language::Japanese}, f.callbacks);
    QMenu* stNumber = f.TopMenu(0)->actions()[kSTNumberSubmenuPosition]->menu();
    QMenu* ll = f.TopMenu(0)->actions()[kLLSubmenuPosition]->menu();
    emit stNumber->aboutToShow();
    emit ll->aboutToShow();
    QAction* black = FindCommandAction(f.bar, cmd::kSinNumBlack);
    QAction* red = FindCommandAction(f.bar, cmd::kSinNumRed);
    QAction* ll2 = FindCommandAction(f.bar, cmd::kScaleLL2);
    EXPECT_TRUE(black->isEnabled());
    EXPECT_TRUE(black->isChecked());
    EXPECT_FALSE(red->isChecked());
    EXPECT_FALSE(ll2->isEnabled());  // the back's options on the front
    EXPECT_TRUE(ll2->isChecked());

    f.state.SlideRev = 1;
    f.state.SinNum = 1;
    emit stNumber->aboutToShow();
    emit ll->aboutToShow();
    EXPECT_FALSE(black->isEnabled());
    EXPECT_TRUE(red->isChecked());
    EXPECT_FALSE(black->isChecked());
    EXPECT_TRUE(ll2->isEnabled());

    // Undo is grayed while nothing is recorded.
    emit f.TopMenu(2)->aboutToShow();
    EXPECT_FALSE(FindCommandAction(f.bar, cmd::kUndo)->isEnabled());
}

TEST(MenuBuilder, ItemsHandTheirCommandToTheCallback) {
    MenuFixture f;
    BuildMenuBar(f.bar, MainEMenu(), {0, Language::English}, f.callbacks);
    FindCommandAction(f.bar, cmd::kReverseEnglish)->trigger();
    FindCommandAction(f.bar, 530)->trigger();
    // A disabled item does not trigger.
    emit f.TopMenu(0)->actions()[kLLSubmenuPosition]->menu()->aboutToShow();
    FindCommandAction(f.bar, cmd::kScaleLL0)->trigger();
    EXPECT_EQ(f.ran, (std::vector<int>{cmd::kReverseEnglish, 530}));
}

TEST(MenuBuilder, HighlightedItemShowsItsPrompt) {
    MenuFixture f;
    BuildMenuBar(f.bar, MainEMenu(), {0, Language::English}, f.callbacks);
    QMenu* operation = f.TopMenu(0);
    emit operation->hovered(operation->actions()[0]);
    emit operation->hovered(operation->actions()[kExitPosition]);  // Exit has no prompt
    EXPECT_EQ(f.prompts, (std::vector<QString>{"Reverse", ""}));
    EXPECT_EQ(MenuItemPrompt(cmd::kReverse, Language::Japanese), "裏返す");
}

TEST(MenuBuilder, OptionSubmenusFollowTheFaceAtTheRefresh) {
    MenuFixture f;
    BuildMenuBar(f.bar, MainEMenu(), {0, Language::English}, f.callbacks);
    const QList<QAction*> items = f.TopMenu(0)->actions();
    ApplyFaceToOperationMenu(f.bar, 1);
    EXPECT_FALSE(items[3]->isEnabled());
    EXPECT_FALSE(items[4]->isEnabled());
    EXPECT_TRUE(items[5]->isEnabled());
    EXPECT_TRUE(items[6]->isEnabled());
    EXPECT_TRUE(items[0]->isEnabled());
    ApplyFaceToOperationMenu(f.bar, 0);
    EXPECT_TRUE(items[3]->isEnabled());
    EXPECT_FALSE(items[6]->isEnabled());
}

TEST(MenuBuilder, RuleContextMenuDropsTheOtherFacesSubmenus) {
    for (int16_t face : {int16_t{0}, int16_t{1}}) {
        MenuFixture f;
        QMenu menu;
        BuildPopupMenu(menu, SlideEMenu(), {0, Language::English}, f.callbacks);
        RemoveOtherFaceSubmenus(menu, face);
        const QList<QAction*> items = menu.actions();
        ASSERT_EQ(items.size(), 8);
        EXPECT_EQ(items[3]->text(), face == 0 ? "S,T &Number" : "D&F, CF Scale");
        EXPECT_EQ(items[4]->text(), face == 0 ? "&S,T Scale" : "&LLn Scale");
    }
}

}  // namespace
}  // namespace tesmark
