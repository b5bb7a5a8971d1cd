// The floor under every step the probe measures: a bare Qt window of the
// program's client width that answers each arrow key by repainting the
// rectangles one cursor step (after "c") or one slide step (after "s") of the
// program repaints, each as one solid fill. What the probe measures here is
// what Qt, the X connection and the display server cost for a key and a
// repaint of that damage, with next to no paint of its own. The probe steps
// it after each run of the program (window_probe --floor, which
// scripts/measure-window.sh passes), so that both meet the same load.
//
// The width comes from the throwaway profile the probe writes for the
// program; the rectangles are the damage the probe prints for the program.
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

constexpr int kNarrowestClient = 625;

int ClientWidthFromProfile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings profile(folder + QStringLiteral("/Corvane/Tesmark.conf"), QSettings::IniFormat);
    return kNarrowestClient + profile.value(QStringLiteral("TesmarkX/CxSize"), 255).toInt();
}

// The damage of one step of the program at client width `width`: the cursor
// glass and its readout box stand at the middle, the index boxes at the ends.
QRegion StepDamage(bool slide, int width) {
    const int middle = width / 2 - 93;
    const int right = width - 79;
    QRegion region;
    if (!slide) {
        region += QRect(middle, 59, 56, 50);
        region += QRect(middle, 110, 56, 66);
        region += QRect(middle, 177, 56, 50);
        return region;
    }
    for (int x : {30, right}) {
        region += QRect(x, 59, 58, 51);
        region += QRect(x, 110, 58, 66);
        region += QRect(x, 176, 58, 51);
    }
    region += QRect(middle, 110, 56, 66);
    return region;
}

class BareWindow : public QWidget {
  public:
    explicit BareWindow(int width) {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(width, 300);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_C:
                slide_ = false;
                break;
            case Qt::Key_S:
                slide_ = true;
                break;
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                ++steps_;
                update(StepDamage(slide_, width()));
                break;
            default:
                QWidget::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        // The probe waits for a dark rule area before it sends keys.
        if (steps_ == 0) {
            painter.fillRect(rect(), Qt::black);
            return;
        }
        const QColor colour = steps_ % 2 ? Qt::white : Qt::lightGray;
        for (const QRect& rect : event->region()) painter.fillRect(rect, colour);
    }

  private:
    bool slide_ = false;
    long steps_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window(ClientWidthFromProfile());
    window.show();
    return QApplication::exec();
}
