#pragma once
// SlideBar: a horizontal scroll bar whose thumb only the scroll handler
// moves. Clicks on the arrows and in the trough, thumb drags, the bar's keys
// and the wheel are turned into scroll codes and handed on; the bar puts its
// thumb back until the handler sets it.
//
// The bar presses its arrows and trough itself, with its own auto-repeat:
// the toolkit's scroll bar ignores a left press while the right button is
// held and stops repeating when the right button goes down, and the right
// button chooses the step of the scroll handler. It paints itself too: the
// trough with the colour-mapped bar pattern, the thumb highlighted while the
// bar has the keyboard focus, from solid blocks only, and only when the
// pixels it shows change.
#include <QBasicTimer>
#include <QImage>
#include <QScrollBar>
#include <QStyle>

#include "ops/scroll_handler.h"
#include "ops/window_port.h"

namespace tesmark {

class SlideBar : public QScrollBar {
    Q_OBJECT
  public:
    SlideBar(BarId id, QWidget* parent);

    BarId id() const { return id_; }
    // The thumb as the handler last set it.
    int32_t thumb() const { return thumb_; }
    void setThumb(int32_t position);
    // The 32-bit position of the current or last thumb drag.
    int32_t trackPosition() const { return track_; }

    // The tile that fills the trough, aligned to the bar's top left corner.
    void setTroughTile(const QImage& tile);
    // Where the thumb stands in the bar, in the bar's pixels.
    QRect thumbRect() const;
    // The part of the bar under a point: an arrow, a trough side, the thumb
    // or nothing.
    QStyle::SubControl partAt(const QPoint& point) const;
    // How many times the bar was painted (a thumb that moves by less than a
    // pixel does not repaint it).
    int paintCount() const { return paintCount_; }

    // The auto-repeat of a held arrow or trough: the first repeat after the
    // initial delay, then one per interval.
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 50;

  signals:
    void scrolled(tesmark::BarId bar, int16_t code);
    void wheelTurned(int delta);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void sliderChange(SliderChange change) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onAction(int action);
    void onReleased();
    void stepPressedPart();
    void stopRepeat();
    // Repaints the bar when the thumb's pixels differ from the painted ones.
    void updateIfThumbMoved();

    BarId id_;
    int32_t thumb_ = 0;
    int32_t track_ = 0;
    bool settingThumb_ = false;
    QImage troughTile_;
    QStyle::SubControl pressed_ = QStyle::SC_None;  // the arrow or trough side held
    QPoint pressPoint_;
    QBasicTimer repeat_;
    QRect paintedThumb_;
    int paintCount_ = 0;
};

}  // namespace tesmark
