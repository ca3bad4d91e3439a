// Sign-in, seats kept for players who drop out of a game and come back, the
// lead on a stand-alone host, and the leader's say over other seats: the
// rules of each are SignInGate's, SeatReturns' and Lead's; here they meet the
// connections and the game.
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
    if (const int own = s.rejoining ? 0 : m_returns.returningTo(seat, typed); own == seat) {
        m_returns.backInPlace(seat);
    } else if (own != 0) {
        takeBack(seat, own);
        return;
    }
    if (!s.rejoining && m_gate.isBarred(typed)) {
        if (understands(seat, Protocol::Capability::Removed))
            sendToSeat(seat, Protocol::Msg::removed());
        disconnectsock(seat);
        return;
    }
    if (!s.rejoining && KeptSeats::heldByNewcomer(s) && !m_returns.takeOver(seat, typed)) {
        sendToSeat(seat, Protocol::Msg::full());
        disconnectsock(seat);
        return;
    }
    const bool back = m_gate.admit(seat, typed);
    const QString name = s.loginName;

    if (back) {
        s.returnedThisRound = true;
        m_returns.announceReturn(seat);
    } else {
        m_table.sendToAll(Protocol::Msg::newplayerinfo(seat, name));
        m_returns.announceTakeOver(seat);
    }
    if (!s.resumeToken.isEmpty())
        sendToSeat(seat, Protocol::Msg::resumetoken(seat, s.resumeToken));
    m_returns.showTableTo(seat);
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
        m_returns.giveAnswersBack(seat);
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

void TServer::takeBack(int from, int to)
{
    if (m_returns.heldStill(to)) {
        const std::unique_ptr<PeerConnection> gone = std::move(m_connections[to]);
        m_receivedlist.discard(gone->id);
        emit connectionForced(to, gone->transport->peerAddress(),
                              QStringLiteral("its player came back on another connection"));
        gone->transport->close();
    }
    m_returns.moveRecords(from, to);
    // The connection moves, what it said about itself with it; what the seat
    // it came in on still has queued is dropped as that is no longer in use.
    m_connections[to] = std::move(m_connections[from]);
    m_connections[to]->signInSecondsLeft = SignInSeconds;
    emit connectionMoved(from, to);
    // A client answers every seat message with a sign-in for that seat.
    sendToSeat(to, Protocol::Msg::sendlogininfo(to));
    if (!m_signInTimer.isActive())
        m_signInTimer.start();
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

// --- Kept seats --------------------------------------------------------------

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
