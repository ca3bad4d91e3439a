#include "clientcore/HostConnection.h"

#include "clientcore/GameFacts.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"
#include "sock/Sock.h"

#include <QTimer>

namespace {

// Ticks of the dispatch timer: one queued message per tick.
constexpr int DispatchIntervalMs = 1;
const QString SocketClosed = QStringLiteral("Socket Closed");
const QString Loopback = QStringLiteral("127.0.0.1");

} // namespace

HostConnection::HostConnection(QObject *parent) : QObject(parent)
{
    m_socket = new TSock(this);
    m_socket->setObjectName(QStringLiteral("sock"));
    m_socket->OnInfo = [this](TSock *, TSocketInfo, const QString &text) {
        if (text == SocketClosed)
            hostClosed();
    };
    m_socket->OnRead = [this](TSock *socket, int) {
        try {
            receiveBytes(socket->Receive());
        } catch (const ESockException &) { }
    };
    m_lobby = new TSock(this);
    m_lobby->setObjectName(QStringLiteral("Sock11"));
    m_lobby->setHostName(Loopback);
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

    on(QStringLiteral("CMD_sendlogininfo"),
       [this](const QString &argument, int) { signIn(argument); });
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
    m_socket->setHostName(host);
    m_socket->setPortName(QString::number(port));
    try {
        m_socket->Open();
    } catch (const ESockException &) {
        // An address that cannot be resolved leaves the client waiting, like
        // a host that does not answer.
    }
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
    QByteArray bytes = arrived;
    const bool idle = m_queue.isEmpty();
    if (m_skippingOverlong) {
        const qsizetype end = bytes.indexOf(Protocol::Terminator);
        if (end < 0)
            return;
        bytes.remove(0, end + 1);
        m_skippingOverlong = false;
    }
    for (const QByteArray &message : m_splitter.feed(bytes))
        m_queue.append(message);
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
    m_dispatching = true;
    m_dispatcher.dispatch(m_queue.takeFirst());
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
        emit closed();
    }
}

void HostConnection::signIn(const QString &argument)
{
    const std::optional<int> seat = Protocol::toInt(argument);
    if (!seat || *seat < 1 || *seat > GameFacts::HighestSeat)
        return;
    m_ownSeat = *seat;
    m_signedIn = true;
    // The builder adds the second terminator that ends the login name.
    send(Protocol::Msg::logininfo(m_ownSeat, QString::fromLatin1(Protocol::Version), m_playerName));
    emit signedIn(m_ownSeat);
}
