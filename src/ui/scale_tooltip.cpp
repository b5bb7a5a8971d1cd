#include "ui/scale_tooltip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <QToolTip>
#include <algorithm>

#include "ops/scale_tooltip_style.h"

namespace tesmark {

namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The one-pixel border around the tip, as a desktop tooltip has.
const QColor kBorder(118, 118, 118);

}  // namespace

ScaleTooltip::ScaleTooltip(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
    setObjectName(QStringLiteral("ScaleTooltip"));
    setTextFormat(Qt::PlainText);
    setFont(QToolTip::font());
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // The border takes one pixel; the margins lie inside it.
    setContentsMargins(1, 1, 1, 1);
    setMargin(kScaleTooltipMargin);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    colour_ = kScaleTooltipText;
    hide();
}

void ScaleTooltip::showTip(const QPoint& at, const QString& text, Rgb colour, QWidget* over,
                           const QRect& area) {
    colour_ = colour;
    // Every role a style may paint a label with gets the tip's own colours,
    // so neither a dark palette nor the style's tooltip colours show through.
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::WindowText, ToQColor(colour));
        colours.setColor(group, QPalette::Text, ToQColor(colour));
        colours.setColor(group, QPalette::ToolTipText, ToQColor(colour));
        colours.setColor(group, QPalette::Window, ToQColor(kScaleTooltipBackground));
        colours.setColor(group, QPalette::Base, ToQColor(kScaleTooltipBackground));
        colours.setColor(group, QPalette::ToolTipBase, ToQColor(kScaleTooltipBackground));
    }
    setPalette(colours);
    setText(text);
    adjustSize();
    over_ = over;
    area_ = area;
    place(at);
    if (!isVisible()) {
        qApp->installEventFilter(this);
        show();
    }
    update();
    expiry_.start(kShowMs, this);
}

void ScaleTooltip::hideTip() {
    expiry_.stop();
    if (!isVisible()) return;
    qApp->removeEventFilter(this);
    hide();
}

void ScaleTooltip::place(const QPoint& at) {
    // Below and to the right of the mouse pointer, inside the screen.
    QPoint p = at + QPoint(2, 16);
    if (const QScreen* screen = QGuiApplication::screenAt(at)) {
        const QRect room = screen->availableGeometry();
        if (p.x() + width() > room.right()) p.setX(room.right() - width());
        if (p.y() + height() > room.bottom()) p.setY(at.y() - 4 - height());
        p.setX(std::max(p.x(), room.left()));
        p.setY(std::max(p.y(), room.top()));
    }
    move(p);
}

bool ScaleTooltip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (over_ == nullptr ||
                !area_.contains(over_->mapFromGlobal(mouse->globalPosition().toPoint()))) {
                hideTip();
            }
            break;
        }
        case QEvent::Leave:
            if (watched == over_) hideTip();
            break;
        case QEvent::Hide:
            // The name's window closing or minimized takes its tip along.
            if (over_ != nullptr && (watched == over_ || watched == over_->window())) hideTip();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::WindowDeactivate:
        case QEvent::FocusOut:
            hideTip();
            break;
        default:
            break;
    }
    return false;
}

void ScaleTooltip::timerEvent(QTimerEvent* event) {
    if (event->timerId() == expiry_.timerId()) {
        hideTip();
        return;
    }
    QLabel::timerEvent(event);
}

void ScaleTooltip::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tesmark
