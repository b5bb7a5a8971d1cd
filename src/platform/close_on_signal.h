#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C) into a
// close of the main window, so the ordinary shutdown saves the profile. The
// handler only writes a byte to a socket pair; the event loop reads it.
// Once installed, the handlers stay for the life of the process: a second
// signal while the profile is being saved is absorbed, never fatal.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tesmark {

class CloseOnSignal : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; call it first thing, before anything can block.
    // A signal that arrives before a CloseOnSignal exists waits in the pipe.
    static void InstallHandlers();

    // `close` runs on the event loop after the first signal (typically
    // closing the main window); later signals are absorbed.
    explicit CloseOnSignal(std::function<void()> close, QObject* parent = nullptr);
    ~CloseOnSignal() override;

  private:
    void onSignal();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
    bool closing_ = false;
};

}  // namespace tesmark
