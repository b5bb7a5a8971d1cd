#include "platform/close_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace tesmark {

#ifdef Q_OS_UNIX
namespace {

// [0] is written by the handler, [1] read by the event loop. Never closed:
// a handler may run at any moment until the process ends.
int g_signalPipe[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: when the pipe is full a close is already pending.
    [[maybe_unused]] ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    errno = saved;
}

bool OpenSignalPipe() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return false;
    for (int fd : g_signalPipe) {
        ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

}  // namespace
#endif

void CloseOnSignal::InstallHandlers() {
#ifdef Q_OS_UNIX
    if (g_signalPipe[0] >= 0 || !OpenSignalPipe()) return;
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
#endif
}

CloseOnSignal::CloseOnSignal(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
#ifdef Q_OS_UNIX
    InstallHandlers();
    if (g_signalPipe[1] < 0) return;
    notifier_ = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::onSignal);
#endif
}

// The handlers stay installed: a signal after this point (the profile is
// being saved) only writes to the pipe.
CloseOnSignal::~CloseOnSignal() = default;

void CloseOnSignal::onSignal() {
#ifdef Q_OS_UNIX
    char bytes[64];
    while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) {
    }
#endif
    if (closing_) return;
    closing_ = true;
    if (close_) {
        close_();
    } else {
        QCoreApplication::quit();
    }
}

}  // namespace tesmark
