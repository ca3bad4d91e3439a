#include "host/Lead.h"

bool Lead::mayLead(int seat) const
{
    return seat != 0 && m_seats[seat].inUse && m_seats[seat].signedIn && !m_seats.isComputer(seat);
}

int Lead::update()
{
    // The leader keeps the lead as long as it stays; a newcomer never takes it.
    // Only when the leader leaves does it pass, to the lowest person's seat.
    if (m_options.hostSeatReserved || mayLead(m_announced))
        return 0;
    int lead = 0;
    for (int seat = 1; seat <= m_seats.highestSeat && lead == 0; ++seat) {
        if (mayLead(seat))
            lead = seat;
    }
    if (lead == m_announced)
        return 0;
    m_announced = lead;
    if (lead == 0 || (lead == 1 && !m_moved))
        return 0;
    m_moved = true;
    m_seats.sendToAllWho(Protocol::Capability::Lead,
                         Protocol::Msg::leads(lead, m_seats[lead].loginName));
    return lead;
}

void Lead::tellTo(int seat) const
{
    if (m_options.hostSeatReserved || m_announced == 0 || m_announced == 1
        || !m_seats.understands(seat, Protocol::Capability::Lead))
        return;
    m_seats.send(seat, Protocol::Msg::leads(m_announced, m_seats[m_announced].loginName));
}
