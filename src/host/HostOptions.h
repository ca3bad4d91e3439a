// How a host is set up: where it listens, how long a game second lasts and
// who may take the host player's seat.
#pragma once

#include "protocol/GameFacts.h"

#include <QString>

struct HostOptions
{
    quint16 port = GameFacts::DefaultPort;
    // Local address to listen on; empty for all addresses.
    QString bindAddress;
    // Length of one second of the round clock; tests shorten it.
    int secondMs = GameFacts::DefaultSecondMs;
    // True when the hosting program's own client signs in as seat 1: seat 1 is
    // then kept for a connection from this machine (loopback), so a remote
    // player who connects first cannot take the host player's rights. A
    // stand-alone host has no client of its own and gives seat 1 to whoever
    // connects first.
    bool hostSeatReserved = true;
};
