#include "ui/slide_bar.h"

#include <QKeyEvent>
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

void SlideBar::keyPressEvent(QKeyEvent* event) {
    std::optional<BarKey> key = BarKeyOf(event->key());
    std::optional<ScrollCode> code = key ? ScrollCodeForKey(*key) : std::nullopt;
    if (!code) {
        event->ignore();  // letters and the rest go to the window's keys
        return;
    }
    emit scrolled(id_, static_cast<int16_t>(*code));
    event->accept();
}

void SlideBar::wheelEvent(QWheelEvent* event) {
    // One step per notch, decided by the window's wheel handler.
    int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta != 0) emit wheelTurned(delta);
    event->accept();
}

}  // namespace tesmark
