// The host over real loopback connections: clients sign in, play a whole game
// with a short game second, and see connections refused, lost and removed.
#include "ScriptedPlayer.h"
#include "TestPorts.h"
#include "host/PortProblem.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QtTest>

#include <cerrno>
#include <sys/socket.h>

namespace {

// Short enough for a quick game, long enough that answers and votes sent on
// a busy machine still arrive within their phase.
constexpr int ShortSecondMs = 50;
constexpr int GameBoundMs = 30000;

HostOptions shortOptions(quint16 port)
{
    HostOptions options;
    options.port = port;
    options.secondMs = ShortSecondMs;
    return options;
}

} // namespace

class TestLoopback : public QObject
{
    Q_OBJECT

private slots:
    void wholeGame();
    void fullHostRefusesAndFlushes();
    void leavingAndRemoval();
    void resetConnectionFreesItsSeat();
    void slowReaderIsClosed();
    void portInUse();
    void portProblemNamesTheCause_data();
    void portProblemNamesTheCause();
};

void TestLoopback::wholeGame()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(5);
    TServer server(shortOptions(port), random);
    QSignalSpy won(&server, &TServer::gameWon);
    QVERIFY2(server.startListening(), qPrintable(server.errorString()));

    ScriptedPlayer ann(QStringLiteral("Ann"), port, 2);
    QTRY_COMPARE(ann.seat, 1);
    ScriptedPlayer bo(QStringLiteral("Bo"), port, 1);
    QTRY_COMPARE(bo.seat, 2);
    ScriptedPlayer cy(QStringLiteral("Cy"), port, 1);
    QTRY_COMPARE(cy.seat, 3);
    QTRY_VERIFY(cy.saw(QStringLiteral("CMD_existingplayers+2+Bo")));
    QTRY_VERIFY(ann.saw(QStringLiteral("CMD_newplayerinfo+3+Cy")));

    ann.answers = QStringList {"Ant", "Apple", "Arm", "Ash", "Asp", "Axe", "Aunt", "Ale"};
    bo.answers = QStringList {"Bee", "", "Bat"};
    cy.answers = QStringList {"ant"}; // same as Ann's, in another case
    ann.socket.write(Protocol::Msg::startgame(QStringLiteral("Ann"), 1, 2, QStringLiteral("0"),
                                              QStringLiteral("1")));

    QTRY_VERIFY_WITH_TIMEOUT(ann.saw(QStringLiteral("CMD_winner+")), GameBoundMs);
    QTRY_VERIFY(cy.saw(QStringLiteral("CMD_winner+")));
    QCOMPARE(won.count(), 1);
    QCOMPARE(won.first().at(1).toString(), QStringLiteral("Ann"));
    QVERIFY(!server.gameRunning());
    QVERIFY(bo.received.contains(QStringLiteral("CMD_startgame+Ann+1+2+0+1+")));
    // Categories go out by their text; the one-round game leaves round 1's in place.
    QVERIFY(bo.received.contains(
        QStringLiteral("CMD_showcat+%1+3+1+Ant+0+2+Bee+0+3+ant+0").arg(server.category(1))));
    QVERIFY(bo.received.contains(QStringLiteral("CMD_noanswers+%1+").arg(server.category(2)))
            == false); // Ann answered it
    QVERIFY(bo.saw(QStringLiteral("CMD_roundover+")));
    // Category 1: Bo and Cy vote for Ann, so Ann's and Cy's identical answers
    // take two votes each; Bo gains a voter's point, Bo's one vote is no top.
    QVERIFY(bo.received.contains(QStringLiteral("CMD_postscores+1+2+2+2+2+1+1+1+3+2+2+2"
                                                "+4+0+0+0+5+0+0+0+6+0+0+0+7+0+0+0+8+0+0+0")));
    QCOMPARE(ann.received.count(QStringLiteral("CMD_winner+Ann+")), 1);
}

void TestLoopback::fullHostRefusesAndFlushes()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(1);
    TServer server(shortOptions(port), random);
    QVERIFY(server.startListening());
    std::vector<std::unique_ptr<ScriptedPlayer>> bots;
    for (int n = 1; n <= 9; ++n) {
        bots.push_back(std::make_unique<ScriptedPlayer>(QStringLiteral("P%1").arg(n), port));
        QTRY_COMPARE(bots.back()->seat, n);
    }
    ScriptedPlayer tenth(QStringLiteral("Ten"), port);
    QTRY_COMPARE(tenth.socket.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(tenth.received, QStringList {QStringLiteral("CMD_full+")});
    QCOMPARE(server.highestSeatUsed(), 9);
    for (int n = 1; n <= 9; ++n)
        QVERIFY(server.seat(n).inUse);
}

void TestLoopback::leavingAndRemoval()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(1);
    TServer server(shortOptions(port), random);
    QVERIFY(server.startListening());
    ScriptedPlayer ann(QStringLiteral("Ann"), port);
    QTRY_COMPARE(ann.seat, 1);
    ScriptedPlayer bo(QStringLiteral("Bo"), port);
    QTRY_COMPARE(bo.seat, 2);
    auto cy = std::make_unique<ScriptedPlayer>(QStringLiteral("Cy"), port);
    QTRY_COMPARE(cy->seat, 3);
    QTRY_COMPARE(server.seat(3).loginName, QStringLiteral("Cy"));

    cy.reset(); // the peer goes away
    QTRY_VERIFY(ann.saw(QStringLiteral("CMD_playerdisconnected+3+Cy")));
    QVERIFY(!server.seat(3).inUse);

    ann.socket.write(Protocol::Msg::kickhim(1, 2));
    QTRY_COMPARE(bo.socket.state(), QAbstractSocket::UnconnectedState);
    QTRY_VERIFY(ann.saw(QStringLiteral("CMD_playerdisconnected+2+Bo")));
    QVERIFY(!server.seat(2).inUse);

    ScriptedPlayer dee(QStringLiteral("Dee"), port);
    QTRY_COMPARE(dee.seat, 2); // the first free seat
}

void TestLoopback::resetConnectionFreesItsSeat()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(1);
    TServer server(shortOptions(port), random);
    QVERIFY(server.startListening());
    ScriptedPlayer ann(QStringLiteral("Ann"), port);
    QTRY_COMPARE(ann.seat, 1);
    ScriptedPlayer bo(QStringLiteral("Bo"), port);
    QTRY_COMPARE(server.seat(2).loginName, QStringLiteral("Bo"));

    // Linger time 0 makes the close a reset instead of an orderly end.
    const linger reset {1, 0};
    QCOMPARE(::setsockopt(int(bo.socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset,
                          sizeof reset),
             0);
    bo.socket.abort();
    QTRY_VERIFY(!server.seat(2).inUse);
    QTRY_VERIFY(ann.saw(QStringLiteral("CMD_playerdisconnected+2+Bo")));
}

void TestLoopback::slowReaderIsClosed()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(1);
    TServer server(shortOptions(port), random);
    QSignalSpy forced(&server, &TServer::connectionForced);
    QVERIFY(server.startListening());
    ScriptedPlayer ann(QStringLiteral("Ann"), port);
    QTRY_COMPARE(ann.seat, 1);
    ScriptedPlayer bo(QStringLiteral("Bo"), port);
    QTRY_COMPARE(server.seat(2).loginName, QStringLiteral("Bo"));
    // Bo stops reading: nothing drains the connection any more.
    bo.socket.disconnect(&bo);
    bo.socket.setReadBufferSize(1);

    // Lines are relayed cut short; a clock that runs ahead lets every one pass.
    qint64 nowMs = 0;
    server.setClock([&nowMs] { return nowMs += 1000; });
    const QByteArray line
        = Protocol::Msg::chat(1, QString(60 * 1024, u'x'), QStringLiteral("clBlack"));
    const qsizetype before = ann.received.size();
    QElapsedTimer bound;
    bound.start();
    for (int sent = 1; sent <= 20000 && server.seat(2).inUse; ++sent) {
        ann.socket.write(line); // paced by Ann's own copy coming back
        while (ann.received.size() < before + sent && bound.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    QVERIFY(!server.seat(2).inUse);
    QCOMPARE(forced.size(), 1);
    QVERIFY(forced.first().at(2).toString().startsWith(QLatin1String("slow reader")));
    QTRY_VERIFY(ann.saw(QStringLiteral("CMD_playerdisconnected+2+Bo")));
    QVERIFY(server.seat(1).inUse);
}

void TestLoopback::portInUse()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    GameRandom random(1);
    TServer first(shortOptions(port), random);
    QVERIFY(first.startListening());
    TServer second(shortOptions(port), random);
    QVERIFY(!second.startListening());
    QCOMPARE(second.errorString(), QStringLiteral("Listen - Error Binding Socket"));
    QCOMPARE(second.listenProblem(),
             QStringLiteral("Port %1 is in use by another program: close it, or choose another "
                            "port.")
                 .arg(port));
}

void TestLoopback::portProblemNamesTheCause_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("low port") << 80 << EACCES
                              << "Port 80 needs administrator rights: choose a port from 1024 up.";
    QTest::newRow("refused high port")
        << 8080 << EACCES
        << "Port 8080 could not be opened (Permission denied): choose another port.";
    QTest::newRow("system's text") << 7772 << EADDRNOTAVAIL
                                   << "Port 7772 could not be opened (Cannot assign requested "
                                      "address): choose another port.";
    QTest::newRow("no system reason") << 7772 << 0
                                      << "Port 7772 could not be opened (Listen - Error Starting "
                                         "Listen): choose another port.";
}

void TestLoopback::portProblemNamesTheCause()
{
    QFETCH(int, port);
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(portProblem(quint16(port), error, "Listen - Error Starting Listen"), text);
}

QTEST_GUILESS_MAIN(TestLoopback)
#include "tst_loopback.moc"
