#pragma once
// The formula tooltip over the scale names: one tooltip window owned by the
// main window, shown for the name under the resting mouse and hidden when
// the mouse leaves that name, a button or key is pressed, the wheel turns or
// the window goes inactive or hides. It is a window of its own rather than
// QToolTip: QToolTip takes its colours from the application's palette,
// shared with every other tooltip and the desktop's theme, while this one
// keeps its near-black (or the name's green or red) text on light grey with
// 3-pixel margins under any style or palette.
#include <QBasicTimer>
#include <QLabel>
#include <QRect>

#include "render/surface.h"

namespace tesmark {

class ScaleTooltip : public QLabel {
    Q_OBJECT
  public:
    explicit ScaleTooltip(QWidget* owner);

    // Shows `text` in `colour` near the global point `at`, for the area
    // `area` of `over` (widget coordinates); leaving the area hides it.
    void showTip(const QPoint& at, const QString& text, Rgb colour, QWidget* over,
                 const QRect& area);
    void hideTip();
    Rgb textColour() const { return colour_; }

    // How long a tip stays when the mouse rests on it.
    static constexpr int kShowMs = 10000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void place(const QPoint& at);

    Rgb colour_{};
    QWidget* over_ = nullptr;
    QRect area_;
    QBasicTimer expiry_;
};

}  // namespace tesmark
