#pragma once
// Builds Qt menus from the menu data. Every item becomes a QAction that
// carries its command identifier; triggering it hands the identifier to a
// callback (the command registry decides whether it runs). The second part
// of an item (a key name) is shown after a tab, where QMenu writes shortcut
// texts; no QAction gets a shortcut of its own, because the accelerator
// table handles the keys. Each menu asks the registry for the enabled and
// checked states of its items when it is about to show.
#include <QString>
#include <cstdint>
#include <functional>

#include "model/string_table.h"
#include "ops/command_context.h"
#include "ops/menu_data.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tesmark {

struct MenuCallbacks {
    // Runs a command by its identifier.
    std::function<void(int commandId)> runCommand;
    // The state the enabling and mark rules look at, gathered when a menu
    // is about to show.
    std::function<CommandContext()> context;
    // Shows the status prompt of the highlighted item (may be empty).
    std::function<void(const QString& prompt)> showPrompt;
};

struct MenuTexts {
    int16_t language = 0;                    // the Language setting: the Set submenu's label
    Language preferred = Language::English;  // the display language for the string lookup
};

// The text of an item as QMenu shows it: the stored text with its "&"
// mnemonic, and the second part, right-aligned or tabbed, after a tab.
QString MenuItemText(const MenuItem& item);

// The status prompt of a command while its item is highlighted.
QString MenuItemPrompt(int commandId, Language preferred);

// Replaces the content of a menu bar by the menus of a menu-bar resource;
// the memory menu's placeholder becomes the submenu opening "MemorySet".
void BuildMenuBar(QMenuBar& bar, const MenuResource& resource, const MenuTexts& texts,
                  const MenuCallbacks& callbacks);

// Replaces the content of a pop-up menu by a context-menu resource's items.
void BuildPopupMenu(QMenu& menu, const MenuResource& resource, const MenuTexts& texts,
                    const MenuCallbacks& callbacks);

// The rule context menu without the other face's option submenus.
void RemoveOtherFaceSubmenus(QMenu& ruleMenu, int16_t slideRev);

// Enables the first menu's option submenus of the face that shows and
// grays the other face's (the refresh does this; opening a menu does not).
void ApplyFaceToOperationMenu(QMenuBar& bar, int16_t slideRev);

// Sets the enabled and checked state of a menu's own items from the
// registry (its submenus do this when they show).
void ApplyCommandStates(QMenu& menu, const CommandContext& context);

// The command identifier an action carries (0 for a submenu or separator).
int CommandIdOf(const QAction& action);

// The first action of a menu bar or menu, submenus included, that issues a
// command; nullptr when none does.
QAction* FindCommandAction(const QWidget& menuOrBar, int commandId);

}  // namespace tesmark
