// Painting the main window: the rule paints into a back buffer of the whole
// client area, copying only the blocks of the rule body that moved, and the
// client area shows the buffer.
#include <QPainter>
#include <QPalette>

#include "platform/qt_surface.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

namespace tesmark {

void CMainWindow::fitBackBuffer() {
    const int extra = extraWidth();
    if (backBuffer_->width() != ClientWidth(extra)) {
        // A new width needs a new buffer; keep what the old one showed and
        // repaint the rule whole.
        auto resized = std::make_unique<QtSurface>(ClientWidth(extra), kClientHeight);
        resized->setPatternImage(backgroundTile_);
        resized->eraseWithPattern();
        resized->copyFrom(*backBuffer_, 0, 0, std::min(backBuffer_->width(), resized->width()),
                          kClientHeight, 0, 0);
        backBuffer_ = std::move(resized);
        session_.redraw.RedrawHint = kRedrawAll;
    }
}

void CMainWindow::paintRuleNow() {
    const int extra = extraWidth();
    fitBackBuffer();
    slideBar_->show();
    cursorBar_->show();
    PaintRule(*backBuffer_, *ruleBody_, state_, session_.redraw, session_.readings, painter_,
              panel_, extra);
    client_->update(ruleRect());
}

void CMainWindow::paintClient(QPainter& painter, const QRect& region) {
    const int extra = extraWidth();
    const bool touchesRule = region.intersects(ruleRect().adjusted(0, -3, 0, 4));
    if (touchesRule || session_.redraw.EverPainted == 0 ||
        backBuffer_->width() != ClientWidth(extra)) {
        fitBackBuffer();
        const bool firstPaint = session_.redraw.EverPainted == 0;
        slideBar_->show();
        cursorBar_->show();
        // The cursor bar takes the keyboard focus once it can: it is hidden
        // until this first paint.
        if (firstPaint) cursorBar_->setFocus(Qt::OtherFocusReason);
        PaintWindow(*backBuffer_, *ruleBody_, state_, session_.redraw, session_.readings, painter_,
                    panel_, extra, ToRgb(palette().color(QPalette::ButtonText)),
                    region.intersects(geometry::kBarLabelArea));
    }
    painter.drawImage(region.topLeft(), backBuffer_->image(), region);
}

}  // namespace tesmark
