// Input of the main window: the slide bars and the wheel, the mouse on the
// client area, the accelerator keys and the commands they run.
#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWheelEvent>

#include "model/scale_layout.h"
#include "model/string_table.h"
#include "ops/bar_commands.h"
#include "ops/command_ids.h"
#include "ops/mouse_handlers.h"
#include "ops/scale_tooltip_style.h"
#include "ui/accelerator_keys.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/scale_tooltip.h"
#include "ui/slide_bar.h"

namespace tesmark {

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
            // The formula tooltips come from the table of the display
            // language, as every tooltip does.
            const std::string_view text =
                LookUpString(tooltipIds_[static_cast<std::size_t>(row)], preferred_);
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
    }
    return {};
}

bool CMainWindow::showScaleTooltip(const QPoint& at, const QPoint& global) {
    const QString text = scaleTooltipAt(at.x(), at.y());
    if (text.isEmpty()) {
        scaleTooltip_->hideTip();
        return false;
    }
    QRect area;
    for (int row = 0; row < kRowCount; ++row) {
        const ScaleNameRect r = TooltipArea(row);
        if (at.y() >= r.top && at.y() < r.bottom) {
            area = QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
            break;
        }
    }
    scaleTooltip_->showTip(global, text, ScaleTooltipTextColour(at.x(), at.y(), state_.SlideRev),
                           client_, area);
    return true;
}

void CMainWindow::keyPressEvent(QKeyEvent* event) {
    if (std::optional<int> command = AcceleratorCommandOf(*event)) {
        runCommand(*command);
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool CMainWindow::focusNextPrevChild(bool next) {
    // Tab walks the focus reading, not the keyboard focus.
    runCommand(next ? cmd::kNextReading : cmd::kPreviousReading);
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
            std::optional<int> command = AcceleratorCommandOf(*key);
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
        case QEvent::ContextMenu:
            // The menu key and Shift+F10 open the rule's menus at the focus
            // reading, whichever control has the keyboard focus.
            if (mine &&
                static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
                showKeyboardContextMenu();
                return true;
            }
            break;
        case QEvent::Hide:
            // The clean-ups run once the last of the window's own menus has
            // closed, not when a submenu gives way to another.
            if (qobject_cast<QMenu*>(watched) != nullptr && isOwnMenu(watched)) {
                QTimer::singleShot(0, this, [this] {
                    if (QApplication::activePopupWidget() == nullptr) onMenuClosed();
                });
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tesmark
