#include "host/serverform.h"

#include "host/PortProblem.h"
#include "protocol/FieldReader.h"
#include "protocol/GameRandom.h"

#include <QHostAddress>
#include <QLoggingCategory>

#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcHost, "lexiburst.host")

// The dispatcher takes one message per tick of this interval.
constexpr int SocktimerIntervalMs = 10;
// A refused connection is dropped at the latest this long after "CMD_full+"
// was handed over, even if the peer never read it.
constexpr int RefusalFlushLimitMs = 5000;

// Sends without letting a socket failure escape into the event loop.
void deliver(TSock *socket, const QByteArray &bytes)
{
    if (!socket)
        return;
    try {
        socket->Send(bytes);
    } catch (const ESockException &e) {
        qCWarning(lcHost) << "send failed:" << e.message();
    }
}

// Ends a refused connection once its last bytes have left.
void dropWhenFlushed(TSock *socket)
{
    const auto drop = [](TSock *s) {
        s->OnWrite = nullptr;
        s->OnDisconnect = nullptr;
        s->Close();
        s->deleteLater();
    };
    if (socket->OutBuffer().isEmpty()) {
        drop(socket);
        return;
    }
    socket->OnWrite = [drop](TSock *s) {
        if (s->OutBuffer().isEmpty())
            drop(s);
    };
    socket->OnDisconnect = drop;
    QTimer::singleShot(RefusalFlushLimitMs, socket, [socket, drop] { drop(socket); });
}

} // namespace

TServer::TServer(const HostOptions &options, GameRandom &random, QObject *parent)
    : QObject(parent), m_options(options), m_random(random),
      m_receivedlist(SocktimerIntervalMs, InputLimits,
                     [this](const Protocol::QueueEntry &entry) { dispatch(entry); })
{
    setObjectName(QStringLiteral("Server"));

    Sock1 = new TSock(this);
    Sock1->setObjectName(QStringLiteral("Sock1"));
    Sock1->setAutoAccept(false);
    Sock1->OnAccept = [this](TSock *sender) {
        Sock1Accept(sender);
    };
    Sock1->OnRead = [this](TSock *sender, int count) {
        Sock1Read(sender, count);
    };

    // Never opened: holds the handlers every accepted connection copies.
    tempsock = new TSock(this);
    tempsock->setObjectName(QStringLiteral("tempsock"));
    tempsock->OnDisconnect = [this](TSock *sender) {
        tempsockDisconnect(sender);
    };
    tempsock->OnInfo = [this](TSock *sender, TSocketInfo info, const QString &msg) {
        tempsockInfo(sender, info, msg);
    };

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
    // Closing sockets report to their handlers; none may reach this half-destroyed host.
    for (Seat &s : m_seats) {
        if (!s.socket)
            continue;
        s.socket->OnInfo = nullptr;
        s.socket->OnDisconnect = nullptr;
        s.socket->OnRead = nullptr;
        delete s.socket;
        s.socket = nullptr;
    }
    Sock1->OnAccept = nullptr;
    Sock1->OnRead = nullptr;
    delete Sock1;
    delete tempsock;
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
    m_errorString.clear();
    m_listenError = 0;
    try {
        Sock1->setPortName(QString::number(m_options.port));
        Sock1->setListenAddress(m_options.bindAddress);
        Sock1->setListen(true);
    } catch (const ESockException &e) {
        m_errorString = e.message();
        m_listenError = e.systemError();
        Sock1->Close();
        return false;
    }
    if (!Sock1->Listen()) {
        m_errorString = QStringLiteral("Listen - Error Starting Listen");
        return false;
    }
    emit listening(m_options.port);
    return true;
}

QString TServer::listenOn(quint16 port)
{
    m_options.port = port;
    return startListening() ? QString() : listenProblem();
}

QString TServer::listenProblem() const
{
    return portProblem(m_options.port, m_listenError, m_errorString);
}

void TServer::stopListening()
{
    try {
        Sock1->setListen(false);
    } catch (const ESockException &e) {
        qCWarning(lcHost) << e.message();
    }
}

bool TServer::isListening() const
{
    return Sock1->Listen();
}

// --- Accepting and refusing --------------------------------------------------

void TServer::Sock1Accept(TSock *)
{
    TSock *incoming = nullptr;
    try {
        if (!Sock1->Accept(incoming) || !incoming)
            return; // nothing was obtained: no seat is taken
    } catch (const ESockException &e) {
        qCWarning(lcHost) << e.message();
        return;
    }
    const bool fromThisMachine = QHostAddress(incoming->HostName()).isLoopback();
    seatConnection(incoming, fromThisMachine);
}

int TServer::connectLocal(bool fromThisMachine)
{
    return seatConnection(nullptr, fromThisMachine);
}

int TServer::chooseSeat(bool fromThisMachine)
{
    // Seat 1 carries the host player's rights; see HostOptions::hostSeatReserved.
    const int first = (m_options.hostSeatReserved && !fromThisMachine) ? 2 : 1;
    for (int s = first; s <= m_highestSeat; ++s) {
        if (!m_seats[s].inUse && m_seats[s].keptFor.isEmpty())
            return s;
    }
    if (m_highestSeat >= Protocol::SpectatorSeat) {
        // Rather than turn a newcomer away, a kept seat is given up.
        const int kept = m_kept.seatToGiveUp(first);
        if (kept == 0)
            return RefusalSeat;
        m_kept.giveUp(kept);
        return kept;
    }
    m_highestSeat = std::max(m_highestSeat + 1, first);
    return m_highestSeat;
}

int TServer::seatConnection(TSock *socket, bool fromThisMachine)
{
    const int seat = chooseSeat(fromThisMachine);
    if (seat == RefusalSeat) {
        refuse(socket);
        return 0;
    }
    Seat &s = m_seats[seat];
    s.inUse = true;
    s.tookPart = true;
    s.socket = socket;
    s.connection = ++m_lastConnection;
    s.signedIn = false;
    s.splitter = Protocol::FrameSplitter();
    // The hosting program's own client may take its time; nobody else may
    // hold a seat without signing in.
    const bool hostsOwnClient = m_options.hostSeatReserved && fromThisMachine && seat == 1;
    s.signInSecondsLeft = hostsOwnClient ? 0 : SignInSeconds;
    if (!hostsOwnClient && !m_signInTimer.isActive())
        m_signInTimer.start();
    if (socket) {
        socket->Tag = seat;
        socket->OnDisconnect = tempsock->OnDisconnect;
        socket->OnInfo = tempsock->OnInfo;
        socket->OnRead = Sock1->OnRead;
    }
    sendToSeat(seat, Protocol::Msg::sendlogininfo(seat));
    return seat;
}

void TServer::refuse(TSock *socket)
{
    if (socket) {
        socket->Tag = RefusalSeat;
        socket->OnInfo = nullptr;
        socket->OnRead = [](TSock *s, int) {
            s->Receive();
        };
    }
    m_seats[RefusalSeat].socket = socket;
    sendToSeat(RefusalSeat, Protocol::Msg::full());
    m_seats[RefusalSeat].socket = nullptr;
    if (socket)
        dropWhenFlushed(socket);
    emit connectionRefused();
}

// --- Reading and dispatching -------------------------------------------------

void TServer::Sock1Read(TSock *sender, int)
{
    const int seat = sender->Tag;
    QByteArray bytes;
    try {
        bytes = sender->Receive();
    } catch (const ESockException &e) {
        qCWarning(lcHost) << e.message();
        return;
    }
    if (isSeatNumber(seat) && m_seats[seat].socket == sender)
        receive(seat, bytes);
}

void TServer::receive(int seat, const QByteArray &bytes)
{
    if (seat < 1 || seat > Protocol::SpectatorSeat || !m_seats[seat].inUse)
        return;
    Seat &s = m_seats[seat];
    for (const QByteArray &message : s.splitter.feed(bytes)) {
        if (!m_receivedlist.post({QString::fromLatin1(message), seat, s.connection})) {
            forceClose(seat,
                       QStringLiteral("flood: more than %1 messages or %2 bytes waiting")
                           .arg(InputLimits.messages)
                           .arg(InputLimits.bytes));
            return;
        }
    }
    if (s.splitter.overflowed())
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
        && (!isSeatNumber(entry.origin) || !m_seats[entry.origin].inUse
            || entry.connection != m_seats[entry.origin].connection))
        return;
    m_dispatcher.dispatch(entry);
}

void TServer::signInTimerTimer()
{
    bool waiting = m_kept.tick();
    for (int seat = 1; seat <= m_highestSeat; ++seat) {
        Seat &s = m_seats[seat];
        if (!s.inUse || s.signedIn || s.signInSecondsLeft <= 0)
            continue;
        if (--s.signInSecondsLeft > 0)
            waiting = true;
        else
            forceClose(seat, QStringLiteral("no sign-in within %1 seconds").arg(SignInSeconds));
    }
    if (!waiting)
        m_signInTimer.stop();
}

// --- Disconnection -----------------------------------------------------------

void TServer::tempsockInfo(TSock *sender, TSocketInfo socketInfo, const QString &)
{
    const int seat = sender->Tag;
    if (!isSeatNumber(seat) || m_seats[seat].socket != sender)
        return;
    if (socketInfo == infoClose) {
        seatClosed(seat);
        return;
    }
    // A reset or aborted connection reports only an error and never closes by
    // itself; without this its seat would stay taken for good.
    if (socketInfo == infoError && m_seats[seat].inUse)
        sender->Close();
}

void TServer::tempsockDisconnect(TSock *sender)
{
    const int seat = sender->Tag;
    if (isSeatNumber(seat) && m_seats[seat].inUse && m_seats[seat].socket == sender)
        sender->Close();
}

void TServer::disconnectsock(int seat)
{
    if (!isSeatNumber(seat) || !m_seats[seat].inUse)
        return;
    if (TSock *socket = m_seats[seat].socket)
        socket->Close(); // reports "Socket Closed", which frees the seat
    // A connection without a socket, or a close that reported nothing.
    if (m_seats[seat].inUse)
        seatClosed(seat);
}

void TServer::forceClose(int seat, const QString &reason)
{
    const Seat &s = m_seats[seat];
    const QString address = s.socket ? s.socket->HostName() : QStringLiteral("in-process");
    emit connectionForced(seat, address, reason);
    disconnectsock(seat);
}

void TServer::forceCloseLater(int seat, const QString &reason)
{
    // Not in the middle of a send to everyone: closing tells the others.
    const quint64 connection = m_seats[seat].connection;
    QTimer::singleShot(0, this, [this, seat, connection, reason] {
        if (m_seats[seat].inUse && m_seats[seat].connection == connection)
            forceClose(seat, reason);
    });
}

void TServer::seatClosed(int seat)
{
    Seat &s = m_seats[seat];
    const QString name = s.loginName;
    // What the connection left waiting is forgotten now, at no cost to others.
    m_receivedlist.discard(s.connection);
    if (s.inUse) {
        const QByteArray message = Protocol::Msg::playerdisconnected(seat, name);
        for (int other = 1; other <= m_highestSeat; ++other) {
            if (other != seat && m_seats[other].inUse)
                sendToSeat(other, message);
        }
    }
    const bool wasInUse = s.inUse;
    // A player who drops out of a game may come back to this seat; one the
    // leader removed may not.
    const bool keep = m_gameRunning && isPlayingSeat(seat) && (s.signedIn || s.rejoining)
        && !s.removed && !name.isEmpty();
    s.rejoining = false;
    s.removed = false;
    s.clearConnection();
    if (s.socket) {
        s.socket->OnInfo = nullptr;
        s.socket->OnDisconnect = nullptr;
        s.socket->OnRead = nullptr;
        s.socket->deleteLater();
        s.socket = nullptr;
    }
    if (keep) {
        m_kept.keep(seat, name);
        if (!m_signInTimer.isActive())
            m_signInTimer.start();
    }
    if (wasInUse)
        emit playerLeft(seat, name);
    updateLead();
}

// --- Relays ------------------------------------------------------------------

void TServer::chat(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    const auto seat = reader.takeInt();
    if (!seat || !isSeatNumber(*seat) || !sentBy(*seat, origin))
        return;
    sendToAll(Protocol::Msg::chatRelay(*seat, m_seats[*seat].loginName, reader.rest()));
}

void TServer::action(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    const auto seat = reader.takeInt();
    if (!seat || !isSeatNumber(*seat) || !sentBy(*seat, origin))
        return;
    sendToAll(Protocol::Msg::actionRelay(*seat, m_seats[*seat].loginName, reader.rest()));
}

void TServer::playasound(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    const auto seat = reader.takeInt();
    if (!seat || !isSeatNumber(*seat) || !sentBy(*seat, origin))
        return;
    sendToAll(Protocol::Msg::playasoundRelay(*seat, reader.rest()));
}

// --- Sending -----------------------------------------------------------------

void TServer::sendToSeat(int seat, const QByteArray &bytes)
{
    if (m_sendHook) {
        m_sendHook(seat, bytes);
        return;
    }
    TSock *socket = m_seats[seat].socket;
    if (!socket || socket->OutBuffer().size() > MaxUnsentBytes)
        return; // its close is on the way; nothing more piles up meanwhile
    deliver(socket, bytes);
    if (socket->OutBuffer().size() > MaxUnsentBytes)
        forceCloseLater(
            seat, QStringLiteral("slow reader: more than %1 bytes unsent").arg(MaxUnsentBytes));
}

void TServer::sendToAll(const QByteArray &bytes)
{
    for (int seat = 1; seat <= m_highestSeat; ++seat) {
        if (m_seats[seat].inUse)
            sendToSeat(seat, bytes);
    }
}

void TServer::sendToAllWho(const char *word, const QByteArray &bytes)
{
    for (int seat = 1; seat <= m_highestSeat; ++seat) {
        if (m_seats[seat].inUse && understands(seat, word))
            sendToSeat(seat, bytes);
    }
}

QStringList TServer::roundCategories() const
{
    return QStringList(m_categories.begin() + 1, m_categories.end());
}
