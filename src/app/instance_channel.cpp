#include "app/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace tesmark {

namespace {
// A first copy that has just taken the lock may not listen yet.
constexpr int kConnectAttempts = 20;
constexpr int kAttemptTimeoutMs = 100;
}  // namespace

ActivationServer::ActivationServer(const QString& name, std::function<void()> activate,
                                   QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), activate_(std::move(activate)) {
    // Only the holder of the instance lock gets here, so a socket left by
    // a copy that crashed is stale.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->deleteLater();
            if (activate_) activate_();
        }
    });
}

bool ActivationServer::listening() const {
    return server_->isListening();
}

bool AskRunningInstanceToActivate(const QString& name) {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(kAttemptTimeoutMs)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(kAttemptTimeoutMs);
    }
    return false;
}

}  // namespace tesmark
