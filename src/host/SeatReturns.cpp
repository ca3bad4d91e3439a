#include "host/SeatReturns.h"

#include "protocol/Dispatcher.h"

#include <algorithm>
#include <array>

bool SeatReturns::mayAct(int seat, const QString &message) const
{
    if (!KeptSeats::heldByNewcomer(m_seats[seat]))
        return true;
    const QString name = Protocol::splitCommand(message).name;
    return name == QLatin1String("CMD_logininfo") || name == QLatin1String("CMD_peerinfo")
        || name == QLatin1String("CMD_resume");
}

int SeatReturns::returningTo(int seat, const QString &typed) const
{
    const PeerConnection *c = m_seats.connection(seat);
    if (!c)
        return 0;
    // By the token its seat was given: from anywhere, to a kept seat or one
    // the host still holds a connection on.
    if (!c->presentedToken.isEmpty()) {
        for (int own = 1; own <= SeatTableSize; ++own) {
            if (m_seats[own].resumeToken == c->presentedToken)
                return own;
        }
    }
    // By name alone, as clients that know no tokens come back: only to a
    // kept seat, and only from the address that held it.
    return m_gameRunning ? m_kept.seatFor(typed, c->transport->peerAddress(), seat) : 0;
}

void SeatReturns::backInPlace(int seat)
{
    Seat &s = m_seats[seat];
    s.loginName = s.keptFor;
    s.typedName = s.keptTyped;
    s.rejoining = true;
    s.departed.clear();
    m_kept.end(seat);
}

bool SeatReturns::heldStill(int seat) const
{
    const Seat &s = m_seats[seat];
    return KeptSeats::heldByNewcomer(s) || s.signedIn || s.rejoining;
}

void SeatReturns::moveRecords(int from, int to)
{
    Seat &old = m_seats[from];
    Seat &own = m_seats[to];
    const bool kept = !own.keptFor.isEmpty();
    const bool watching = own.watching;
    const QString name = kept ? own.keptFor : own.loginName;
    const QString typed = kept ? own.keptTyped : own.typedName;
    m_kept.end(to);
    own.inUse = true;
    own.tookPart = true;
    own.signedIn = false;
    own.rejoining = true;
    own.removed = false;
    own.departed.clear();
    own.watching = watching && !kept;
    own.loginName = name;
    own.typedName = typed;
    old.vacate();
}

bool SeatReturns::takeOver(int seat, const QString &typed)
{
    Seat &s = m_seats[seat];
    if (Protocol::nameKey(typed) == Protocol::nameKey(s.keptTyped))
        return false;
    tellSeatFreed(seat, s.keptFor);
    m_kept.giveUp(seat);
    return true;
}

void SeatReturns::announceReturn(int seat) const
{
    const QString &name = m_seats[seat].loginName;
    const QByteArray arrival = Protocol::Msg::newplayerinfo(seat, name);
    m_seats.send(seat, arrival);
    const QByteArray message = Protocol::Msg::playerback(seat, name);
    for (int other = 1; other <= m_seats.highestSeat; ++other) {
        if (other != seat && m_seats[other].inUse)
            m_seats.send(
                other, m_seats.understands(other, Protocol::Capability::Back) ? message : arrival);
    }
}

void SeatReturns::announceTakeOver(int seat) const
{
    // The seat's score stays with it: the newcomer starts from it.
    Seat &s = m_seats[seat];
    const QString departed = std::exchange(s.departed, QString());
    if (m_gameRunning && !departed.isEmpty()
        && Protocol::nameKey(departed) != Protocol::nameKey(s.loginName))
        m_seats.sendToAllWho(Protocol::Capability::TakeOver,
                             Protocol::Msg::takesover(seat, s.gameScore, departed, s.loginName));
}

void SeatReturns::showTableTo(int seat) const
{
    const bool seesKept = m_seats.understands(seat, Protocol::Capability::Away);
    for (int other = 1; other <= m_seats.highestSeat; ++other) {
        const Seat &o = m_seats[other];
        if (other != seat && !o.keptFor.isEmpty() && seesKept)
            m_seats.send(seat, Protocol::Msg::away(other, o.keptSecondsLeft, o.keptFor));
        else if (other != seat && o.inUse)
            m_seats.send(seat, Protocol::Msg::existingplayers(other, o.loginName));
    }
}

void SeatReturns::giveAnswersBack(int seat) const
{
    const Seat &s = m_seats[seat];
    if (!m_seats.understands(seat, Protocol::Capability::Kept))
        return;
    const Seat::PerCategory<QString> &kept = s.answersSent ? s.answers : s.draft;
    if (std::all_of(kept.begin() + 1, kept.end(), [](const QString &a) { return a.isEmpty(); }))
        return;
    m_seats.send(seat, Protocol::Msg::keptanswers(seat, QStringList(kept.begin() + 1, kept.end())));
}

bool SeatReturns::seatLeft(int seat, const QString &address)
{
    Seat &s = m_seats[seat];
    const QString name = s.loginName;
    const QString typed = s.typedName;
    // A newcomer left the kept seat it waited on: it is still kept, as our
    // clients show it.
    const bool keptStill = KeptSeats::heldByNewcomer(s);
    const bool playing
        = m_gameRunning && seat >= 1 && seat <= Protocol::PlayingSeats && !name.isEmpty();
    const bool keep = playing && (s.signedIn || s.rejoining) && !s.removed;
    if (s.inUse)
        announceDeparture(seat, keep, keptStill);
    if (playing && s.signedIn)
        s.departed = name;
    s.rejoining = false;
    s.removed = false;
    s.vacate();
    if (!keep && !keptStill)
        s.resumeToken.clear(); // nobody comes back to the seat
    if (keep)
        m_kept.keep(seat, name, typed, address);
    return keep;
}

void SeatReturns::announceDeparture(int seat, bool keep, bool keptStill) const
{
    const Seat &s = m_seats[seat];
    const QByteArray message = Protocol::Msg::playerdisconnected(seat, s.loginName);
    const QByteArray removal = Protocol::Msg::playerremoved(seat, s.loginName);
    const QByteArray away = Protocol::Msg::away(seat, KeptSeats::KeepSeconds, s.loginName);
    const bool quietly = m_seats.isComputer(seat);
    for (int other = 1; other <= m_seats.highestSeat; ++other) {
        if (other == seat || !m_seats[other].inUse)
            continue;
        const bool seesKept = m_seats.understands(other, Protocol::Capability::Away);
        if (keptStill && seesKept)
            continue;
        if (s.removed && m_seats.understands(other, Protocol::Capability::Removal))
            m_seats.send(other, removal);
        else if (keep && !quietly && seesKept)
            m_seats.send(other, away);
        else
            m_seats.send(other, message);
    }
}

void SeatReturns::releaseAll()
{
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat) {
        if (!m_seats[seat].keptFor.isEmpty())
            tellSeatFreed(seat, m_seats[seat].keptFor);
    }
    m_kept.releaseAll();
}

bool SeatReturns::tick()
{
    std::array<QString, SeatTableSize + 1> kept;
    for (int seat = 1; seat <= SeatTableSize; ++seat)
        kept[std::size_t(seat)] = m_seats[seat].keptFor;
    const bool waiting = m_kept.tick();
    for (int seat = 1; seat <= SeatTableSize; ++seat) {
        if (!kept[std::size_t(seat)].isEmpty() && m_seats[seat].keptFor.isEmpty())
            tellSeatFreed(seat, kept[std::size_t(seat)]);
    }
    return waiting;
}

void SeatReturns::tellSeatFreed(int seat, const QString &name) const
{
    m_seats.sendToAllWho(Protocol::Capability::Away, Protocol::Msg::playerdisconnected(seat, name));
}
