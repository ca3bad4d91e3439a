// Shared set-up of the socket tests: the test's own raw peer side, a log of
// every event of the components watched, a listener on a fresh port and a
// connected loopback pair.
#pragma once

#include "TestPorts.h"
#include "sock/Sock.h"

#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

// Bound for every wait on the event loop.
constexpr int WaitMs = 10000;
constexpr char Loopback[] = "127.0.0.1";

// Owns a raw descriptor of the test's own peer side.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) { }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

inline sockaddr_in loopbackAddress(quint16 port)
{
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return sa;
}

// Points a client component at a port on this machine.
inline void aimAtLoopback(TSock &client, quint16 port)
{
    client.setHostName(Loopback);
    client.setPortName(QString::number(port));
}

// A blocking connection from the test to a listener on this machine.
inline int rawConnect(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in sa = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&sa), sizeof sa) != 0)
        qFatal("raw connect failed: %d", errno);
    return fd;
}

inline void rawSend(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t sent
            = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (sent <= 0)
            qFatal("raw send failed: %d", errno);
        done += sent;
    }
}

inline QByteArray allByteValues()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

// Records every event of the components it watches, in order.
class EventLog
{
public:
    // Components that a listener accepts take its handlers; their lines carry
    // copiesName.
    void watch(TSock &sock, const QString &name, const QString &copiesName = QString())
    {
        m_names.insert(&sock, name);
        auto nameOf = [this, copiesName](TSock *sender) {
            return m_names.value(sender, copiesName);
        };
        sock.OnInfo = [this, nameOf](TSock *sender, TSocketInfo kind, const QString &msg) {
            lines << QStringLiteral("%1 info %2 %3").arg(nameOf(sender)).arg(int(kind)).arg(msg);
        };
        sock.OnDisconnect = [this, nameOf](TSock *sender) {
            lines << nameOf(sender) + " disconnect";
        };
        sock.OnConnect = [this, nameOf](TSock *sender) {
            lines << nameOf(sender) + " connect";
        };
        sock.OnWrite = [this, nameOf](TSock *sender) {
            lines << nameOf(sender) + " write";
        };
        sock.OnRead = [this, nameOf](TSock *sender, int count) {
            lines << QStringLiteral("%1 read %2").arg(nameOf(sender)).arg(count);
            reads << count;
            received += sender->Receive();
        };
    }

    QStringList linesOf(const QString &name) const
    {
        return lines.filter(QRegularExpression("^" + QRegularExpression::escape(name) + " "));
    }

    QStringList lines;
    QList<int> reads;
    QByteArray received;

private:
    QHash<TSock *, QString> m_names;
};

// A listening component on a fresh port that accepts every connection.
class Listener
{
public:
    Listener()
    {
        port = freePort();
        sock.setPortName(QString::number(port));
        sock.OnAccept = [this](TSock *sender) {
            TSock *accepted = nullptr;
            if (sender->Accept(accepted))
                acceptedSocks << accepted;
        };
        sock.setListen(true);
    }

    TSock *waitForAccepted(int count = 1)
    {
        if (!QTest::qWaitFor([&] { return acceptedSocks.size() >= count; }, WaitMs))
            return nullptr;
        return acceptedSocks.at(count - 1);
    }

    TSock sock;
    quint16 port = 0;
    QList<QPointer<TSock>> acceptedSocks;
};

// A listener whose events, and those of the components it accepts ("server"),
// go to one log.
struct WatchedListener
{
    WatchedListener() { log.watch(listener.sock, "listener", "server"); }

    // Declared first: handlers still report to it while the components close.
    EventLog log;
    Listener listener;
};

// The test's own raw peer connected to a watched listener, and the component
// that accepted it.
struct RawPeerPair : WatchedListener
{
    RawPeerPair()
    {
        peer.reset(rawConnect(listener.port));
        server = listener.waitForAccepted();
    }

    Fd peer;
    QPointer<TSock> server;
};

// A client component aimed at a watched listener, reporting to the same log;
// not opened yet.
struct ClientAndListener : WatchedListener
{
    ClientAndListener()
    {
        aimAtLoopback(client, listener.port);
        log.watch(client, "client");
    }

    TSock client;
};

// Connects the client to the listener and waits for both ends.
struct ConnectedPair : ClientAndListener
{
    ConnectedPair()
    {
        client.Open();
        server = listener.waitForAccepted();
    }

    bool ready() const
    {
        return server && QTest::qWaitFor([&] { return client.Connected(); }, WaitMs);
    }

    QPointer<TSock> server;
};
