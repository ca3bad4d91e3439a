// The host's seats as its helpers see them: the game records, the
// connections that hold them, and sending to them. TServer owns the records
// and the connections; this only refers to them.
#pragma once

#include "host/PeerConnection.h"
#include "host/Seat.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

using ConnectionTable = std::array<std::unique_ptr<PeerConnection>, SeatTableSize + 1>;

struct HostSeats
{
    SeatTable &records;
    ConnectionTable &connections;
    // Seats above it were never handed out.
    const int &highestSeat;
    // Sends to one seat the way the host does (its send hook, its limit on
    // bytes a slow reader leaves unsent).
    std::function<void(int seat, const QByteArray &bytes)> send;

    static bool isSeatNumber(int seat) { return seat >= 1 && seat <= SeatTableSize; }
    // Whether a message naming `seat` as its sender may come from `origin`
    // (0 for a message injected in-process, whose seat fields are trusted).
    static bool sentBy(int seat, int origin) { return origin == 0 || origin == seat; }

    Seat &operator[](int seat) const { return records[std::size_t(seat)]; }
    // The connection that holds the seat; null when none does.
    PeerConnection *connection(int seat) const
    {
        return isSeatNumber(seat) ? connections[std::size_t(seat)].get() : nullptr;
    }
    bool understands(int seat, const char *word) const
    {
        return connection(seat) && connection(seat)->understands(word);
    }
    bool isComputer(int seat) const
    {
        const PeerConnection *c = connection(seat);
        return c && c->announced && c->kind == Protocol::PeerKind::Computer;
    }

    void sendToAll(const QByteArray &bytes) const;
    // Sends an addition to every seat in use whose peer announced its word.
    void sendToAllWho(const char *word, const QByteArray &bytes) const;
    // The login names of the seats in use other than `seat`.
    QStringList namesOfOthers(int seat) const;
    // The names (as Protocol::nameKey reads them) a player signing in on the
    // seat may not have: those of the other seats in use and of kept seats.
    QStringList takenNames(int seat) const;
    // Whether every signed-in playing seat that is not just watching is ours.
    bool everyPlayerIsOurs() const;
    // Whether a player sits at the table and every seated player who does
    // not just watch said it is done.
    bool everyPlayerDone() const;
};
