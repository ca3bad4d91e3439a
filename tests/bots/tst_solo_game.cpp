// A solo game end to end in one process: this copy's host on a loopback port, the
// hosting player's client, and three computer players seated beside it, each on
// its own connection, play to the winner in both game types.
#include "TestPorts.h"

#include "bots/AnswerBank.h"
#include "bots/BotChat.h"
#include "bots/BotPlayer.h"
#include "bots/ComputerPlayers.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "clientcore/PlayerSeats.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Short game seconds keep a whole game to a few seconds; the host's grace after the
// answer time (four game seconds) still covers a late timer under the sanitizers.
constexpr int SecondMs = 25;
constexpr int WholeGameMs = 120000;

HostOptions hostOptions()
{
    HostOptions options;
    options.port = freePort();
    options.secondMs = SecondMs;
    return options;
}

} // namespace

class SoloGameTest : public QObject
{
    Q_OBJECT

private slots:
    void toTheWinner_data()
    {
        QTest::addColumn<QString>("gameType");
        QTest::addColumn<QString>("duplicates");
        QTest::newRow("All Scoring") << u"1"_s << u"1"_s;
        QTest::newRow("One Winner Only") << u"0"_s << u"0"_s;
    }

    void toTheWinner()
    {
        QFETCH(QString, gameType);
        QFETCH(QString, duplicates);
        GameRandom random(11);
        TServer server(hostOptions(), random);
        QVERIFY(server.startListening());
        const AnswerBank bank = AnswerBank::fromResource();
        ComputerPlayers bots(bank, random, SecondMs);
        bots.setHost(u"127.0.0.1"_s, server.port());

        // The hosting player takes seat 1 and never answers: the bots play it out.
        HostConnection you;
        you.setPlayerName(u"You"_s);
        ClientGame game(you);
        QStringList offLetter;
        QStringList copied; // the same answer twice while the bank knew enough others
        int botAnswers = 0;
        connect(&game, &ClientGame::votingStarted, this, [&](const CategoryVote &vote) {
            QSet<QString> given;
            const bool manyKnown = bank.answers(vote.category, game.round().letter()).size() >= 3;
            for (const VoteAnswer &answer : vote.answers) {
                if (answer.seat == 1 || answer.answer.isEmpty())
                    continue;
                ++botAnswers;
                if (answer.answer.at(0).toUpper() != game.round().letter())
                    offLetter.append(answer.answer);
                if (manyKnown && given.contains(answer.answer.toCaseFolded()))
                    copied.append(answer.answer);
                given.insert(answer.answer.toCaseFolded());
            }
        });
        QString winner;
        connect(&game, &ClientGame::gameWon, this, [&](const QString &name) { winner = name; });
        you.connectTo(u"127.0.0.1"_s, server.port());
        QTRY_VERIFY(you.isSignedIn());
        QCOMPARE(you.ownSeat(), 1);

        bots.setSkill(ComputerPlayers::MixedSkill); // one of each in turn
        for (int i = 0; i < 3; ++i)
            QVERIFY(bots.add());
        QCOMPARE(bots.players().last()->skill(), 3);
        QTRY_VERIFY(server.seat(2).signedIn && server.seat(3).signedIn && server.seat(4).signedIn);
        QCOMPARE(server.seat(3).loginName, botNameForSeat(3));

        you.send(Protocol::Msg::startgame(u"You"_s, 1, 30, gameType, duplicates));
        QTRY_VERIFY_WITH_TIMEOUT(!winner.isEmpty(), WholeGameMs);
        QVERIFY2(offLetter.isEmpty(), qPrintable(offLetter.join(u", "_s)));
        QVERIFY2(copied.isEmpty(), qPrintable(copied.join(u", "_s)));
        QVERIFY(botAnswers >= 3 * 4); // a fair player fills at least half of the eight
        QVERIFY2(winner != u"You"_s, qPrintable(winner));

        // A removed player's seat is free again, and it left under its seat's hint name.
        QString leftAs;
        connect(&game, &ClientGame::playerLeft, this,
                [&](int, const QString &name) { leftAs = name; });
        QVERIFY(bots.removeOne());
        QCOMPARE(bots.count(), 2);
        QTRY_VERIFY(!server.seat(4).inUse);
        QTRY_COMPARE(leftAs, botNameForSeat(4));
    }

    // On a stand-alone host a computer player may get seat 1; the boards know its
    // name as that seat's hint name, so it too leaves without a line.
    void seatOneOfAStandAloneHostLeavesSilently()
    {
        GameRandom random(3);
        HostOptions options = hostOptions();
        options.hostSeatReserved = false;
        TServer server(options, random);
        QVERIFY(server.startListening());
        const AnswerBank bank = AnswerBank::fromResource();
        ComputerPlayers bots(bank, random, SecondMs);
        bots.setHost(u"127.0.0.1"_s, server.port());
        QVERIFY(bots.add());
        QTRY_VERIFY(server.seat(1).signedIn);
        PlayerSeats board;
        board.seatPlayer(1, server.seat(1).loginName);
        QCOMPARE(board.freeSeat(1), QString());
    }
};

QTEST_GUILESS_MAIN(SoloGameTest)
#include "tst_solo_game.moc"
