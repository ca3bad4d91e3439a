// The client core through a round: game and round start, the clock with its
// ticks and the answers sent at its time-out, the late-join snapshot, the
// vote's rows and what a click sends, the scores posted, the standings and the
// winner.
#include "CoreClient.h"

#include <QSignalSpy>

#include <limits>
#include <set>

using namespace Qt::StringLiterals;
using namespace Protocol::Msg;
using Protocol::Phase;
using Protocol::ShowcatAnswer;

namespace {

// Like some entries of the category table, the last one ends in a blank.
const QStringList Categories {u"Fruit"_s, u"Car Part"_s, u"Animal"_s, u"City"_s,
                              u"Name"_s,  u"Color"_s,    u"Food"_s,   u"Something Found "_s};

// Ann, Bob (seat 2), Cid and Dee at a game of `type` whose first round (letter
// R) has begun.
void startGame(CoreClient &c, const QString &type, int turnTime = 60)
{
    int seat = 0;
    for (const QString &name : {u"Ann"_s, u"Bob"_s, u"Cid"_s, u"Dee"_s})
        c.game.seats().seatPlayer(++seat, name);
    c.hear(startgameRelay(u"Ann"_s, 3, turnTime, type, u"1"_s) + startround(1, 16, Categories));
}

// Seat 1 banana, seat 2 blueberry, seats 3 and 4 the same answer (duplicates).
const QByteArray FourAnswers = showcat(u"Fruit"_s,
                                       {{1, u"banana"_s, false},
                                        {2, u"blueberry"_s, false},
                                        {3, u"Bean"_s, true},
                                        {4, u"bean"_s, true}});

// The row (1 to 8) that shows `answer`; 0 if none.
int rowNumber(const CoreClient &c, const QString &answer)
{
    const auto &rows = c.game.voteRows();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const VoteRow &r) { return r.answer == answer; });
    return row == rows.end() ? 0 : int(row - rows.begin()) + 1;
}
VoteRow rowOf(const CoreClient &c, const QString &answer)
{
    const int row = rowNumber(c, answer);
    return row > 0 ? c.game.voteRows()[std::size_t(row - 1)] : VoteRow {};
}

// The answers of the rows that `has`, sorted.
QStringList rowsWith(const CoreClient &c, bool VoteRow::*has)
{
    QStringList answers;
    for (const VoteRow &row : c.game.voteRows())
        if (row.*has)
            answers.append(row.answer);
    answers.sort();
    return answers;
}

QString rowOrder(const CoreClient &c)
{
    QString order;
    for (const VoteRow &row : c.game.voteRows())
        order += row.answer;
    return order;
}

} // namespace

class ClientRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void gameAndRoundStart()
    {
        CoreClient c(2);
        c.game.seats().setScore(4, 12);
        c.game.seats().setBonus(4, 2);
        c.hear(startgameRelay(u"Ann"_s, 3, 60, u"0"_s, u"1"_s));
        QCOMPARE(c.lines, QStringList {u"Ann has started a game."_s});
        QCOMPARE(c.game.gameType(), Protocol::GameType::OneWinnerOnly);
        QCOMPARE(c.game.seats().score(4), 0);
        QVERIFY(!c.game.seats().bonus(4) && c.game.isRunning());

        c.game.seats().setBonus(4, 2);
        c.hear(startround(1, 16, Categories));
        QCOMPARE(c.game.round().letter(), u'R');
        QCOMPARE(c.game.phase(), Phase::Answering);
        QCOMPARE(c.game.countdown(), 60);
        QVERIFY(c.game.clock().isActive());
        QVERIFY(!c.game.seats().bonus(4));
        QCOMPARE(c.cues, QStringList {u"submit"_s});
        c.hear(endround());
        QCOMPARE(c.cues.last(), u"timeup"_s);
        QVERIFY(!c.game.drafts().isActive());
    }

    // The seconds the clock counts, answering (-1) or voting on `answers`
    // answers, and those that tick.
    void clockTicks_data()
    {
        QTest::addColumn<int>("answers");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<std::set<int>>("ticked");
        QTest::newRow("answering") << -1 << 60 << std::set {20, 15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
        const std::set voting {4, 3, 2, 1};
        QTest::newRow("no answers") << 0 << 2 << std::set {1};
        for (const auto &[answers, seconds] :
             {std::pair {1, 10}, std::pair {3, 10}, std::pair {4, 13}, std::pair {6, 13}})
            QTest::addRow("%d answers", answers) << answers << seconds << voting;
        for (int answers : {7, 8})
            QTest::addRow("%d answers", answers) << answers << 16 << std::set {15, 4, 3, 2, 1};
    }

    void clockTicks()
    {
        QFETCH(int, answers);
        QFETCH(std::set<int>, ticked);
        CoreClient c(2);
        c.game.setSendsAtTimeUp(true);
        startGame(c, u"1"_s);
        if (answers >= 0) {
            c.tickTo(0);
            QList<ShowcatAnswer> shown;
            for (int seat = 1; seat <= answers; ++seat)
                shown.append({seat, u"word"_s, false});
            c.hear(showcat(u"Fruit"_s, shown));
        }
        QTEST(c.game.countdown(), "seconds");
        QVERIFY(c.game.clock().isActive());
        std::set<int> ticks;
        while (c.game.countdown() > 0) {
            c.cues.clear();
            c.game.clockTick();
            QVERIFY2(c.cues.count(u"tick"_s) <= 1, "at most one tick a second");
            if (c.cues.contains(u"tick"_s))
                ticks.insert(c.game.countdown());
        }
        QCOMPARE(ticks, ticked);
        QCOMPARE(c.sentAs("CMD_myanswers").size(), 1); // the voting time-out sends nothing
    }

    // The answers go out once, cleaned (a "+" would split the field at the
    // host, U+00FF is the terminator), when the clock runs out, and only from a
    // player who sends them there.
    void timeOutSends_data()
    {
        QTest::addColumn<int>("seat");
        QTest::addColumn<bool>("sendsAtTimeUp");
        QTest::addColumn<int>("turnTime");
        QTest::addColumn<bool>("sends");
        QTest::newRow("a player") << 2 << true << 60 << true;
        QTest::newRow("no answer time") << 2 << true << 0 << true;
        QTest::newRow("a hostile answer time")
            << 2 << true << std::numeric_limits<int>::min() << true;
        QTest::newRow("a player who sends himself") << 2 << false << 60 << false;
        QTest::newRow("a watcher") << 9 << true << 60 << false;
        QTest::newRow("not signed in") << 0 << true << 60 << false;
    }

    void timeOutSends()
    {
        QFETCH(int, seat);
        QFETCH(bool, sendsAtTimeUp);
        QFETCH(int, turnTime);
        QFETCH(bool, sends);
        CoreClient c(seat);
        c.game.setSendsAtTimeUp(sendsAtTimeUp);
        QSignalSpy timeUp(&c.game, &ClientGame::answerTimeUp);
        startGame(c, u"1"_s, turnTime);
        c.game.typeAnswers({u"apple"_s,
                            {},
                            u" Rhino "_s,
                            u"salt+pepper"_s,
                            u"+"_s,
                            u"Ha\u00FFdn"_s,
                            u"R\u00E9sum\u00E9"_s});
        c.tickTo(1);
        QVERIFY(c.sentAs("CMD_myanswers").isEmpty());
        for (int tick = 0; tick < 3; ++tick)
            c.game.clockTick();
        const QStringList clean {
            u"apple"_s, {}, u"Rhino"_s, u"salt pepper"_s, {}, u"Haydn"_s, u"R\u00E9sum\u00E9"_s,
            {}};
        QCOMPARE(c.sentAs("CMD_myanswers"),
                 sends ? QList {myanswers(seat, clean)} : QList<QByteArray> {});
        QCOMPARE(c.cues.count(u"submit"_s), sends ? 2 : 1);
        QCOMPARE(timeUp.size(), 1);
        QCOMPARE(c.game.countdown(), 0);
        QCOMPARE(c.game.phase(), Phase::Idle);
    }

    // A snapshot for this seat: the running game's state, and whether there is
    // time enough left to answer.
    void lateJoin_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("secondsLeft");
        QTest::addColumn<bool>("canAnswer");
        QTest::addColumn<bool>("clockRuns");
        QTest::addColumn<int>("ticks"); // to the time-out, answering or voting
        QTest::newRow("typing, time enough") << 1 << 30 << true << true << 12;
        QTest::newRow("typing, five left") << 1 << 5 << true << true << 4;
        QTest::newRow("typing, four left") << 1 << 4 << false << false << 4;
        QTest::newRow("waiting for category") << 2 << 3 << false << false << 0;
        QTest::newRow("between rounds") << 3 << 8 << false << true << 0;
        QTest::newRow("voting") << 4 << 12 << false << true << 0;
    }

    void lateJoin()
    {
        QFETCH(int, phase);
        QFETCH(int, secondsLeft);
        QFETCH(bool, canAnswer);
        CoreClient c(4);
        c.game.setSendsAtTimeUp(true);
        QSignalSpy joined(&c.game, &ClientGame::lateJoined);
        Protocol::GameStats stats {4, phase, 5, 2, 90, secondsLeft, 17, u"0"_s, {7, 3}, Categories};
        c.hear(gamestats(stats));
        QCOMPARE(joined.size(), 1);
        QCOMPARE(joined.first().first().toBool(), canAnswer);
        QTEST(c.game.clock().isActive(), "clockRuns");
        // Too late to type: the joiner sits this entry out.
        QCOMPARE(int(c.game.phase()), phase == 1 && !canAnswer ? 0 : phase);
        QCOMPARE(c.game.countdown(), secondsLeft);
        QCOMPARE(c.game.seats().score(1), 7);
        QCOMPARE(c.game.seats().score(2), 3);
        QCOMPARE(c.game.round().categories[1], u"CAR PART"_s);
        QCOMPARE(c.game.round().roundNumber, u"2"_s);
        QCOMPARE(c.game.options().rounds, 5);
        QCOMPARE(c.game.gameType(), Protocol::GameType::OneWinnerOnly);
        QVERIFY(c.game.isRunning());
        if (phase != 1)
            return;
        // The joiner sends at the local time-out like everybody; what it sent
        // before a drop fills the boxes it left empty. Too late, it sends
        // nothing and its voting ticks as voting does.
        c.game.typeAnswers({u"strawberry"_s});
        c.hear(keptanswers(4, {u"apple"_s, u"clutch"_s}) + keptanswers(3, {{}, {}, u"x"_s}));
        if (!canAnswer)
            c.hear(showcat(u"Fruit"_s, {{1, u"kiwi"_s, false}}));
        c.cues.clear();
        c.tickTo(0);
        c.game.clockTick();
        const QStringList answers {u"strawberry"_s, u"clutch"_s, {}, {}, {}, {}, {}, {}};
        QCOMPARE(c.sentAs("CMD_myanswers"),
                 canAnswer ? QList {myanswers(4, answers)} : QList<QByteArray> {});
        QTEST(int(c.cues.count(u"tick"_s)), "ticks");
    }

    // Whatever numbers a snapshot holds, the clock stays in range; one that
    // does not read, or is meant for another seat, changes nothing.
    void hostileSnapshots_data()
    {
        QTest::addColumn<QByteArray>("snapshot");
        QTest::addColumn<int>("rounds"); // 0: the snapshot was dropped
        QTest::newRow("one-second turn, years left") << "4+1+5+2+1+100000000+17+1+"_ba << 5;
        QTest::newRow("lowest seconds left") << "4+4+5+2+60+-2147483648+17+1+"_ba << 5;
        QTest::newRow("huge rounds, negative turn") << "4+4+2147483647+2+-5+10+99+1+"_ba << 1000;
        QTest::newRow("list breaks off") << "4+1+5+2+60+30+17+1+s+1+7+s+x+3"_ba << 0;
        QTest::newRow("another seat's") << "5+1+5+2+90+30+17+1+s+1+7+c+1+Fruit"_ba << 0;
    }

    void hostileSnapshots()
    {
        QFETCH(QByteArray, snapshot);
        QFETCH(int, rounds);
        CoreClient c(4);
        QSignalSpy joined(&c.game, &ClientGame::lateJoined);
        c.hear("CMD_gamestats+" + snapshot + '\xFF');
        QTEST(c.game.options().rounds, "rounds");
        QCOMPARE(c.game.isRunning(), rounds > 0);
        QCOMPARE(joined.size(), rounds > 0 ? 1 : 0);
        QCOMPARE(c.game.seats().score(1), 0);
        QVERIFY(c.game.round().categories[0].isEmpty());
        for (int tick = 0; tick < 3; ++tick)
            c.game.clockTick();
        QVERIFY(c.game.countdown() >= 0 && c.game.countdown() <= Protocol::MaxSeconds);
    }

    // The rows of a category: every answer in the first rows, and what each
    // offers by game type and seat.
    void voteRows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("seat");
        QTest::addColumn<QStringList>("accept");
        QTest::addColumn<QStringList>("decline");
        QTest::addColumn<QStringList>("struck");
        const QStringList all {u"Bean"_s, u"banana"_s, u"bean"_s, u"blueberry"_s};
        // All Scoring never flags duplicates; the client honours the flag anyway.
        QTest::newRow("all scoring")
            << u"1"_s << 2 << QStringList {u"banana"_s, u"blueberry"_s} << all << QStringList {};
        QTest::newRow("one winner") << u"0"_s << 2 << QStringList {u"banana"_s} << QStringList {}
                                    << QStringList {u"Bean"_s, u"bean"_s};
        // The spectator seat's votes would not count.
        QTest::newRow("spectator seat")
            << u"1"_s << 9 << QStringList {} << QStringList {} << QStringList {};
    }

    void voteRows()
    {
        QFETCH(QString, type);
        QFETCH(int, seat);
        CoreClient c(seat);
        startGame(c, type);
        c.game.seats().setBonus(1, 3);
        QSignalSpy started(&c.game, &ClientGame::votingStarted);
        c.hear(FourAnswers);
        QCOMPARE(started.size(), 1);
        QCOMPARE(c.game.phase(), Phase::Voting);
        QVERIFY(!c.game.seats().bonus(1));
        QCOMPARE(c.cues.last(), u"vote"_s);
        for (int r = 0; r < 8; ++r)
            QCOMPARE(c.game.voteRows()[std::size_t(r)].answer.isEmpty(), r >= 4);
        QTEST(rowsWith(c, &VoteRow::acceptOffered), "accept");
        QTEST(rowsWith(c, &VoteRow::declineOffered), "decline");
        QTEST(rowsWith(c, &VoteRow::struck), "struck");
        QCOMPARE(rowOf(c, u"Bean"_s).seat, 3);
    }

    // The rows are dealt at random, anew for each category; the same seed
    // deals the same, two copies left to their own seed differ.
    void rowOrderIsRandomAndSeeded()
    {
        QList<ShowcatAnswer> eight;
        for (int seat = 1; seat <= 8; ++seat)
            eight.append({seat, QString(QChar(u'a' + seat - 1)), false});
        const auto deal = [&eight](std::optional<quint32> seed) {
            CoreClient c(2);
            if (seed)
                c.game.setSeed(*seed);
            startGame(c, u"1"_s);
            QStringList orders;
            for (int n = 0; n < 4; ++n) {
                c.hear(showcat(u"Car Part"_s, eight));
                orders.append(rowOrder(c));
            }
            return orders;
        };
        const QStringList dealt = deal(77);
        QCOMPARE(deal(77), dealt);
        QVERIFY(deal({}) != deal({}));
        QCOMPARE(dealt.first().size(), 8);
        QVERIFY2(QSet(dealt.begin(), dealt.end()).size() > 1, "the order changes");
    }

    // A click on a row's picture: what goes out, how the row and the others
    // change; the next category offers anew.
    void clicks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("seat");
        QTest::addColumn<bool>("decline");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("cued");
        QTest::addColumn<bool>("othersStay"); // the other rows keep their offers
        QTest::newRow("favourite")
            << u"0"_s << 2 << false << u"banana"_s << votefor(2, 1) << true << false;
        QTest::newRow("own answer, no favourite")
            << u"0"_s << 2 << false << u"blueberry"_s << QByteArray() << false << true;
        QTest::newRow("accept sends nothing")
            << u"1"_s << 2 << false << u"banana"_s << QByteArray() << true << true;
        QTest::newRow("decline") << u"1"_s << 2 << true << u"Bean"_s << voteagainst(2, 3) << true
                                 << true;
        QTest::newRow("decline own answer")
            << u"1"_s << 2 << true << u"blueberry"_s << voteagainst(2, 2) << true << true;
        QTest::newRow("spectator seat's favourite")
            << u"0"_s << 9 << false << u"banana"_s << QByteArray() << false << true;
        QTest::newRow("decline, not signed in")
            << u"1"_s << 0 << true << u"banana"_s << QByteArray() << false << true;
    }

    void clicks()
    {
        QFETCH(QString, type);
        QFETCH(int, seat);
        QFETCH(bool, decline);
        QFETCH(QString, answer);
        QFETCH(QByteArray, sent);
        QFETCH(bool, cued);
        CoreClient c(seat);
        startGame(c, type);
        c.hear(showcat(u"Fruit"_s,
                       {{1, u"banana"_s, false},
                        {2, u"blueberry"_s, false},
                        {3, u"Bean"_s, true},
                        {5, u"cherry"_s, false}}));
        c.cues.clear();
        const auto before = c.game.voteRows();
        const int row = rowNumber(c, answer);
        decline ? c.game.declineRow(row) : c.game.acceptRow(row);

        QCOMPARE(c.sent, sent.isEmpty() ? QList<QByteArray> {} : QList {sent});
        QCOMPARE(c.cues, cued ? QStringList {u"decline"_s} : QStringList {});
        const VoteRow &clicked = rowOf(c, answer);
        QVERIFY(!clicked.acceptOffered && !clicked.declineOffered);
        QCOMPARE(clicked.struck, decline && !sent.isEmpty());
        bool stayed = true;
        for (std::size_t r = 0; r < before.size(); ++r)
            stayed = stayed
                && (int(r) == row - 1
                    || c.game.voteRows()[r].acceptOffered == before[r].acceptOffered);
        QTEST(stayed, "othersStay");

        c.hear(showcat(u"Car Part"_s, {{1, u"bus"_s, false}}));
        QCOMPARE(c.game.voteRows()[0].acceptOffered, seat != 9);
        QVERIFY(!c.game.voteRows()[0].struck);
    }

    // The scores posted: each seat's score and bonus, and the votes on the
    // rows of the answers still on show whose players are still seated.
    void postScores()
    {
        CoreClient c(2);
        startGame(c, u"0"_s);
        c.hear(FourAnswers);
        QSignalSpy posted(&c.game, &ClientGame::scoresPosted);
        c.hear(postscores({{1, 3, 2, 13}, {2, 1, 0, 4}, {3, 0, 1, 1}, {4, 0, 1, 0}}));
        QCOMPARE(posted.size(), 1);
        QCOMPARE(c.game.seats().bonus(1), std::optional(3));
        QCOMPARE(c.game.seats().bonus(2), std::optional(1));
        QVERIFY(!c.game.seats().bonus(3));
        QCOMPARE(c.game.seats().score(1), 13);
        QCOMPARE(c.game.seats().score(2), 4);
        QCOMPARE(c.game.seats().score(3), 1);
        QCOMPARE(rowOf(c, u"banana"_s).result, u"Ann VOTES: 2"_s);
        QCOMPARE(rowOf(c, u"blueberry"_s).result, u"Bob VOTES: 0"_s);
        QCOMPARE(rowOf(c, u"Bean"_s).result, u"Cid VOTES: 1"_s);
        QVERIFY(rowsWith(c, &VoteRow::acceptOffered).isEmpty());
        QCOMPARE(c.cues.last(), u"finish"_s);

        // Next category: seats 3 and 4 answered, seat 1 not; seat 4's player has gone.
        c.hear(showcat(u"Car Part"_s, {{3, u"bus"_s, false}, {4, u"van"_s, false}}));
        c.game.seats().freeSeat(4);
        c.hear(postscores({{1, 0, 0, 9}, {3, 1, 3, 4}, {4, 1, 3, 2}}));
        QCOMPARE(rowOf(c, u"bus"_s).result, u"Cid VOTES: 3"_s);
        QVERIFY(rowOf(c, u"van"_s).result.isEmpty());
        QCOMPARE(c.game.seats().score(1), 9);
        QCOMPARE(c.game.seats().score(4), 2);
    }

    // A category without answers, or with one that scores without a vote.
    void noVote()
    {
        CoreClient c(2);
        startGame(c, u"1"_s);
        c.hear(FourAnswers);
        c.game.seats().setBonus(1, 1);
        const int before = c.game.countdown();
        QSignalSpy none(&c.game, &ClientGame::noAnswers);
        c.hear(noanswers(u"2"_s));
        QCOMPARE(none.first().first().toString(), u"CAR PART"_s);
        QVERIFY(!c.game.seats().bonus(1));
        QCOMPARE(rowOrder(c), QString());
        QCOMPARE(c.game.countdown(), before);
        QCOMPARE(c.cues.last(), u"noanswer"_s);
        c.hear(postscores({{1, 0, 0, 5}})); // finds no answers to mark
        QVERIFY(c.game.voteRows()[0].result.isEmpty());

        QSignalSpy one(&c.game, &ClientGame::oneAnswer);
        c.hear(oneanswer(3, 2, 1, 4, u"skipped"_s, u"Rat+tail"_s));
        QCOMPARE(one.first(), (QVariantList {u"ANIMAL"_s, 2, u"Rat+tail"_s}));
        QCOMPARE(c.game.seats().bonus(2), std::optional(1));
        QCOMPARE(c.game.seats().score(2), 4);
        QCOMPARE(c.game.voteRows()[0].answer, u"Rat+tail"_s);
        QCOMPARE(c.game.voteRows()[0].result, u"Bob"_s);
        QVERIFY(!c.game.voteRows()[0].acceptOffered);
        QCOMPARE(c.cues.last(), u"finish"_s);
    }

    // Free seats ("-") are left out, ties keep seat order; a player may well
    // be called "<Waiting>".
    void standings_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("standings");
        QTest::newRow("scores 5 0 7")
            << u"Ann Bob Cid"_s << QList {5, 0, 7} << u"Cid : 7,Ann : 5,Bob : 0"_s;
        QTest::newRow("ties")
            << u"Ann Bob Cid Dee Eve Fay Gus Hal"_s << QList {2, 4, 2, 4, 1, 0, 3, 0}
            << u"Bob : 4,Dee : 4,Gus : 3,Ann : 2,Cid : 2,Eve : 1,Fay : 0,Hal : 0"_s;
        QTest::newRow("free seats")
            << u"Ann - <Waiting>"_s << QList {0, 9, 3} << u"<Waiting> : 3,Ann : 0"_s;
    }

    void standings()
    {
        QFETCH(QString, names);
        QFETCH(QList<int>, scores);
        CoreClient c(2);
        for (int n = 1; n <= int(scores.size()); ++n) {
            if (names.split(u' ')[n - 1] != u"-"_s)
                c.game.seats().seatPlayer(n, names.split(u' ')[n - 1]);
            c.game.seats().setScore(n, scores[n - 1]);
        }
        QSignalSpy over(&c.game, &ClientGame::roundOver);
        c.hear(roundover());
        QTEST(c.game.standings().join(u','), "standings");
        QCOMPARE(over.size(), 1);
        QCOMPARE(c.cues.last(), u"roundover"_s);
    }

    void winner_data()
    {
        QTest::addColumn<int>("seat");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("won");
        QTest::newRow("own win") << 2 << u"Bob"_s << u"You have Won the Game!"_s << true;
        QTest::newRow("another wins") << 2 << u"Ann"_s << u"Ann has Won the Game!"_s << false;
        QTest::newRow("watcher") << 9 << u"Bob"_s << u"Bob has Won the Game!"_s << false;
        QTest::newRow("name with plus") << 3 << u"C+C"_s << u"You have Won the Game!"_s << true;
    }

    void winner()
    {
        QFETCH(int, seat);
        QFETCH(QString, name);
        CoreClient c(seat);
        startGame(c, u"1"_s);
        c.game.seats().seatPlayer(3, u"C+C"_s);
        QSignalSpy won(&c.game, &ClientGame::gameWon);
        c.hear(roundover() + Protocol::Msg::winner(name));
        QCOMPARE(won.size(), 1);
        QCOMPARE(won.first().first().toString(), name);
        QTEST(won.first().at(1).toBool(), "won");
        QTEST(c.lines.last(), "line");
        QCOMPARE(c.cues.last(), u"winner"_s);
        QVERIFY(!c.game.isRunning() && !c.game.clock().isActive());
        QCOMPARE(c.game.phase(), Phase::Idle);
    }
};

QTEST_GUILESS_MAIN(ClientRoundTest)
#include "tst_clientround.moc"
