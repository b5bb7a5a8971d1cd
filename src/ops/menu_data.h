#pragma once
// The menus of the program as data: the two menu bars, the memory menu's Set
// submenu and the four context menus, item for item. Texts are stored as the
// resources hold them: "&" marks the mnemonic, and an item may carry a second
// part shown right-aligned or after a tab (a key name). The window builds
// its menus from these tables; the refresh and the context menus rely on
// the positions named below.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tesmark {

enum class MenuItemKind {
    Command,    // issues its command identifier
    Separator,  // a line
    Submenu,    // opens its children; not a command itself
    // Stands where the refresh puts the submenu item that opens "MemorySet".
    MemorySetPlaceholder,
};

// How an item's second part is laid out.
enum class SecondPart { None, Right, Tab };

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Separator;
    int id = 0;  // command identifier of a Command item, else 0
    std::string_view text;
    SecondPart secondKind = SecondPart::None;
    std::string_view second;
    const MenuItem* children = nullptr;
    std::size_t childCount = 0;

    std::span<const MenuItem> submenu() const { return {children, childCount}; }
};

struct MenuResource {
    std::string_view name;
    std::span<const MenuItem> items;  // a menu bar's menus, or a pop-up's items
};

// The menu bars ("MainEMenu" English, "MainMenu" Japanese), the Set submenu
// ("MemorySet", both languages) and the context menus. A context-menu
// resource holds one submenu whose title is never shown; `items` here are
// that submenu's items.
const MenuResource& MainEMenu();
const MenuResource& MainMenu();
const MenuResource& MemorySetMenu();
const MenuResource& PopEMenu();    // "POPEMENU": value menu, English
const MenuResource& PopMenu();     // "POPMENU": value menu, Japanese
const MenuResource& SlideEMenu();  // "SLIDEEMENU": rule menu, English
const MenuResource& SlideMenu();   // "SLIDEMENU": rule menu, Japanese

// Every menu resource, in the order above; nullptr for an unknown name.
std::span<const MenuResource* const> AllMenuResources();
const MenuResource* FindMenuResource(std::string_view name);

// By the Language setting: 0 English, any other value Japanese.
const MenuResource& MenuBarFor(int16_t language);
const MenuResource& ValueMenuFor(int16_t language);
const MenuResource& RuleMenuFor(int16_t language);

// Positions the refresh and the context menus rely on. In the first menu of
// either bar and in the rule context menus: 3 and 4 the two S,T submenus,
// 5 the DF, CF submenu and 6 the LLn submenu.
inline constexpr int kOperationMenuIndex = 0;
inline constexpr int kMemoryMenuIndex = 3;
inline constexpr int kSTNumberSubmenuPosition = 3;
inline constexpr int kSTScaleSubmenuPosition = 4;
inline constexpr int kFoldSubmenuPosition = 5;
inline constexpr int kLLSubmenuPosition = 6;
inline constexpr int kShowMePosition = 8;
inline constexpr int kExitPosition = 10;
inline constexpr int kMemorySetPlaceholderPosition = 15;

// The option submenus of the face that shows are enabled, the other face's
// grayed; every other position of the first menu stays enabled.
bool OptionSubmenuEnabled(int position, int16_t slideRev);

// The rule context menu drops the other face's option submenus: these two
// positions, deleted in this order (the higher first).
struct DeletedPositions {
    int first;
    int second;
};
DeletedPositions RuleMenuDeletedPositions(int16_t slideRev);

// The first item issuing `commandId` in a menu tree, or nullptr.
const MenuItem* FindMenuItem(std::span<const MenuItem> items, int commandId);
// The item issuing a command in the menu bar of a language, else in that
// language's context menus; nullptr when no menu of the language issues it.
const MenuItem* MenuItemFor(int commandId, int16_t language);
// Its text ("" when there is none).
std::string_view MenuTextOf(int commandId, int16_t language);

}  // namespace tesmark
