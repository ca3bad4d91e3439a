// One socket address of either IP family, as the system's calls take it.
#pragma once

#include <sys/socket.h>

namespace AddressLookup {

struct Endpoint
{
    sockaddr_storage address {};
    socklen_t length = 0;

    int family() const { return address.ss_family; }
    const sockaddr *data() const { return reinterpret_cast<const sockaddr *>(&address); }
};

} // namespace AddressLookup
