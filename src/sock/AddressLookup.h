// Port and host lookup for TSock: numbers and literal addresses of either
// family are read as they are, names are asked of the system. Results are in
// network byte order.
#pragma once

#include "sock/Sock.h"

#include <QString>

#include "sock/SockAddress.h"

#include <vector>

namespace AddressLookup {

// Raises "Port Lookup - Could Not Find Service Entry" for a name that is
// neither a number up to 65535 nor a service of the socket's type.
quint16 port(const QString &portName, TSocketType type);
// Every address of the host, in the resolver's order: an IPv4 or IPv6
// literal ("[::1]" and "fe80::1%eth0" too) gives itself. Raises "Host Lookup -
// Could Not Find Host Entry"; a name found once is not asked of the resolver
// again in this process.
std::vector<Endpoint> hosts(const QString &name, quint16 port);
// Whether the text is an address of either family, so reading it blocks on nothing.
bool isLiteral(const QString &name);
// Addresses a name resolved to elsewhere (say, without blocking the caller):
// later lookups of the name take them.
void remember(const QString &name, const QStringList &literals);
// The address as text: dotted for IPv4 and IPv4 mapped into IPv6.
QString addressText(const sockaddr *address);
QString dottedAddress(quint32 address);

} // namespace AddressLookup
