#pragma once
// The way a second start reaches the running copy: a local socket named
// per user. The running copy listens and brings its window to the front
// when a second start connects.
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tesmark {

class ActivationServer : public QObject {
    Q_OBJECT
  public:
    // `activate` runs on the event loop for every second start.
    ActivationServer(const QString& name, std::function<void()> activate,
                     QObject* parent = nullptr);
    // False when the socket could not be made (a second start then only
    // says that Tesmark runs).
    bool listening() const;

  private:
    QLocalServer* server_;
    std::function<void()> activate_;
};

// Asks the running copy to show its window; true when it was reached.
bool AskRunningInstanceToActivate(const QString& name);

}  // namespace tesmark
