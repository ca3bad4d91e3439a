// Port and host lookup for TSock: numbers and dotted addresses are read as
// they are, names are asked of the system. Results are in network byte order.
#pragma once

#include "sock/Sock.h"

#include <QString>

namespace AddressLookup {

// Raises "Port Lookup - Could Not Find Service Entry" for a name that is
// neither a number up to 65535 nor a service of the socket's type.
quint16 port(const QString &portName, TSocketType type);
// Raises "Host Lookup - Could Not Find Host Entry"; a name found once is not
// asked of the resolver again in this process.
quint32 host(const QString &name);
QString dottedAddress(quint32 address);

} // namespace AddressLookup
