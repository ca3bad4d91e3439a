#include "sock/AddressLookup.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <optional>

namespace {

// Host names resolved so far, shared by every component of the process so a
// name is asked of the resolver only once. Entries are never removed.
class HostCache
{
public:
    std::optional<quint32> find(const QString &name)
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_addresses.constFind(name.toLower());
        if (it == m_addresses.cend())
            return std::nullopt;
        return *it;
    }

    void insert(const QString &name, quint32 address)
    {
        QMutexLocker lock(&m_mutex);
        m_addresses.insert(name.toLower(), address);
    }

private:
    QMutex m_mutex;
    QHash<QString, quint32> m_addresses;
};

HostCache &hostCache()
{
    static HostCache cache;
    return cache;
}

bool startsWithDigit(const QString &text)
{
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace

namespace AddressLookup {

quint16 port(const QString &portName, TSocketType type)
{
    if (startsWithDigit(portName)) {
        bool ok = false;
        const uint port = portName.toUInt(&ok, 10);
        if (!ok || port > 0xFFFF)
            throw ESockException(QStringLiteral("Port Lookup - Could Not Find Service Entry"));
        return htons(quint16(port));
    }
    const QByteArray service = portName.toLatin1();
    const servent *entry = service.isEmpty()
        ? nullptr
        : getservbyname(service.constData(), type == stDatagram ? "udp" : "tcp");
    if (!entry)
        throw ESockException(QStringLiteral("Port Lookup - Could Not Find Service Entry"));
    return quint16(entry->s_port);
}

quint32 host(const QString &name)
{
    const QByteArray latin1 = name.toLatin1();
    if (startsWithDigit(name)) {
        in_addr address {};
        if (inet_aton(latin1.constData(), &address) != 0)
            return address.s_addr;
        // Not dotted after all (a name such as "3dhost"): ask the resolver.
    }
    if (const std::optional<quint32> cached = hostCache().find(name))
        return *cached;

    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(latin1.constData(), nullptr, &hints, &found) != 0 || !found)
        throw ESockException(QStringLiteral("Host Lookup - Could Not Find Host Entry"));
    const quint32 address = reinterpret_cast<const sockaddr_in *>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    hostCache().insert(name, address);
    return address;
}

QString dottedAddress(quint32 address)
{
    char text[INET_ADDRSTRLEN] = {};
    in_addr in {};
    in.s_addr = address;
    inet_ntop(AF_INET, &in, text, sizeof text);
    return QString::fromLatin1(text);
}

} // namespace AddressLookup
