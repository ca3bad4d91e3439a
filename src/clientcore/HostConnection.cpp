#include "clientcore/HostConnection.h"

#include "clientcore/PlayerSeats.h"
#include "protocol/FieldReader.h"
#include "protocol/GameFacts.h"
#include "protocol/Messages.h"
#include "sock/AddressLookup.h"
#include "sock/Sock.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Ticks of the dispatch timer: one queued message per tick.
constexpr int DispatchIntervalMs = 1;
// A connect the host never answers reads as one the system gave up on.
const QString ConnectTimedOut = QStringLiteral("Connect - WSAETIMEDOUT");

struct SeatAndName
{
    int seat = 0;
    QString name;
};

// "SEAT+NAME", as the lead and the return name a player; the name is the
// rest of the text, so it may hold the separator itself.
std::optional<SeatAndName> readSeatAndName(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat || *seat < 1 || *seat > GameFacts::HighestSeat)
        return std::nullopt;
    return SeatAndName {*seat, argument.mid(argument.indexOf(u'+') + 1)};
}

} // namespace

HostConnection::HostConnection(QObject *parent) : QObject(parent)
{
    m_socket = new TSock(this);
    m_socket->setObjectName(QStringLiteral("sock"));
    m_socket->OnInfo = [this](TSock *, TSocketInfo info, const QString &text) {
        if (info == infoClose) {
            if (!m_closingOnPurpose)
                hostClosed();
        } else if (info == infoError) {
            reportFailure(text);
        }
    };
    m_socket->OnConnect = [this](TSock *) {
        m_connectTimer->stop();
    };
    m_socket->OnRead = [this](TSock *socket, int) {
        try {
            receiveBytes(socket->Receive());
        } catch (const ESockException &) { }
    };
    m_lobby = new TSock(this);
    m_lobby->setObjectName(QStringLiteral("Sock11"));
    m_lobby->setHostName(QLatin1String(GameFacts::LobbyAddress));
    m_lobby->setPortName(QString::number(GameFacts::LobbyPort));

    m_sender = [this](const QByteArray &message) {
        try {
            m_socket->Send(message);
        } catch (const ESockException &) {
            // Not connected (phrase buttons send regardless): the line is lost,
            // as it would be on a closed connection.
        }
    };

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(DispatchIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &HostConnection::tick);

    m_retryTimer = new QTimer(this);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &HostConnection::openSocket);
    m_connectTimer = new QTimer(this);
    m_connectTimer->setSingleShot(true);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        m_lookingUp = false;
        if (!m_socket->Connected())
            reportFailure(ConnectTimedOut);
    });
    m_lookup
        = [](const QString &name, QObject *context, std::function<void(const QStringList &)> done) {
              QHostInfo::lookupHost(name, context, [done = std::move(done)](const QHostInfo &info) {
                  QStringList addresses;
                  for (const QHostAddress &address : info.addresses())
                      addresses.append(address.toString());
                  done(addresses);
              });
          };

    on(QStringLiteral("CMD_sendlogininfo"),
       [this](const QString &argument, int) { signIn(argument); });
    on(QStringLiteral("CMD_leads"), [this](const QString &argument, int) { leads(argument); });
    on(QStringLiteral("CMD_playerback"), [this](const QString &argument, int) { back(argument); });
    on(QStringLiteral("CMD_removed"), [this](const QString &, int) {
        m_removed = true;
        if (!std::exchange(m_resumeToken, QString()).isEmpty())
            emit resumeTokenChanged(QString()); // a removed player's token is void
    });
    on(QStringLiteral("CMD_playerremoved"),
       [this](const QString &argument, int) { removal(argument); });
    on(QStringLiteral("CMD_takesover"),
       [this](const QString &argument, int) { takeOver(argument); });
    on(QStringLiteral("CMD_away"), [this](const QString &argument, int) { away(argument); });
    on(QStringLiteral("CMD_notice"),
       [this](const QString &argument, int) { emit statusLine(argument); });
    on(QStringLiteral("CMD_resumetoken"),
       [this](const QString &argument, int) { tokenGiven(argument); });
}

HostConnection::~HostConnection()
{
    // Closing the socket reports "Socket Closed"; nobody is left to hear it.
    m_socket->OnInfo = nullptr;
    m_socket->OnRead = nullptr;
}

void HostConnection::on(const QString &name, Protocol::Dispatcher::Handler handler)
{
    m_dispatcher.on(name, std::move(handler));
}

void HostConnection::connectTo(const QString &host, quint16 port)
{
    m_loginName = m_playerName + QChar(Protocol::Terminator & 0xFF);
    setHost(host, port);
    m_failingSince.invalidate();
    m_pauseSeconds = FirstPauseSeconds;
    m_everSignedIn = false;
    openSocket();
}

void HostConnection::close()
{
    m_lookingUp = false;
    m_retryTimer->stop();
    m_connectTimer->stop();
    m_failingSince.invalidate();
    closeQuietly();
}

bool HostConnection::isOpen() const
{
    return m_lookingUp || m_socket->hasSocket();
}

bool HostConnection::isLobbyOpen() const
{
    return m_lobby->hasSocket();
}

void HostConnection::setHost(const QString &host, quint16 port)
{
    m_hostAddress = host;
    m_port = port;
}

void HostConnection::openSocket()
{
    // A fresh line: nothing half-read from the last one, seat 1 leads until told.
    m_splitter = Protocol::FrameSplitter();
    m_skippingOverlong = false;
    m_leadSeat = 1;
    m_removed = false;
    m_leftBecause.clear();
    const quint64 number = ++m_lookupNumber;
    m_lookingUp = false;
    if (m_hostAddress.isEmpty() || AddressLookup::isLiteral(m_hostAddress) || !m_lookup) {
        openResolved();
        return;
    }
    // A name: the socket's own lookup would block this thread, so the name is
    // looked up elsewhere and the socket then finds its addresses known. A
    // lookup that never answers ends like a connect that never does.
    m_lookingUp = true;
    m_connectTimer->start(ConnectTimeoutSeconds * m_secondMs);
    const QString name = m_hostAddress;
    m_lookup(name, this, [this, number, name](const QStringList &addresses) {
        if (number != m_lookupNumber || !m_lookingUp)
            return;
        m_lookingUp = false;
        if (addresses.isEmpty()) {
            reportFailure(QStringLiteral("Host Lookup - Could Not Find Host Entry"));
            return;
        }
        AddressLookup::remember(name, addresses);
        openResolved();
    });
}

void HostConnection::openResolved()
{
    m_socket->setHostName(m_hostAddress);
    m_socket->setPortName(QString::number(m_port));
    try {
        m_socket->Open();
    } catch (const ESockException &e) {
        reportFailure(e.message());
        return;
    }
    if (!m_socket->Connected())
        m_connectTimer->start(ConnectTimeoutSeconds * m_secondMs);
}

void HostConnection::connectionFailed(const QString &reason)
{
    m_connectTimer->stop();
    if (m_hostAddress.isEmpty() || m_retryTimer->isActive())
        return;
    const bool wasPlaying = m_signedIn;
    if (!wasPlaying)
        emit connectFailed(reason);
    m_signedIn = false;
    updateLead();
    closeQuietly();
    emit statusLine(
        wasPlaying ? QStringLiteral("Lost the connection to %1: %2.").arg(m_hostAddress, reason)
                   : unreachedText(m_hostAddress, reason));
    if (!m_everSignedIn && !m_retryUnreachedHost)
        return;
    if (!m_failingSince.isValid()) {
        m_failingSince.start();
        m_pauseSeconds = FirstPauseSeconds;
    }
    const qint64 leftMs = qint64(ReconnectForSeconds) * m_secondMs - m_failingSince.elapsed();
    if (leftMs <= 0) {
        m_failingSince.invalidate();
        emit statusLine(QStringLiteral("Gave up trying to reach %1.").arg(m_hostAddress));
        return;
    }
    const qint64 pauseMs = std::min<qint64>(qint64(m_pauseSeconds) * m_secondMs, leftMs);
    m_pauseSeconds *= 2;
    const qint64 seconds = (pauseMs + m_secondMs - 1) / m_secondMs;
    emit statusLine(seconds == 1 ? QStringLiteral("Trying again in 1 second.")
                                 : QStringLiteral("Trying again in %1 seconds.").arg(seconds));
    m_retryTimer->start(int(pauseMs));
}

QString HostConnection::unreachedText(const QString &host, const QString &reason)
{
    return QStringLiteral("Could not reach %1: %2.").arg(host, reason);
}

void HostConnection::closeQuietly()
{
    // Closing reports "Socket Closed", which here is no word from the host.
    m_closingOnPurpose = true;
    m_socket->Close();
    m_closingOnPurpose = false;
}

void HostConnection::reportFailure(const QString &socketReport)
{
    connectionFailed(reasonFor(socketReport));
}

QString HostConnection::reasonFor(const QString &socketReport)
{
    static const std::pair<const char *, const char *> reasons[] = {
        {"WSAECONNREFUSED", "connection refused"}, {"WSAETIMEDOUT", "timed out"},
        {"WSAECONNRESET", "connection reset"},     {"WSAECONNABORTED", "connection aborted"},
        {"WSAEHOSTUNREACH", "host unreachable"},   {"WSAENETUNREACH", "network unreachable"},
        {"Host Lookup", "no such host"},
    };
    for (const auto &[code, reason] : reasons) {
        if (socketReport.contains(QLatin1String(code)))
            return QString::fromLatin1(reason);
    }
    return socketReport;
}

void HostConnection::openLobby(quint16 port)
{
    m_lobby->setPortName(QString::number(port));
    try {
        m_lobby->Open();
    } catch (const ESockException &) {
        // Nothing is ever said on this connection; the game runs without it.
    }
}

void HostConnection::send(const QByteArray &message)
{
    if (m_sender)
        m_sender(message);
}

void HostConnection::receiveBytes(const QByteArray &arrived)
{
    if (!m_leftBecause.isEmpty())
        return;
    QByteArray bytes = arrived;
    const bool idle = m_queue.isEmpty();
    if (m_skippingOverlong) {
        const qsizetype end = bytes.indexOf(Protocol::Terminator);
        if (end < 0)
            return;
        bytes.remove(0, end + 1);
        m_skippingOverlong = false;
    }
    for (const QByteArray &message : m_splitter.feed(bytes)) {
        m_queue.append(message);
        m_queuedChars += message.size();
        if (m_queue.size() > MaxQueuedMessages || m_queuedChars > MaxQueuedChars) {
            leaveFloodingHost();
            return;
        }
    }
    if (m_splitter.overflowed()) {
        // No message of ours is that long: drop the rest of it up to its
        // terminator and read on, rather than ignore the host from now on.
        m_splitter = Protocol::FrameSplitter();
        m_skippingOverlong = true;
    }
    // A message that finds nothing waiting is handled at once; only a backlog
    // goes at the tick pace.
    if (!m_queue.isEmpty() && !m_timer->isActive())
        m_timer->start(idle ? 0 : DispatchIntervalMs);
}

void HostConnection::leaveFloodingHost()
{
    m_queue.clear();
    m_queuedChars = 0;
    m_retryTimer->stop();
    m_connectTimer->stop();
    m_failingSince.invalidate();
    m_signedIn = false;
    updateLead();
    closeQuietly();
    m_leftBecause = QStringLiteral("Left the game at %1: the host sent more than %2 messages "
                                   "or %3 MiB faster than they could be handled.")
                        .arg(m_hostAddress)
                        .arg(MaxQueuedMessages)
                        .arg(MaxQueuedChars / (1024 * 1024));
    // Reported from the timer, not from inside the socket's read.
    hostClosed();
}

void HostConnection::hostClosed()
{
    // What the host said before it hung up ("Game is full") is handled first.
    m_closeWhenDrained = true;
    if (!m_timer->isActive())
        m_timer->start();
}

void HostConnection::processOne()
{
    if (m_dispatching || m_queue.isEmpty())
        return;
    const Protocol::QueueEntry entry = m_queue.takeFirst();
    m_queuedChars -= entry.text.size();
    m_dispatching = true;
    m_dispatcher.dispatch(entry);
    m_dispatching = false;
}

void HostConnection::tick()
{
    processOne();
    if (!m_queue.isEmpty()) {
        if (m_timer->interval() != DispatchIntervalMs)
            m_timer->start(DispatchIntervalMs);
        return;
    }
    // Idle without messages: the next read starts the timer again.
    m_timer->stop();
    // Not from inside a handler (a message box may wait there), and only once.
    if (m_closeWhenDrained && !m_dispatching) {
        m_closeWhenDrained = false;
        const QString why = !m_leftBecause.isEmpty() ? m_leftBecause
            : m_removed ? QStringLiteral("You were removed from the game.")
                        : QStringLiteral("The host has closed the game.");
        emit statusLine(why);
        emit closed(why);
    }
}

void HostConnection::signIn(const QString &argument)
{
    const std::optional<int> seat = Protocol::toInt(argument);
    if (!seat || *seat < 1 || *seat > GameFacts::HighestSeat)
        return;
    m_ownSeat = *seat;
    m_signedIn = true;
    m_everSignedIn = true;
    m_failingSince.invalidate();
    if (m_nameForSeat) {
        m_playerName = m_nameForSeat(m_ownSeat);
        m_loginName = m_playerName + QChar(Protocol::Terminator & 0xFF);
    }
    // The host hears which additions this client understands before it seats
    // the player; the builder adds the second terminator that ends the login name.
    send(Protocol::Msg::peerinfo(m_ownSeat, m_peerKind, Protocol::ourCapabilities()));
    if (!m_resumeToken.isEmpty())
        send(Protocol::Msg::resume(m_ownSeat, m_resumeToken));
    send(Protocol::Msg::logininfo(m_ownSeat, QString::fromLatin1(Protocol::Version), m_playerName));
    emit signedIn(m_ownSeat);
    updateLead();
}

void HostConnection::tokenGiven(const QString &argument)
{
    // Hexadecimal digits only: it goes into the settings file as it is.
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32,64}$"));
    const std::optional<SeatAndName> given = readSeatAndName(argument);
    if (!given || given->seat != m_ownSeat || !hex.match(given->name).hasMatch()
        || given->name == m_resumeToken)
        return;
    m_resumeToken = given->name;
    emit resumeTokenChanged(m_resumeToken);
}

void HostConnection::leads(const QString &argument)
{
    const std::optional<SeatAndName> leader = readSeatAndName(argument);
    if (!leader)
        return;
    m_leadSeat = leader->seat;
    emit statusLine(leader->name + QStringLiteral(" now leads the game."));
    updateLead();
}

void HostConnection::back(const QString &argument)
{
    const std::optional<SeatAndName> returner = readSeatAndName(argument);
    if (!returner)
        return;
    emit statusLine(returner->seat == m_ownSeat
                        ? QStringLiteral("Welcome back: your answers were kept.")
                        : returner->name + QStringLiteral(" is back."));
    emit playerBack(returner->seat, returner->name);
}

void HostConnection::removal(const QString &argument)
{
    const std::optional<SeatAndName> removed = readSeatAndName(argument);
    if (!removed)
        return;
    emit playerRemoved(removed->seat, removed->name);
    emit statusLine(removed->name + QStringLiteral(" was removed from the game."));
}

void HostConnection::takeOver(const QString &argument)
{
    // "SEAT+SCORE+DEPARTED+NAME", the name being the rest of the text.
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    const std::optional<int> score = fields.takeInt();
    const QString departed = fields.takeText();
    if (!seat || !score || *seat < 1 || *seat > GameFacts::SeatCount || fields.atEnd())
        return;
    const QString &name = fields.rest();
    emit seatTakenOver(*seat, name, *score);
    emit statusLine(QStringLiteral("%1 takes over the seat of %2 with %3 point%4.")
                        .arg(name, departed)
                        .arg(*score)
                        .arg(*score == 1 ? QString() : QStringLiteral("s")));
}

void HostConnection::away(const QString &argument)
{
    // "SEAT+SECONDS+NAME", the name being the rest of the text.
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    const std::optional<int> seconds = fields.takeInt();
    if (!seat || !seconds || *seat < 1 || *seat > GameFacts::SeatCount || *seconds < 0
        || fields.atEnd())
        return;
    emit playerAway(*seat, fields.rest(), *seconds);
    emit statusLine(fields.rest() + QStringLiteral(" disconnected; the seat is kept for ")
                    + spokenDuration(*seconds) + u'.');
}

// "2 minutes", "1 minute 40 seconds": a chat line's first colon starts its
// text, so a clock reading such as 1:40 cannot appear in one.
QString HostConnection::spokenDuration(int seconds)
{
    const auto count = [](int n, const char *unit) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit), n == 1 ? "" : "s");
    };
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    if (minutes == 0)
        return count(rest, "second");
    return rest == 0 ? count(minutes, "minute")
                     : count(minutes, "minute") + u' ' + count(rest, "second");
}

void HostConnection::updateLead()
{
    const bool leads = m_signedIn && m_ownSeat == m_leadSeat;
    if (leads == m_leads)
        return;
    m_leads = leads;
    emit leadChanged(leads);
}
