#pragma once
// SlideBar: a horizontal scroll bar whose thumb only the scroll handler
// moves. Clicks on the arrows and in the trough, thumb drags, the bar's keys
// and the wheel are turned into scroll codes and handed on; the bar puts its
// thumb back until the handler sets it.
#include <QScrollBar>

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

  signals:
    void scrolled(tesmark::BarId bar, int16_t code);
    void wheelTurned(int delta);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void onAction(int action);
    void onReleased();

    BarId id_;
    int32_t thumb_ = 0;
    int32_t track_ = 0;
    bool settingThumb_ = false;
};

}  // namespace tesmark
