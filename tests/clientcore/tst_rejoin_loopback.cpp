// Client cores against a host over loopback: the lead passing on, a seat back
// after a drop, reconnecting after a reset, what the player reads when the host
// is gone, and a client of the first protocol playing beside them.
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "host/SockTransport.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "sock/Sock.h"

#include "ScriptedPlayer.h"
#include "TestPorts.h"

#include <QProcess>
#include <QRegularExpression>
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
constexpr int GameBoundMs = 60000;

struct Player
{
    Player(const QString &name, quint16 port)
    {
        line.setSecondMs(SecondMs);
        line.setPlayerName(name);
        QObject::connect(&line, &HostConnection::statusLine,
                         [this](const QString &text) { lines.append(text); });
        QObject::connect(&game, &ClientGame::answersKept,
                         [this](const KeptAnswers &answers) { kept = answers; });
        line.connectTo(u"127.0.0.1"_s, port);
    }
    HostConnection line;
    ClientGame game {line};
    QStringList lines;
    KeptAnswers kept;
};

} // namespace

class RejoinLoopbackTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_port = freePort();
        startServer(m_port, false); // a stand-alone host
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
        startGame(*m_players.front(), u"Ann"_s, LongTurnTime);
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->category(1).isEmpty(), WaitMs);
        cid.game.sendAnswers({u"Cat"_s});
        QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(2).answers[1], u"Cat"_s, WaitMs);
        m_players.pop_back(); // killed
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->seat(2).keptFor.isEmpty(), WaitMs);
        join(u"Dee"_s, 3); // another name, another seat
        QSignalSpy back(m_server.get(), &TServer::playerRejoined);
        Player &cidAgain = join(u"Cid"_s, 2);
        QCOMPARE(back.size(), 1);
        // His boxes fill again; blanks sent now do not wipe what he had sent.
        QTRY_COMPARE_WITH_TIMEOUT(cidAgain.kept.answers[0], u"Cat"_s, WaitMs);
        cidAgain.game.sendAnswers({QString(), u"Cow"_s});
        QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(2).answers[2], u"Cow"_s, WaitMs);
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

    // Killed while typing: the boxes fill again with what was typed, and it is
    // scored although no answers were ever sent.
    void typedAnswersComeBackAndAreScored()
    {
        Player &ann = join(u"Ann"_s, 1);
        Player &cid = join(u"Cid"_s, 2);
        startGame(ann, u"Ann"_s, LongTurnTime);
        QTRY_VERIFY_WITH_TIMEOUT(cid.game.drafts().isActive(), WaitMs);
        cid.game.typeAnswers({u"Cat"_s});
        cid.game.typeAnswers({u"Cat"_s, u"Cow"_s});
        QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(2).draft[2], u"Cow"_s, WaitMs);
        m_players.pop_back(); // killed
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->seat(2).keptFor.isEmpty(), WaitMs);
        Player &cidAgain = join(u"Cid"_s, 2);
        QTRY_COMPARE_WITH_TIMEOUT(cidAgain.kept.answers[1], u"Cow"_s, WaitMs);
        QCOMPARE(cidAgain.kept.answers[0], u"Cat"_s);

        QList<VoteAnswer> shown;
        connect(&ann.game, &ClientGame::votingStarted, this,
                [&shown](const CategoryVote &vote) { shown = vote.answers; });
        // On to the end of the answer time and the first vote.
        for (int second = 0;
             second < 2 * LongTurnTime && m_server->phase() != Protocol::Phase::Voting; ++second)
            m_server->timer1Timer();
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), WaitMs);
        QCOMPARE(shown.first().answer, u"Cat"_s);
        QCOMPARE(m_server->seat(2).answers[2], u"Cow"_s);
    }

    void resetConnectionReconnectsAndRejoins()
    {
        join(u"Ann"_s, 1);
        Player &bea = join(u"Bea"_s, 2);
        startGame(*m_players.front(), u"Ann"_s);
        QSignalSpy back(m_server.get(), &TServer::playerRejoined);
        // The host's end aborts: the client reads a reset, not a close.
        const auto &transport = *m_server->connection(2)->transport;
        TSock *hostEnd = dynamic_cast<const SockTransport &>(transport).socket();
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

    void firstProtocolClientPlaysAWholeGame_data()
    {
        QTest::addColumn<bool>("program");
        QTest::newRow("hosting copy") << false;
        QTest::newRow("lexiburst-host") << true;
    }

    void firstProtocolClientPlaysAWholeGame()
    {
        QFETCH(bool, program);
        m_server.reset();
        QProcess host;
        if (program) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"LEXIBURST_SECOND_MS"_s, QString::number(SecondMs));
            host.setProcessEnvironment(environment);
            host.start(QStringLiteral(LEXIBURST_HOST_BIN),
                       {u"--port"_s, QString::number(m_port), u"--bind"_s, u"127.0.0.1"_s});
            QVERIFY(host.waitForStarted());
        } else {
            startServer(m_port, true);
        }
        // Ann's core tries again until the program listens.
        Player &ann = join(u"Ann"_s, 1);
        join(u"Bob"_s, 2);
        ScriptedPlayer old(u"Old"_s, m_port, 1);
        old.answers = QStringList {u"Oak"_s, u"Owl"_s};
        QTRY_COMPARE_WITH_TIMEOUT(ann.game.seatName(3), u"Old"_s, WaitMs);
        connect(&ann.game, &ClientGame::roundStarted, this,
                [&ann] { ann.game.sendAnswers({u"Ash"_s}); });
        // One Winner Only: Old's vote for Ann's answer counts.
        ann.line.send(Protocol::Msg::startgame(u"Ann"_s, 1, 3, u"0"_s, u"1"_s));
        QTRY_VERIFY_WITH_TIMEOUT(old.saw(u"CMD_winner+"_s), GameBoundMs);
        QVERIFY(old.received.indexOf(QRegularExpression(u"CMD_showcat\\+.*\\+3\\+Oak\\+.*"_s))
                >= 0);
        QVERIFY(old.received.indexOf(QRegularExpression(u"CMD_postscores\\+1\\+1\\+1\\+.*"_s))
                >= 0);
        host.terminate();
        host.waitForFinished();
    }

private:
    void startServer(quint16 port, bool hostSeatReserved)
    {
        HostOptions options;
        options.port = port;
        options.secondMs = SecondMs;
        options.hostSeatReserved = hostSeatReserved;
        m_server = std::make_unique<TServer>(options, m_random);
        QVERIFY(m_server->startListening());
    }

    Player &join(const QString &name, int seat)
    {
        m_players.push_back(std::make_unique<Player>(name, m_port));
        Player &player = *m_players.back();
        [&] {
            QTRY_COMPARE_WITH_TIMEOUT(player.line.ownSeat(), seat, WaitMs);
            if (!m_server)
                return; // another program hosts
            QTRY_COMPARE_WITH_TIMEOUT(m_server->seat(seat).loginName, name, WaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(m_server->seat(seat).signedIn, WaitMs);
        }();
        return player;
    }

    static constexpr int LongTurnTime = 1000; // outlasts a test's steps on a busy machine

    void startGame(Player &leader, const QString &name, int turnTime = 60)
    {
        QSignalSpy started(m_server.get(), &TServer::gameStarted);
        leader.line.send(Protocol::Msg::startgame(name, 5, turnTime, u"1"_s, u"1"_s));
        QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, WaitMs);
        QCOMPARE(started.first().first().toString(), name);
    }

    GameRandom m_random {11};
    std::unique_ptr<TServer> m_server;
    quint16 m_port = 0;
    std::list<std::unique_ptr<Player>> m_players;
};

QTEST_GUILESS_MAIN(RejoinLoopbackTest)
#include "tst_rejoin_loopback.moc"
