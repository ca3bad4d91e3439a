// Players who drop out of a game and come back: the seat kept for them is
// found by their token or name and given back with score and answers, and the
// others hear of the return; a newcomer who finds no other seat free takes a
// kept seat over. What is kept per seat is KeptSeats' to say.
#pragma once

#include "host/HostSeats.h"
#include "host/KeptSeats.h"

class SeatReturns
{
public:
    SeatReturns(const HostSeats &seats, KeptSeats &kept, const bool &gameRunning)
        : m_seats(seats), m_kept(kept), m_gameRunning(gameRunning)
    { }

    // Whether the message from the seat is acted on: a newcomer waiting on a
    // kept seat may only sign in, as the score and answers there are still
    // its player's.
    bool mayAct(int seat, const QString &message) const;
    // The seat a player signing in on `seat` comes back to, by the token it
    // presented or by name (see KeptSeats::seatFor); 0 for none.
    int returningTo(int seat, const QString &typed) const;
    // The player waited as a newcomer on its own kept seat: it is back.
    void backInPlace(int seat);
    // Whether a connection still holds the seat a player takes back from
    // another connection (a phone that slept, a cable pulled, or a newcomer
    // waiting on the kept seat); it goes without a word to the others.
    bool heldStill(int seat) const;
    // The records of a player taking its own seat back from the seat it came
    // in on, which was never announced and is simply free again.
    void moveRecords(int from, int to);
    // A newcomer on a kept seat signs in. A stranger with the name of the
    // player the seat is kept for is turned away (false); anyone else takes
    // the seat over and plays on with its score.
    bool takeOver(int seat, const QString &typed);

    // The others see a return, not a new arrival; clients that do not know
    // returns see the name arrive again.
    void announceReturn(int seat) const;
    // Our clients hear who took over a seat left during the game, unless its
    // own player came back late.
    void announceTakeOver(int seat) const;
    // Shows a player who signed in the seats in use and those kept.
    void showTableTo(int seat) const;
    // Fills the boxes of a player back while answers are typed, so they go out
    // once more at its time-out.
    void giveAnswersBack(int seat) const;
    // The seat's connection is going: the others hear of it, and while a game
    // runs the seat is kept for its player's return (true), unless the
    // leader removed the player. `address` is where the connection came from.
    bool seatLeft(int seat, const QString &address);

    // A game ended or another began: our clients hear that kept seats are free.
    void releaseAll();
    // One game second; true while a seat is still kept.
    bool tick();

private:
    // Tells the others that the seat's player left: removed by the leader, or
    // away with the seat kept (a person's: computer players leave quietly), or
    // simply gone. `keptStill` when a newcomer left the kept seat it waited on.
    void announceDeparture(int seat, bool keep, bool keptStill) const;
    // Our clients showed the seat as kept; others saw its player go already.
    void tellSeatFreed(int seat, const QString &name) const;

    const HostSeats &m_seats;
    KeptSeats &m_kept;
    const bool &m_gameRunning;
};
