// The round clock, voting, scoring and the winner test, driven second by second.
#include "HostHarness.h"

#include <QtTest>

using Protocol::Msg::myanswers;

namespace {

// Answers that give seat n exactly `count` non-empty answers.
QStringList answersFor(int count, const QString &word = QStringLiteral("Apple"))
{
    QStringList answers;
    for (int n = 1; n <= 8; ++n)
        answers.append(n <= count ? word + QString::number(n) : QString());
    return answers;
}

} // namespace

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void startgameFields_data();
    void startgameFields();
    void startgameOnlyFromHostSeat();
    void phasesAndDurations();
    void roundDrawsFromTheSeededGenerator();
    void everyRoundDrawsFromTheWholeList();
    void lateAnswersAreUsed();
    void answerIndicesOutOfRange();
    void answerListEnd_data();
    void answerListEnd();
    void duplicateMarks_data();
    void duplicateMarks();
    void allScoring_data();
    void allScoring();
    void oneWinnerIdenticalAnswersShareVotes();
    void oneWinnerSharedTop();
    void oneWinnerNobodyVotes();
    void votesOutsideACategoryAreDropped_data();
    void votesOutsideACategoryAreDropped();
    void restartDuringVotingLeavesNoStaleVote();
    void oneVotePerPlayer_data();
    void oneVotePerPlayer();
    void winnerTest_data();
    void winnerTest();
    void tieAddsRoundsUntilOneLeads();
    void winnerTestWaitsForTheLastRound();
    void everyGameEnds_data();
    void everyGameEnds();
    void doneEndsTheWaitEarly_data();
    void doneEndsTheWaitEarly();
    void lengthOfAGameOfPromptPlayers();
};

void TestRound::startgameFields_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("turnTime");
    QTest::addColumn<bool>("allScoring");
    QTest::addColumn<bool>("duplicates");
    QTest::addColumn<QByteArray>("relay");
    QTest::newRow("plain") << wire("CMD_startgame+Ann+3+60+1+0+") << 3 << 60 << true << false
                           << wire("CMD_startgame+Ann+3+60+1+0+");
    QTest::newRow("no numbers") << wire("CMD_startgame+Ann+abc++0+1+") << 5 << 60 << false << true
                                << wire("CMD_startgame+Ann+5+60+0+1+");
    QTest::newRow("turn time 0") << wire("CMD_startgame+Ann+2+0+0+1+") << 2 << 60 << false << true
                                 << wire("CMD_startgame+Ann+2+60+0+1+");
    QTest::newRow("negative turn time") << wire("CMD_startgame+Ann+2+-30+x+y+") << 2 << 60 << true
                                        << false << wire("CMD_startgame+Ann+2+60+x+y+");
    QTest::newRow("rounds too big for int")
        << wire("CMD_startgame+Ann+99999999999+30+1+1+") << 5 << 30 << true << true
        << wire("CMD_startgame+Ann+5+30+1+1+");
    QTest::newRow("endless turn time") << wire("CMD_startgame+Ann+1+2147483647+1+1+") << 1 << 86400
                                       << true << true << wire("CMD_startgame+Ann+1+86400+1+1+");
}

void TestRound::startgameFields()
{
    QFETCH(QByteArray, message);
    QFETCH(int, rounds);
    QFETCH(int, turnTime);
    QFETCH(bool, allScoring);
    QFETCH(bool, duplicates);
    QFETCH(QByteArray, relay);
    HostHarness h;
    h.join("Ann");
    h.join("Bo");
    h.forget();
    QSignalSpy started(&h.server, &TServer::gameStarted);
    h.deliver(1, message);
    QVERIFY(h.server.gameRunning());
    QCOMPARE(h.server.rounds(), rounds);
    QCOMPARE(h.server.turnTime(), turnTime);
    QCOMPARE(h.server.allScoring(), allScoring);
    QCOMPARE(h.server.duplicatesAllowed(), duplicates);
    QCOMPARE(started.count(), 1);
    for (int seat : {1, 2}) {
        const QList<QByteArray> got = h.take(seat);
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0], relay);
        QVERIFY(got[1].startsWith("CMD_startround+1+"));
    }
    QCOMPARE(h.server.phase(), Protocol::Phase::Answering);
    QCOMPARE(h.server.countdown(), turnTime + 4);
}

void TestRound::startgameOnlyFromHostSeat()
{
    HostHarness h;
    h.join("Ann");
    h.join("Bo");
    h.forget();
    h.deliver(2, Protocol::Msg::startgame("Bo", 3, 60, "1", "1"));
    QVERIFY(!h.server.gameRunning());
    QVERIFY(h.sent.isEmpty());
    QVERIFY(!h.server.roundTimerRunning());
}

void TestRound::phasesAndDurations()
{
    HostHarness h;
    for (int n = 1; n <= 8; ++n)
        h.join(QStringLiteral("P%1").arg(n));
    h.startGame(2, 30, "1", "1");
    // Answers per category: 1, none, 4, 7, 3, 6, 8, none.
    const int perCategory[8] = {1, 0, 4, 7, 3, 6, 8, 0};
    for (int seat = 1; seat <= 8; ++seat) {
        QStringList answers;
        for (int c = 0; c < 8; ++c)
            answers.append(seat <= perCategory[c] ? QStringLiteral("Word%1").arg(seat) : QString());
        h.answer(seat, answers);
    }
    h.forget();

    struct Step
    {
        const char *message;
        int seconds;
        int phase;
    };
    const Step steps[] = {
        {"CMD_endround+", 34, 2},   {"CMD_showcat+1+1+", 3, 4},   {"CMD_postscores", 10, 2},
        {"CMD_noanswers+2+", 5, 5}, {"CMD_showcat+3+4+", 2, 4},   {"CMD_postscores", 13, 2},
        {"CMD_showcat+4+7+", 5, 4}, {"CMD_postscores", 16, 2},    {"CMD_showcat+5+3+", 5, 4},
        {"CMD_postscores", 10, 2},  {"CMD_showcat+6+6+", 5, 4},   {"CMD_postscores", 13, 2},
        {"CMD_showcat+7+8+", 5, 4}, {"CMD_postscores", 16, 2},    {"CMD_noanswers+8+", 5, 5},
        {"CMD_roundover+", 2, 3},   {"CMD_startround+2+", 10, 1},
    };
    for (const Step &step : steps) {
        QCOMPARE(h.secondsUntilSend(5), step.seconds);
        const QList<QByteArray> got = h.take(5);
        QCOMPARE(got.size(), 1);
        QVERIFY2(got[0].startsWith(h.catText(step.message)), got[0].constData());
        QCOMPARE(int(h.server.phase()), step.phase);
    }
    // The answer time does not end early: the next end comes after turn time + 4.
    QCOMPARE(h.secondsUntilSend(5), 34);
}

void TestRound::roundDrawsFromTheSeededGenerator()
{
    HostHarness h(1234);
    h.join("Ann");
    h.startGame(3, 60, "1", "1");

    GameRandom same(1234);
    const int letter = same.bounded(20);
    QStringList pile = CategoryTable::builtIn();
    QStringList expected;
    for (int n = 0; n < 8; ++n)
        expected.append(pile.takeAt(same.bounded(int(pile.size()))));
    QCOMPARE(h.server.letterIndex(), letter);
    QCOMPARE(h.server.roundCategories(), expected);

    QByteArray start = "CMD_startround+1+" + QByteArray::number(letter);
    for (int n = 1; n <= 8; ++n)
        start += "+" + QByteArray::number(n) + "+" + expected[n - 1].toLatin1();
    QCOMPARE(h.sentTo(1, "CMD_startround"), QList<QByteArray> {wire(start)});
}

void TestRound::everyRoundDrawsFromTheWholeList()
{
    // Over many rounds the draws reach far beyond the first entries of the list,
    // added categories included, and never repeat within one round.
    HostHarness h(99);
    QVERIFY(h.server.addtolist(QStringLiteral("Card Trick")));
    h.join("Ann");
    h.startGame(400, 30, "1", "1");
    QSet<QString> seen;
    QSet<int> letters;
    for (int round = 1; round <= 300; ++round) {
        const QStringList cats = h.server.roundCategories();
        for (const QString &c : cats)
            seen.insert(c);
        QCOMPARE(cats.size(), 8);
        letters.insert(h.server.letterIndex());
        QVERIFY(h.server.letterIndex() >= 0 && h.server.letterIndex() < 20);
        h.forget();
        QVERIFY(h.tickUntil(1, "CMD_startround"));
    }
    QVERIFY(seen.contains(QStringLiteral("Card Trick")));
    QVERIFY(seen.size() > 300);
    QCOMPARE(letters.size(), 20);
}

void TestRound::lateAnswersAreUsed()
{
    HostHarness h;
    h.join("Ann");
    h.join("Bo");
    h.startGame(3, 60, "1", "1");
    QVERIFY(h.tickUntil(1, "CMD_endround+"));
    h.answer(2, {"Late", "Later"});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    QCOMPARE(h.sentTo(1, "CMD_showcat"),
             QList<QByteArray> {h.catText(wire("CMD_showcat+1+1+2+Late+0"))});
    h.answer(1, {"", "Last"}); // before category 2 is shown: still counts
    QVERIFY(h.tickUntil(1, "CMD_showcat+2"));
    QCOMPARE(h.sentTo(1, "CMD_showcat+2"),
             QList<QByteArray> {h.catText(wire("CMD_showcat+2+2+1+Last+0+2+Later+0"))});
}

void TestRound::answerIndicesOutOfRange()
{
    HostHarness h;
    h.join("Ann");
    h.startGame(3, 60, "1", "1");
    h.deliver(1, wire("CMD_myanswers+1+0+Zero+1+One+9+Nine+-3+Neg+8+Eight"));
    QCOMPARE(h.server.seat(1).answers[1], QStringLiteral("One"));
    QCOMPARE(h.server.seat(1).answers[8], QStringLiteral("Eight"));
    QCOMPARE(h.server.seat(1).answers[0], QString());
    // A field that is no number ends the message; what came before stays.
    h.deliver(1, wire("CMD_myanswers+1+2+Two+x+X+3+Three"));
    QCOMPARE(h.server.seat(1).answers[2], QStringLiteral("Two"));
    QCOMPARE(h.server.seat(1).answers[3], QString());
    h.deliver(1, wire("CMD_myanswers+1+4294967298+Wrap"));
    QCOMPARE(h.server.seat(1).answers[2], QStringLiteral("Two"));
    // The spectator does not play.
    const int spy = [&] {
        for (int n = 2; n <= 8; ++n)
            h.server.connectLocal();
        return h.join("Spy");
    }();
    QCOMPARE(spy, 9);
    h.deliver(9, myanswers(9, {"Spy"}));
    QCOMPARE(h.server.seat(9).answers[1], QString());
}

void TestRound::answerListEnd_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QStringList>("answers"); // categories 1 to 3 afterwards

    QTest::newRow("pair without its answer")
        << QByteArray("CMD_myanswers+1+1+One+2") << QStringList {"One", "", "Old"};
    QTest::newRow("answer that is the end mark")
        << QByteArray("CMD_myanswers+1+1+@+2+@") << QStringList {"@", "@", "Old"};
    QTest::newRow("empty last answer")
        << QByteArray("CMD_myanswers+1+3+") << QStringList {"Old", "Old", ""};
}

void TestRound::answerListEnd()
{
    QFETCH(QByteArray, message);
    QFETCH(QStringList, answers);
    HostHarness h;
    h.join("Ann");
    h.startGame(3, 60, "1", "1");
    h.answer(1, {"Old", "Old", "Old"});
    h.deliver(1, wire(message));
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(h.server.seat(1).answers[std::size_t(c)], answers[c - 1]);
}

void TestRound::duplicateMarks_data()
{
    QTest::addColumn<QByteArray>("gameType");
    QTest::addColumn<QByteArray>("duplicates");
    QTest::addColumn<QByteArray>("showcat");
    QTest::newRow("one winner, no duplicates")
        << QByteArray("0") << QByteArray("0")
        << wire("CMD_showcat+1+4+1+Axe+1+2+AXE+1+3+Ant+0+4+axe +0");
    QTest::newRow("one winner, duplicates allowed")
        << QByteArray("0") << QByteArray("1")
        << wire("CMD_showcat+1+4+1+Axe+0+2+AXE+0+3+Ant+0+4+axe +0");
    QTest::newRow("all scoring") << QByteArray("1") << QByteArray("0")
                                 << wire("CMD_showcat+1+4+1+Axe+0+2+AXE+0+3+Ant+0+4+axe +0");
}

void TestRound::duplicateMarks()
{
    QFETCH(QByteArray, gameType);
    QFETCH(QByteArray, duplicates);
    QFETCH(QByteArray, showcat);
    HostHarness h;
    for (const char *name : {"A", "B", "C", "D", "E"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, gameType.constData(), duplicates.constData());
    h.answer(1, {"Axe"});
    h.answer(2, {"AXE"});
    h.answer(3, {"Ant"});
    h.answer(4, {"axe "}); // nothing is trimmed
    h.answer(5, {""});
    QVERIFY(h.tickUntil(1, "CMD_showcat"));
    QCOMPARE(h.sentTo(1, "CMD_showcat"), QList<QByteArray> {h.catText(showcat)});
}

void TestRound::allScoring_data()
{
    QTest::addColumn<int>("against");
    QTest::addColumn<QByteArray>("group");
    QTest::newRow("two against four players") << 2 << QByteArray("+1+1+2+1");
    QTest::newRow("three against four players") << 3 << QByteArray("+1+0+1+0");
    QTest::newRow("nobody against") << 0 << QByteArray("+1+1+4+1");
}

void TestRound::allScoring()
{
    QFETCH(int, against);
    QFETCH(QByteArray, group);
    HostHarness h;
    for (const char *name : {"A", "B", "C", "D"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "1", "1");
    h.answer(1, {"Ant"});
    h.answer(2, {"Bat"});
    h.answer(3, {""}); // in use, no answer: no group
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    for (int voter = 2; voter < 2 + against; ++voter)
        h.deliver(voter, Protocol::Msg::voteagainst(voter, 1));
    h.deliver(2, Protocol::Msg::votefor(2, 1)); // no votes for in this game type
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    QCOMPARE(h.sentTo(1, "CMD_postscores"),
             QList<QByteArray> {wire("CMD_postscores" + group + "+2+1+4+1")});
}

void TestRound::oneWinnerIdenticalAnswersShareVotes()
{
    HostHarness h;
    for (const char *name : {"A", "B", "C"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "0", "1");
    h.answer(1, {"Apple"});
    h.answer(2, {"APPLE"});
    h.answer(3, {"Apricot"});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    h.deliver(3, Protocol::Msg::votefor(3, 1));
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    QCOMPARE(h.sentTo(2, "CMD_postscores"),
             QList<QByteArray> {wire("CMD_postscores+1+1+1+1+2+1+1+1+3+1+0+1+4+0+0+0+5+0+0+0"
                                     "+6+0+0+0+7+0+0+0+8+0+0+0")});
}

void TestRound::oneWinnerSharedTop()
{
    HostHarness h;
    for (const char *name : {"A", "B", "C", "D", "E"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "0", "1");
    h.answer(1, {"Ant"});
    h.answer(2, {"Bat"});
    h.answer(3, {"Cat"});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    h.deliver(2, Protocol::Msg::votefor(2, 1));
    h.deliver(3, Protocol::Msg::votefor(3, 1));
    h.deliver(4, Protocol::Msg::votefor(4, 2));
    h.deliver(5, Protocol::Msg::votefor(5, 2));
    h.deliver(1, Protocol::Msg::votefor(1, 3));
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    // Seats 1 and 2 share the top with 2 votes; every voter of either gains 1.
    QCOMPARE(h.sentTo(1, "CMD_postscores"),
             QList<QByteArray> {wire("CMD_postscores+1+2+2+2+2+2+2+2+3+1+1+1+4+1+0+1+5+1+0+1"
                                     "+6+0+0+0+7+0+0+0+8+0+0+0")});
    QCOMPARE(h.server.seat(1).gameScore, 2);
}

void TestRound::oneWinnerNobodyVotes()
{
    HostHarness h;
    h.join("A");
    h.join("B");
    h.startGame(3, 60, "0", "0");
    h.answer(1, {"Ant"});
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    QByteArray expected = "CMD_postscores";
    for (int n = 1; n <= 8; ++n)
        expected += "+" + QByteArray::number(n) + "+0+0+0";
    QCOMPARE(h.sentTo(1, "CMD_postscores"), QList<QByteArray> {wire(expected)});
}

void TestRound::votesOutsideACategoryAreDropped_data()
{
    QTest::addColumn<QByteArray>("vote");
    QTest::addColumn<bool>("whileShowing");
    QTest::newRow("before any category") << wire("CMD_votefor+2+1+") << false;
    QTest::newRow("against before any category") << wire("CMD_voteagainst+2+1+") << false;
    QTest::newRow("target 0") << wire("CMD_votefor+2+0+") << true;
    QTest::newRow("target 9") << wire("CMD_votefor+2+9+") << true;
    QTest::newRow("against target 11") << wire("CMD_voteagainst+2+11+") << true;
    QTest::newRow("target without answer") << wire("CMD_votefor+2+3+") << true;
    QTest::newRow("voter 0") << wire("CMD_votefor+0+1+") << true;
    QTest::newRow("target no number") << wire("CMD_votefor+2+one+") << true;
}

void TestRound::votesOutsideACategoryAreDropped()
{
    QFETCH(QByteArray, vote);
    QFETCH(bool, whileShowing);
    HostHarness h;
    for (const char *name : {"A", "B", "C"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "0", "1");
    h.answer(1, {"Ant"});
    h.answer(2, {"Bat"});
    if (whileShowing)
        QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    h.deliver(2, vote);
    if (!whileShowing)
        QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    // Nobody voted, so every seat is listed with 0 points.
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(h.server.seat(n).gameScore, 0);
        QCOMPARE(h.server.seat(n).votesAgainst[1], 0);
    }
    QCOMPARE(h.server.seat(2).votedFor, 0);
}

void TestRound::restartDuringVotingLeavesNoStaleVote()
{
    HostHarness h;
    for (const char *name : {"A", "B", "C"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "0", "1");
    h.answer(1, {"Ant"});
    h.answer(2, {"Bat"});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    h.startGame(3, 60, "0", "1");
    h.forget();
    h.answer(1, {"Ant"});
    h.deliver(2, wire("CMD_votefor+2+1+")); // still voting on the old game's category
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    QCOMPARE(
        h.sentTo(1, "CMD_postscores"),
        QList<QByteArray> {wire("CMD_postscores+1+0+0+0+2+0+0+0+3+0+0+0+4+0+0+0+5+0+0+0+6+0+0+0"
                                "+7+0+0+0+8+0+0+0")});
}

void TestRound::oneVotePerPlayer_data()
{
    // Seat 1 "Ant", seat 2 "Bat", seats 3 and 4 both "Cow"; what seat 2 sends,
    // and the votes for / against seat 1's answer that count.
    QTest::addColumn<QByteArray>("gameType");
    QTest::addColumn<QList<QByteArray>>("votes");
    QTest::addColumn<int>("votesFor");
    QTest::addColumn<int>("votesAgainst");
    const QByteArray twice = Protocol::Msg::votefor(2, 1);
    QTest::newRow("second vote for")
        << QByteArray("0") << QList<QByteArray> {twice, twice} << 1 << 0;
    QTest::newRow("vote moved to another answer")
        << QByteArray("0") << QList<QByteArray> {twice, Protocol::Msg::votefor(2, 3)} << 1 << 0;
    QTest::newRow("vote for the own answer")
        << QByteArray("0") << QList<QByteArray> {Protocol::Msg::votefor(2, 2), twice} << 1 << 0;
    QTest::newRow("vote for a duplicate")
        << QByteArray("0") << QList<QByteArray> {Protocol::Msg::votefor(2, 3), twice} << 1 << 0;
    const QByteArray decline = Protocol::Msg::voteagainst(2, 1);
    QTest::newRow("declined three times")
        << QByteArray("1") << QList<QByteArray> {decline, decline, decline} << 0 << 1;
    QTest::newRow("own answer declined")
        << QByteArray("1") << QList<QByteArray> {Protocol::Msg::voteagainst(2, 2), decline} << 0
        << 1;
}

void TestRound::oneVotePerPlayer()
{
    QFETCH(QByteArray, gameType);
    QFETCH(QList<QByteArray>, votes);
    QFETCH(int, votesFor);
    QFETCH(int, votesAgainst);
    HostHarness h;
    for (const char *name : {"A", "B", "C", "D"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, gameType.constData(), "0");
    h.answer(1, {"Ant", "Arm"});
    h.answer(2, {"Bat", "Bee"});
    h.answer(3, {"Cow"});
    h.answer(4, {"cow"});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    for (const QByteArray &vote : votes)
        h.deliver(2, vote);
    QCOMPARE(h.server.seat(1).votesFor[1], votesFor);
    QCOMPARE(h.server.seat(1).votesAgainst[1], votesAgainst);
    QCOMPARE(h.server.seat(3).votesFor[1], 0);

    // The next category opens the ballot again.
    QVERIFY(h.tickUntil(1, "CMD_showcat+2"));
    for (const QByteArray &vote : votes)
        h.deliver(2, vote);
    QCOMPARE(h.server.seat(1).votesFor[2], votesFor);
    QCOMPARE(h.server.seat(1).votesAgainst[2], votesAgainst);
}

void TestRound::winnerTest_data()
{
    // Each seat answers that many categories in an All Scoring game of one
    // round without votes, so each answer is one point.
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<bool>>("signedIn");
    QTest::addColumn<int>("leaveBeforeTest");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("single leader")
        << QList<int> {4, 6, 5} << QList<bool> {true, true, true} << 0 << wire("CMD_winner+P2+");
    QTest::newRow("tie of two") << QList<int> {4, 6, 6} << QList<bool> {true, true, true} << 0
                                << wire("CMD_tiegame+");
    QTest::newRow("nobody scored")
        << QList<int> {0, 0, 0} << QList<bool> {true, true, true} << 0 << wire("CMD_tiegame+");
    QTest::newRow("leader without name") << QList<int> {2, 7, 1} << QList<bool> {true, false, true}
                                         << 0 << wire("CMD_winner+Missing+");
    QTest::newRow("departed seat ties")
        << QList<int> {3, 5, 1, 5} << QList<bool> {true, true, true, true} << 4
        << wire("CMD_tiegame+");
    QTest::newRow("departed seat does not lead")
        << QList<int> {3, 5, 1, 7} << QList<bool> {true, true, true, true} << 4
        << wire("CMD_winner+P2+");
    QTest::newRow("departed first seat leads under its name")
        << QList<int> {7, 5, 1} << QList<bool> {true, true, true} << 1 << wire("CMD_winner+P1+");
}

void TestRound::winnerTest()
{
    QFETCH(QList<int>, answers);
    QFETCH(QList<bool>, signedIn);
    QFETCH(int, leaveBeforeTest);
    QFETCH(QByteArray, result);
    HostHarness h;
    for (int n = 1; n <= answers.size(); ++n) {
        if (signedIn[n - 1])
            h.join(QStringLiteral("P%1").arg(n));
        else
            h.server.connectLocal();
    }
    QSignalSpy won(&h.server, &TServer::gameWon);
    h.startGame(1, 30, "1", "1");
    for (int n = 1; n <= answers.size(); ++n)
        h.answer(n, answersFor(answers[n - 1]));
    QVERIFY(h.tickUntil(1, "CMD_roundover"));
    if (leaveBeforeTest)
        h.server.disconnectsock(leaveBeforeTest);
    h.forget();
    const int watcher = leaveBeforeTest == 1 ? 2 : 1;
    QVERIFY(h.tickUntil(watcher, "CMD_"));
    QCOMPARE(h.take(watcher).first(), result);
    const bool declared = result.startsWith("CMD_winner");
    QCOMPARE(h.server.gameRunning(), !declared);
    QCOMPARE(h.server.roundTimerRunning(), !declared);
    QCOMPARE(won.count(), declared ? 1 : 0);
}

void TestRound::tieAddsRoundsUntilOneLeads()
{
    HostHarness h;
    h.join("Ann");
    h.join("Bo");
    h.startGame(1, 30, "1", "1");
    h.answer(1, answersFor(3));
    h.answer(2, answersFor(3));
    QVERIFY(h.tickUntil(1, "CMD_roundover"));
    h.forget();
    QVERIFY(h.tickUntil(1, "CMD_startround"));
    QCOMPARE(h.take(1).mid(0, 2),
             (QList<QByteArray> {wire("CMD_tiegame+"), h.sentTo(2, "CMD_startround").first()}));
    QVERIFY(h.sentTo(2, "CMD_startround").first().startsWith("CMD_startround+2+"));

    h.answer(2, answersFor(1)); // Bo pulls ahead in the tie-break round
    QVERIFY(h.tickUntil(1, "CMD_roundover"));
    h.forget();
    QVERIFY(h.tickUntil(1, "CMD_"));
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_winner+Bo+")});
    QCOMPARE(h.server.roundNumber(), 3);
    QVERIFY(!h.server.gameRunning());
    // The clock is off: nothing more happens.
    QCOMPARE(h.secondsUntilSend(1, 100), -1);
}

void TestRound::winnerTestWaitsForTheLastRound()
{
    HostHarness h;
    h.join("Ann");
    h.join("Bo");
    h.startGame(3, 30, "1", "1");
    h.answer(1, answersFor(2));
    for (int round = 2; round <= 3; ++round) {
        h.forget();
        QVERIFY(h.tickUntil(1, "CMD_startround"));
        QVERIFY(h.sentTo(1, "CMD_tiegame").isEmpty());
        QVERIFY(h.sentTo(1, "CMD_winner").isEmpty());
    }
    h.forget();
    QVERIFY(h.tickUntil(1, "CMD_winner"));
    QCOMPARE(h.sentTo(1, "CMD_winner"), QList<QByteArray> {wire("CMD_winner+Ann+")});
    QVERIFY(h.sentTo(1, "CMD_startround").isEmpty());
    QCOMPARE(h.server.roundNumber(), 4);
}

void TestRound::everyGameEnds_data()
{
    // Answers per seat each round; in One Winner Only each seat votes for the
    // other's answers, which keeps two players level for good.
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QByteArray>("gameType");
    QTest::addColumn<int>("roundsPlayed");
    QTest::addColumn<QByteArray>("winner");
    QTest::newRow("solo player without points")
        << QList<int> {0} << QByteArray("1") << 1 << wire("CMD_winner+P1+");
    QTest::newRow("lasting tie: lowest seat")
        << QList<int> {8, 8} << QByteArray("0") << 4 << wire("CMD_winner+P1+");
    QTest::newRow("lasting tie: most answers")
        << QList<int> {3, 5} << QByteArray("0") << 4 << wire("CMD_winner+P2+");
}

void TestRound::everyGameEnds()
{
    QFETCH(QList<int>, answers);
    QFETCH(QByteArray, gameType);
    QFETCH(int, roundsPlayed);
    QFETCH(QByteArray, winner);
    HostHarness h;
    const int players = int(answers.size());
    for (int n = 1; n <= players; ++n)
        h.join(QStringLiteral("P%1").arg(n));
    h.startGame(1, 30, gameType.constData(), "1");
    QList<QByteArray> ends;
    for (int second = 0; second < 5000 && (h.server.gameRunning() || h.sent.contains(1));
         ++second) {
        for (const QByteArray &message : h.take(1)) {
            if (message.startsWith("CMD_startround")) {
                for (int n = 1; n <= players; ++n)
                    h.answer(n, answersFor(answers[n - 1]));
            } else if (message.startsWith("CMD_showcat") && players == 2) {
                h.deliver(1, Protocol::Msg::votefor(1, 2));
                h.deliver(2, Protocol::Msg::votefor(2, 1));
            } else if (message.startsWith("CMD_winner")) {
                ends.append(message);
            }
        }
        h.server.timer1Timer();
    }
    QCOMPARE(ends, QList<QByteArray> {winner});
    QCOMPARE(h.server.roundNumber(), roundsPlayed + 1);
    QCOMPARE(h.server.seat(1).gameScore, h.server.seat(players).gameScore);
}

void TestRound::doneEndsTheWaitEarly_data()
{
    // A third player: one of ours who watches and never says done, or a
    // client of the first protocol who cannot say it.
    QTest::addColumn<bool>("plain");
    QTest::addColumn<bool>("early");
    QTest::newRow("a watcher does not hold the others up") << false << true;
    QTest::newRow("a plain peer keeps the full times") << true << false;
}

void TestRound::doneEndsTheWaitEarly()
{
    QFETCH(bool, plain);
    QFETCH(bool, early);
    using Protocol::DoneWith;
    using Protocol::Msg::done;
    HostHarness h;
    const QStringList words {QLatin1String(Protocol::Capability::Done)};
    const int a = h.joinOurs(QStringLiteral("Ann"), words);
    const int b = h.joinOurs(QStringLiteral("Bob"), words);
    const int c = plain ? h.join(QStringLiteral("Cid")) : h.joinOurs(QStringLiteral("Cid"), words);
    h.startGame(1, 30, "0", "0");
    if (!plain)
        h.deliver(c, Protocol::Msg::justwatch(c, true));
    for (int seat : {a, b, c})
        h.answer(seat, answersFor(8, QStringLiteral("W%1").arg(seat)));
    h.deliver(a, done(a, DoneWith::Answers));
    h.deliver(c, done(c, DoneWith::Vote)); // not now: the answers are typed
    QVERIFY(h.sentTo(a, "CMD_endround").isEmpty());
    h.deliver(b, done(b, DoneWith::Answers));
    // Only peers that understand it hear who is done.
    QCOMPARE(h.sentTo(b, "CMD_playerdone").size(), 2);
    QCOMPARE(h.sentTo(c, "CMD_playerdone").size(), plain ? 0 : 2);
    QCOMPARE(h.sentTo(a, "CMD_endround").size(), early ? 1 : 0);
    QVERIFY(h.tickUntil(a, "CMD_showcat"));
    h.forget();
    // In One Winner Only the one vote is done too; the vote ends 2 seconds later.
    h.deliver(a, Protocol::Msg::votefor(a, b));
    h.deliver(b, done(b, DoneWith::Vote));
    QCOMPARE(h.secondsUntilSend(a), early ? 2 : 10);
    QVERIFY(!h.sentTo(a, "CMD_postscores").isEmpty());
}

// Four players who answer and vote the moment they can, counted in game seconds
// (not a timed test): clients of the first protocol wait out every time, ours
// press Done and Next. Prints the lengths.
void TestRound::lengthOfAGameOfPromptPlayers()
{
    using Protocol::DoneWith;
    const auto gameSeconds = [](int rounds, int turnTime, bool ours) {
        HostHarness h;
        for (int n = 1; n <= 4; ++n)
            ours ? h.joinOurs(QStringLiteral("P%1").arg(n)) : h.join(QStringLiteral("P%1").arg(n));
        h.startGame(rounds, turnTime, "1", "0");
        for (int seconds = 0, seen = 0; seconds < 24 * 3600; ++seconds, h.server.timer1Timer()) {
            while (seen < h.sent[1].size()) {
                const QByteArray message = h.sent[1].at(seen++);
                if (message.startsWith("CMD_winner"))
                    return seconds;
                const bool answering = message.startsWith("CMD_startround");
                if (!ours && !answering)
                    continue;
                for (int n = 1; n <= 4; ++n) {
                    // Different counts of answers, so one player wins without a tie.
                    if (answering)
                        h.answer(n, answersFor(9 - n, QStringLiteral("W%1x").arg(n)));
                    if (ours && (answering || message.startsWith("CMD_showcat")))
                        h.deliver(
                            n,
                            Protocol::Msg::done(n, answering ? DoneWith::Answers : DoneWith::Vote));
                }
            }
        }
        return -1;
    };
    const int firstStartBefore = gameSeconds(10, 30, false);
    const int plain = gameSeconds(3, 60, false);
    const int ours = gameSeconds(3, 60, true);
    qInfo("Four prompt players: 10 rounds of 30 s %d:%02d; 3 rounds of 60 s %d:%02d, "
          "pressing Done and Next %d:%02d",
          firstStartBefore / 60, firstStartBefore % 60, plain / 60, plain % 60, ours / 60,
          ours % 60);
    QVERIFY(ours > 0 && ours < 6 * 60);
    QVERIFY(plain > ours + 3 * 60);
}

QTEST_GUILESS_MAIN(TestRound)
#include "tst_round.moc"
