#include "host/serverform.h"

#include "host/PortProblem.h"
#include "host/SockTransport.h"
#include "host/WebSocketTransport.h"
#include "protocol/ClientMessages.h"
#include "protocol/GameRandom.h"

#include <algorithm>
#include <utility>

namespace {

// The dispatcher takes one message per tick of this interval.
constexpr int SocktimerIntervalMs = 10;

} // namespace

TServer::TServer(const HostOptions &options, GameRandom &random, QObject *parent)
    : QObject(parent), m_options(options), m_random(random),
      m_listener(this,
                 [this](TSock *socket, bool fromThisMachine) { accept(socket, fromThisMachine); }),
      m_receivedlist(SocktimerIntervalMs, InputLimits,
                     [this](const Protocol::QueueEntry &entry) { dispatch(entry); })
{
    setObjectName(QStringLiteral("Server"));
    m_uptime.start();
    registerHandlers();
    // Runs only while a connection waits to sign in, so an idle host costs nothing.
    m_signInTimer.setInterval(m_options.secondMs);
    connect(&m_signInTimer, &QTimer::timeout, this, &TServer::signInTimerTimer);

    m_timer1.setInterval(m_options.secondMs);
    connect(&m_timer1, &QTimer::timeout, this, &TServer::timer1Timer);
}

TServer::~TServer()
{
    m_timer1.stop();
    m_signInTimer.stop();
    // Before the listener and its sockets go: a closing transport reports to
    // nobody once its connection is gone.
    for (auto &connection : m_connections)
        connection.reset();
}

void TServer::registerHandlers()
{
    using Handler = void (TServer::*)(const QString &, int);
    const std::pair<const char *, Handler> handlers[] = {
        {"CMD_logininfo", &TServer::receivedlogininfo},
        {"CMD_kickhim", &TServer::kickhim},
        {"CMD_chat", &TServer::chat},
        {"CMD_action", &TServer::action},
        {"CMD_playasound", &TServer::playasound},
        {"CMD_startgame", &TServer::startgame},
        {"CMD_justwatch", &TServer::justwatch},
        {"CMD_myanswers", &TServer::myanswers},
        {"CMD_voteagainst", &TServer::voteagainst},
        {"CMD_votefor", &TServer::votefor},
        {"CMD_draftanswers", &TServer::draftanswers},
        {"CMD_peerinfo", &TServer::peerinfo},
        {"CMD_done", &TServer::done},
        {"CMD_resume", &TServer::resume},
    };
    // Registered in the order of the command table, which decides dispatch order.
    for (const QString &name : Protocol::hostCommands()) {
        for (const auto &[command, handler] : handlers) {
            if (name == QLatin1String(command)) {
                m_dispatcher.on(name, [this, handler](const QString &argument, int origin) {
                    (this->*handler)(argument, origin);
                });
            }
        }
    }
    Q_ASSERT(m_dispatcher.names() == Protocol::hostCommands());
}

bool TServer::startListening()
{
    if (!m_listener.listen(m_options.port, m_options.bindAddress))
        return false;
    emit listening(m_options.port);
    return true;
}

QString TServer::listenOn(quint16 port, const QString &bindAddress)
{
    m_options.port = port;
    m_options.bindAddress = bindAddress;
    return startListening() ? QString() : listenProblem();
}

QString TServer::listenProblem() const
{
    return portProblem(m_options.port, m_listener.systemError(), m_listener.errorString());
}

void TServer::stopListening()
{
    m_listener.stop();
}

bool TServer::isListening() const
{
    return m_listener.isListening();
}

// --- Accepting and refusing --------------------------------------------------

void TServer::accept(TSock *socket, bool fromThisMachine)
{
    const int seat = chooseSeat(fromThisMachine);
    if (seat == RefusalSeat) {
        refuse(socket);
        return;
    }
    seatConnection(seat, fromThisMachine, makeTransport<SockTransport>(socket));
}

void TServer::acceptWeb(QWebSocket *socket)
{
    const int seat = chooseSeat(false);
    if (seat == RefusalSeat) {
        refuse(nullptr);
        WebSocketTransport::refuse(socket, m_sendHook ? QByteArray() : Protocol::Msg::full());
        return;
    }
    seatConnection(seat, false, makeTransport<WebSocketTransport>(socket));
}

int TServer::connectLocal(bool fromThisMachine, const QString &address)
{
    const int seat = chooseSeat(fromThisMachine);
    if (seat == RefusalSeat) {
        refuse(nullptr);
        return 0;
    }
    seatConnection(seat, fromThisMachine, std::make_unique<LocalTransport>(address));
    return seat;
}

int TServer::chooseSeat(bool fromThisMachine)
{
    // Seat 1 carries the host player's rights; see HostOptions::hostSeatReserved.
    const int first = (m_options.hostSeatReserved && !fromThisMachine) ? 2 : 1;
    if (const int seat = freeSeat(first))
        return seat;
    if (m_highestSeat >= Protocol::SpectatorSeat) {
        // A connection that has not signed in keeps no newcomer out.
        if (closeOneWaiting(first)) {
            if (const int seat = freeSeat(first))
                return seat;
        }
        // Rather than turn a newcomer away, it waits on a kept seat, which
        // stays kept until it signs in: its own player may be back, a stranger
        // with the player's name is turned away, anyone else takes it over.
        const int kept = m_kept.seatToGiveUp(first);
        return kept == 0 ? RefusalSeat : kept;
    }
    m_highestSeat = std::max(m_highestSeat + 1, first);
    return m_highestSeat;
}

int TServer::freeSeat(int first) const
{
    for (int s = first; s <= m_highestSeat; ++s) {
        if (!m_seats[s].inUse && m_seats[s].keptFor.isEmpty())
            return s;
    }
    return 0;
}

bool TServer::closeOneWaiting(int first)
{
    const SignInGate::Waiter waiter = m_gate.oldestWaiting(first);
    if (waiter.seat == 0)
        return false;
    forceClose(waiter.seat,
               QStringLiteral("a newcomer needs the seat, and this was the oldest of %1 "
                              "connections from the address waiting to sign in")
                   .arg(waiter.fromItsAddress));
    return true;
}

void TServer::seatConnection(int seat, bool fromThisMachine, std::unique_ptr<Transport> transport)
{
    auto &connection = m_connections[seat];
    connection = std::make_unique<PeerConnection>(++m_lastConnection, std::move(transport));
    Seat &s = m_seats[seat];
    s.inUse = true;
    s.tookPart = true;
    s.signedIn = false;
    // The hosting program's own client may take its time; nobody else may
    // hold a seat without signing in.
    const bool hostsOwnClient = m_options.hostSeatReserved && fromThisMachine && seat == 1;
    connection->signInSecondsLeft = hostsOwnClient ? 0 : SignInSeconds;
    if (!hostsOwnClient && !m_signInTimer.isActive())
        m_signInTimer.start();
    sendToSeat(seat, Protocol::Msg::sendlogininfo(seat));
}

void TServer::refuse(TSock *socket)
{
    const QByteArray message = Protocol::Msg::full();
    if (m_sendHook)
        m_sendHook(RefusalSeat, message);
    if (socket)
        SockTransport::refuse(socket, m_sendHook ? QByteArray() : message);
    emit connectionRefused();
}

int TServer::seatOf(quint64 connection) const
{
    for (int seat = 1; seat <= SeatTableSize; ++seat) {
        if (m_connections[seat] && m_connections[seat]->id == connection)
            return seat;
    }
    return 0;
}

// --- Reading and dispatching -------------------------------------------------

void TServer::receive(int seat, const QByteArray &bytes)
{
    if (seat < 1 || seat > Protocol::SpectatorSeat || !m_connections[seat])
        return;
    PeerConnection &c = *m_connections[seat];
    for (const QByteArray &message : c.splitter.feed(bytes)) {
        if (!m_receivedlist.post({QString::fromLatin1(message), seat, c.id})) {
            forceClose(seat,
                       QStringLiteral("flood: more than %1 messages or %2 bytes waiting")
                           .arg(InputLimits.messages)
                           .arg(InputLimits.bytes));
            return;
        }
    }
    if (c.splitter.overflowed())
        forceClose(seat,
                   QStringLiteral("a message longer than %1 bytes")
                       .arg(Protocol::FrameSplitter::MaxPending));
}

void TServer::dispatch(const Protocol::QueueEntry &entry)
{
    // A message of a connection that has gone since it arrived is not acted on:
    // it would otherwise speak for a free seat or for the seat's next occupant.
    // (Closing a seat discards its waiting messages; this is the last guard.)
    if (entry.origin != 0
        && (!isSeatNumber(entry.origin) || !m_connections[entry.origin]
            || entry.connection != m_connections[entry.origin]->id))
        return;
    if (entry.origin != 0 && !m_returns.mayAct(entry.origin, entry.text))
        return;
    m_dispatcher.dispatch(entry);
}

void TServer::signInTimerTimer()
{
    const bool waiting = m_returns.tick();
    const SignInGate::Tick signIn = m_gate.tick();
    for (const int seat : signIn.expired)
        forceClose(seat, QStringLiteral("no sign-in within %1 seconds").arg(SignInSeconds));
    if (!waiting && !signIn.waiting)
        m_signInTimer.stop();
}

// --- Disconnection -----------------------------------------------------------

void TServer::disconnectsock(int seat)
{
    if (!isSeatNumber(seat) || !m_connections[seat])
        return;
    // A transport that reports its end frees the seat from there.
    m_connections[seat]->transport->close();
    if (m_connections[seat])
        seatClosed(seat);
}

void TServer::forceClose(int seat, const QString &reason)
{
    emit connectionForced(seat, m_connections[seat]->transport->peerAddress(), reason);
    disconnectsock(seat);
}

void TServer::forceCloseLater(int seat, const QString &reason)
{
    // Not in the middle of a send to everyone: closing tells the others.
    const quint64 connection = m_connections[seat]->id;
    QTimer::singleShot(0, this, [this, connection, reason] {
        if (const int s = seatOf(connection))
            forceClose(s, reason);
    });
}

void TServer::seatClosed(int seat)
{
    const QString name = m_seats[seat].loginName;
    const bool wasInUse = m_seats[seat].inUse;
    QString address;
    if (m_connections[seat]) {
        address = m_connections[seat]->transport->peerAddress();
        // What the connection left waiting is forgotten now, at no cost to others.
        m_receivedlist.discard(m_connections[seat]->id);
    }
    const bool kept = m_returns.seatLeft(seat, address);
    m_connections[seat].reset();
    if (kept && !m_signInTimer.isActive())
        m_signInTimer.start();
    if (wasInUse)
        emit playerLeft(seat, name);
    updateLead();
    // The others may all be done now.
    if (wasInUse)
        moveOnWhenAllDone();
}

// --- Relays ------------------------------------------------------------------

void TServer::chat(const QString &text, int origin)
{
    m_relay.chat(text, origin);
}

void TServer::action(const QString &text, int origin)
{
    m_relay.action(text, origin);
}

void TServer::playasound(const QString &text, int origin)
{
    m_relay.playasound(text, origin);
}

// --- Sending -----------------------------------------------------------------

void TServer::sendToSeat(int seat, const QByteArray &bytes)
{
    if (m_sendHook) {
        m_sendHook(seat, bytes);
        return;
    }
    PeerConnection *c = m_connections[seat].get();
    if (!c || c->transport->bytesWaiting() > MaxUnsentBytes)
        return; // its close is on the way; nothing more piles up meanwhile
    c->transport->send(bytes);
    if (c->transport->bytesWaiting() > MaxUnsentBytes)
        forceCloseLater(
            seat, QStringLiteral("slow reader: more than %1 bytes unsent").arg(MaxUnsentBytes));
}

QStringList TServer::roundCategories() const
{
    return QStringList(m_categories.begin() + 1, m_categories.end());
}
