#include "sock/AddressLookup.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <cstring>
#include <optional>

namespace {

using AddressLookup::Endpoint;

// Host names resolved so far, shared by every component of the process so a
// name is asked of the resolver only once. Entries are never removed.
class HostCache
{
public:
    std::optional<std::vector<Endpoint>> find(const QString &name)
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_addresses.constFind(name.toLower());
        if (it == m_addresses.cend())
            return std::nullopt;
        return *it;
    }

    void insert(const QString &name, const std::vector<Endpoint> &addresses)
    {
        QMutexLocker lock(&m_mutex);
        m_addresses.insert(name.toLower(), addresses);
    }

private:
    QMutex m_mutex;
    QHash<QString, std::vector<Endpoint>> m_addresses;
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

QString withoutBrackets(const QString &name)
{
    if (name.size() > 2 && name.front() == u'[' && name.back() == u']')
        return name.mid(1, name.size() - 2);
    return name;
}

std::vector<Endpoint> fromAddrinfo(const addrinfo *found)
{
    std::vector<Endpoint> addresses;
    for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET && entry->ai_family != AF_INET6)
            continue;
        Endpoint endpoint;
        std::memcpy(&endpoint.address, entry->ai_addr, entry->ai_addrlen);
        endpoint.length = entry->ai_addrlen;
        const bool seen = std::any_of(addresses.cbegin(), addresses.cend(), [&](const auto &e) {
            return e.length == endpoint.length
                && std::memcmp(&e.address, &endpoint.address, e.length) == 0;
        });
        if (!seen)
            addresses.push_back(endpoint);
    }
    return addresses;
}

// getaddrinfo for one name; numericOnly reads literals without asking anybody.
std::vector<Endpoint> resolve(const QString &name, bool numericOnly)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = numericOnly ? AI_NUMERICHOST : 0;
    addrinfo *found = nullptr;
    const QByteArray latin1 = name.toLatin1();
    if (latin1.isEmpty() || getaddrinfo(latin1.constData(), nullptr, &hints, &found) != 0)
        return {};
    std::vector<Endpoint> addresses = fromAddrinfo(found);
    freeaddrinfo(found);
    return addresses;
}

void setPort(Endpoint &endpoint, quint16 port)
{
    if (endpoint.family() == AF_INET)
        reinterpret_cast<sockaddr_in *>(&endpoint.address)->sin_port = port;
    else
        reinterpret_cast<sockaddr_in6 *>(&endpoint.address)->sin6_port = port;
}

// Dotted IPv4 as the system has always read it ("127.1" too); else an IPv6 literal.
std::vector<Endpoint> literal(const QString &name)
{
    if (startsWithDigit(name)) {
        in_addr address {};
        if (inet_aton(name.toLatin1().constData(), &address) != 0) {
            Endpoint endpoint;
            auto *v4 = reinterpret_cast<sockaddr_in *>(&endpoint.address);
            v4->sin_family = AF_INET;
            v4->sin_addr = address;
            endpoint.length = sizeof(sockaddr_in);
            return {endpoint};
        }
    }
    const QString bare = withoutBrackets(name);
    if (!bare.contains(u':'))
        return {};
    return resolve(bare, true);
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

bool isLiteral(const QString &name)
{
    return !literal(name).empty();
}

std::vector<Endpoint> hosts(const QString &name, quint16 port)
{
    std::vector<Endpoint> addresses = literal(name);
    // Not an address after all (a name such as "3dhost"): ask the resolver.
    if (addresses.empty()) {
        if (std::optional<std::vector<Endpoint>> cached = hostCache().find(name)) {
            addresses = std::move(*cached);
        } else {
            addresses = resolve(name, false);
            if (!addresses.empty())
                hostCache().insert(name, addresses);
        }
    }
    if (addresses.empty())
        throw ESockException(QStringLiteral("Host Lookup - Could Not Find Host Entry"));
    for (Endpoint &endpoint : addresses)
        setPort(endpoint, port);
    return addresses;
}

void remember(const QString &name, const QStringList &literals)
{
    std::vector<Endpoint> addresses;
    for (const QString &text : literals)
        for (const Endpoint &endpoint : literal(text))
            addresses.push_back(endpoint);
    if (!addresses.empty())
        hostCache().insert(name, addresses);
}

QString addressText(const sockaddr *address)
{
    if (address->sa_family == AF_INET)
        return dottedAddress(reinterpret_cast<const sockaddr_in *>(address)->sin_addr.s_addr);
    const auto *v6 = reinterpret_cast<const sockaddr_in6 *>(address);
    if (IN6_IS_ADDR_V4MAPPED(&v6->sin6_addr)) {
        quint32 v4 = 0;
        std::memcpy(&v4, v6->sin6_addr.s6_addr + 12, sizeof v4);
        return dottedAddress(v4);
    }
    char text[INET6_ADDRSTRLEN] = {};
    inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
    return QString::fromLatin1(text);
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
