// Sign-in, seats kept for players who drop out of a game and come back, the
// lead on a stand-alone host, and the leader's say over other seats.
#include "host/serverform.h"
#include "protocol/ClientMessages.h"

#include <algorithm>
#include <utility>

namespace {

// The game as it stands, for a player who joins while it runs.
Protocol::GameStats snapshot(const TServer &host, int seat)
{
    Protocol::GameStats stats;
    stats.seat = seat;
    stats.phase = int(host.phase());
    stats.rounds = host.rounds();
    stats.roundNumber = host.roundNumber();
    stats.turnTime = host.turnTime();
    stats.secondsLeft = host.countdown();
    stats.letterIndex = host.letterIndex();
    stats.gameType = QLatin1String(host.allScoring() ? "1" : "0");
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        stats.scores[std::size_t(n - 1)] = host.seat(n).gameScore;
    stats.categories = host.roundCategories();
    return stats;
}

} // namespace

// --- Sign-in -----------------------------------------------------------------

void TServer::receivedlogininfo(const QString &text, int origin)
{
    const auto login = Protocol::FromClient::logininfo(text);
    if (!login || !isSeatNumber(login->seat) || !sentBy(login->seat, origin))
        return;
    const int seat = login->seat;
    const QString &version = login->version;
    Seat &s = m_seats[seat];
    if (s.signedIn) {
        // A name is set once: a seat that could rename itself could take the
        // name of a player who is away, or pass for another.
        if (const PeerConnection *c = connection(seat))
            emit messageIgnored(seat, c->transport->peerAddress(),
                                QStringLiteral("a second sign-in, as %1").arg(login->name));
        return;
    }
    const QString typed = SignInGate::typedName(seat, login->name);
    if (!s.rejoining) {
        if (const int own = returningTo(seat, typed); own == seat) {
            // Back on its own kept seat, where it waited as a newcomer.
            s.loginName = s.keptFor;
            s.typedName = s.keptTyped;
            s.rejoining = true;
            s.departed.clear();
            m_kept.end(seat);
        } else if (own != 0) {
            takeBack(seat, own);
            return;
        }
    }
    if (!s.rejoining && m_gate.isBarred(typed)) {
        if (understands(seat, Protocol::Capability::Removed))
            sendToSeat(seat, Protocol::Msg::removed());
        disconnectsock(seat);
        return;
    }
    if (!s.rejoining && KeptSeats::heldByNewcomer(s)) {
        // No other seat was free. A stranger with the name of the player the
        // seat is kept for is turned away; anyone else takes the seat over.
        if (Protocol::nameKey(typed) == Protocol::nameKey(s.keptTyped)) {
            sendToSeat(seat, Protocol::Msg::full());
            disconnectsock(seat);
            return;
        }
        tellSeatFreed(seat, s.keptFor);
        m_kept.giveUp(seat);
    }
    // Chat, scores and returns go by name: no two seats in use or kept share
    // one. A player moved back to its kept seat keeps the name it was kept for.
    const QString name = s.rejoining ? s.loginName : m_gate.distinctName(seat, typed);
    if (!s.rejoining)
        s.typedName = typed;
    const bool back = std::exchange(s.rejoining, false);
    s.loginName = name;
    s.inUse = true;
    s.signedIn = true;
    // A new token with each sign-in, to peers that present one when they return.
    s.resumeToken
        = understands(seat, Protocol::Capability::Resume) ? SignInGate::newToken() : QString();

    if (back) {
        s.returnedThisRound = true;
        // The others see a return, not a new arrival; clients that do not know
        // returns see the name arrive again.
        const QByteArray arrival = Protocol::Msg::newplayerinfo(seat, name);
        sendToSeat(seat, arrival);
        const QByteArray message = Protocol::Msg::playerback(seat, name);
        for (int other = 1; other <= m_highestSeat; ++other) {
            if (other != seat && m_seats[other].inUse)
                sendToSeat(other,
                           understands(other, Protocol::Capability::Back) ? message : arrival);
        }
    } else {
        m_table.sendToAll(Protocol::Msg::newplayerinfo(seat, name));
        announceTakeOver(seat);
    }
    if (!s.resumeToken.isEmpty())
        sendToSeat(seat, Protocol::Msg::resumetoken(seat, s.resumeToken));
    for (int other = 1; other <= m_highestSeat; ++other) {
        const Seat &o = m_seats[other];
        if (other != seat && !o.keptFor.isEmpty() && understands(seat, Protocol::Capability::Away))
            sendToSeat(seat, Protocol::Msg::away(other, o.keptSecondsLeft, o.keptFor));
        else if (other != seat && o.inUse)
            sendToSeat(seat, Protocol::Msg::existingplayers(other, o.loginName));
    }
    if (version != QLatin1String(Protocol::Version)) {
        // The leader hears of it; on a stand-alone host that need not be seat 1.
        if (const int lead = leadSeat(); lead != 0 && m_seats[lead].inUse)
            sendToSeat(lead, Protocol::Msg::havewrongversion(name));
        if (s.inUse)
            sendToSeat(seat, Protocol::Msg::wrongversion());
    }
    if (m_gameRunning)
        sendToSeat(seat, Protocol::Msg::gamestats(snapshot(*this, seat)));
    if (back && m_gameRunning && m_phase == Protocol::Phase::Answering)
        giveAnswersBack(seat);
    if (back)
        welcomeBack(seat);
    if (back)
        emit playerRejoined(seat, name);
    else
        emit playerSignedIn(seat, name, version);
    updateLead();
}

void TServer::resume(const QString &text, int origin)
{
    // Kept until the sign-in that follows, which it turns into a return.
    const auto token = Protocol::FromClient::resume(text);
    if (!token || !isSeatNumber(token->seat) || !sentBy(token->seat, origin)
        || m_seats[token->seat].signedIn || token->text.size() > MaxTokenLength)
        return;
    if (PeerConnection *c = m_connections[token->seat].get())
        c->presentedToken = token->text;
}

int TServer::returningTo(int seat, const QString &typed) const
{
    const PeerConnection *c = connection(seat);
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

void TServer::takeBack(int from, int to)
{
    Seat &own = m_seats[to];
    if (KeptSeats::heldByNewcomer(own) || own.signedIn || own.rejoining) {
        // The host still holds a connection there (a phone that slept, a
        // cable pulled, or a newcomer waiting on the kept seat): it goes
        // without a word to the others, and the seat stays as it is.
        const std::unique_ptr<PeerConnection> gone = std::move(m_connections[to]);
        m_receivedlist.discard(gone->id);
        emit connectionForced(to, gone->transport->peerAddress(),
                              QStringLiteral("its player came back on another connection"));
        gone->transport->close();
    }
    const bool kept = !own.keptFor.isEmpty();
    const bool watching = own.watching;
    m_seats[from].loginName = kept ? own.keptFor : own.loginName;
    m_seats[from].typedName = kept ? own.keptTyped : own.typedName;
    moveToKeptSeat(from, to);
    own.watching = watching && !kept;
}

void TServer::announceTakeOver(int seat)
{
    // The seat's score stays with it (the newcomer starts from it): our
    // clients say so, unless its own player came back late.
    const QString departed = std::exchange(m_seats[seat].departed, QString());
    const Seat &s = m_seats[seat];
    if (m_gameRunning && !departed.isEmpty()
        && Protocol::nameKey(departed) != Protocol::nameKey(s.loginName))
        m_table.sendToAllWho(Protocol::Capability::TakeOver,
                             Protocol::Msg::takesover(seat, s.gameScore, departed, s.loginName));
}

void TServer::welcomeBack(int seat)
{
    // Told it is back, and shown the category under vote at once rather than
    // waiting for the next one.
    if (!understands(seat, Protocol::Capability::Welcome))
        return;
    sendToSeat(seat, Protocol::Msg::playerback(seat, m_seats[seat].loginName));
    if (m_gameRunning && m_phase == Protocol::Phase::Voting && categoryOnShow())
        sendToSeat(
            seat,
            Protocol::Msg::showcat(m_categories[std::size_t(m_currentCategory)], answersOnShow()));
}

void TServer::releaseKeptSeats()
{
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat) {
        if (!m_seats[seat].keptFor.isEmpty())
            tellSeatFreed(seat, m_seats[seat].keptFor);
    }
    m_kept.releaseAll();
}

void TServer::tellSeatFreed(int seat, const QString &name)
{
    // Our clients showed the seat as kept; others saw its player go already.
    m_table.sendToAllWho(Protocol::Capability::Away, Protocol::Msg::playerdisconnected(seat, name));
}

void TServer::giveAnswersBack(int seat)
{
    // Its boxes fill again, so the answers go out once more at its time-out.
    const Seat &s = m_seats[seat];
    if (!understands(seat, Protocol::Capability::Kept))
        return;
    const Seat::PerCategory<QString> &kept = s.answersSent ? s.answers : s.draft;
    if (std::all_of(kept.begin() + 1, kept.end(), [](const QString &a) { return a.isEmpty(); }))
        return;
    sendToSeat(seat, Protocol::Msg::keptanswers(seat, QStringList(kept.begin() + 1, kept.end())));
}

// --- Kept seats --------------------------------------------------------------

void TServer::moveToKeptSeat(int from, int to)
{
    Seat &old = m_seats[from];
    Seat &kept = m_seats[to];
    m_kept.end(to);
    kept.inUse = true;
    kept.tookPart = true;
    kept.signedIn = false;
    kept.rejoining = true;
    kept.removed = false;
    kept.departed.clear();
    kept.watching = false;
    kept.loginName = old.loginName;
    kept.typedName = old.typedName;
    // The connection moves, what it said about itself with it; the records stay.
    m_connections[to] = std::move(m_connections[from]);
    m_connections[to]->signInSecondsLeft = SignInSeconds;
    // The seat it came in on was never announced: it is simply free again.
    // What that seat still has queued is dropped as it no longer is in use.
    old.vacate();
    emit connectionMoved(from, to);
    // A client answers every seat message with a sign-in for that seat.
    sendToSeat(to, Protocol::Msg::sendlogininfo(to));
    if (!m_signInTimer.isActive())
        m_signInTimer.start();
}

// --- The lead ----------------------------------------------------------------

void TServer::updateLead()
{
    if (const int lead = m_lead.update())
        emit leadChanged(lead, m_seats[lead].loginName);
}

void TServer::kickhim(const QString &text, int origin)
{
    const auto removal = Protocol::FromClient::kickhim(text);
    if (!removal || removal->requestingSeat != leadSeat() || !fromLead(origin))
        return;
    const int target = removal->seat;
    if (!isSeatNumber(target) || !m_seats[target].inUse)
        return;
    m_seats[target].removed = true;
    // A computer player does not come back of itself; its seat's name stays free.
    if (m_seats[target].signedIn && !isComputer(target))
        m_gate.bar(m_seats[target].loginName);
    // Told first, so its player reads why the game closed.
    if (understands(target, Protocol::Capability::Removed))
        sendToSeat(target, Protocol::Msg::removed());
    disconnectsock(target);
}

void TServer::justwatch(const QString &text, int origin)
{
    const auto watch = Protocol::FromClient::justwatch(text);
    // Players set their own seat; only the leader sets someone else's.
    if (!watch || !isPlayingSeat(watch->seat)
        || (!sentBy(watch->seat, origin) && !fromLead(origin)))
        return;
    // Watching begins only during a game; playing again at any time.
    if (watch->watching && !m_gameRunning)
        return;
    m_seats[watch->seat].watching = watch->watching;
    m_table.sendToAll(Protocol::Msg::justwatching(watch->seat, watch->watching));
    // A watcher holds nobody up.
    if (watch->watching)
        moveOnWhenAllDone();
}

// --- Our peers -----------------------------------------------------------------

void TServer::peerinfo(const QString &text, int origin)
{
    const auto info = Protocol::FromClient::peerinfo(text);
    if (!info || !isSeatNumber(info->seat) || !sentBy(info->seat, origin))
        return;
    // Once per connection, before or after its sign-in; it moves with the
    // connection to a kept seat.
    PeerConnection *c = m_connections[info->seat].get();
    if (!c || c->announced)
        return;
    c->announced = true;
    c->kind = info->kind;
    c->capabilities = info->words;
    m_lead.tellTo(info->seat);
    // A computer player that said so only after signing in gives up the lead.
    updateLead();
}
