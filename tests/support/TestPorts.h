// The one way tests pick a port: one that nothing listens on right now.
#pragma once

#include <QtGlobal>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A loopback port chosen by the system, bound once and released: a host can
// listen there, and a client that connects there finds nobody.
inline quint16 freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = probe >= 0
        && ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0;
    const int error = errno;
    if (probe >= 0)
        ::close(probe);
    if (!bound)
        qFatal("no free port: %s", std::strerror(error));
    return ntohs(address.sin_port);
}
