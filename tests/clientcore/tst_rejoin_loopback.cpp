// Client cores against a stand-alone host over loopback, in one process: the
// lead passing on, getting a seat back after a drop, reconnecting after a
// reset, and what the player reads when the host is gone.
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "sock/Sock.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

#include <sys/socket.h>

#include <list>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A short game second keeps the kept-seat time and the pauses small.
constexpr int SecondMs = 20;
constexpr int WaitMs = 10000;

struct Player
{
    Player(const QString &name, quint16 port)
    {
        line.setSecondMs(SecondMs);
        line.setPlayerName(name);
        QObject::connect(&line, &HostConnection::statusLine,
                         [this](const QString &text) { lines.append(text); });
        line.connectTo(u"127.0.0.1"_s, port);
    }
    HostConnection line;
    ClientGame game {line};
    QStringList lines;
};

} // namespace

class RejoinLoopbackTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        HostOptions options;
        options.port = 0;
        options.secondMs = SecondMs;
        options.hostSeatReserved = false; // a stand-alone host
        // Take a free port, then listen on it.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        options.port = probe.serverPort();
        probe.close();
        m_server = std::make_unique<TServer>(options, m_random);
        QVERIFY(m_server->startListening());
    }
    void cleanup()
    {
        m_players.clear();
        m_server.reset();
    }

    void nextLeaderStartsTheNextGame()
    {
        Player &ann = join(u"Ann"_s, 1);
        Player &bob = join(u"Bob"_s, 2);
        QVERIFY(ann.line.leadsGame());
        QVERIFY(!bob.line.leadsGame());
        startGame(ann, u"Ann"_s);
        m_players.erase(m_players.begin()); // Ann quits
        QTRY_VERIFY_WITH_TIMEOUT(bob.line.leadsGame(), WaitMs);
        QVERIFY(bob.lines.contains(u"Bob now leads the game."_s));
        QVERIFY(m_server->gameRunning()); // the game went on
        startGame(bob, u"Bob"_s);
    }

    void droppedPlayerGetsSeatAnswersAndScoreBack()
    {
        join(u"Ann"_s, 1);
        Player &cid = join(u"Cid"_s, 2);
        startGame(*m_players.front(), u"Ann"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->category(1).isEmpty(), WaitMs);
        cid.game.sendAnswers({u"Cat"_s});
        QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(2).answers[1], u"Cat"_s, WaitMs);
        m_players.pop_back(); // killed
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->seat(2).keptFor.isEmpty(), WaitMs);
        join(u"Dee"_s, 3); // another name, another seat
        QSignalSpy back(m_server.get(), &TServer::playerRejoined);
        join(u"Cid"_s, 2);
        QCOMPARE(back.size(), 1);
        QCOMPARE(m_server->seat(2).answers[1], u"Cat"_s);
        QTRY_VERIFY_WITH_TIMEOUT(m_players.front()->lines.contains(u"Cid is back."_s), WaitMs);
        QCOMPARE(m_players.front()->game.seatName(2), u"Cid"_s);

        // Gone for longer than the seat is kept: a newcomer like any other.
        m_players.pop_back();
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->seat(2).keptFor.isEmpty(), WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_server->seat(2).keptFor.isEmpty(), WaitMs);
        join(u"Cid"_s, 2);
        QCOMPARE(back.size(), 1);
    }

    void resetConnectionReconnectsAndRejoins()
    {
        join(u"Ann"_s, 1);
        Player &bea = join(u"Bea"_s, 2);
        startGame(*m_players.front(), u"Ann"_s);
        QSignalSpy back(m_server.get(), &TServer::playerRejoined);
        // The host's end aborts: the client reads a reset, not a close.
        TSock *hostEnd = m_server->seat(2).socket;
        QVERIFY(hostEnd);
        const linger abort {1, 0};
        QCOMPARE(::setsockopt(hostEnd->handle(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort), 0);
        m_server->disconnectsock(2);
        QTRY_VERIFY_WITH_TIMEOUT(back.size() == 1, WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(bea.line.ownSeat(), 2, WaitMs);
        QVERIFY(bea.lines.contains(u"Lost the connection to 127.0.0.1: connection reset."_s));
    }

    void refusedAndClosedAreSaid()
    {
        const quint16 port = m_server->port();
        m_server.reset(); // nothing listens now
        Player lonely(u"Lee"_s, port);
        QTRY_VERIFY_WITH_TIMEOUT(
            lonely.lines.contains(u"Could not reach 127.0.0.1: connection refused."_s), WaitMs);
        QVERIFY(lonely.line.isReconnecting());
        QTRY_VERIFY_WITH_TIMEOUT(lonely.lines.size() >= 4, WaitMs); // it tries again

        init();
        Player &ann = join(u"Ann"_s, 1);
        QSignalSpy closed(&ann.line, &HostConnection::closed);
        m_server->disconnectsock(1); // an orderly close by the host
        QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, WaitMs);
        QCOMPARE(ann.lines.last(), u"The host has closed the game."_s);
        QVERIFY(!ann.line.isReconnecting());
    }

private:
    Player &join(const QString &name, int seat)
    {
        m_players.push_back(std::make_unique<Player>(name, m_server->port()));
        Player &player = *m_players.back();
        [&] {
            QTRY_COMPARE_WITH_TIMEOUT(player.line.ownSeat(), seat, WaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(seat).loginName, name, WaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(m_server->seat(seat).signedIn, WaitMs);
        }();
        return player;
    }

    void startGame(Player &leader, const QString &name)
    {
        QSignalSpy started(m_server.get(), &TServer::gameStarted);
        leader.line.send(Protocol::Msg::startgame(name, 5, 60, u"1"_s, u"1"_s));
        QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, WaitMs);
        QCOMPARE(started.first().first().toString(), name);
    }

    GameRandom m_random {11};
    std::unique_ptr<TServer> m_server;
    std::list<std::unique_ptr<Player>> m_players;
};

QTEST_GUILESS_MAIN(RejoinLoopbackTest)
#include "tst_rejoin_loopback.moc"
