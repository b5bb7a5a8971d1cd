#include "platform/close_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#endif

namespace tesmark {

#ifdef Q_OS_UNIX
namespace {

int g_signalPipe[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const char byte = 1;
    // Async-signal-safe; a full pipe already holds a pending close.
    [[maybe_unused]] ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

}  // namespace
#endif

CloseOnSignal::CloseOnSignal(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
#ifdef Q_OS_UNIX
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::onSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
#endif
}

CloseOnSignal::~CloseOnSignal() {
#ifdef Q_OS_UNIX
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
#endif
}

void CloseOnSignal::onSignal() {
#ifdef Q_OS_UNIX
    char byte = 0;
    [[maybe_unused]] ssize_t got = ::read(g_signalPipe[1], &byte, 1);
#endif
    if (close_) {
        close_();
    } else {
        QCoreApplication::quit();
    }
}

}  // namespace tesmark
