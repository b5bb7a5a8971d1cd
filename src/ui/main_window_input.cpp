// Input of the main window: the slide bars and the wheel, the mouse on the
// client area, the accelerator keys and the commands they run.
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWheelEvent>

#include "model/scale_layout.h"
#include "model/tooltip_strings.h"
#include "ops/bar_commands.h"
#include "ops/focus_walk.h"
#include "ops/mouse_handlers.h"
#include "ops/undo_command.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"

namespace tesmark {

namespace {

// The commands the window carries out, by either language's identifier,
// with the rule that says when each is available. They run on the rule
// session and the window port; always-on-top is the window's own.
struct CommandEntry {
    int id;
    int englishId;
    void (*run)(RuleSession& session, WindowPort& port);
    bool (*available)(const RuleSession& session);
};

bool Always(const RuleSession&) {
    return true;
}

const CommandEntry kCommands[] = {
    {kCmdFocusSlideBar, 0, [](RuleSession&, WindowPort& p) { FocusSlideBar(p); }, Always},
    {kCmdFocusCursorBar, 0, [](RuleSession&, WindowPort& p) { FocusCursorBar(p); }, Always},
    {kCmdCentreSlide, 0, [](RuleSession& s, WindowPort& p) { CentreSlide(s, p); }, Always},
    {kCmdCentreCursor, 0, [](RuleSession& s, WindowPort& p) { CentreCursor(s, p); }, Always},
    {kCmdNumberLock, kCmdNumberLockEnglish,
     [](RuleSession& s, WindowPort&) { ToggleNumberLock(s.state); }, Always},
    {kCmdRightClickDouble, kCmdRightClickDoubleEnglish,
     [](RuleSession& s, WindowPort&) { SetRightClickMode(s.state, kRightClickDouble); }, Always},
    {kCmdRightClickFast, kCmdRightClickFastEnglish,
     [](RuleSession& s, WindowPort&) { SetRightClickMode(s.state, kRightClickFast); }, Always},
    {kCmdRightClickReverse, kCmdRightClickReverseEnglish,
     [](RuleSession& s, WindowPort&) { SetRightClickMode(s.state, kRightClickReverse); }, Always},
    {kCmdUndo, kCmdUndoEnglish, [](RuleSession& s, WindowPort& p) { UndoCommand(s, p); },
     [](const RuleSession& s) { return UndoAvailable(s.undo); }},
    {kCmdNextReading, 0, [](RuleSession& s, WindowPort& p) { FocusNextReading(s, p); }, Always},
    {kCmdPreviousReading, 0, [](RuleSession& s, WindowPort& p) { FocusPreviousReading(s, p); },
     Always},
};

// The accelerator keys bound so far: key, modifiers, command.
struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

const Accelerator kAccelerators[] = {
    {Qt::Key_S, Qt::NoModifier, kCmdFocusSlideBar},
    {Qt::Key_C, Qt::NoModifier, kCmdFocusCursorBar},
    {Qt::Key_S, Qt::ShiftModifier, kCmdCentreSlide},
    {Qt::Key_C, Qt::ShiftModifier, kCmdCentreCursor},
    {Qt::Key_Z, Qt::ControlModifier, kCmdUndo},
    {Qt::Key_D, Qt::ControlModifier, kCmdRightClickDouble},
    {Qt::Key_F, Qt::ControlModifier, kCmdRightClickFast},
    {Qt::Key_R, Qt::ControlModifier, kCmdRightClickReverse},
    {Qt::Key_Tab, Qt::NoModifier, kCmdNextReading},
    {Qt::Key_Backtab, Qt::ShiftModifier, kCmdPreviousReading},
    {Qt::Key_Tab, Qt::ShiftModifier, kCmdPreviousReading},
};

std::optional<int> AcceleratorCommand(const QKeyEvent& event) {
    const Qt::KeyboardModifiers relevant =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.key == event.key() && accelerator.modifiers == relevant) {
            return accelerator.command;
        }
    }
    return std::nullopt;
}

}  // namespace

bool CMainWindow::runCommand(int commandId) {
    if (commandId == kCmdAlwaysOnTop) {
        toggleAlwaysOnTop();
        return true;
    }
    for (const CommandEntry& entry : kCommands) {
        if (entry.id != commandId && (entry.englishId == 0 || entry.englishId != commandId))
            continue;
        if (entry.available(session_)) entry.run(session_, *this);
        return true;
    }
    return false;
}

void CMainWindow::onScroll(BarId bar, int16_t code) {
    HandleScroll(session_, *this, bar, code);
}

void CMainWindow::onWheel(int delta) {
    HandleWheel(session_, *this, delta);
}

void CMainWindow::clientMousePress(int x, int y) {
    OnLeftButtonPress(session_, *this, x, y);
}

void CMainWindow::clientDoubleClick(int x, int y) {
    OnLeftButtonDoubleClick(session_, *this, x, y);
}

QString CMainWindow::scaleTooltipAt(int x, int y) const {
    for (int row = 0; row < kRowCount; ++row) {
        const ScaleNameRect area = TooltipArea(row);
        if (x >= area.left && x < area.right && y >= area.top && y < area.bottom) {
            const std::string_view text =
                TooltipText(tooltipIds_[static_cast<std::size_t>(row)], state_.Language);
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
    }
    return {};
}

void CMainWindow::keyPressEvent(QKeyEvent* event) {
    if (std::optional<int> command = AcceleratorCommand(*event)) {
        runCommand(*command);
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool CMainWindow::focusNextPrevChild(bool next) {
    // Tab walks the focus reading, not the keyboard focus.
    runCommand(next ? kCmdNextReading : kCmdPreviousReading);
    return true;
}

bool CMainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool mine = widget != nullptr && widget->window() == this;
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            // Accelerators win over the focused control, the edit field included.
            if (!mine) break;
            auto* key = static_cast<QKeyEvent*>(event);
            std::optional<int> command = AcceleratorCommand(*key);
            if (!command) break;
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return false;
            }
            runCommand(*command);
            return true;
        }
        case QEvent::Wheel:
            // The wheel steps the focused bar wherever the pointer is; the
            // bars handle their own wheel, the edit box's list scrolls itself.
            if (!mine || qobject_cast<SlideBar*>(watched) != nullptr) break;
            if (editBox_->view() != nullptr && editBox_->view()->isAncestorOf(widget)) break;
            onWheel(WheelDelta(static_cast<QWheelEvent*>(event)->angleDelta().x(),
                               static_cast<QWheelEvent*>(event)->angleDelta().y()));
            return true;
        case QEvent::Hide:
            if (qobject_cast<QMenu*>(watched) != nullptr) onMenuClosed();
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tesmark
