#include "host/PortProblem.h"

#include <cerrno>
#include <cstring>

namespace {
// Ports below this need administrator rights on most systems.
constexpr quint16 FirstUserPort = 1024;
} // namespace

QString portProblem(quint16 port, int systemError, const QString &fallback)
{
    if (systemError == EADDRINUSE)
        return QStringLiteral("Port %1 is in use by another program: close it, or choose another "
                              "port.")
            .arg(port);
    if ((systemError == EACCES || systemError == EPERM) && port < FirstUserPort)
        return QStringLiteral("Port %1 needs administrator rights: choose a port from %2 up.")
            .arg(port)
            .arg(FirstUserPort);
    const QString cause
        = systemError ? QString::fromLocal8Bit(std::strerror(systemError)) : fallback;
    return QStringLiteral("Port %1 could not be opened (%2): choose another port.")
        .arg(port)
        .arg(cause.isEmpty() ? QStringLiteral("unknown error") : cause);
}
