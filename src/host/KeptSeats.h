// Seats their players left during a game, kept for those names for a while
// with score and answers, so the same player can take the seat back.
#pragma once

#include "host/Seat.h"

#include <QString>

class KeptSeats
{
public:
    // Game seconds a seat left during a game is kept for its player's return.
    static constexpr int KeepSeconds = 120;

    explicit KeptSeats(SeatTable &seats) : m_seats(seats) { }

    void keep(int seat, const QString &name, const QString &typed, const QString &address);
    // The playing seat kept for a player who typed the same name (see
    // Protocol::nameKey) and comes from the address that held it: a free one,
    // or `landing` when the player was seated on its own kept seat; 0 for none.
    int seatFor(const QString &typed, const QString &address, int landing) const;
    // The kept seat a newcomer may have when no other seat is free: the one
    // whose player has had the longest to come back; 0 when none is kept.
    int seatToGiveUp(int first) const;
    // Frees a kept seat for a newcomer, who plays with its own score.
    void giveUp(int seat);
    // The player is back: the seat is no longer waiting for it.
    void end(int seat);
    // Whether a newcomer waits on the kept seat, which stays kept until it
    // signs in (see TServer::chooseSeat).
    static bool heldByNewcomer(const Seat &s) { return s.inUse && !s.keptFor.isEmpty(); }
    // A game ended or another began: every seat is free as before.
    void releaseAll();
    // One game second; true while a seat is still kept.
    bool tick();

private:
    static void end(Seat &s);
    // Nobody comes back to the seat: its token is void too.
    static void release(Seat &s);

    SeatTable &m_seats;
};
