// Who gets a seat and under what name: the time a connection has to sign in
// and which one makes way for a newcomer, the name a player signs in with,
// the names the leader barred, and the secret tokens players come back with.
#pragma once

#include "host/HostSeats.h"
#include "protocol/GameFacts.h"

#include <QList>

class SignInGate
{
public:
    // Game seconds a connection has to sign in.
    static constexpr int SignInSeconds = 60;
    // Longer login names are cut to this many characters.
    static constexpr int MaxNameLength = GameFacts::MaxNameLength;

    explicit SignInGate(const HostSeats &seats) : m_seats(seats) { }

    // The name a player signs in with on the seat, from what it typed:
    // cleaned as it is shown, cut to the longest name, without the ending the
    // host gives a name another seat goes by, never blank.
    static QString typedName(int seat, const QString &requested);
    // The name, with " (2)", " (3)", ... added while another seat in use or
    // kept goes by it (see Protocol::nameKey).
    QString distinctName(int seat, const QString &name) const;

    // Signs the player in on the seat under a name of its own (see
    // distinctName); one moved back to its kept seat keeps the name it was
    // kept for, which is a return (true). A peer that presents tokens gets a
    // new one with each sign-in.
    bool admit(int seat, const QString &typed) const;

    // The leader removed a player of that name: it stays out until the game
    // under way, or the next one, ends.
    void bar(const QString &name) { m_barred.append(Protocol::nameKey(name)); }
    bool isBarred(const QString &name) const { return m_barred.contains(Protocol::nameKey(name)); }
    void liftBars() { m_barred.clear(); }

    // A new resume token: 128 bits from the system's secure source.
    static QString newToken();

    // One game second of the connections that have not signed in yet.
    struct Tick
    {
        // Whose time ran out now.
        QList<int> expired;
        // Whether others still wait.
        bool waiting = false;
    };
    Tick tick();
    // The connection to close when a newcomer finds every seat taken: the
    // oldest one, on a seat from `first` on, still waiting to sign in, from the
    // address with the most of them (0 for none); and how many that address has.
    struct Waiter
    {
        int seat = 0;
        qsizetype fromItsAddress = 0;
    };
    Waiter oldestWaiting(int first) const;

private:
    const HostSeats &m_seats;
    QStringList m_barred;
};
