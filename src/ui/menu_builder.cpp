#include "ui/menu_builder.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "ops/command_registry.h"

namespace tesmark {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

MarkKind MarkOf(int commandId) {
    const CommandRow* row = FindCommand(commandId);
    return row == nullptr ? MarkKind::None : row->mark;
}

void AddItems(QMenu& menu, std::span<const MenuItem> items, const MenuTexts& texts,
              const MenuCallbacks& callbacks);

// A menu that refreshes its items' states when it opens and reports the
// prompt of the item under the mouse.
void Connect(QMenu& menu, const MenuCallbacks& callbacks) {
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, context = callbacks.context] {
        if (context) ApplyCommandStates(menu, context());
    });
    if (callbacks.showPrompt) {
        QObject::connect(&menu, &QMenu::hovered, &menu,
                         [show = callbacks.showPrompt](QAction* action) {
                             show(action->property("tesmarkPrompt").toString());
                         });
    }
}

QMenu* AddSubmenu(QMenu* parent, QMenuBar* bar, const QString& title,
                  std::span<const MenuItem> items, const MenuTexts& texts,
                  const MenuCallbacks& callbacks) {
    QMenu* submenu = parent != nullptr ? parent->addMenu(title) : bar->addMenu(title);
    Connect(*submenu, callbacks);
    AddItems(*submenu, items, texts, callbacks);
    return submenu;
}

void AddCommand(QMenu& menu, const MenuItem& item, const MenuTexts& texts,
                const MenuCallbacks& callbacks, QActionGroup*& radioGroup) {
    QAction* action = menu.addAction(MenuItemText(item));
    action->setData(item.id);
    action->setProperty("tesmarkPrompt", MenuItemPrompt(item.id, texts.preferred));
    const MarkKind mark = MarkOf(item.id);
    action->setCheckable(mark != MarkKind::None);
    if (mark == MarkKind::Radio) {
        // Consecutive radio items form one group, so the style draws radio marks.
        if (radioGroup == nullptr) {
            radioGroup = new QActionGroup(&menu);
            radioGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        radioGroup->addAction(action);
    } else {
        radioGroup = nullptr;
    }
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, action, [run = callbacks.runCommand, id] {
        if (run) run(id);
    });
}

void AddItems(QMenu& menu, std::span<const MenuItem> items, const MenuTexts& texts,
              const MenuCallbacks& callbacks) {
    QActionGroup* radioGroup = nullptr;
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItemKind::Command:
                AddCommand(menu, item, texts, callbacks, radioGroup);
                continue;
            case MenuItemKind::Separator:
                menu.addSeparator();
                break;
            case MenuItemKind::Submenu:
                AddSubmenu(&menu, nullptr, ToQString(item.text), item.submenu(), texts, callbacks);
                break;
            case MenuItemKind::MemorySetPlaceholder:
                AddSubmenu(&menu, nullptr,
                           ToQString(MemorySetLabel(texts.language, texts.preferred)),
                           MemorySetMenu().items, texts, callbacks);
                break;
        }
        radioGroup = nullptr;
    }
}

QList<QAction*> ActionsOf(const QWidget& widget) {
    return widget.actions();
}

}  // namespace

QString MenuItemText(const MenuItem& item) {
    QString text = ToQString(item.text);
    if (item.secondKind != SecondPart::None) text += QLatin1Char('\t') + ToQString(item.second);
    return text;
}

QString MenuItemPrompt(int commandId, Language preferred) {
    return ToQString(CommandPrompt(commandId, preferred));
}

void BuildMenuBar(QMenuBar& bar, const MenuResource& resource, const MenuTexts& texts,
                  const MenuCallbacks& callbacks) {
    bar.clear();
    for (const MenuItem& item : resource.items) {
        if (item.kind == MenuItemKind::Submenu) {
            AddSubmenu(nullptr, &bar, ToQString(item.text), item.submenu(), texts, callbacks);
        }
    }
}

void BuildPopupMenu(QMenu& menu, const MenuResource& resource, const MenuTexts& texts,
                    const MenuCallbacks& callbacks) {
    menu.clear();
    Connect(menu, callbacks);
    AddItems(menu, resource.items, texts, callbacks);
}

void RemoveOtherFaceSubmenus(QMenu& ruleMenu, int16_t slideRev) {
    const DeletedPositions positions = RuleMenuDeletedPositions(slideRev);
    for (int position : {positions.first, positions.second}) {
        const QList<QAction*> actions = ruleMenu.actions();
        if (position < actions.size()) {
            QAction* action = actions[position];
            ruleMenu.removeAction(action);
            if (QMenu* submenu = action->menu()) submenu->deleteLater();
        }
    }
}

void ApplyFaceToOperationMenu(QMenuBar& bar, int16_t slideRev) {
    const QList<QAction*> menus = bar.actions();
    if (menus.size() <= kOperationMenuIndex || menus[kOperationMenuIndex]->menu() == nullptr)
        return;
    const QList<QAction*> items = menus[kOperationMenuIndex]->menu()->actions();
    for (int position = 0; position < items.size(); ++position) {
        if (items[position]->menu() != nullptr) {
            items[position]->setEnabled(OptionSubmenuEnabled(position, slideRev));
        }
    }
}

void ApplyCommandStates(QMenu& menu, const CommandContext& context) {
    for (QAction* action : menu.actions()) {
        const int id = CommandIdOf(*action);
        if (id == 0) continue;
        const CommandState state = CommandStateOf(id, context);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.marked);
    }
}

int CommandIdOf(const QAction& action) {
    if (action.isSeparator() || action.menu() != nullptr) return 0;
    return action.data().toInt();
}

QAction* FindCommandAction(const QWidget& menuOrBar, int commandId) {
    for (QAction* action : ActionsOf(menuOrBar)) {
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = FindCommandAction(*submenu, commandId)) return found;
        } else if (CommandIdOf(*action) == commandId) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace tesmark
