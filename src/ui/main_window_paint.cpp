// Painting the main window: the rule view brings its back buffer of the
// whole client area up to date, copying only the blocks of the rule body
// that moved, and the client area shows the buffer.
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QTimer>

#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "platform/start_trace.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

namespace tesmark {

QRegion CMainWindow::paintBackBuffer(bool labelsExposed) {
    const int extra = extraWidth();
    ruleStale_ = false;
    // A new width needs a new buffer, and the rule repainted whole.
    if (view_->fitWidth(ClientWidth(extra))) session_.redraw.RedrawHint = kRedrawAll;
    const bool firstPaint = session_.redraw.EverPainted == 0;
    slideBar_->show();
    cursorBar_->show();
    // The cursor bar takes the keyboard focus once it can: it is hidden
    // until this first paint.
    if (firstPaint) cursorBar_->setFocus(Qt::OtherFocusReason);
    const QRegion damage = view_->paint(state_, session_.redraw, session_.readings, extra,
                                        LabelColoursOf(palette()), labelsExposed);
    announcer_.afterPaint(client_);
    if (firstPaint) {
        StartTrace::mark("rule-painted");
        // The trace of a start ends once this frame has been flushed.
        if (StartTrace::quitAfterStart()) QTimer::singleShot(0, this, &QWidget::close);
    }
    return damage;
}

void CMainWindow::renderRule() {
    renderQueued_ = false;
    if (!ruleStale_) return;  // a paint since the move has brought the buffer up to date
    // This call already waited for the events of a burst to be handled, so
    // the changed pixels are shown at once: an update() would post one more
    // event and take one more turn of the event loop per move.
    client_->repaint(paintBackBuffer(false));  // a move exposes no bar label
}

void CMainWindow::paintClient(QPainter& painter, const QRegion& region) {
    const bool newRatio = followDeviceRatio();
    const bool newWidth = view_->backBuffer().width() != ClientWidth(extraWidth());
    if (ruleStale_ || session_.redraw.EverPainted == 0 || newWidth) {
        const QRegion damage =
            paintBackBuffer(newRatio || region.intersects(geometry::kBarLabelArea));
        // What the paint changed beyond this region must reach the screen too.
        const QRegion unseen = damage - region;
        if (!unseen.isEmpty()) client_->update(unseen);
    }
    view_->backBuffer().drawOn(painter, region);
}

}  // namespace tesmark
