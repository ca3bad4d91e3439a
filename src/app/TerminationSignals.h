// Turns SIGINT and SIGTERM into a call on the event loop, so a program that
// its session or a terminal stops ends like a normal close and keeps its files.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>

namespace TerminationSignals {

// Written by the signal handler, read on the event loop: the only safe way to
// leave a POSIX signal handler for Qt code.
inline int signalPipe[2] = {-1, -1};

inline void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// Calls handler on the event loop of context's thread at every SIGINT or
// SIGTERM; false when the handlers could not be installed.
inline bool install(QObject *context, std::function<void()> handler)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [handler = std::move(handler)] {
                         char byte = 0;
                         [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
                         handler();
                     });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0
        && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

} // namespace TerminationSignals
