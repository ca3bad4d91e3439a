#include "host/KeptSeats.h"

void KeptSeats::keep(int seat, const QString &name, const QString &typed, const QString &address)
{
    Seat &s = m_seats[std::size_t(seat)];
    s.keptFor = name;
    s.keptTyped = typed;
    s.keptAddress = address;
    s.keptSecondsLeft = KeepSeconds;
}

int KeptSeats::seatFor(const QString &typed, const QString &address, int landing) const
{
    const QString key = Protocol::nameKey(typed);
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat) {
        const Seat &s = m_seats[std::size_t(seat)];
        if ((!s.inUse || seat == landing) && !s.keptFor.isEmpty()
            && Protocol::nameKey(s.keptTyped) == key && s.keptAddress == address)
            return seat;
    }
    return 0;
}

int KeptSeats::seatToGiveUp(int first) const
{
    int chosen = 0;
    for (int seat = first; seat <= Protocol::PlayingSeats; ++seat) {
        const Seat &s = m_seats[std::size_t(seat)];
        if (!s.inUse && !s.keptFor.isEmpty()
            && (chosen == 0 || s.keptSecondsLeft < m_seats[std::size_t(chosen)].keptSecondsLeft))
            chosen = seat;
    }
    return chosen;
}

void KeptSeats::giveUp(int seat)
{
    Seat &s = m_seats[std::size_t(seat)];
    release(s);
    s.departed.clear();
    s.gameScore = 0;
    s.answersShown = 0;
    s.clearRound();
}

void KeptSeats::end(int seat)
{
    end(m_seats[std::size_t(seat)]);
}

void KeptSeats::release(Seat &s)
{
    end(s);
    s.keptAddress.clear();
    s.resumeToken.clear();
}

void KeptSeats::end(Seat &s)
{
    s.keptFor.clear();
    s.keptTyped.clear();
    s.keptSecondsLeft = 0;
}

void KeptSeats::releaseAll()
{
    for (int seat = 1; seat < int(m_seats.size()); ++seat) {
        if (!m_seats[std::size_t(seat)].keptFor.isEmpty())
            release(m_seats[std::size_t(seat)]);
    }
}

bool KeptSeats::tick()
{
    bool waiting = false;
    for (Seat &s : m_seats) {
        if (s.keptFor.isEmpty())
            continue;
        if (--s.keptSecondsLeft > 0)
            waiting = true;
        else
            release(s); // free as any other seat, its score still stored
    }
    return waiting;
}
