// TSock over non-blocking POSIX sockets of both IP families, watched by QSocketNotifier on the
// event loop of the thread that owns the component.
//
// The component was written for asynchronous Windows Sockets notifications; the
// notifiers reproduce the same five events (read, write, accept, connect, close)
// with the same information lines and the same Windows Sockets error codes.
//
// Reduced facilities (the game never uses them):
// - Blocking and BlockingTimeout are stored only; every socket runs in
//   notification mode.
// - Datagram sockets bind to the port on Open, take one datagram per read
//   notification into InBuffer and send each Send as one datagram to HostName;
//   the separate datagram calls are not offered.
// - LineBreak is stored only, as it always was: bytes are never translated.
// - There is no stream adapter.
#include "sock/Sock.h"

#include "sock/AddressLookup.h"

#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

ESockException::ESockException(const QString &message, int systemError)
    : std::runtime_error(message.toLatin1().toStdString()), m_systemError(systemError)
{ }

namespace {

// Pending connections the system keeps for a listener before refusing more.
constexpr int ListenBacklog = 5;

// The all-zero address of the family with the port (network byte order).
AddressLookup::Endpoint anyAddress(int family, quint16 port)
{
    AddressLookup::Endpoint any;
    if (family == AF_INET6) {
        auto *v6 = reinterpret_cast<sockaddr_in6 *>(&any.address);
        v6->sin6_family = AF_INET6;
        v6->sin6_addr = in6addr_any;
        v6->sin6_port = port;
        any.length = sizeof(sockaddr_in6);
    } else {
        auto *v4 = reinterpret_cast<sockaddr_in *>(&any.address);
        v4->sin_family = AF_INET;
        v4->sin_addr.s_addr = htonl(INADDR_ANY);
        v4->sin_port = port;
        any.length = sizeof(sockaddr_in);
    }
    return any;
}

bool isTransient(int err)
{
    return err == EAGAIN || err == EWOULDBLOCK || err == EINTR;
}

} // namespace

TSock::TSock(QObject *owner)
    : QObject(owner), m_readNotifier(new QSocketNotifier(QSocketNotifier::Read, this)),
      m_writeNotifier(new QSocketNotifier(QSocketNotifier::Write, this))
{
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TSock::onReadReady);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &TSock::onWriteReady);
}

TSock::~TSock()
{
    if (m_fd < 0)
        return;
    if (m_connected || m_listen)
        Close();
    else
        closeHandle();
}

// ---------------------------------------------------------------------------
// Properties

void TSock::setSocketType(TSocketType type)
{
    if (m_listen)
        throw ESockException(
            QStringLiteral("SocketType - Can't Assign Socket Type While Listening"));
    if (m_connected)
        throw ESockException(
            QStringLiteral("SocketType - Can't Assign Socket Type While Connected"));
    m_socketType = type;
}

void TSock::setHostName(const QString &name)
{
    m_hostName = name;
    if (m_connected && m_socketType == stStream)
        info(infoLookup, QStringLiteral("Setting HostName While Connected Has No Effect"));
}

void TSock::setPortName(const QString &name)
{
    m_portName = name;
    if (m_connected)
        info(infoLookup, QStringLiteral("Setting PortName While Connected Has No Effect"));
}

void TSock::setBlocking(bool blocking)
{
    m_blocking = blocking;
}

void TSock::setListen(bool listen)
{
    if (m_fd >= 0 && !m_listen) {
        m_listen = false;
        throw ESockException(QStringLiteral("Listen - Socket Already In Use"));
    }
    if (m_socketType == stDatagram && listen) {
        m_listen = false;
        throw ESockException(QStringLiteral("Listen - Cannot Listen On A Datagram Socket"));
    }
    if (!listen) {
        m_listen = false;
        QPointer<TSock> self(this);
        Close();
        if (self)
            info(infoListen, QStringLiteral("Listening Stopped"));
        return;
    }
    if (m_fd >= 0) {
        info(infoListen, QStringLiteral("Listening Already Running"));
        return;
    }

    // Made before the lookups, which report through handlers that may fail.
    m_fd = createSocket(SOCK_STREAM, AF_INET6);
    if (m_fd < 0)
        m_fd = createSocket(SOCK_STREAM, AF_INET);
    if (m_fd < 0)
        throw ESockException(QStringLiteral("Listen - Error Binding Socket"), errno);

    QPointer<TSock> self(this);
    const quint16 port = resolvePort();
    if (!self)
        return;
    // Every address of both families where the system allows, else every IPv4 one.
    const std::vector<AddressLookup::Endpoint> bindTo = m_listenAddress.isEmpty()
        ? std::vector {anyAddress(AF_INET6, port), anyAddress(AF_INET, port)}
        : resolveHost(m_listenAddress, port);
    if (!self)
        return;
    int err = 0;
    for (const AddressLookup::Endpoint &local : bindTo) {
        if (m_fd < 0 || m_family != local.family()) {
            closeHandle();
            m_fd = createSocket(SOCK_STREAM, local.family());
            if (m_fd < 0) {
                err = errno;
                continue;
            }
        }
        // Lets the game host again at once after a previous session on the port;
        // a port that another socket is listening on is still refused.
        const int reuse = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        if (local.family() == AF_INET6) {
            const int bothFamilies = 0;
            setsockopt(m_fd, IPPROTO_IPV6, IPV6_V6ONLY, &bothFamilies, sizeof bothFamilies);
        }
        err = ::bind(m_fd, local.data(), local.length) == 0 ? 0 : errno;
        // Only a missing family is worth a second try: a port in use is in use.
        if (err != EAFNOSUPPORT && err != EADDRNOTAVAIL)
            break;
    }
    if (err != 0 || m_fd < 0)
        throw ESockException(QStringLiteral("Listen - Error Binding Socket"), err);
    if (::listen(m_fd, ListenBacklog) != 0)
        throw ESockException(QStringLiteral("Listen - Error Starting Listen"), errno);

    m_listen = true;
    m_acceptPending = false;
    startWatching();
    info(infoListen, QStringLiteral("Listening Started"));
}

// ---------------------------------------------------------------------------
// Operations

bool TSock::Open()
{
    if (m_fd >= 0)
        return m_connected;

    // Whatever is left from an earlier connection belongs to that peer.
    m_inBuffer.clear();
    m_outBuffer.clear();

    m_fd = createSocket(m_socketType == stDatagram ? SOCK_DGRAM : SOCK_STREAM, AF_INET);
    if (m_fd < 0) {
        const int err = errno;
        reportError(err);
        return false;
    }

    // The lookups report through OnInfo, whose handler may delete us.
    QPointer<TSock> self(this);
    const quint16 port = resolvePort();
    if (!self)
        return false;
    m_endpoints.clear();
    m_nextEndpoint = 0;
    if (m_socketType == stStream && !m_hostName.isEmpty())
        m_endpoints = resolveHost(m_hostName, port);
    if (!self)
        return false;
    m_remotePort = port;

    if (m_socketType == stDatagram) {
        const AddressLookup::Endpoint local = anyAddress(AF_INET, m_remotePort);
        if (::bind(m_fd, local.data(), local.length) != 0) {
            const int err = errno;
            reportError(err);
            return false;
        }
        m_connected = true;
        startWatching();
        info(infoConnect, QStringLiteral("Datagram Socket Connected"));
        if (self && OnConnect)
            OnConnect(this);
        return self ? m_connected : false;
    }

    // The outcome is announced by the connect notification, as is an error
    // that the system reports at once.
    m_connecting = true;
    m_connectError = 0;
    if (m_endpoints.empty()) {
        // Unlike the all-zero address on other systems, Linux would take it
        // for this machine; an empty host name names no peer.
        m_connectError = EADDRNOTAVAIL;
    } else {
        connectNextEndpoint();
    }
    startWatching();
    return m_connected;
}

void TSock::connectNextEndpoint()
{
    const AddressLookup::Endpoint &remote = m_endpoints[m_nextEndpoint++];
    if (m_family != remote.family()) {
        closeHandle();
        m_fd = createSocket(SOCK_STREAM, remote.family());
        if (m_fd < 0) {
            m_connectError = errno;
            return;
        }
    }
    m_connectError = 0;
    if (::connect(m_fd, remote.data(), remote.length) != 0 && errno != EINPROGRESS
        && errno != EINTR)
        m_connectError = errno;
}

bool TSock::Close()
{
    bool result = false;
    const bool wasListening = m_listen;
    try {
        stopWatching();
        if (m_fd >= 0)
            result = ::close(std::exchange(m_fd, -1)) == 0;
        m_connected = false;
        m_connecting = false;
        m_acceptPending = false;
        m_writeEventDue = false;
        m_sendFailed = false;
        m_listen = false;
        if (!wasListening)
            info(infoClose, QStringLiteral("Socket Closed"));
    } catch (...) {
        // Closing never fails towards the caller, whatever a handler does.
    }
    // Nothing of the component is touched after the report: its handler may
    // have deleted it.
    return result;
}

bool TSock::Send(const QByteArray &bytes)
{
    if (m_fd < 0)
        throw ESockException(QStringLiteral("Send - Socket Not Connected"));
    if (m_listen)
        throw ESockException(QStringLiteral("Send - Cannot Send On A Listener Socket"));

    if (m_socketType == stDatagram) {
        if (bytes.isEmpty())
            return true;
        QPointer<TSock> self(this);
        const std::vector<AddressLookup::Endpoint> addresses = m_hostName.isEmpty()
            ? std::vector {anyAddress(AF_INET, m_remotePort)}
            : resolveHost(m_hostName, m_remotePort);
        if (!self)
            return true;
        // The datagram socket is an IPv4 one.
        const auto remote = std::find_if(addresses.cbegin(), addresses.cend(),
                                         [](const auto &a) { return a.family() == AF_INET; });
        if (remote == addresses.cend()) {
            reportError(EAFNOSUPPORT);
            return true;
        }
        if (::sendto(m_fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL, remote->data(),
                     remote->length)
            < 0) {
            const int err = errno;
            reportError(err);
        }
        return true;
    }

    m_outBuffer.append(bytes);
    if (m_outBuffer.isEmpty())
        return true;
    QPointer<TSock> self(this);
    info(infoSend, QStringLiteral("Non-Blocking Outgoing Data"));
    if (self)
        flushOutBuffer();
    return true;
}

QByteArray TSock::Receive()
{
    return ReceiveUpTo(-1);
}

QByteArray TSock::ReceiveUpTo(int count)
{
    if (m_fd < 0 && m_inBuffer.isEmpty())
        throw ESockException(QStringLiteral("Receive - Socket Not Connected"));
    if (m_listen)
        throw ESockException(QStringLiteral("Receive - Cannot Receive On A Listener Socket"));
    if (count < 0 || count >= m_inBuffer.size())
        return std::exchange(m_inBuffer, {});
    QByteArray head = m_inBuffer.left(count);
    m_inBuffer.remove(0, count);
    return head;
}

bool TSock::Accept(TSock *&newSock)
{
    if (!m_listen)
        throw ESockException(QStringLiteral("Accept - Socket Not In Listening Mode"));

    // Further connections are announced again once this one is taken.
    m_acceptPending = false;
    updateNotifiers();

    TSock *accepted = acceptConnection();
    if (!accepted) {
        info(infoAccept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    newSock = accepted;
    info(infoAccept, QStringLiteral("Created New TSock Structure"));
    return true;
}

// Every game message is a few bytes handed over at once; batching them (Nagle)
// would hold a message back until the previous one is acknowledged.
static void sendWithoutDelay(int fd)
{
    const int noDelay = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
}

TSock *TSock::acceptConnection()
{
    sockaddr_storage peer {};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(m_fd, reinterpret_cast<sockaddr *>(&peer), &length,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return nullptr;
    const QString peerText = AddressLookup::addressText(reinterpret_cast<sockaddr *>(&peer));
    sendWithoutDelay(fd);

    auto *sock = new TSock(this);
    sock->m_fd = fd;
    sock->m_family = peer.ss_family;
    sock->m_blocking = m_blocking;
    sock->m_blockingTimeout = m_blockingTimeout;
    sock->OnRead = OnRead;
    sock->OnWrite = OnWrite;
    sock->OnDisconnect = OnDisconnect;
    sock->OnInfo = OnInfo;
    sock->m_connected = true;
    sock->m_remotePort = peer.ss_family == AF_INET
        ? reinterpret_cast<const sockaddr_in *>(&peer)->sin_port
        : reinterpret_cast<const sockaddr_in6 *>(&peer)->sin6_port;
    // An accepted connection, like a completed one, is first announced as
    // ready for writing.
    sock->m_writeEventDue = true;
    sock->startWatching();
    QPointer<TSock> guard(sock);
    sock->setPortName(m_portName);
    if (guard)
        sock->setHostName(peerText);
    return guard;
}

// ---------------------------------------------------------------------------
// Notifications

template<typename Fn>
void TSock::fromNotification(Fn &&fn)
{
    // An error raised by a handler ends the handling of this one notification,
    // as it would end a window message; the event loop goes on.
    try {
        fn();
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    } catch (...) {
        qWarning("Unknown error in a socket event handler");
    }
}

void TSock::onReadReady()
{
    if (m_fd < 0 || !m_watching)
        return;
    fromNotification([this] {
        if (m_listen)
            handleAcceptReady();
        else if (m_connecting)
            finishConnect();
        else if (m_socketType == stDatagram)
            handleDatagramReady();
        else
            handleDataReady();
    });
}

void TSock::onWriteReady()
{
    if (m_fd < 0 || !m_watching)
        return;
    fromNotification([this] {
        if (m_connecting)
            finishConnect();
        else if (m_connected)
            handleWriteEvent();
    });
}

void TSock::handleAcceptReady()
{
    // One announcement per waiting connection: nothing more until Accept.
    if (m_autoAccept && OnAutoAccept) {
        TSock *accepted = acceptConnection();
        if (accepted)
            OnAutoAccept(this, accepted);
        return;
    }
    m_acceptPending = true;
    updateNotifiers();
    if (OnAccept)
        OnAccept(this);
}

void TSock::handleDataReady()
{
    const int fd = m_fd;
    const qsizetype kept = m_inBuffer.size();
    m_inBuffer.resize(kept + ReadChunk);
    const ssize_t got = ::recv(fd, m_inBuffer.data() + kept, ReadChunk, 0);
    const int err = errno;
    m_inBuffer.resize(kept + qMax<ssize_t>(got, 0));

    QPointer<TSock> self(this);
    if (got > 0) {
        info(infoReceive, QStringLiteral("Non-Blocking Incoming Data"));
        if (self && OnRead)
            OnRead(this, int(m_inBuffer.size()));
        return;
    }
    if (got == 0) {
        // The peer closed in order: its last bytes were all read before this.
        stopWatching();
        if (OnDisconnect)
            OnDisconnect(this);
        // A handler that already opened a new connection keeps it.
        if (self && (m_fd == fd || m_fd < 0))
            Close();
        return;
    }
    if (isTransient(err))
        return;
    // A reset or an abort: reported only; the socket stays until Close.
    stopWatching();
    reportError(err);
}

void TSock::handleDatagramReady()
{
    const qsizetype kept = m_inBuffer.size();
    m_inBuffer.resize(kept + ReadChunk);
    sockaddr_in peer {};
    socklen_t length = sizeof peer;
    const ssize_t got = ::recvfrom(m_fd, m_inBuffer.data() + kept, ReadChunk, 0,
                                   reinterpret_cast<sockaddr *>(&peer), &length);
    const int err = errno;
    m_inBuffer.resize(kept + qMax<ssize_t>(got, 0));
    if (got < 0) {
        if (!isTransient(err))
            reportError(err);
        return;
    }
    if (OnRead)
        OnRead(this, int(m_inBuffer.size()));
}

void TSock::finishConnect()
{
    int err = m_connectError;
    if (err == 0) {
        socklen_t length = sizeof err;
        if (getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &err, &length) != 0)
            err = errno;
    }
    if (err == 0) {
        sockaddr_storage peer {};
        socklen_t length = sizeof peer;
        if (getpeername(m_fd, reinterpret_cast<sockaddr *>(&peer), &length) != 0
            && errno == ENOTCONN)
            return; // woken early; the connect is still under way
    }
    if (err != 0 && m_nextEndpoint < m_endpoints.size()) {
        // The next address the host name stands for, quietly: only the last
        // failure is reported.
        stopWatching();
        connectNextEndpoint();
        startWatching();
        return;
    }
    m_connecting = false;
    m_connectError = 0;
    if (err != 0) {
        // The component keeps its socket, unconnected, until Close.
        stopWatching();
        reportError(err);
        return;
    }

    m_connected = true;
    m_writeEventDue = true;
    updateNotifiers();
    QPointer<TSock> self(this);
    info(infoConnect, QStringLiteral("Non-Blocking Socket Connected"));
    if (self && OnConnect)
        OnConnect(this);
}

void TSock::handleWriteEvent()
{
    m_writeEventDue = false;
    QPointer<TSock> self(this);
    if (!m_outBuffer.isEmpty())
        Send(QByteArray());
    if (!self)
        return;
    updateNotifiers();
    info(infoSend, QStringLiteral("Non-Blocking Outgoing Data"));
    if (self && OnWrite)
        OnWrite(this);
}

bool TSock::flushOutBuffer()
{
    if (m_connected && !m_sendFailed && !m_outBuffer.isEmpty()) {
        const ssize_t sent
            = ::send(m_fd, m_outBuffer.constData(), size_t(m_outBuffer.size()), MSG_NOSIGNAL);
        if (sent > 0)
            m_outBuffer.remove(0, sent);
        else if (sent < 0 && !isTransient(errno) && errno != ENOBUFS)
            m_sendFailed = true; // the read side reports why
    }
    updateNotifiers();
    return m_outBuffer.isEmpty();
}

// ---------------------------------------------------------------------------
// Helpers

void TSock::info(TSocketInfo kind, const QString &msg)
{
    if (!OnInfo)
        return;
    try {
        OnInfo(this, kind, msg);
    } catch (...) {
        throw ESockException(QStringLiteral("Error here"));
    }
}

void TSock::reportError(int err)
{
    info(infoError, errorText(errorCodeFromErrno(err)));
}

int TSock::createSocket(int type, int family)
{
    const int fd = ::socket(family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0 && type == SOCK_STREAM)
        sendWithoutDelay(fd);
    m_family = fd >= 0 ? family : AF_UNSPEC;
    return fd;
}

void TSock::startWatching()
{
    m_readNotifier->setSocket(m_fd);
    m_writeNotifier->setSocket(m_fd);
    m_watching = true;
    updateNotifiers();
}

void TSock::stopWatching()
{
    m_watching = false;
    updateNotifiers();
}

void TSock::updateNotifiers()
{
    bool wantRead = false;
    bool wantWrite = false;
    if (m_watching && m_fd >= 0) {
        if (m_listen) {
            wantRead = !m_acceptPending;
        } else if (m_connecting) {
            // A failed connect shows as either readiness, depending on the error.
            wantRead = true;
            wantWrite = true;
        } else if (m_connected) {
            wantRead = true;
            // Only while something waits to be written: an idle socket is
            // always writable and would wake the loop for nothing.
            wantWrite = m_socketType == stStream
                && (m_writeEventDue || (!m_outBuffer.isEmpty() && !m_sendFailed));
        }
    }
    if (m_readNotifier->isEnabled() != wantRead)
        m_readNotifier->setEnabled(wantRead);
    if (m_writeNotifier->isEnabled() != wantWrite)
        m_writeNotifier->setEnabled(wantWrite);
}

quint16 TSock::resolvePort()
{
    info(infoLookup, QStringLiteral("Lookup Of Port ") + m_portName);
    return AddressLookup::port(m_portName, m_socketType);
}

std::vector<AddressLookup::Endpoint> TSock::resolveHost(const QString &name, quint16 port)
{
    info(infoLookup, QStringLiteral("Lookup Of Host ") + name);
    return AddressLookup::hosts(name, port);
}

void TSock::closeHandle()
{
    if (m_fd < 0)
        return;
    m_watching = false;
    updateNotifiers();
    ::close(std::exchange(m_fd, -1));
}
