#include "platform/Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velto {

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void forwardSignal(int)
{
    // Async-signal-safe only: wake the event loop, and end the process
    // (endNow) should no loop take the request up within 2 s.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    ::alarm(2);
    errno = savedErrno;
}

extern "C" void endNow(int)
{
    ::_exit(0);
}

} // namespace

void catchTerminationSignals()
{
    // Non-blocking: a burst of signals must never block the handler.
    if (signalPipe[0] >= 0
        || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    action.sa_handler = endNow;
    ::sigaction(SIGALRM, &action, nullptr);
    action.sa_handler = forwardSignal;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void onTerminationRequest(std::function<void()> handler)
{
    catchTerminationSignals();
    if (signalPipe[1] < 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler = std::move(handler)] {
        ::alarm(0); // taken up: the handler ends the program its own way
        char bytes[16];
        while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        handler();
    });
}

} // namespace velto
