// Who leads the table, the seat that may start games and remove players:
// seat 1 on the hosting program; on a stand-alone host the first person to
// sign in, and when its player leaves, the lowest seat of a signed-in person.
// Computer players never lead: a table of them alone waits for a person.
#pragma once

#include "host/HostOptions.h"
#include "host/HostSeats.h"

class Lead
{
public:
    Lead(const HostSeats &seats, const HostOptions &options)
        : m_seats(seats), m_options(options) { }

    // 0 while nobody may lead.
    int seat() const { return m_options.hostSeatReserved ? 1 : m_announced; }
    // Passes the lead on when its holder is gone or turned out to be a
    // computer player, and tells our clients. Returns the new lead when they
    // were told of it, else 0.
    int update();
    // Tells a peer of ours, which just said it understands, of a lead other
    // than seat 1 (every client takes seat 1 until it hears otherwise).
    void tellTo(int seat) const;

private:
    bool mayLead(int seat) const;

    const HostSeats &m_seats;
    const HostOptions &m_options;
    // The lead on a stand-alone host, as the clients were told of it.
    int m_announced = 0;
    // Whether clients were ever told of a lead other than seat 1.
    bool m_moved = false;
};
