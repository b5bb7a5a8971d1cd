#include "ui/slide_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QTimerEvent>
#include <QWheelEvent>
#include <optional>

#include "model/positions.h"
#include "ops/bar_keys.h"

namespace tesmark {

namespace {

std::optional<ScrollCode> CodeForAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineLeft;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineRight;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageLeft;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageRight;
        case QAbstractSlider::SliderMove:
            return ScrollCode::ThumbTrack;
        case QAbstractSlider::SliderToMinimum:
            return ScrollCode::Left;
        case QAbstractSlider::SliderToMaximum:
            return ScrollCode::Right;
        default:
            return std::nullopt;
    }
}

std::optional<BarKey> BarKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return BarKey::Left;
        case Qt::Key_Up:
            return BarKey::Up;
        case Qt::Key_Right:
            return BarKey::Right;
        case Qt::Key_Down:
            return BarKey::Down;
        case Qt::Key_PageUp:
            return BarKey::PageUp;
        case Qt::Key_PageDown:
            return BarKey::PageDown;
        case Qt::Key_Home:
            return BarKey::Home;
        case Qt::Key_End:
            return BarKey::End;
        default:
            return std::nullopt;
    }
}

std::optional<ScrollCode> CodeForKey(int key) {
    std::optional<BarKey> barKey = BarKeyOf(key);
    return barKey ? ScrollCodeForKey(*barKey) : std::nullopt;
}

std::optional<ScrollCode> CodeForPart(QStyle::SubControl part) {
    switch (part) {
        case QStyle::SC_ScrollBarSubLine:
            return ScrollCode::LineLeft;
        case QStyle::SC_ScrollBarAddLine:
            return ScrollCode::LineRight;
        case QStyle::SC_ScrollBarSubPage:
            return ScrollCode::PageLeft;
        case QStyle::SC_ScrollBarAddPage:
            return ScrollCode::PageRight;
        default:
            return std::nullopt;
    }
}

// A raised (or, pressed, sunken) button face with a one-pixel bevel, from
// solid blocks: the light edge top and left, the dark one bottom and right.
void PaintFace(QPainter& painter, const QRect& r, const QColor& face, const QPalette& palette,
               bool sunken) {
    if (r.isEmpty()) return;
    painter.fillRect(r, face);
    const QColor topLeft = sunken ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
    const QColor bottomRight =
        sunken ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

// A solid arrow head pointing left or right, centred in the rectangle: one
// column of pixels per step, growing by two each.
void PaintArrow(QPainter& painter, const QRect& r, bool left, const QColor& colour, int shift) {
    constexpr int kSteps = 4;
    const QPoint centre = r.center() + QPoint(shift, shift);
    for (int i = 0; i < kSteps; ++i) {
        const int x = left ? centre.x() - kSteps / 2 + i : centre.x() + kSteps / 2 - i;
        painter.fillRect(QRect(x, centre.y() - i, 1, 2 * i + 1), colour);
    }
}

}  // namespace

SlideBar::SlideBar(BarId id, QWidget* parent) : QScrollBar(Qt::Horizontal, parent), id_(id) {
    setObjectName(id == BarId::Slide ? QStringLiteral("SlideBar") : QStringLiteral("CursorBar"));
    setRange(BarMin, BarMax);
    setSingleStep(1);
    setPageStep(1);  // the bar has no page size of its own
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &SlideBar::onAction);
    connect(this, &QAbstractSlider::sliderReleased, this, &SlideBar::onReleased);
}

void SlideBar::setThumb(int32_t position) {
    // Setting the position makes the slider report a move of its own; that
    // is not the user's, so it must not reach the handler.
    thumb_ = position;
    settingThumb_ = true;
    setSliderPosition(position);
    settingThumb_ = false;
    updateIfThumbMoved();
}

void SlideBar::setTroughTile(const QImage& tile) {
    troughTile_ = tile;
    update();
}

QRect SlideBar::thumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

QStyle::SubControl SlideBar::partAt(const QPoint& point) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, this);
}

void SlideBar::sliderChange(SliderChange change) {
    // A new value repaints only when the thumb lands on other pixels: one
    // position unit is a tiny fraction of a pixel.
    if (change == SliderValueChange) {
        updateIfThumbMoved();
        return;
    }
    QScrollBar::sliderChange(change);
}

void SlideBar::updateIfThumbMoved() {
    if (thumbRect() != paintedThumb_) update();
}

void SlideBar::onAction(int action) {
    if (settingThumb_) return;
    // The slider has already moved to where it would go by itself; note that
    // as the drag position, put the thumb back and let the handler decide.
    track_ = sliderPosition();
    setSliderPosition(thumb_);
    if (std::optional<ScrollCode> code = CodeForAction(action)) {
        emit scrolled(id_, static_cast<int16_t>(*code));
    }
}

void SlideBar::onReleased() {
    track_ = sliderPosition();
    emit scrolled(id_, static_cast<int16_t>(ScrollCode::ThumbPosition));
}

void SlideBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // The right button only chooses the step (the handler samples it);
        // pressed while an arrow is held, the arrow goes on repeating.
        event->accept();
        return;
    }
    const QStyle::SubControl part = partAt(event->position().toPoint());
    if (CodeForPart(part)) {
        pressed_ = part;
        pressPoint_ = event->position().toPoint();
        stepPressedPart();
        repeat_.start(kRepeatDelayMs, this);
        update();
        event->accept();
        return;
    }
    if (part == QStyle::SC_ScrollBarSlider && event->buttons() != Qt::LeftButton) {
        // A drag with another button held: the toolkit would ignore it.
        QMouseEvent leftOnly(event->type(), event->position(), event->scenePosition(),
                             event->globalPosition(), Qt::LeftButton, Qt::LeftButton,
                             event->modifiers(), event->pointingDevice());
        QScrollBar::mousePressEvent(&leftOnly);
        event->setAccepted(leftOnly.isAccepted());
        return;
    }
    QScrollBar::mousePressEvent(event);
}

void SlideBar::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ != QStyle::SC_None || event->button() != Qt::LeftButton) {
        if (event->button() == Qt::LeftButton) stopRepeat();
        event->accept();
        return;
    }
    QScrollBar::mouseReleaseEvent(event);
}

void SlideBar::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != QStyle::SC_None) {
        pressPoint_ = event->position().toPoint();
        event->accept();
        return;
    }
    QScrollBar::mouseMoveEvent(event);
}

void SlideBar::timerEvent(QTimerEvent* event) {
    if (event->timerId() != repeat_.timerId()) {
        QScrollBar::timerEvent(event);
        return;
    }
    // Held over its part, the arrow or trough side steps again; moved off
    // it, the bar waits until the pointer comes back.
    if (partAt(pressPoint_) == pressed_) stepPressedPart();
    repeat_.start(kRepeatIntervalMs, this);
}

void SlideBar::stepPressedPart() {
    if (std::optional<ScrollCode> code = CodeForPart(pressed_)) {
        emit scrolled(id_, static_cast<int16_t>(*code));
    }
}

void SlideBar::stopRepeat() {
    repeat_.stop();
    pressed_ = QStyle::SC_None;
    update();
}

void SlideBar::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    update();  // the thumb shows the focus
}

void SlideBar::focusOutEvent(QFocusEvent* event) {
    QScrollBar::focusOutEvent(event);
    update();
}

void SlideBar::paintEvent(QPaintEvent*) {
    // Solid blocks and one pattern fill only: the style's own drawing of a
    // scroll bar ignores the trough brush and its line drawing starts the
    // toolkit's thread pool.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle* s = style();
    auto rectOf = [&](QStyle::SubControl part) {
        return s->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
    };
    const QPalette& colours = palette();
    QPainter painter(this);
    painter.setBrushOrigin(0, 0);
    const QRect groove = rectOf(QStyle::SC_ScrollBarGroove);
    if (troughTile_.isNull()) {
        painter.fillRect(groove, colours.color(QPalette::Mid));
    } else {
        painter.fillRect(groove, QBrush(troughTile_));
    }
    // The trough side held down shows dark, as a pressed button does.
    if (pressed_ == QStyle::SC_ScrollBarSubPage || pressed_ == QStyle::SC_ScrollBarAddPage) {
        painter.fillRect(rectOf(pressed_), colours.color(QPalette::Dark));
    }
    const QColor face = colours.color(QPalette::Button);
    const QColor arrow = colours.color(QPalette::ButtonText);
    for (const auto& [part, left] : {std::pair{QStyle::SC_ScrollBarSubLine, true},
                                     std::pair{QStyle::SC_ScrollBarAddLine, false}}) {
        const QRect r = rectOf(part);
        const bool down = pressed_ == part;
        PaintFace(painter, r, face, colours, down);
        PaintArrow(painter, r, left, arrow, down ? 1 : 0);
    }
    // The focused bar's thumb takes the selection colour, so which bar the
    // arrow keys move can be seen in a light and a dark palette alike.
    const QRect thumb = rectOf(QStyle::SC_ScrollBarSlider);
    PaintFace(painter, thumb, hasFocus() ? colours.color(QPalette::Highlight) : face, colours,
              false);
    if (hasFocus() && thumb.width() > 6 && thumb.height() > 6) {
        painter.fillRect(thumb.adjusted(3, thumb.height() / 2 - 1, -3, -(thumb.height() / 2 - 1)),
                         colours.color(QPalette::HighlightedText));
    }
    paintedThumb_ = thumb;
    ++paintCount_;
}

bool SlideBar::event(QEvent* event) {
    // The bar's own keys are the bar's: claimed before the toolkit matches
    // them against every shortcut of the menus, which each arrow key would
    // otherwise cost. (The window's accelerators have been taken already.)
    if (event->type() == QEvent::ShortcutOverride &&
        CodeForKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QScrollBar::event(event);
}

void SlideBar::keyPressEvent(QKeyEvent* event) {
    std::optional<ScrollCode> code = CodeForKey(event->key());
    if (!code) {
        event->ignore();  // letters and the rest go to the window's keys
        return;
    }
    emit scrolled(id_, static_cast<int16_t>(*code));
    event->accept();
}

void SlideBar::keyReleaseEvent(QKeyEvent* event) {
    // A bar key's release ends here rather than climbing through the parents.
    event->setAccepted(CodeForKey(event->key()).has_value());
}

void SlideBar::wheelEvent(QWheelEvent* event) {
    // One step per notch, decided by the window's wheel handler.
    int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta != 0) emit wheelTurned(delta);
    event->accept();
}

}  // namespace tesmark
