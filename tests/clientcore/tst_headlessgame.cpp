// Two players without widgets play a whole game against the host, in process:
// the core's seam carries every byte, no socket and no clock.
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"

#include "HostHarness.h"

#include <memory>

using namespace Qt::StringLiterals;

class HeadlessGameTest : public QObject
{
    Q_OBJECT

private slots:
    void twoHeadlessPlayersFinishAGame()
    {
        HostHarness host;
        std::map<int, std::unique_ptr<HostConnection>> lines;
        // The host greets a seat as it connects: its line is made on first use.
        auto lineOf = [&lines](int seat) -> HostConnection & {
            auto &line = lines[seat];
            if (!line)
                line = std::make_unique<HostConnection>();
            return *line;
        };
        host.server.setSendHook(
            [&](int seat, const QByteArray &bytes) { lineOf(seat).receiveBytes(bytes); });
        std::map<int, std::unique_ptr<ClientGame>> players;
        QString winner;
        int roundsOver = 0;
        for (const QString &name : {u"Ann"_s, u"Bob"_s}) {
            const int seat = host.server.connectLocal();
            HostConnection &line = lineOf(seat);
            line.setPlayerName(name);
            line.setSender(
                [&host, seat](const QByteArray &bytes) { host.server.receive(seat, bytes); });
            auto &game = players[seat] = std::make_unique<ClientGame>(line);
            // Each answers every category with a word of the letter.
            connect(game.get(), &ClientGame::roundStarted, this,
                    [&game = *game, name](const RoundStart &round) {
                        game.sendAnswers(QStringList(8, round.letter() + name.toLower()));
                    });
            connect(game.get(), &ClientGame::roundOver, this, [&roundsOver] { ++roundsOver; });
            connect(game.get(), &ClientGame::gameWon, this,
                    [&winner](const QString &won) { winner = won; });
        }
        // Both sides work off what they were sent until all is quiet.
        auto work = [&] {
            for (bool busy = true; busy;) {
                busy = host.server.queuedMessages() > 0;
                host.drain();
                for (auto &[seat, line] : lines) {
                    for (; line->queuedMessages() > 0; busy = true)
                        line->tick();
                }
            }
        };
        work();
        QCOMPARE(players[1]->seatName(2), u"Bob"_s);
        lines[1]->send(Protocol::Msg::startgame(u"Ann"_s, 1, 30, u"1"_s, u"1"_s));
        for (int second = 0; second < 2000 && winner.isEmpty(); ++second) {
            work();
            host.server.timer1Timer();
        }
        work();
        QVERIFY(winner == u"Ann"_s || winner == u"Bob"_s);
        QVERIFY(roundsOver >= 2); // each player saw the round end
    }
};

QTEST_GUILESS_MAIN(HeadlessGameTest)
#include "tst_headlessgame.moc"
