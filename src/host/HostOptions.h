// How a host is set up: where it listens, how long a game second lasts and
// who may take the host player's seat.
#pragma once

#include <QString>

struct HostOptions
{
    static constexpr quint16 DefaultPort = 7772;
    static constexpr int DefaultSecondMs = 1000;

    quint16 port = DefaultPort;
    // Local address to listen on; empty for all addresses.
    QString bindAddress;
    // Length of one second of the round clock; tests shorten it.
    int secondMs = DefaultSecondMs;
    // True when the hosting program's own client signs in as seat 1: seat 1 is
    // then kept for a connection from this machine (loopback), so a remote
    // player who connects first cannot take the host player's rights. A
    // stand-alone host has no client of its own and gives seat 1 to whoever
    // connects first.
    bool hostSeatReserved = true;

    // The defaults, overridden by LEXIBURST_PORT and LEXIBURST_SECOND_MS.
    static HostOptions fromEnvironment();
};
