// The commands of the main window: every identifier goes through the
// command registry, which decides whether it is enabled and runs its
// handler on the rule session, the window port and the window actions
// below. The menu bar, the toolbars and the title follow the language.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ops/command_registry.h"
#include "ops/context_menu_zones.h"
#include "ops/edit_box_rules.h"
#include "ops/initialization_reset.h"
#include "ops/menu_data.h"
#include "ops/slide_memory.h"
#include "ops/status_line.h"
#include "ops/text_moves.h"
#include "platform/qt_text.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/menu_builder.h"
#include "ui/rebar.h"
#include "ui/slide_bar.h"
#include "ui/version_dialog.h"

namespace tesmark {

namespace {

// The window's own menus carry this property; the clean-ups after a menu
// closes are for them only, not for, say, the edit field's context menu.
constexpr const char* kOwnMenuProperty = "tesmarkMenu";

std::optional<std::string> ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return ToUtf8(data->text());
}

}  // namespace

CommandContext CMainWindow::commandContext() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    CommandContext context = MakeCommandContext(session_, data != nullptr && data->hasText());
    // The focus reading as the state stands now, moves since the last paint
    // included.
    const int slot = state_.NumFoucs;
    if (slot >= 1 && slot <= kSlotCount) context.focusReading = CurrentReading(slot, state_);
    return context;
}

bool CMainWindow::runCommand(int commandId) {
    CommandTarget target{session_, *this, *this};
    const CommandOutcome outcome = ExecuteCommand(commandId, target, commandContext());
    refreshToolbarStates();
    return outcome != CommandOutcome::Unknown;
}

void CMainWindow::refreshMenusAndLanguage() {
    const QString title = ToQString(WindowTitle(state_.Language, preferred_));
    setWindowTitle(title);
    buildMenuBar();
    for (RuleToolbar* toolbar : toolbars_) {
        toolbar->load(state_.Language);
        toolbar->setTooltips(preferred_);
    }
    editBox_->setToolTip(ToQString(CommandTooltip(cmd::kFocusEditBox, preferred_)));
    applyAccessibleNames();
    refreshToolbarStates();
    fixHeight();
    retranslateShowMe();
}

MenuCallbacks CMainWindow::menuCallbacks() {
    MenuCallbacks callbacks;
    callbacks.runCommand = [this](int id) { runCommand(id); };
    callbacks.context = [this] { return commandContext(); };
    callbacks.showPrompt = [this](const QString& prompt) {
        statusPart0_->setText(prompt.isEmpty() ? QStringLiteral(" ") : prompt);
        promptShown_ = true;
    };
    return callbacks;
}

void CMainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    BuildMenuBar(*bar, MenuBarFor(state_.Language), {state_.Language, preferred_}, menuCallbacks());
    ApplyFaceToOperationMenu(*bar, state_.SlideRev);
    for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setProperty(kOwnMenuProperty, true);
    setMemoryItemTexts();
}

void CMainWindow::setMemoryItemTexts() {
    for (int k = 0; k < kMemoryCount; ++k) {
        const SlideMemory& memory = state_.memories[static_cast<std::size_t>(k)];
        const MemoryMenuTexts texts = SetMemoryMenuText(k, memory.position, memory.options);
        if (QAction* recall = FindCommandAction(*menuBar(), cmd::kRecallMemoryFirst + k)) {
            recall->setText(ToQString(texts.recall));
        }
        if (QAction* store = FindCommandAction(*menuBar(), cmd::kStoreMemoryFirst + k)) {
            store->setText(ToQString(texts.store));
        }
    }
}

void CMainWindow::refreshToolbarStates() {
    const CommandContext context = commandContext();
    for (RuleToolbar* toolbar : toolbars_) toolbar->applyStates(context);
}

void CMainWindow::fixHeight() {
    // The client area stays 325 high below the menu bar.
    const int height = kClientHeight + menuBar()->sizeHint().height();
    setMinimumSize(kMinClientWidth, height);
    setMaximumSize(kMaxClientWidth, height);
}

bool CMainWindow::isOwnMenu(const QObject* menu) {
    return menu != nullptr && menu->property(kOwnMenuProperty).toBool();
}

void CMainWindow::showContextMenu(int x, int y, const QPoint& global) {
    const ContextMenuKind kind = ContextMenuAt(x, y, state_.CxSize);
    if (kind == ContextMenuKind::None) return;
    QMenu menu(this);
    const MenuResource& resource = kind == ContextMenuKind::Value ? ValueMenuFor(state_.Language)
                                                                  : RuleMenuFor(state_.Language);
    BuildPopupMenu(menu, resource, {state_.Language, preferred_}, menuCallbacks());
    // The rule menu offers only the options of the face that shows.
    if (kind == ContextMenuKind::Rule) RemoveOtherFaceSubmenus(menu, state_.SlideRev);
    menu.setProperty(kOwnMenuProperty, true);
    for (QMenu* submenu : menu.findChildren<QMenu*>()) submenu->setProperty(kOwnMenuProperty, true);
    menu.exec(global);
}

void CMainWindow::showKeyboardContextMenu() {
    const ClientPoint point = KeyboardMenuPoint(state_.NumFoucs, state_.CxSize);
    // The menu opens just below and right of the focus reading's top left.
    const QPoint global = client_->mapToGlobal(QPoint(point.x, point.y)) + QPoint(8, 13);
    const QPoint local = client_->mapFromGlobal(global);
    showContextMenu(local.x(), local.y(), global);
}

void CMainWindow::closeWindow() {
    close();
}

void CMainWindow::showHelp() {
    HelpWindow* help = ShowHelp(this, state_.Language);
    // The book's worked examples play in this window.
    if (help != nullptr) {
        connect(help, &HelpWindow::calculationChosen, this, &CMainWindow::showMeFromHelp,
                Qt::UniqueConnection);
    }
}

void CMainWindow::showVersion() {
    ShowVersionDialog(this, state_.Language);
}

void CMainWindow::initializationReset() {
    InitializationReset(session_, *this, *this);
}

void CMainWindow::recallMemory(int k) {
    RecallMemory(session_, *this, k + 1);
    // The option menus of the restored face, and the memory texts.
    refreshMenusAndLanguage();
}

void CMainWindow::storeMemory(int k) {
    StoreMemory(session_, *this, k + 1);
    setMemoryItemTexts();
}

void CMainWindow::focusEditBox() {
    editBox_->setFocus(Qt::ShortcutFocusReason);
}

void CMainWindow::copyReadingToEditBox() {
    const int slot = state_.NumFoucs;
    if (slot < 1 || slot > kSlotCount) return;
    const double reading = CurrentReading(slot, state_);
    if (reading == NoReading) return;
    const std::string text = FormatSlotReading(reading, slot, state_, false);
    editBox_->addToHistory(ToQString(text));
    ShowStatus(session_, *this, EditBoxCopyMessage(text, state_.Language));
}

void CMainWindow::pasteFromClipboard(MoveTarget target) {
    const std::optional<std::string> text = ClipboardText();
    PasteToTarget(session_, *this, target,
                  text ? std::optional<std::string_view>(*text) : std::nullopt);
}

void CMainWindow::moveToEditBoxValue(MoveTarget target) {
    std::optional<std::string> selected;
    if (FocusSuitsTarget(session_, target)) {
        // Committing selects the entry that begins with the field's number
        // (or the number just added); the move takes that entry's text.
        editBox_->commit();
        if (editBox_->currentIndex() >= 0)
            selected = ToUtf8(editBox_->itemText(editBox_->currentIndex()));
    }
    MoveToEditBoxEntry(session_, *this, target,
                       selected ? std::optional<std::string_view>(*selected) : std::nullopt);
}

void CMainWindow::zeroRoundMove(MoveTarget target) {
    ZeroRoundMove(session_, *this, target);
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    // Closing with Shift alone held starts the next run from the home state.
    // The keys are asked of the window system as they are now: a close box,
    // Alt+F4 or another close by the window manager reaches the program
    // without a key event of its own, so the last event's modifiers may be
    // old (Shift released in another window, say).
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    const HeldInput held{keys.testFlag(Qt::ShiftModifier), keys.testFlag(Qt::ControlModifier),
                         QGuiApplication::mouseButtons().testFlag(Qt::RightButton)};
    if (ClosingResets(held)) initializationReset();
    QMainWindow::closeEvent(event);
}

}  // namespace tesmark
