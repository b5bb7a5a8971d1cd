#include "ui/client_area.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/main_window.h"

namespace tesmark {

ClientArea::ClientArea(CMainWindow* window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("ClientArea"));
    // Everything is painted from the back buffer; nothing needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    window_->paintClient(painter, event->region());
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        window_->clientMousePress(p.x(), p.y());
    }
    QWidget::mousePressEvent(event);
}

void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        window_->clientDoubleClick(p.x(), p.y());
    }
    // Not the base class: it would run the press handler a second time.
    event->accept();
}

void ClientArea::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        window_->showContextMenu(event->pos().x(), event->pos().y(), event->globalPos());
    } else {
        window_->showKeyboardContextMenu();
    }
    event->accept();
}

bool ClientArea::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // The formula tooltip of the name under the resting mouse, coloured
        // by its row and the face shown.
        auto* help = static_cast<QHelpEvent*>(event);
        if (!window_->showScaleTooltip(help->pos(), help->globalPos())) event->ignore();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace tesmark
