#include "host/HostSeats.h"

void HostSeats::sendToAll(const QByteArray &bytes) const
{
    for (int seat = 1; seat <= highestSeat; ++seat) {
        if ((*this)[seat].inUse)
            send(seat, bytes);
    }
}

void HostSeats::sendToAllWho(const char *word, const QByteArray &bytes) const
{
    for (int seat = 1; seat <= highestSeat; ++seat) {
        if ((*this)[seat].inUse && understands(seat, word))
            send(seat, bytes);
    }
}

QStringList HostSeats::namesOfOthers(int seat) const
{
    QStringList names;
    for (int other = 1; other <= highestSeat; ++other) {
        if (other != seat && (*this)[other].inUse && !(*this)[other].loginName.isEmpty())
            names.append((*this)[other].loginName);
    }
    return names;
}

QStringList HostSeats::takenNames(int seat) const
{
    QStringList keys;
    for (int other = 1; other <= highestSeat; ++other) {
        const Seat &o = (*this)[other];
        if (other != seat && o.inUse && !o.loginName.isEmpty())
            keys.append(Protocol::nameKey(o.loginName));
        if (!o.keptFor.isEmpty())
            keys.append(Protocol::nameKey(o.keptFor));
    }
    return keys;
}

bool HostSeats::everyPlayerIsOurs() const
{
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat) {
        const Seat &s = (*this)[seat];
        const PeerConnection *c = connection(seat);
        if (s.inUse && s.signedIn && !s.watching && !(c && c->announced))
            return false;
    }
    return true;
}

bool HostSeats::everyPlayerDone() const
{
    int players = 0;
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat) {
        const Seat &s = (*this)[seat];
        if (!s.inUse || !s.signedIn || s.watching)
            continue;
        if (!s.done)
            return false;
        ++players;
    }
    return players > 0;
}
