#pragma once
// The client area of the main window: (625 + extra width) x 325 pixels in
// the client coordinates every layout constant uses. It shows the window's
// back buffer and hands mouse messages to the window.
#include <QWidget>

namespace tesmark {

class CMainWindow;

class ClientArea : public QWidget {
    Q_OBJECT
  public:
    ClientArea(CMainWindow* window, QWidget* parent);

    CMainWindow* mainWindow() const { return window_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

  private:
    CMainWindow* window_;
};

}  // namespace tesmark
