// TSock over real loopback connections: events, information lines, errors, and
// the framing of game messages on top of what a read delivers.
#include "protocol/Dispatcher.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"
#include "protocol/ReceiveQueue.h"
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
#include <memory>

namespace {

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
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

sockaddr_in loopbackAddress(quint16 port)
{
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return sa;
}

// A port that nothing listens on right now, chosen by the system.
quint16 freePort()
{
    Fd probe(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    if (::bind(probe.get(), reinterpret_cast<sockaddr *>(&sa), sizeof sa) != 0)
        qFatal("probe bind failed: %d", errno);
    socklen_t length = sizeof sa;
    getsockname(probe.get(), reinterpret_cast<sockaddr *>(&sa), &length);
    return ntohs(sa.sin_port);
}

// A blocking connection from the test to a listener on this machine.
int rawConnect(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in sa = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&sa), sizeof sa) != 0)
        qFatal("raw connect failed: %d", errno);
    return fd;
}

void rawSend(int fd, const QByteArray &bytes)
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

QByteArray allByteValues()
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

} // namespace

class TestSock : public QObject
{
    Q_OBJECT

private slots:
    void twoMessagesInOneReadComeInOneOnRead();
    void messageSplitOverReadsArrivesWholeWhenFramed();
    void doubledTerminatorGivesNoEmptyEntry();
    void receiveReturnsBytesUnchanged_data();
    void receiveReturnsBytesUnchanged();
    void receiveUpToLeavesTheRest();
    void peerCloseGivesDisconnectThenSocketClosed();
    void receiveAfterPeerClose();
    void resetGivesOnlyTheErrorLine();
    void failedConnectGivesOnlyTheErrorLine_data();
    void failedConnectGivesOnlyTheErrorLine();
    void sendBeforeConnectCompletesArrives();
    void largeSendArrivesWholeInChunks_data();
    void largeSendArrivesWholeInChunks();
    void idleConnectionRaisesNoFurtherWrites();
    void bindingABusyPortRaises_data();
    void bindingABusyPortRaises();
    void listeningAgainAfterCloseSucceeds();
    void closeReportsEveryTime();
    void stoppingListenReports();
    void acceptedComponentTakesPeerAndPort();
    void autoAcceptHandsOverWithoutAsking();
    void unterminatedFloodOverflowsSplitter();
    void misuseRaises();
    void throwingInfoHandlerBecomesErrorHere();
    void portNames_data();
    void portNames();
    void reopenDropsBytesOfTheOldConnection();
    void destroyingConnectedComponentCloses();
    void handlerMayDeleteItsComponent();
    void handlerErrorEndsOnlyItsNotification();
    void hostNamesResolve_data();
    void hostNamesResolve();
    void datagramsReachTheirPort();
    void errorTexts_data();
    void errorTexts();
};

// Connects a client component to a listener and waits for both ends.
struct ConnectedPair
{
    ConnectedPair()
    {
        log.watch(listener.sock, "listener", "server");
        client.setHostName(Loopback);
        client.setPortName(QString::number(listener.port));
        log.watch(client, "client");
        client.Open();
        server = listener.waitForAccepted();
    }

    bool ready() const
    {
        return server && QTest::qWaitFor([&] { return client.Connected(); }, WaitMs);
    }

    // Declared first: handlers still report to it while the components close.
    EventLog log;
    Listener listener;
    TSock client;
    QPointer<TSock> server;
};

void TestSock::twoMessagesInOneReadComeInOneOnRead()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener", "server");
    Fd peer(rawConnect(listener.port));
    QVERIFY(listener.waitForAccepted());

    const QByteArray both
        = Protocol::Msg::sendlogininfo(3) + Protocol::Msg::newplayerinfo(3, "Ann");
    rawSend(peer.get(), both);

    QTRY_COMPARE_WITH_TIMEOUT(log.received.size(), both.size(), WaitMs);
    QCOMPARE(log.reads, QList<int> {int(both.size())});
    Protocol::FrameSplitter splitter;
    const QList<QByteArray> messages = splitter.feed(log.received);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0), QByteArray("CMD_sendlogininfo+3"));
    QCOMPARE(messages.at(1), QByteArray("CMD_newplayerinfo+3+Ann"));
}

void TestSock::messageSplitOverReadsArrivesWholeWhenFramed()
{
    Listener listener;
    Fd peer(rawConnect(listener.port));
    TSock *server = listener.waitForAccepted();
    QVERIFY(server);

    Protocol::FrameSplitter splitter;
    QList<QByteArray> messages;
    int reads = 0;
    server->OnRead = [&](TSock *sender, int) {
        ++reads;
        messages += splitter.feed(sender->Receive());
    };

    const QByteArray message = Protocol::Msg::chat(2, "hello + goodbye", "clRed");
    const qsizetype half = message.size() / 2;
    rawSend(peer.get(), message.left(half));
    QTRY_COMPARE_WITH_TIMEOUT(reads, 1, WaitMs);
    QVERIFY(messages.isEmpty());
    rawSend(peer.get(), message.mid(half));
    QTRY_COMPARE_WITH_TIMEOUT(reads, 2, WaitMs);
    QCOMPARE(messages, QList<QByteArray> {message.chopped(1)});
}

void TestSock::doubledTerminatorGivesNoEmptyEntry()
{
    Listener listener;
    Fd peer(rawConnect(listener.port));
    TSock *server = listener.waitForAccepted();
    QVERIFY(server);

    Protocol::FrameSplitter splitter;
    Protocol::ReceiveQueue queue;
    server->OnRead = [&](TSock *sender, int) {
        for (const QByteArray &message : splitter.feed(sender->Receive()))
            queue.append(message, sender->Tag);
    };
    server->Tag = 4;

    rawSend(peer.get(), Protocol::Msg::logininfo(4, Protocol::Version, "Bob"));
    QTRY_COMPARE_WITH_TIMEOUT(queue.size(), qsizetype(1), WaitMs);

    QStringList handled;
    Protocol::Dispatcher dispatcher;
    dispatcher.on("CMD_logininfo", [&](const QString &argument, int origin) {
        handled << QStringLiteral("%1 from %2").arg(argument).arg(origin);
    });
    QVERIFY(dispatcher.dispatch(queue.takeFirst()));
    QVERIFY(queue.isEmpty());
    QCOMPARE(handled, QStringList {"4+1.0.4+Bob from 4"});
}

void TestSock::receiveReturnsBytesUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("every byte value") << allByteValues();
    QTest::newRow("nul and terminator runs") << QByteArray("\0\0\xff\xff\0\xff", 6);
    QTest::newRow("line breaks untouched") << QByteArray("a\r\nb\rc\nd\n\r");
}

void TestSock::receiveReturnsBytesUnchanged()
{
    QFETCH(QByteArray, bytes);
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.client.Send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), bytes.size(), WaitMs);
    QCOMPARE(pair.log.received, bytes);
}

void TestSock::receiveUpToLeavesTheRest()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.server->OnRead = nullptr;
    pair.client.Send("abcdef");
    QTRY_COMPARE_WITH_TIMEOUT(pair.server->InBuffer().size(), qsizetype(6), WaitMs);
    QCOMPARE(pair.server->ReceiveUpTo(2), QByteArray("ab"));
    QCOMPARE(pair.server->InBuffer(), QByteArray("cdef"));
    QCOMPARE(pair.server->ReceiveUpTo(0), QByteArray());
    QCOMPARE(pair.server->ReceiveUpTo(100), QByteArray("cdef"));
    QVERIFY(pair.server->InBuffer().isEmpty());
}

void TestSock::peerCloseGivesDisconnectThenSocketClosed()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.client.Send("bye");
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received, QByteArray("bye"), WaitMs);
    pair.log.lines.clear();

    pair.client.Close();
    QTRY_VERIFY_WITH_TIMEOUT(!pair.server->hasSocket(), WaitMs);
    QCOMPARE(pair.log.linesOf("server"),
             (QStringList {"server disconnect", "server info 2 Socket Closed"}));
    QVERIFY(!pair.server->Connected());
}

void TestSock::receiveAfterPeerClose()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener", "server");
    Fd peer(rawConnect(listener.port));
    TSock *server = listener.waitForAccepted();
    QVERIFY(server);
    server->OnRead = nullptr; // leave the bytes in InBuffer

    rawSend(peer.get(), "last words\xff");
    peer.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!server->hasSocket(), WaitMs);
    QCOMPARE(server->Receive(), QByteArray("last words\xff"));
    try {
        server->Receive();
        QFAIL("Receive on a closed, empty component must raise");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), QString("Receive - Socket Not Connected"));
    }
}

void TestSock::resetGivesOnlyTheErrorLine()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener", "server");
    Fd peer(rawConnect(listener.port));
    TSock *server = listener.waitForAccepted();
    QVERIFY(server);
    // Let the write event that follows the accept pass first.
    QTRY_VERIFY_WITH_TIMEOUT(log.lines.contains("server write"), WaitMs);
    log.lines.clear();

    const linger abort {1, 0};
    setsockopt(peer.get(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    peer.reset();

    QTRY_VERIFY_WITH_TIMEOUT(!log.lines.isEmpty(), WaitMs);
    QCOMPARE(log.lines, QStringList {"server info 7 Error #10054 (WSAECONNRESET)"});
    // The component keeps its socket and state until its owner closes it.
    QVERIFY(server->hasSocket());
    QVERIFY(server->Connected());
    QVERIFY(server->Close());
    QCOMPARE(log.lines.last(), QString("server info 2 Socket Closed"));
}

void TestSock::failedConnectGivesOnlyTheErrorLine_data()
{
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("nobody listening")
        << QString(Loopback)
        << QStringList {"client info 0 Lookup Of Host 127.0.0.1",
                        "client info 7 Error #10061 (WSAECONNREFUSED)"};
    // The all-zero address must not quietly reach this machine.
    QTest::newRow("no host name") << QString()
                                  << QStringList {"client info 7 Error #10049 (WSAEADDRNOTAVAIL)"};
}

void TestSock::failedConnectGivesOnlyTheErrorLine()
{
    QFETCH(QString, hostName);
    QFETCH(QStringList, lines);
    EventLog log;
    Listener listener; // an open port, for the empty host name to miss
    TSock client;
    log.watch(client, "client");
    client.setHostName(hostName);
    const quint16 port = hostName.isEmpty() ? listener.port : freePort();
    client.setPortName(QString::number(port));
    QVERIFY(!client.Open());

    lines.prepend(QStringLiteral("client info 0 Lookup Of Port %1").arg(port));
    QTRY_COMPARE_WITH_TIMEOUT(log.lines.size(), lines.size(), WaitMs);
    QCOMPARE(log.lines, lines);
    QVERIFY(client.hasSocket());
    QVERIFY(!client.Connected());
    // The failed socket stays until Close: a second Open does nothing.
    QVERIFY(!client.Open());
    QCOMPARE(log.lines.size(), lines.size());
    QVERIFY(listener.acceptedSocks.isEmpty());
}

void TestSock::sendBeforeConnectCompletesArrives()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener", "server");
    TSock client;
    log.watch(client, "client");
    client.setHostName(Loopback);
    client.setPortName(QString::number(listener.port));
    const QByteArray hello = Protocol::Msg::logininfo(1, Protocol::Version, "You");

    QVERIFY(!client.Open());
    QVERIFY(client.Send(hello));
    QCOMPARE(client.OutBuffer(), hello);

    QVERIFY(listener.waitForAccepted());
    QTRY_COMPARE_WITH_TIMEOUT(log.received, hello, WaitMs);
    QVERIFY(client.OutBuffer().isEmpty());
    const QStringList clientLines = log.linesOf("client");
    const qsizetype connected = clientLines.indexOf("client info 1 Non-Blocking Socket Connected");
    QVERIFY(connected >= 0);
    QCOMPARE(clientLines.at(connected + 1), QString("client connect"));
    QVERIFY(clientLines.indexOf("client write") > connected);
}

void TestSock::largeSendArrivesWholeInChunks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("mustWait");
    QTest::newRow("200 KB") << 200 * 1024 << false;
    // More than the system's largest send buffer: part of it must wait in
    // OutBuffer for write readiness.
    QTest::newRow("8 MB") << 8 * 1024 * 1024 << true;
}

void TestSock::largeSendArrivesWholeInChunks()
{
    QFETCH(int, size);
    QFETCH(bool, mustWait);
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QByteArray big;
    big.reserve(size);
    for (int i = 0; i < size; ++i)
        big.append(char((i * 7 + i / 256) & 0xFF));

    pair.client.Send(big);
    if (mustWait)
        QVERIFY(!pair.client.OutBuffer().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), big.size(), WaitMs);
    QCOMPARE(pair.log.received, big);
    QTRY_VERIFY_WITH_TIMEOUT(pair.client.OutBuffer().isEmpty(), WaitMs);
    QVERIFY(pair.log.reads.size() >= size / TSock::ReadChunk);
    for (int count : std::as_const(pair.log.reads))
        QVERIFY2(count <= TSock::ReadChunk, qPrintable(QString::number(count)));
}

void TestSock::idleConnectionRaisesNoFurtherWrites()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QTRY_VERIFY_WITH_TIMEOUT(pair.log.lines.contains("client write"), WaitMs);
    // Two round trips let the event loop turn many times.
    for (int trip = 1; trip <= 2; ++trip) {
        pair.server->Send("ping");
        QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), qsizetype(4 * trip), WaitMs);
    }
    QCOMPARE(pair.log.lines.count("client write"), 1);
}

void TestSock::bindingABusyPortRaises_data()
{
    QTest::addColumn<bool>("blockerReuses");
    QTest::addColumn<bool>("blockerListens");
    QTest::newRow("listening, shared address") << true << true;
    QTest::newRow("listening, exclusive") << false << true;
    QTest::newRow("bound only, exclusive") << false << false;
}

void TestSock::bindingABusyPortRaises()
{
    QFETCH(bool, blockerReuses);
    QFETCH(bool, blockerListens);
    const quint16 port = freePort();
    Fd blocker(::socket(AF_INET, SOCK_STREAM, 0));
    const int reuse = blockerReuses ? 1 : 0;
    setsockopt(blocker.get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in any {};
    any.sin_family = AF_INET;
    any.sin_port = htons(port);
    QCOMPARE(::bind(blocker.get(), reinterpret_cast<sockaddr *>(&any), sizeof any), 0);
    if (blockerListens)
        QCOMPARE(::listen(blocker.get(), 1), 0);

    EventLog log;
    TSock listener;
    log.watch(listener, "listener");
    listener.setPortName(QString::number(port));
    try {
        listener.setListen(true);
        QFAIL("binding a port in use must raise");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), QString("Listen - Error Binding Socket"));
    }
    QVERIFY(!listener.Listen());
    QVERIFY(!log.lines.contains("listener info 3 Listening Started"));
}

void TestSock::listeningAgainAfterCloseSucceeds()
{
    quint16 port = 0;
    {
        ConnectedPair pair;
        QVERIFY(pair.ready());
        port = pair.listener.port;
        // The accepting side closes first, leaving its end waiting out the
        // connection's last packets on the port.
        pair.server->Close();
        QTRY_VERIFY_WITH_TIMEOUT(!pair.client.hasSocket(), WaitMs);
        pair.listener.sock.setListen(false);
    }
    TSock again;
    again.setPortName(QString::number(port));
    again.setListen(true);
    QVERIFY(again.Listen());
}

void TestSock::closeReportsEveryTime()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.log.lines.clear();
    QVERIFY(pair.client.Close());
    QVERIFY(!pair.client.Close());
    QCOMPARE(pair.log.linesOf("client"),
             (QStringList {"client info 2 Socket Closed", "client info 2 Socket Closed"}));
    QVERIFY(!pair.client.Connected());
    QVERIFY(!pair.client.hasSocket());

    EventLog neverLog;
    TSock never;
    neverLog.watch(never, "never");
    QVERIFY(!never.Close());
    QCOMPARE(neverLog.lines, QStringList {"never info 2 Socket Closed"});
}

void TestSock::stoppingListenReports()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener");
    listener.sock.setListen(true);
    listener.sock.setListen(false);
    QVERIFY(!listener.sock.Listen());
    QVERIFY(!listener.sock.hasSocket());
    QCOMPARE(log.lines,
             (QStringList {"listener info 3 Listening Already Running",
                           "listener info 2 Socket Closed", "listener info 3 Listening Stopped"}));
    // A listener closed directly reports nothing.
    EventLog otherLog;
    Listener other;
    otherLog.watch(other.sock, "other");
    QVERIFY(other.sock.Close());
    QVERIFY(otherLog.lines.isEmpty());
    QVERIFY(!other.sock.Listen());
}

void TestSock::acceptedComponentTakesPeerAndPort()
{
    QStringList lines;
    Listener listener;
    listener.sock.OnInfo = [&](TSock *sender, TSocketInfo kind, const QString &msg) {
        lines << QStringLiteral("%1 %2 %3")
                     .arg(sender == &listener.sock ? "listener" : "accepted")
                     .arg(int(kind))
                     .arg(msg);
    };
    int reads = 0;
    listener.sock.OnRead = [&](TSock *, int) {
        ++reads;
    };
    listener.sock.OnConnect = [&](TSock *) {
        QFAIL("OnConnect is not copied");
    };
    Fd peer(rawConnect(listener.port));
    sockaddr_in local {};
    socklen_t length = sizeof local;
    getsockname(peer.get(), reinterpret_cast<sockaddr *>(&local), &length);

    TSock *accepted = listener.waitForAccepted();
    QVERIFY(accepted);
    QCOMPARE(accepted->parent(), &listener.sock);
    QCOMPARE(accepted->HostName(), QString("127.0.0.1"));
    QCOMPARE(accepted->PortName(), QString::number(listener.port));
    QVERIFY(accepted->Connected());
    QVERIFY(!accepted->OnConnect);
    QCOMPARE(lines,
             (QStringList {"accepted 0 Setting PortName While Connected Has No Effect",
                           "accepted 0 Setting HostName While Connected Has No Effect",
                           "listener 6 Created New TSock Structure"}));
    rawSend(peer.get(), "x");
    QTRY_COMPARE_WITH_TIMEOUT(reads, 1, WaitMs);
    QVERIFY(local.sin_port != 0);
}

void TestSock::autoAcceptHandsOverWithoutAsking()
{
    QStringList lines;
    Listener listener;
    listener.sock.OnInfo = [&](TSock *sender, TSocketInfo, const QString &msg) {
        lines << (sender == &listener.sock ? "listener " : "accepted ") + msg;
    };
    bool asked = false;
    listener.sock.OnAccept = [&](TSock *) {
        asked = true;
    };
    TSock *handedOver = nullptr;
    listener.sock.setAutoAccept(true);
    listener.sock.OnAutoAccept = [&](TSock *sender, TSock *newSock) {
        QCOMPARE(sender, &listener.sock);
        handedOver = newSock;
    };
    lines.clear();
    Fd peer(rawConnect(listener.port));
    QTRY_VERIFY_WITH_TIMEOUT(handedOver, WaitMs);
    QVERIFY(!asked);
    QVERIFY(handedOver->Connected());
    QCOMPARE(handedOver->parent(), &listener.sock);
    QCOMPARE(lines.mid(0, 2),
             (QStringList {"accepted Setting PortName While Connected Has No Effect",
                           "accepted Setting HostName While Connected Has No Effect"}));
    QVERIFY(lines.filter("listener").isEmpty());
}

void TestSock::unterminatedFloodOverflowsSplitter()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    Protocol::FrameSplitter splitter;
    QList<QByteArray> messages;
    qsizetype total = 0;
    pair.server->OnRead = [&](TSock *sender, int) {
        const QByteArray bytes = sender->Receive();
        total += bytes.size();
        messages += splitter.feed(bytes);
    };
    const QByteArray flood(Protocol::FrameSplitter::MaxPending + 1000, 'A');
    pair.client.Send(flood);
    QTRY_COMPARE_WITH_TIMEOUT(total, flood.size(), WaitMs);
    QVERIFY(splitter.overflowed());
    QVERIFY(messages.isEmpty());
    QVERIFY(splitter.pending().isEmpty());
}

void TestSock::misuseRaises()
{
    auto expectRaise = [](const std::function<void()> &operation, const QString &message) {
        try {
            operation();
        } catch (const ESockException &e) {
            return e.message() == message;
        }
        return false;
    };
    TSock idle;
    TSock *out = nullptr;
    QVERIFY(expectRaise([&] { idle.Send("x"); }, "Send - Socket Not Connected"));
    QVERIFY(expectRaise([&] { idle.Receive(); }, "Receive - Socket Not Connected"));
    QVERIFY(expectRaise([&] { idle.Accept(out); }, "Accept - Socket Not In Listening Mode"));
    QVERIFY(!out);

    Listener listener;
    QVERIFY(
        expectRaise([&] { listener.sock.Send("x"); }, "Send - Cannot Send On A Listener Socket"));
    QVERIFY(expectRaise([&] { listener.sock.Receive(); },
                        "Receive - Cannot Receive On A Listener Socket"));
    QVERIFY(expectRaise([&] { listener.sock.setSocketType(stDatagram); },
                        "SocketType - Can't Assign Socket Type While Listening"));
    QStringList listenerLines;
    listener.sock.OnInfo = [&](TSock *, TSocketInfo, const QString &msg) {
        listenerLines << msg;
    };
    TSock *kept = &idle;
    QVERIFY(!listener.sock.Accept(kept));
    QCOMPARE(kept, &idle);
    QCOMPARE(listenerLines, QStringList {"Could Not Accept Connection"});
    listener.sock.OnInfo = nullptr;

    ConnectedPair pair;
    QVERIFY(pair.ready());
    QVERIFY(expectRaise([&] { pair.client.setSocketType(stDatagram); },
                        "SocketType - Can't Assign Socket Type While Connected"));
    QCOMPARE(pair.client.SocketType(), stStream);
    QVERIFY(expectRaise([&] { pair.client.setListen(true); }, "Listen - Socket Already In Use"));
    QVERIFY(!pair.client.Listen());

    TSock datagram;
    datagram.setSocketType(stDatagram);
    QVERIFY(expectRaise([&] { datagram.setListen(true); },
                        "Listen - Cannot Listen On A Datagram Socket"));
    QVERIFY(!datagram.Listen());
}

void TestSock::throwingInfoHandlerBecomesErrorHere()
{
    TSock sock;
    sock.OnInfo = [](TSock *, TSocketInfo, const QString &) {
        throw std::logic_error("boom");
    };
    sock.setPortName(QString::number(freePort()));
    try {
        sock.setListen(true);
        QFAIL("the handler's error must come through");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), QString("Error here"));
    }
    // Close swallows it and still closes.
    QVERIFY(sock.Close());
    QVERIFY(!sock.hasSocket());
}

void TestSock::portNames_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("error");
    QTest::newRow("service name") << "http" << QString();
    QTest::newRow("unknown service") << "no-such-service-here"
                                     << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("number with junk") << "77x2"
                                      << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("beyond 16 bits") << "70000"
                                    << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("empty") << ""
                           << "Port Lookup - Could Not Find Service Entry";
}

void TestSock::portNames()
{
    QFETCH(QString, portName);
    QFETCH(QString, error);
    EventLog log;
    TSock client;
    log.watch(client, "client");
    client.setHostName(Loopback);
    client.setPortName(portName);
    try {
        client.Open();
        QVERIFY2(error.isEmpty(), "Open should have raised");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), error);
    }
    QCOMPARE(log.lines.value(0), "client info 0 Lookup Of Port " + portName);
    client.Close();
}

void TestSock::reopenDropsBytesOfTheOldConnection()
{
    EventLog log;
    Listener listener;
    log.watch(listener.sock, "listener", "server");
    TSock client;
    log.watch(client, "client");
    client.setHostName(Loopback);
    client.setPortName(QString::number(freePort()));
    client.Open();
    client.Send("stale");
    QTRY_VERIFY_WITH_TIMEOUT(log.lines.contains("client info 7 Error #10061 (WSAECONNREFUSED)"),
                             WaitMs);
    QCOMPARE(client.OutBuffer(), QByteArray("stale"));
    client.Close();

    client.setPortName(QString::number(listener.port));
    client.Open();
    client.Send("fresh");
    QVERIFY(listener.waitForAccepted());
    QTRY_COMPARE_WITH_TIMEOUT(log.received, QByteArray("fresh"), WaitMs);
}

void TestSock::destroyingConnectedComponentCloses()
{
    auto pair = std::make_unique<ConnectedPair>();
    QVERIFY(pair->ready());
    QStringList lines;
    auto client = std::make_unique<TSock>();
    client->setHostName(Loopback);
    client->setPortName(QString::number(pair->listener.port));
    client->Open();
    QTRY_VERIFY_WITH_TIMEOUT(client->Connected(), WaitMs);
    client->OnInfo = [&](TSock *, TSocketInfo kind, const QString &msg) {
        lines << QStringLiteral("%1 %2").arg(int(kind)).arg(msg);
    };
    client.reset();
    QCOMPARE(lines, QStringList {"2 Socket Closed"});

    // The listener takes its accepted components with it, each reporting.
    QStringList serverLines;
    pair->listener.sock.OnInfo = nullptr;
    pair->server->OnInfo = [&](TSock *, TSocketInfo, const QString &msg) {
        serverLines << msg;
    };
    pair->log.lines.clear();
    QPointer<TSock> server = pair->server;
    pair->client.OnInfo = nullptr;
    pair.reset();
    QVERIFY(!server);
    QCOMPARE(serverLines, QStringList {"Socket Closed"});
}

void TestSock::handlerMayDeleteItsComponent()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QPointer<TSock> server = pair.server;
    server->OnRead = [](TSock *sender, int) {
        delete sender;
    };
    pair.client.Send("go");
    QTRY_VERIFY_WITH_TIMEOUT(!server, WaitMs);

    // Deleting from OnDisconnect, which is followed by the component's own Close.
    auto *other = new TSock;
    QPointer<TSock> guard(other);
    other->setHostName(Loopback);
    other->setPortName(QString::number(pair.listener.port));
    other->OnDisconnect = [](TSock *sender) {
        delete sender;
    };
    other->Open();
    TSock *accepted = pair.listener.waitForAccepted(2);
    QVERIFY(accepted);
    QTRY_VERIFY_WITH_TIMEOUT(other->Connected(), WaitMs);
    accepted->Close();
    QTRY_VERIFY_WITH_TIMEOUT(!guard, WaitMs);

    // Deleting on "Socket Closed", as an owner that frees its seat may do.
    auto *third = new TSock;
    QPointer<TSock> thirdGuard(third);
    third->setHostName(Loopback);
    third->setPortName(QString::number(pair.listener.port));
    third->OnInfo = [](TSock *sender, TSocketInfo, const QString &msg) {
        if (msg == "Socket Closed")
            delete sender;
    };
    third->Open();
    accepted = pair.listener.waitForAccepted(3);
    QVERIFY(accepted);
    QTRY_VERIFY_WITH_TIMEOUT(third->Connected(), WaitMs);
    accepted->Close();
    QTRY_VERIFY_WITH_TIMEOUT(!thirdGuard, WaitMs);
}

void TestSock::handlerErrorEndsOnlyItsNotification()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QByteArray received;
    pair.server->OnRead = [&](TSock *sender, int) {
        received += sender->Receive();
        if (received == "first")
            throw ESockException("handler failed");
    };
    QTest::ignoreMessage(QtWarningMsg, "handler failed");
    pair.client.Send("first");
    QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("first"), WaitMs);
    pair.client.Send("second");
    QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("firstsecond"), WaitMs);
}

void TestSock::hostNamesResolve_data()
{
    QTest::addColumn<QString>("hostName");
    QTest::newRow("dotted") << "127.0.0.1";
    QTest::newRow("name") << "localhost";
    QTest::newRow("name in other case, from the cache") << "LocalHost";
}

void TestSock::hostNamesResolve()
{
    QFETCH(QString, hostName);
    EventLog log;
    Listener listener;
    TSock client;
    log.watch(client, "client");
    client.setHostName(hostName);
    client.setPortName(QString::number(listener.port));
    client.Open();
    QTRY_VERIFY_WITH_TIMEOUT(client.Connected(), WaitMs);
    QCOMPARE(log.lines.value(1), "client info 0 Lookup Of Host " + hostName);
}

void TestSock::datagramsReachTheirPort()
{
    EventLog log;
    TSock datagram;
    log.watch(datagram, "udp");
    datagram.setSocketType(stDatagram);
    datagram.setHostName(Loopback);
    datagram.setPortName(QString::number(freePort()));
    QVERIFY(datagram.Open());
    QVERIFY(log.lines.contains("udp info 1 Datagram Socket Connected"));
    QVERIFY(log.lines.contains("udp connect"));
    const QByteArray bytes("\0\xff datagram", 11);
    datagram.Send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(log.received, bytes, WaitMs);
}

void TestSock::errorTexts_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<QString>("text");
    QTest::newRow("refused") << ECONNREFUSED << "Error #10061 (WSAECONNREFUSED)";
    QTest::newRow("reset") << ECONNRESET << "Error #10054 (WSAECONNRESET)";
    QTest::newRow("aborted") << ECONNABORTED << "Error #10053 (WSAECONNABORTED)";
    QTest::newRow("timed out") << ETIMEDOUT << "Error #10060 (WSAETIMEDOUT)";
    QTest::newRow("host unreachable") << EHOSTUNREACH << "Error #10065 (WSAEHOSTUNREACH)";
    QTest::newRow("net unreachable") << ENETUNREACH << "Error #10051 (WSAENETUNREACH)";
    QTest::newRow("address in use") << EADDRINUSE << "Error #10048 (WSAEADDRINUSE)";
    QTest::newRow("would block") << EWOULDBLOCK << "Error #10035 (WSAEWOULDBLOCK)";
    QTest::newRow("no system name") << ENOMEM << "Error #10012 (UNKNOWN ERROR)";
}

void TestSock::errorTexts()
{
    QFETCH(int, err);
    QFETCH(QString, text);
    QCOMPARE(TSock::errorText(TSock::errorCodeFromErrno(err)), text);
}

QTEST_GUILESS_MAIN(TestSock)
#include "tst_sock.moc"
