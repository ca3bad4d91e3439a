// A fair game as the client core keeps it: a restart is said out loud, a player
// who watches sits the round out, the spectator seat is offered no vote, and a
// player whose name was changed is told.
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Categories {u"Fruit"_s, u"Tree"_s, u"A"_s, u"B"_s,
                              u"C"_s,     u"D"_s,    u"E"_s, u"F"_s};

// A window's client core signed in on `seat` as "Ann", its lines recorded.
struct Player
{
    explicit Player(int seat)
    {
        connection.setPlayerName(u"Ann"_s);
        connection.setSender([this](const QByteArray &message) { sent.append(message); });
        game.setSendsAtTimeUp(true);
        QObject::connect(&game, &ClientGame::statusLine,
                         [this](const QString &line) { lines.append(line); });
        hear(Protocol::Msg::sendlogininfo(seat));
    }
    void hear(const QByteArray &bytes)
    {
        connection.receiveBytes(bytes);
        while (connection.queuedMessages() > 0)
            connection.processOne();
    }
    void startRound()
    {
        hear(Protocol::Msg::startgameRelay(u"Bob"_s, 3, 60, u"1"_s, u"1"_s)
             + Protocol::Msg::startround(1, 16, Categories));
    }
    bool sentAny(const char *command) const
    {
        return std::any_of(sent.cbegin(), sent.cend(),
                           [command](const QByteArray &m) { return m.startsWith(command); });
    }

    HostConnection connection;
    ClientGame game {connection};
    QList<QByteArray> sent;
    QStringList lines;
};

} // namespace

class FairPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void restartIsSaidOutLoud()
    {
        Player ann(2);
        ann.startRound();
        ann.hear(Protocol::Msg::startgameRelay(u"Bob"_s, 3, 60, u"1"_s, u"1"_s));
        QCOMPARE(ann.lines,
                 (QStringList {u"Bob has started a game."_s,
                               u"Bob has restarted the game; scores are back to 0."_s}));
    }

    // Switched to watching during the answer time: the host's draft is
    // emptied and nothing is sent at the time-out.
    void watcherSitsTheRoundOut()
    {
        Player ann(2);
        ann.startRound();
        ann.game.typeAnswers({u"Rasp"_s});
        QVERIFY(ann.sentAny("CMD_draftanswers+2+1+Rasp"));
        ann.sent.clear();
        ann.hear(Protocol::Msg::justwatching(2, true));
        QCOMPARE(ann.sent, QList {Protocol::Msg::draftanswers(2, {})});
        while (ann.game.countdown() > 0)
            ann.game.clockTick();
        QVERIFY(!ann.sentAny("CMD_myanswers"));

        // Playing again, the next round is answered as usual.
        ann.hear(Protocol::Msg::justwatching(2, false)
                 + Protocol::Msg::startround(2, 3, Categories));
        while (ann.game.countdown() > 0)
            ann.game.clockTick();
        QVERIFY(ann.sentAny("CMD_myanswers"));
    }

    void voteOffersBySeat_data()
    {
        QTest::addColumn<int>("seat");
        QTest::addColumn<bool>("offered");
        QTest::newRow("player") << 2 << true;
        QTest::newRow("spectator seat") << 9 << false;
    }

    void voteOffersBySeat()
    {
        QFETCH(int, seat);
        Player p(seat);
        p.startRound();
        p.hear(Protocol::Msg::showcat(u"Fruit"_s, {{1, u"rasp"_s, false}, {3, u"rye"_s, false}}));
        const VoteRow &row = p.game.voteRows()[0];
        QVERIFY(!row.answer.isEmpty());
        QTEST(row.acceptOffered, "offered");
        QTEST(row.declineOffered, "offered");
    }

    void changedNameIsTold_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("line"); // empty: none
        QTest::newRow("as typed") << u"Ann"_s << QString();
        QTest::newRow("taken") << u"Ann (2)"_s
                               << u"The name Ann was taken or too long: you play as Ann (2)."_s;
    }

    void changedNameIsTold()
    {
        QFETCH(QString, given);
        QFETCH(QString, line);
        Player ann(4);
        ann.hear(Protocol::Msg::newplayerinfo(4, given));
        QCOMPARE(ann.lines.contains(line), !line.isEmpty());
        QCOMPARE(ann.lines.first(), u"You are Connected."_s);
    }
};

QTEST_GUILESS_MAIN(FairPlayTest)
#include "tst_fairplay.moc"
