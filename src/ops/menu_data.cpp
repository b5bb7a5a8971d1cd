#include "ops/menu_data.h"

#include <array>

#include "ops/command_ids.h"

namespace tesmark {

namespace {

constexpr MenuItem Item(int id, std::string_view text) {
    return {MenuItemKind::Command, id, text, SecondPart::None, {}, nullptr, 0};
}
constexpr MenuItem ItemR(int id, std::string_view text, std::string_view right) {
    return {MenuItemKind::Command, id, text, SecondPart::Right, right, nullptr, 0};
}
constexpr MenuItem ItemT(int id, std::string_view text, std::string_view tab) {
    return {MenuItemKind::Command, id, text, SecondPart::Tab, tab, nullptr, 0};
}
constexpr MenuItem Sep() {
    return {};
}
template <std::size_t N>
constexpr MenuItem Sub(std::string_view text, const MenuItem (&children)[N]) {
    return {MenuItemKind::Submenu, 0, text, SecondPart::None, {}, children, N};
}
constexpr MenuItem MemorySetPlaceholder() {
    return {MenuItemKind::MemorySetPlaceholder, 0, {}, SecondPart::None, {}, nullptr, 0};
}

using namespace cmd;

// --- Submenus shared by the bars and the context menus.

constexpr MenuItem kSTNumber[] = {ItemR(kSinNumBlack, "0-90,", "0-45"),
                                  ItemR(kSinNumRed, "90-0,", "90-45")};
constexpr MenuItem kSTScale[] = {ItemT(kScaleST, "S,", "T"), ItemT(kScaleST0, "S0,", "T0")};
constexpr MenuItem kFoldEnglish[] = {Item(kFoldSqrt10, "Sqrt10"), Item(kFoldPi, "PI")};
constexpr MenuItem kFoldJapanese[] = {Item(kFoldSqrt10, "√10"), Item(kFoldPi, "π")};
constexpr MenuItem kLLEnglish[] = {Item(kScaleLL2, "LL3,LL2, LL/3,LL/2"),
                                   Item(kScaleLL1, "LL2,LL1, LL/2,LL/1"),
                                   Item(kScaleLL0, "LL1,LL0, LL/1,LL/0")};
// The trailing blank of the last text is the resource's own.
constexpr MenuItem kLLJapanese[] = {Item(kScaleLL2, "LL2,LL3, LL/2,LL/3"),
                                    Item(kScaleLL1, "LL1,LL2, LL/1,LL/2"),
                                    Item(kScaleLL0, "LL0,LL1, LL/0,LL/1 ")};

constexpr MenuItem kRightClickBarEnglish[] = {
    ItemT(kRightClickDoubleEnglish, "&Double", "Ctrl+D"),
    ItemT(kRightClickFastEnglish, "&Fast", "Ctrl+F"),
    ItemT(kRightClickReverseEnglish, "&Reverse", "Ctrl+R")};
constexpr MenuItem kRightClickSmallEnglish[] = {ItemT(kRightClickDouble, "&Double", "Ctrl+D"),
                                                ItemT(kRightClickFast, "&Fast", "Ctrl+F"),
                                                ItemT(kRightClickReverse, "&Reverse", "Ctrl+R")};
constexpr MenuItem kRightClickJapanese[] = {ItemT(kRightClickDouble, "同時動作(&D)", "Ctrl+D"),
                                            ItemT(kRightClickFast, "高速動作(&F)", "Ctrl+F"),
                                            ItemT(kRightClickReverse, "反転動作(&R)", "Ctrl+R")};

constexpr MenuItem kClipboardEnglish[] = {
    ItemR(kClipboardCopyEnglish, "&Copy", "Ctrl+C"), Sep(),
    ItemR(kClipboardSlidePasteEnglish, "&Slide Paste", "Ctrl+S"),
    ItemR(kClipboardCursorPasteEnglish, "Cursor &Paste", "Ctrl+P")};
constexpr MenuItem kClipboardJapanese[] = {
    ItemR(kClipboardCopy, "コピー(&C)", "Ctrl+C"), Sep(),
    ItemR(kClipboardSlidePaste, "滑尺移動(&S)", "Ctrl+S"),
    ItemR(kClipboardCursorPaste, "カーソル移動(&P)", "Ctrl+P")};
constexpr MenuItem kEditBoxBarEnglish[] = {Item(kEditBoxCopyEnglish, "Copy"), Sep(),
                                           Item(kEditBoxSlidePasteEnglish, "Slide Paste"),
                                           Item(kEditBoxCursorPasteEnglish, "Cursor Paste")};
constexpr MenuItem kEditBoxSmallEnglish[] = {Item(kEditBoxCopy, "Copy"), Sep(),
                                             Item(kEditBoxSlidePaste, "Slide Paste"),
                                             Item(kEditBoxCursorPaste, "Cursor Paste")};
constexpr MenuItem kEditBoxJapanese[] = {Item(kEditBoxCopy, "コピー"), Sep(),
                                         Item(kEditBoxSlidePaste, "滑尺移動"),
                                         Item(kEditBoxCursorPaste, "カーソル移動")};
constexpr MenuItem kZeroRoundEnglish[] = {Item(kZeroRoundSlideEnglish, "Slide move"),
                                          Item(kZeroRoundCursorEnglish, "Cursor move")};
constexpr MenuItem kZeroRoundJapanese[] = {Item(kZeroRoundSlide, "滑尺移動"),
                                           Item(kZeroRoundCursor, "カーソル移動")};

// The memory menu: the item texts are written by the memory commands.
constexpr MenuItem kMemory[] = {
    Item(501, {}), Item(502, {}), Sep(), Item(503, {}),         Item(504, {}), Sep(),
    Item(505, {}), Item(506, {}), Sep(), Item(507, {}),         Item(508, {}), Sep(),
    Item(509, {}), Item(510, {}), Sep(), MemorySetPlaceholder()};
constexpr MenuItem kMemorySet[] = {Item(521, {}), Item(522, {}), Sep(),         Item(523, {}),
                                   Item(524, {}), Sep(),         Item(525, {}), Item(526, {}),
                                   Sep(),         Item(527, {}), Item(528, {}), Sep(),
                                   Item(529, {}), Item(530, {})};

// --- "MainEMenu"

constexpr MenuItem kOperationEnglish[] = {ItemR(kReverseEnglish, "&Reverse", "R"),
                                          ItemR(kInitializationEnglish, "&Initialization", "I"),
                                          Sep(),
                                          Sub("S,T &Number", kSTNumber),
                                          Sub("&S,T Scale", kSTScale),
                                          Sub("D&F, CF Scale", kFoldEnglish),
                                          Sub("&LLn Scale", kLLEnglish),
                                          Sep(),
                                          ItemR(kShowMeEnglish, "Sho&w me...", "F2"),
                                          Sep(),
                                          ItemR(kExit, "E&xit", "Ctrl+X")};
constexpr MenuItem kLanguageEnglishItems[] = {Item(kLanguageEnglish, "&English"),
                                              Item(kLanguageJapanese, "&Japanese")};
constexpr MenuItem kSettingEnglish[] = {
    Item(kNumberLockEnglish, "Num&ber Lock"), Sub("Right &Click", kRightClickBarEnglish),
    Sub("Lan&guage", kLanguageEnglishItems), Item(kAlwaysOnTop, "Always on &top")};
constexpr MenuItem kEditEnglish[] = {
    ItemR(kUndoEnglish, "&Undo", "Ctrl+Z"), Sep(), Sub("Clipboard", kClipboardEnglish),
    Sub("EditBox", kEditBoxBarEnglish),     Sep(), Sub("0 Round", kZeroRoundEnglish)};
// The blank after "&Help" is the resource's own.
constexpr MenuItem kHelpEnglish[] = {ItemT(kHelp, "&Help ", "F1"), Sep(),
                                     Item(kVersionEnglish, "&Version...")};
constexpr MenuItem kMainEMenu[] = {Sub("&Operation", kOperationEnglish),
                                   Sub("&Setting", kSettingEnglish), Sub("&Edit", kEditEnglish),
                                   Sub("&Memory", kMemory), Sub("&Help", kHelpEnglish)};

// --- "MainMenu"

constexpr MenuItem kOperationJapanese[] = {ItemR(kReverse, "裏返す(&R)", "R"),
                                           ItemR(kInitialization, "初期化(&I)", "I"),
                                           Sep(),
                                           Sub("S,T 尺表示(&N)", kSTNumber),
                                           Sub("S,T 尺設定(&S)", kSTScale),
                                           Sub("ずらし尺設定(&F)", kFoldJapanese),
                                           Sub("LLn 尺設定(&L)", kLLJapanese),
                                           Sep(),
                                           ItemR(kShowMe, "計算の実演(&W)...", "F2"),
                                           Sep(),
                                           ItemR(kExit, "終了(&X)", "Ctrl+X")};
constexpr MenuItem kLanguageJapaneseItems[] = {Item(kLanguageEnglish, "英語(&English)"),
                                               Item(kLanguageJapanese, "日本語(&Japanese)")};
constexpr MenuItem kSettingJapanese[] = {
    Item(kNumberLock, "数値ロック(&B)"), Sub("右クリック動作(&C)", kRightClickJapanese),
    Sub("言語(Lan&guage)", kLanguageJapaneseItems), Item(kAlwaysOnTop, "常に手前に表示(&T)")};
constexpr MenuItem kEditJapanese[] = {
    ItemR(kUndo, "アンドゥ(&U)", "Ctrl+Z"),        Sep(), Sub("クリップボード", kClipboardJapanese),
    Sub("エディット・ボックス", kEditBoxJapanese), Sep(), Sub("0 丸め", kZeroRoundJapanese)};
constexpr MenuItem kHelpJapanese[] = {ItemT(kHelp, "ヘルプ(&H)", "F1"), Sep(),
                                      Item(kVersion, "バージョン情報(&A)...")};
constexpr MenuItem kMainMenu[] = {Sub("動作(&D)", kOperationJapanese),
                                  Sub("設定(&S)", kSettingJapanese), Sub("編集(&E)", kEditJapanese),
                                  Sub("滑尺メモリ(&M)", kMemory), Sub("ヘルプ(&H)", kHelpJapanese)};

// --- Context menus

constexpr MenuItem kPopEMenu[] = {Sub("Clipboard", kClipboardEnglish),
                                  Sub("EditBox", kEditBoxSmallEnglish),
                                  Sep(),
                                  Sub("0 Round", kZeroRoundEnglish),
                                  Sep(),
                                  Item(kNumberLockEnglish, "Num&ber Lock"),
                                  Sub("&Right Click", kRightClickBarEnglish)};
constexpr MenuItem kPopMenu[] = {Sub("クリップボード", kClipboardJapanese),
                                 Sub("エディット・ボックス", kEditBoxJapanese),
                                 Sep(),
                                 Sub("0 丸め", kZeroRoundJapanese),
                                 Sep(),
                                 Item(kNumberLock, "数値ロック(&B)"),
                                 Sub("右クリック動作(&D)", kRightClickJapanese)};
constexpr MenuItem kSlideEMenu[] = {ItemR(kReverseEnglish, "&Reverse", "R"),
                                    ItemR(kInitializationEnglish, "&Initialization", "I"),
                                    Sep(),
                                    Sub("S,T &Number", kSTNumber),
                                    Sub("&S,T Scale", kSTScale),
                                    Sub("D&F, CF Scale", kFoldEnglish),
                                    Sub("&LLn Scale", kLLEnglish),
                                    Sep(),
                                    Item(kNumberLockEnglish, "Num&ber Lock"),
                                    Sub("Right &Click", kRightClickSmallEnglish)};
constexpr MenuItem kSlideMenu[] = {ItemR(kReverse, "裏返す(&R)", "R"),
                                   ItemR(kInitialization, "初期化(&I)", "I"),
                                   Sep(),
                                   Sub("S,T 尺表示(&N)", kSTNumber),
                                   Sub("S,T 尺設定(&S)", kSTScale),
                                   Sub("ずらし尺設定(&F)", kFoldJapanese),
                                   Sub("LLn 尺設定(&L)", kLLJapanese),
                                   Sep(),
                                   Item(kNumberLock, "数値ロック(&B)"),
                                   Sub("右クリック動作(&C)", kRightClickJapanese)};

const MenuResource kMainEMenuResource{"MainEMenu", kMainEMenu};
const MenuResource kMainMenuResource{"MainMenu", kMainMenu};
const MenuResource kMemorySetResource{"MemorySet", kMemorySet};
const MenuResource kPopEMenuResource{"POPEMENU", kPopEMenu};
const MenuResource kPopMenuResource{"POPMENU", kPopMenu};
const MenuResource kSlideEMenuResource{"SLIDEEMENU", kSlideEMenu};
const MenuResource kSlideMenuResource{"SLIDEMENU", kSlideMenu};

const std::array<const MenuResource*, 7> kAllMenus = {
    &kMainEMenuResource, &kMainMenuResource,   &kMemorySetResource, &kPopEMenuResource,
    &kPopMenuResource,   &kSlideEMenuResource, &kSlideMenuResource};

}  // namespace

const MenuResource& MainEMenu() {
    return kMainEMenuResource;
}
const MenuResource& MainMenu() {
    return kMainMenuResource;
}
const MenuResource& MemorySetMenu() {
    return kMemorySetResource;
}
const MenuResource& PopEMenu() {
    return kPopEMenuResource;
}
const MenuResource& PopMenu() {
    return kPopMenuResource;
}
const MenuResource& SlideEMenu() {
    return kSlideEMenuResource;
}
const MenuResource& SlideMenu() {
    return kSlideMenuResource;
}

std::span<const MenuResource* const> AllMenuResources() {
    return kAllMenus;
}

const MenuResource* FindMenuResource(std::string_view name) {
    for (const MenuResource* menu : kAllMenus) {
        if (menu->name == name) return menu;
    }
    return nullptr;
}

const MenuResource& MenuBarFor(int16_t language) {
    return language == 0 ? kMainEMenuResource : kMainMenuResource;
}
const MenuResource& ValueMenuFor(int16_t language) {
    return language == 0 ? kPopEMenuResource : kPopMenuResource;
}
const MenuResource& RuleMenuFor(int16_t language) {
    return language == 0 ? kSlideEMenuResource : kSlideMenuResource;
}

bool OptionSubmenuEnabled(int position, int16_t slideRev) {
    if (position == kSTNumberSubmenuPosition || position == kSTScaleSubmenuPosition) {
        return slideRev == 0;
    }
    if (position == kFoldSubmenuPosition || position == kLLSubmenuPosition) return slideRev == 1;
    return true;
}

DeletedPositions RuleMenuDeletedPositions(int16_t slideRev) {
    if (slideRev == 0) return {kLLSubmenuPosition, kFoldSubmenuPosition};
    return {kSTScaleSubmenuPosition, kSTNumberSubmenuPosition};
}

const MenuItem* FindMenuItem(std::span<const MenuItem> items, int commandId) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::Command && item.id == commandId) return &item;
        if (item.kind == MenuItemKind::Submenu) {
            if (const MenuItem* found = FindMenuItem(item.submenu(), commandId)) return found;
        }
    }
    return nullptr;
}

const MenuItem* MenuItemFor(int commandId, int16_t language) {
    for (const MenuResource* menu : {&MenuBarFor(language), &kMemorySetResource,
                                     &RuleMenuFor(language), &ValueMenuFor(language)}) {
        if (const MenuItem* item = FindMenuItem(menu->items, commandId)) return item;
    }
    return nullptr;
}

std::string_view MenuTextOf(int commandId, int16_t language) {
    const MenuItem* item = MenuItemFor(commandId, language);
    return item == nullptr ? std::string_view{} : item->text;
}

}  // namespace tesmark
