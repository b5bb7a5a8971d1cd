// The menus item for item: texts with their mnemonics and second parts,
// identifiers, separators, submenus and the positions the refresh uses.
#include "ops/menu_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/command_ids.h"

namespace tesmark {
namespace {

// One line per item, submenu items indented by two blanks:
// "<id> <text>", then " R:<part>" or " T:<part>"; "-" a separator;
// "[<text>]" a submenu; "<MemorySet>" the placeholder.
void Flatten(std::span<const MenuItem> items, const std::string& indent,
             std::vector<std::string>& lines) {
    for (const MenuItem& item : items) {
        std::string line = indent;
        switch (item.kind) {
            case MenuItemKind::Command:
                line += std::to_string(item.id) + " " + std::string(item.text);
                if (item.secondKind == SecondPart::Right) line += " R:" + std::string(item.second);
                if (item.secondKind == SecondPart::Tab) line += " T:" + std::string(item.second);
                break;
            case MenuItemKind::Separator:
                line += "-";
                break;
            case MenuItemKind::Submenu:
                line += "[" + std::string(item.text) + "]";
                break;
            case MenuItemKind::MemorySetPlaceholder:
                line += "<MemorySet>";
                break;
        }
        lines.push_back(line);
        if (item.kind == MenuItemKind::Submenu) Flatten(item.submenu(), indent + "  ", lines);
    }
}

std::vector<std::string> Lines(const MenuResource& menu) {
    std::vector<std::string> lines;
    Flatten(menu.items, "", lines);
    return lines;
}

const std::vector<std::string> kMemoryLines = {
    "  501 ", "  502 ", "  -",    "  503 ", "  504 ", "  -",    "  505 ", "  506 ",
    "  -",    "  507 ", "  508 ", "  -",    "  509 ", "  510 ", "  -",    "  <MemorySet>"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(MenuData, EnglishMenuBar) {
    const std::vector<std::string> expected = Join(
        {
            "[&Operation]",
            "  32783 &Reverse R:R",
            "  32784 &Initialization R:I",
            "  -",
            "  [S,T &Number]",
            "    116 0-90, R:0-45",
            "    117 90-0, R:90-45",
            "  [&S,T Scale]",
            "    812 S, T:T",
            "    811 S0, T:T0",
            "  [D&F, CF Scale]",
            "    801 Sqrt10",
            "    802 PI",
            "  [&LLn Scale]",
            "    823 LL3,LL2, LL/3,LL/2",
            "    822 LL2,LL1, LL/2,LL/1",
            "    821 LL1,LL0, LL/1,LL/0",
            "  -",
            "  32820 Sho&w me... R:F2",
            "  -",
            "  57665 E&xit R:Ctrl+X",
            "[&Setting]",
            "  32786 Num&ber Lock",
            "  [Right &Click]",
            "    32787 &Double T:Ctrl+D",
            "    32788 &Fast T:Ctrl+F",
            "    32789 &Reverse T:Ctrl+R",
            "  [Lan&guage]",
            "    170 &English",
            "    171 &Japanese",
            "  150 Always on &top",
            "[&Edit]",
            "  32790 &Undo R:Ctrl+Z",
            "  -",
            "  [Clipboard]",
            "    32791 &Copy R:Ctrl+C",
            "    -",
            "    32792 &Slide Paste R:Ctrl+S",
            "    32793 Cursor &Paste R:Ctrl+P",
            "  [EditBox]",
            "    32794 Copy",
            "    -",
            "    32795 Slide Paste",
            "    32796 Cursor Paste",
            "  -",
            "  [0 Round]",
            "    32797 Slide move",
            "    32798 Cursor move",
            "[&Memory]",
        },
        Join(kMemoryLines, {"[&Help]", "  57670 &Help  T:F1", "  -", "  32800 &Version..."}));
    EXPECT_EQ(MainEMenu().name, "MainEMenu");
    EXPECT_EQ(Lines(MainEMenu()), expected);
}

TEST(MenuData, JapaneseMenuBar) {
    const std::vector<std::string> expected = Join(
        {
            "[動作(&D)]",
            "  111 裏返す(&R) R:R",
            "  110 初期化(&I) R:I",
            "  -",
            "  [S,T 尺表示(&N)]",
            "    116 0-90, R:0-45",
            "    117 90-0, R:90-45",
            "  [S,T 尺設定(&S)]",
            "    812 S, T:T",
            "    811 S0, T:T0",
            "  [ずらし尺設定(&F)]",
            "    801 √10",
            "    802 π",
            "  [LLn 尺設定(&L)]",
            "    823 LL2,LL3, LL/2,LL/3",
            "    822 LL1,LL2, LL/1,LL/2",
            "    821 LL0,LL1, LL/0,LL/1 ",
            "  -",
            "  950 計算の実演(&W)... R:F2",
            "  -",
            "  57665 終了(&X) R:Ctrl+X",
            "[設定(&S)]",
            "  135 数値ロック(&B)",
            "  [右クリック動作(&C)]",
            "    131 同時動作(&D) T:Ctrl+D",
            "    132 高速動作(&F) T:Ctrl+F",
            "    133 反転動作(&R) T:Ctrl+R",
            "  [言語(Lan&guage)]",
            "    170 英語(&English)",
            "    171 日本語(&Japanese)",
            "  150 常に手前に表示(&T)",
            "[編集(&E)]",
            "  631 アンドゥ(&U) R:Ctrl+Z",
            "  -",
            "  [クリップボード]",
            "    601 コピー(&C) R:Ctrl+C",
            "    -",
            "    602 滑尺移動(&S) R:Ctrl+S",
            "    603 カーソル移動(&P) R:Ctrl+P",
            "  [エディット・ボックス]",
            "    611 コピー",
            "    -",
            "    612 滑尺移動",
            "    613 カーソル移動",
            "  -",
            "  [0 丸め]",
            "    621 滑尺移動",
            "    622 カーソル移動",
            "[滑尺メモリ(&M)]",
        },
        Join(kMemoryLines,
             {"[ヘルプ(&H)]", "  57670 ヘルプ(&H) T:F1", "  -", "  100 バージョン情報(&A)..."}));
    EXPECT_EQ(MainMenu().name, "MainMenu");
    EXPECT_EQ(Lines(MainMenu()), expected);
}

TEST(MenuData, MemorySetSubmenu) {
    const std::vector<std::string> expected = {"521 ", "522 ", "-",    "523 ", "524 ",
                                               "-",    "525 ", "526 ", "-",    "527 ",
                                               "528 ", "-",    "529 ", "530 "};
    EXPECT_EQ(MemorySetMenu().name, "MemorySet");
    EXPECT_EQ(Lines(MemorySetMenu()), expected);
}

TEST(MenuData, ValueContextMenus) {
    EXPECT_EQ(PopEMenu().name, "POPEMENU");
    EXPECT_EQ(Lines(PopEMenu()), (std::vector<std::string>{
                                     "[Clipboard]",
                                     "  32791 &Copy R:Ctrl+C",
                                     "  -",
                                     "  32792 &Slide Paste R:Ctrl+S",
                                     "  32793 Cursor &Paste R:Ctrl+P",
                                     "[EditBox]",
                                     "  611 Copy",
                                     "  -",
                                     "  612 Slide Paste",
                                     "  613 Cursor Paste",
                                     "-",
                                     "[0 Round]",
                                     "  32797 Slide move",
                                     "  32798 Cursor move",
                                     "-",
                                     "32786 Num&ber Lock",
                                     "[&Right Click]",
                                     "  32787 &Double T:Ctrl+D",
                                     "  32788 &Fast T:Ctrl+F",
                                     "  32789 &Reverse T:Ctrl+R",
                                 }));
    EXPECT_EQ(PopMenu().name, "POPMENU");
    EXPECT_EQ(Lines(PopMenu()), (std::vector<std::string>{
                                    "[クリップボード]",
                                    "  601 コピー(&C) R:Ctrl+C",
                                    "  -",
                                    "  602 滑尺移動(&S) R:Ctrl+S",
                                    "  603 カーソル移動(&P) R:Ctrl+P",
                                    "[エディット・ボックス]",
                                    "  611 コピー",
                                    "  -",
                                    "  612 滑尺移動",
                                    "  613 カーソル移動",
                                    "-",
                                    "[0 丸め]",
                                    "  621 滑尺移動",
                                    "  622 カーソル移動",
                                    "-",
                                    "135 数値ロック(&B)",
                                    "[右クリック動作(&D)]",
                                    "  131 同時動作(&D) T:Ctrl+D",
                                    "  132 高速動作(&F) T:Ctrl+F",
                                    "  133 反転動作(&R) T:Ctrl+R",
                                }));
}

TEST(MenuData, RuleContextMenus) {
    EXPECT_EQ(SlideEMenu().name, "SLIDEEMENU");
    EXPECT_EQ(Lines(SlideEMenu()), (std::vector<std::string>{
                                       "32783 &Reverse R:R",
                                       "32784 &Initialization R:I",
                                       "-",
                                       "[S,T &Number]",
                                       "  116 0-90, R:0-45",
                                       "  117 90-0, R:90-45",
                                       "[&S,T Scale]",
                                       "  812 S, T:T",
                                       "  811 S0, T:T0",
                                       "[D&F, CF Scale]",
                                       "  801 Sqrt10",
                                       "  802 PI",
                                       "[&LLn Scale]",
                                       "  823 LL3,LL2, LL/3,LL/2",
                                       "  822 LL2,LL1, LL/2,LL/1",
                                       "  821 LL1,LL0, LL/1,LL/0",
                                       "-",
                                       "32786 Num&ber Lock",
                                       "[Right &Click]",
                                       "  131 &Double T:Ctrl+D",
                                       "  132 &Fast T:Ctrl+F",
                                       "  133 &Reverse T:Ctrl+R",
                                   }));
    EXPECT_EQ(SlideMenu().name, "SLIDEMENU");
    EXPECT_EQ(Lines(SlideMenu()), (std::vector<std::string>{
                                      "111 裏返す(&R) R:R",
                                      "110 初期化(&I) R:I",
                                      "-",
                                      "[S,T 尺表示(&N)]",
                                      "  116 0-90, R:0-45",
                                      "  117 90-0, R:90-45",
                                      "[S,T 尺設定(&S)]",
                                      "  812 S, T:T",
                                      "  811 S0, T:T0",
                                      "[ずらし尺設定(&F)]",
                                      "  801 √10",
                                      "  802 π",
                                      "[LLn 尺設定(&L)]",
                                      "  823 LL2,LL3, LL/2,LL/3",
                                      "  822 LL1,LL2, LL/1,LL/2",
                                      "  821 LL0,LL1, LL/0,LL/1 ",
                                      "-",
                                      "135 数値ロック(&B)",
                                      "[右クリック動作(&C)]",
                                      "  131 同時動作(&D) T:Ctrl+D",
                                      "  132 高速動作(&F) T:Ctrl+F",
                                      "  133 反転動作(&R) T:Ctrl+R",
                                  }));
}

// The refresh and the context menus find the option submenus, Exit and the
// placeholder at fixed positions.
TEST(MenuData, PositionsTheRefreshUses) {
    for (const MenuResource* bar : {&MainEMenu(), &MainMenu()}) {
        const auto first = bar->items[kOperationMenuIndex].submenu();
        ASSERT_EQ(first.size(), 11u);
        EXPECT_EQ(first[kSTNumberSubmenuPosition].submenu()[0].id, cmd::kSinNumBlack);
        EXPECT_EQ(first[kSTScaleSubmenuPosition].submenu()[0].id, cmd::kScaleST);
        EXPECT_EQ(first[kFoldSubmenuPosition].submenu()[0].id, cmd::kFoldSqrt10);
        EXPECT_EQ(first[kLLSubmenuPosition].submenu()[0].id, cmd::kScaleLL2);
        const int showMe = first[kShowMePosition].id;
        EXPECT_TRUE(showMe == cmd::kShowMe || showMe == cmd::kShowMeEnglish) << showMe;
        EXPECT_EQ(first[kExitPosition].id, cmd::kExit);
        const auto memory = bar->items[kMemoryMenuIndex].submenu();
        ASSERT_EQ(memory.size(), 16u);
        EXPECT_EQ(memory[kMemorySetPlaceholderPosition].kind, MenuItemKind::MemorySetPlaceholder);
    }
    for (const MenuResource* rule : {&SlideEMenu(), &SlideMenu()}) {
        EXPECT_EQ(rule->items[kSTNumberSubmenuPosition].submenu()[0].id, cmd::kSinNumBlack);
        EXPECT_EQ(rule->items[kLLSubmenuPosition].submenu()[0].id, cmd::kScaleLL2);
    }
}

TEST(MenuData, OptionSubmenusFollowTheFace) {
    struct Case {
        int position;
        bool front;
        bool back;
    };
    const Case cases[] = {{0, true, true},  {1, true, true},  {3, true, false}, {4, true, false},
                          {5, false, true}, {6, false, true}, {8, true, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(OptionSubmenuEnabled(c.position, 0), c.front) << c.position;
        EXPECT_EQ(OptionSubmenuEnabled(c.position, 1), c.back) << c.position;
    }
    EXPECT_EQ(RuleMenuDeletedPositions(0).first, 6);
    EXPECT_EQ(RuleMenuDeletedPositions(0).second, 5);
    EXPECT_EQ(RuleMenuDeletedPositions(1).first, 4);
    EXPECT_EQ(RuleMenuDeletedPositions(1).second, 3);
}

TEST(MenuData, LookUpByLanguageAndName) {
    EXPECT_EQ(&MenuBarFor(0), &MainEMenu());
    EXPECT_EQ(&MenuBarFor(1), &MainMenu());
    EXPECT_EQ(&ValueMenuFor(1), &PopMenu());
    EXPECT_EQ(&RuleMenuFor(0), &SlideEMenu());
    EXPECT_EQ(FindMenuResource("SLIDEMENU"), &SlideMenu());
    EXPECT_EQ(FindMenuResource("nothing"), nullptr);
    EXPECT_EQ(AllMenuResources().size(), 7u);

    EXPECT_EQ(MenuTextOf(cmd::kReverseEnglish, 0), "&Reverse");
    EXPECT_EQ(MenuTextOf(cmd::kReverse, 1), "裏返す(&R)");
    // The English rule menu carries the small right-click identifiers.
    EXPECT_EQ(MenuTextOf(cmd::kRightClickDouble, 0), "&Double");
    EXPECT_EQ(MenuTextOf(cmd::kEditBoxCopy, 0), "Copy");
    EXPECT_EQ(MenuTextOf(cmd::kNextReading, 0), "");
}

}  // namespace
}  // namespace tesmark
