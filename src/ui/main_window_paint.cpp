// Painting the main window: the rule view brings its back buffer of the
// whole client area up to date, copying only the blocks of the rule body
// that moved, and the client area shows the buffer.
#include <QPainter>
#include <QPalette>

#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

namespace tesmark {

void CMainWindow::paintClient(QPainter& painter, const QRect& region) {
    const int extra = extraWidth();
    const bool touchesRule = region.intersects(ruleRect().adjusted(0, -3, 0, 4));
    const bool newWidth = view_->backBuffer().width() != ClientWidth(extra);
    if (touchesRule || session_.redraw.EverPainted == 0 || newWidth) {
        // A new width needs a new buffer, and the rule repainted whole.
        if (view_->fitWidth(ClientWidth(extra))) session_.redraw.RedrawHint = kRedrawAll;
        const bool firstPaint = session_.redraw.EverPainted == 0;
        slideBar_->show();
        cursorBar_->show();
        // The cursor bar takes the keyboard focus once it can: it is hidden
        // until this first paint.
        if (firstPaint) cursorBar_->setFocus(Qt::OtherFocusReason);
        view_->paint(state_, session_.redraw, session_.readings, extra,
                     ToRgb(palette().color(QPalette::ButtonText)),
                     region.intersects(geometry::kBarLabelArea));
    }
    painter.drawImage(region.topLeft(), view_->backBuffer().image(), region);
}

}  // namespace tesmark
