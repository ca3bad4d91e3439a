// TSock over real loopback connections: connecting, listening, accepting and
// closing, the events and information lines of each, and handlers that delete
// their component.
#include "LoopbackFixture.h"

#include <memory>

class TestSockLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void peerCloseGivesDisconnectThenSocketClosed();
    void receiveAfterPeerClose();
    void resetGivesOnlyTheErrorLine();
    void failedConnectGivesOnlyTheErrorLine_data();
    void failedConnectGivesOnlyTheErrorLine();
    void bindingABusyPortRaises_data();
    void bindingABusyPortRaises();
    void listeningAgainAfterCloseSucceeds();
    void closeReportsEveryTime();
    void stoppingListenReports();
    void acceptedComponentTakesPeerAndPort();
    void autoAcceptHandsOverWithoutAsking();
    void reopenDropsBytesOfTheOldConnection();
    void destroyingConnectedComponentCloses();
    void handlerMayDeleteItsComponent();
    void handlerErrorEndsOnlyItsNotification();
};

void TestSockLifecycle::peerCloseGivesDisconnectThenSocketClosed()
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

void TestSockLifecycle::receiveAfterPeerClose()
{
    RawPeerPair pair;
    TSock *server = pair.server;
    QVERIFY(server);
    server->OnRead = nullptr; // leave the bytes in InBuffer

    rawSend(pair.peer.get(), "last words\xff");
    pair.peer.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!server->hasSocket(), WaitMs);
    QCOMPARE(server->Receive(), QByteArray("last words\xff"));
    try {
        server->Receive();
        QFAIL("Receive on a closed, empty component must raise");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), QString("Receive - Socket Not Connected"));
    }
}

void TestSockLifecycle::resetGivesOnlyTheErrorLine()
{
    RawPeerPair pair;
    TSock *server = pair.server;
    QVERIFY(server);
    EventLog &log = pair.log;
    // Let the write event that follows the accept pass first.
    QTRY_VERIFY_WITH_TIMEOUT(log.lines.contains("server write"), WaitMs);
    log.lines.clear();

    const linger abort {1, 0};
    setsockopt(pair.peer.get(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    pair.peer.reset();

    QTRY_VERIFY_WITH_TIMEOUT(!log.lines.isEmpty(), WaitMs);
    QCOMPARE(log.lines, QStringList {"server info 7 Error #10054 (WSAECONNRESET)"});
    // The component keeps its socket and state until its owner closes it.
    QVERIFY(server->hasSocket());
    QVERIFY(server->Connected());
    QVERIFY(server->Close());
    QCOMPARE(log.lines.last(), QString("server info 2 Socket Closed"));
}

void TestSockLifecycle::failedConnectGivesOnlyTheErrorLine_data()
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

void TestSockLifecycle::failedConnectGivesOnlyTheErrorLine()
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

void TestSockLifecycle::bindingABusyPortRaises_data()
{
    QTest::addColumn<bool>("blockerReuses");
    QTest::addColumn<bool>("blockerListens");
    QTest::newRow("listening, shared address") << true << true;
    QTest::newRow("listening, exclusive") << false << true;
    QTest::newRow("bound only, exclusive") << false << false;
}

void TestSockLifecycle::bindingABusyPortRaises()
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

void TestSockLifecycle::listeningAgainAfterCloseSucceeds()
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

void TestSockLifecycle::closeReportsEveryTime()
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

void TestSockLifecycle::stoppingListenReports()
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

void TestSockLifecycle::acceptedComponentTakesPeerAndPort()
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

void TestSockLifecycle::autoAcceptHandsOverWithoutAsking()
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

void TestSockLifecycle::reopenDropsBytesOfTheOldConnection()
{
    ClientAndListener pair;
    TSock &client = pair.client;
    client.setPortName(QString::number(freePort()));
    client.Open();
    client.Send("stale");
    QTRY_VERIFY_WITH_TIMEOUT(
        pair.log.lines.contains("client info 7 Error #10061 (WSAECONNREFUSED)"), WaitMs);
    QCOMPARE(client.OutBuffer(), QByteArray("stale"));
    client.Close();

    client.setPortName(QString::number(pair.listener.port));
    client.Open();
    client.Send("fresh");
    QVERIFY(pair.listener.waitForAccepted());
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received, QByteArray("fresh"), WaitMs);
}

void TestSockLifecycle::destroyingConnectedComponentCloses()
{
    auto pair = std::make_unique<ConnectedPair>();
    QVERIFY(pair->ready());
    QStringList lines;
    auto client = std::make_unique<TSock>();
    aimAtLoopback(*client, pair->listener.port);
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

void TestSockLifecycle::handlerMayDeleteItsComponent()
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
    aimAtLoopback(*other, pair.listener.port);
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
    aimAtLoopback(*third, pair.listener.port);
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

void TestSockLifecycle::handlerErrorEndsOnlyItsNotification()
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

QTEST_GUILESS_MAIN(TestSockLifecycle)
#include "tst_socklifecycle.moc"
