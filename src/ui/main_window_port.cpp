// What the operations and the composition ask of the main window.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "platform/qt_text.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/show_me_player.h"
#include "ui/slide_bar.h"

namespace tesmark {

namespace {

SlideBar* BarOf(BarId bar, SlideBar* slide, SlideBar* cursor) {
    return bar == BarId::Slide ? slide : cursor;
}

}  // namespace

void CMainWindow::setBarThumb(BarId bar, int32_t position) {
    BarOf(bar, slideBar_, cursorBar_)->setThumb(position);
}

void CMainWindow::focusBar(BarId bar) {
    BarOf(bar, slideBar_, cursorBar_)->setFocus(Qt::OtherFocusReason);
}

bool CMainWindow::barHasFocus(BarId bar) const {
    return QApplication::focusWidget() == BarOf(bar, slideBar_, cursorBar_);
}

int32_t CMainWindow::barTrackPosition(BarId bar) const {
    return BarOf(bar, slideBar_, cursorBar_)->trackPosition();
}

void CMainWindow::setStatusText(std::string_view text) {
    statusPart0_->setText(ToQString(text));
}

void CMainWindow::invalidateRule() {
    // The rule is painted into the back buffer once the events already
    // waiting have been handled, so a burst of moves costs one paint; only
    // the pixels that paint changes are then shown.
    ruleStale_ = true;
    // Every move reaches the rule through here: one made by hand stops a
    // "Show me" playback.
    if (showMePlayer_ != nullptr) showMePlayer_->ruleChanged();
    if (renderQueued_) return;
    renderQueued_ = true;
    QMetaObject::invokeMethod(this, &CMainWindow::renderRule, Qt::QueuedConnection);
}

void CMainWindow::composeRuleBody() {
    composeAndReact();
}

void CMainWindow::setClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

bool CMainWindow::shiftDown() const {
    return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool CMainWindow::ctrlDown() const {
    return QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}

bool CMainWindow::rightButtonDown() const {
    return QGuiApplication::mouseButtons().testFlag(Qt::RightButton);
}

}  // namespace tesmark
