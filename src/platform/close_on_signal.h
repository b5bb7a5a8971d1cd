#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C) into a
// close of the main window, so the ordinary shutdown saves the profile. The
// handler only writes a byte to a pipe; the event loop reads it.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tesmark {

class CloseOnSignal : public QObject {
    Q_OBJECT
  public:
    // `close` runs on the event loop after each signal (typically closing the
    // main window).
    explicit CloseOnSignal(std::function<void()> close, QObject* parent = nullptr);
    ~CloseOnSignal() override;

  private:
    void onSignal();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tesmark
