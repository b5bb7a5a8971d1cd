// Sizing, position, system colours and the other frame messages of the main
// window: the width can change between its limits, the height cannot; the
// window remembers where it stands and follows palette changes.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "model/positions.h"
#include "platform/mapped_image.h"
#include "platform/rule_view.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/rebar.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

namespace tesmark {

void CMainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!constructed_ || isMinimized()) return;  // minimizing leaves everything as it was
    // The size hints keep the width within its limits, but a window manager
    // may ignore them: the client area and CxSize never leave the limits, a
    // narrower window clips the client area, a wider one shows it whole.
    const int extra =
        std::clamp(event->size().width() - kBaseClientWidth, int{kMinCxSize}, int{kMaxCxSize});
    state_.CxSize = static_cast<int16_t>(extra);
    // The client area's own repaint after the resize paints the rule whole
    // at the new width (once: nothing is painted here).
    client_->resize(ClientWidth(extra), kClientHeight);
    layoutForWidth(extra);
}

void CMainWindow::layoutForWidth(int extra) {
    const int width = ClientWidth(extra);
    const struct {
        QPushButton* home;
        SlideBar* bar;
        int top;
        int32_t thumb;
    } rows[] = {
        {slideHome_, slideBar_, geometry::kSlideRowTop, SlideBarPosition(state_.SlidePos)},
        {cursorHome_, cursorBar_, geometry::kCursorRowTop, state_.CursorPos},
    };
    for (const auto& row : rows) {
        row.home->setGeometry(geometry::HomeButtonLeft(extra), row.top, geometry::kHomeButtonWidth,
                              geometry::kBarHeight);
        row.bar->setGeometry(geometry::kBarLeft, row.top, geometry::BarWidth(extra),
                             geometry::kBarHeight);
        row.bar->setThumb(row.thumb);
    }
    rebar_->setGeometry(0, 0, width, geometry::kRebarHeight);
    statusBar_->setGeometry(0, kClientHeight - geometry::kStatusBarHeight, width,
                            geometry::kStatusBarHeight);
}

void CMainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    session_.redraw.PaintedFlag = 0;  // the next move repaints everything
    rememberPosition();
}

void CMainWindow::rememberPosition() {
    if (!constructed_ || isMinimized()) return;  // a minimized window keeps its last place
    const QRect frame = frameGeometry();
    state_.Xpos = static_cast<int16_t>(frame.x());
    state_.Ypos = static_cast<int16_t>(frame.y());
}

void CMainWindow::placeOnScreen() {
    QPoint place(state_.Xpos, state_.Ypos);
    // A saved place on a monitor that is gone would leave the window where
    // nobody can reach it: its caption must stand on some screen.
    const QPoint caption = place + QPoint(40, 10);
    if (QGuiApplication::screenAt(caption) == nullptr) {
        if (QScreen* primary = QGuiApplication::primaryScreen()) {
            place = primary->availableGeometry().topLeft() + QPoint(10, 20);
        }
    }
    move(place);
    state_.Xpos = static_cast<int16_t>(place.x());
    state_.Ypos = static_cast<int16_t>(place.y());
}

void CMainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || !constructed_) return;
    // The bitmaps carry the system colours: load them anew.
    loadImages();
    // The whole client area is painted again, background included.
    view_->setBackground(backgroundTile_);
    for (SlideBar* bar : {slideBar_, cursorBar_}) {
        bar->setTroughTile(barTile_);
    }
    QPalette bands = rebar_->palette();
    bands.setBrush(QPalette::Window, QBrush(backgroundTile_));
    rebar_->setPalette(bands);
    loadIcons();
    session_.redraw.RedrawHint = kRedrawAll;
    ruleStale_ = true;
    client_->update();
}

bool CMainWindow::followDeviceRatio() {
    // On another screen, or at a new scale, the rule is drawn anew at that
    // screen's resolution; the pixels and positions stay as they are.
    if (!view_->setDeviceRatio(client_->devicePixelRatioF(), state_)) return false;
    loadIcons();
    session_.redraw.RedrawHint = kRedrawAll;
    ruleStale_ = true;
    client_->update();
    return true;
}

void CMainWindow::toggleAlwaysOnTop() {
    state_.TopWin = static_cast<int16_t>((state_.TopWin + 1) % 2);
    setWindowFlag(Qt::WindowStaysOnTopHint, state_.TopWin != 0);
    show();
}

void CMainWindow::onMenuClosed() {
    session_.redraw.PaintedFlag = 0;
    // A message and a menu item's prompt both end with the menu.
    if (session_.StatusShown != 0 || promptShown_) statusPart0_->setText(QStringLiteral(" "));
    promptShown_ = false;
    session_.StatusShown = 0;
    editBox_->commit();
}

}  // namespace tesmark
