// The client's voting and results: answers in random rows, the pictures each
// game type offers, the vote messages, score posting, the ranked round results
// and the winner.
#include "GameBoard.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <set>

namespace {

const QString Categories
    = QStringLiteral("1+Fruit+2+Car Part+3+Animal+4+City+5+Name+6+Color+7+Food+8+Sport");

void startGame(GameBoard &b, const QString &type, const QString &duplicates = QStringLiteral("1"))
{
    b.seatPlayers({"Ann", "Bob", "Cid", "Dee"});
    b.hear("CMD_startgame", QStringLiteral("Ann+3+60+%1+%2+").arg(type, duplicates));
    b.hear("CMD_startround", QStringLiteral("1+1+") + Categories);
}

// Seat 1 banana, seat 2 (own) blueberry, seat 3 and seat 4 the same answer (marked duplicate).
const QString FourAnswers = QStringLiteral("1+4+1+banana+0+2+blueberry+0+3+Bean+1+4+bean+1");

struct Row
{
    QString answer;
    bool against = false;
    bool votefor = false;
};

QList<Row> visibleRows(const GameBoard &b)
{
    QList<Row> rows;
    for (int r = 1; r <= 8; ++r) {
        const QLabel *answer = b.label(QStringLiteral("label_vanswer%1").arg(r));
        Row row;
        row.answer = answer->isHidden() ? QString() : answer->text();
        row.against = !b.widget(QStringLiteral("image_voteagainst%1").arg(r))->isHidden();
        row.votefor = !b.widget(QStringLiteral("image_votefor%1").arg(r))->isHidden();
        rows.append(row);
    }
    return rows;
}

int rowOf(const GameBoard &b, const QString &answer)
{
    for (int r = 1; r <= 8; ++r)
        if (b.text(QStringLiteral("label_vanswer%1").arg(r)) == answer
            && !b.label(QStringLiteral("label_vanswer%1").arg(r))->isHidden())
            return r;
    return 0;
}

QWidget *votefor(const GameBoard &b, int row)
{
    return b.widget(QStringLiteral("image_votefor%1").arg(row));
}
QWidget *voteagainst(const GameBoard &b, int row)
{
    return b.widget(QStringLiteral("image_voteagainst%1").arg(row));
}

} // namespace

class TestGameVoting : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndPictures_data();
    void rowsAndPictures();
    void rowOrderIsRandomAndSeeded();
    void votingTime_data();
    void votingTime();
    void oneWinnerVotesOnce();
    void allScoringDeclineAndAccept();
    void watcherVotesAreOnlyShown();
    void postscoresTexts();
    void postscoresSkipsSeatsWithoutAnswer();
    void noanswers();
    void oneanswer();
    void roundoverRanking_data();
    void roundoverRanking();
    void winnerTexts_data();
    void winnerTexts();
};

void TestGameVoting::rowsAndPictures_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("withAgainst");
    QTest::addColumn<QStringList>("withVotefor");
    QTest::addColumn<QStringList>("struck");
    const QStringList all {"banana", "blueberry", "Bean", "bean"};
    QTest::newRow("all scoring") << "1"
                                 << "Choose to Accept or Decline Player's Answers." << all
                                 << QStringList {"banana", "blueberry"} << QStringList {};
    QTest::newRow("one winner") << "0"
                                << "Choose your Favorite Answer" << QStringList {}
                                << QStringList {"banana"} << QStringList {"Bean", "bean"};
}

void TestGameVoting::rowsAndPictures()
{
    QFETCH(QString, type);
    QFETCH(QString, status);
    QFETCH(QStringList, withAgainst);
    QFETCH(QStringList, withVotefor);
    QFETCH(QStringList, struck);
    GameBoard b;
    startGame(b, type);
    // All Scoring never flags duplicates; this checks that the client honours the flag anyway.
    b.hear("CMD_showcat", FourAnswers);

    QCOMPARE(b.text("label_cata"), QStringLiteral("FRUIT"));
    QCOMPARE(b.text("label_status"), status);
    QVERIFY(!b.widget("panel_vote")->isHidden());
    QVERIFY(b.widget("panel_enter")->isHidden());
    QCOMPARE(b.sounds.last(), QStringLiteral("vote"));

    const QList<Row> rows = visibleRows(b);
    QStringList shown, against, votes, struckOut;
    for (int r = 0; r < 8; ++r) {
        if (r < 4)
            QVERIFY2(!rows[r].answer.isEmpty(), "answers fill the first rows");
        else
            QVERIFY(rows[r].answer.isEmpty() && !rows[r].against && !rows[r].votefor);
        if (rows[r].answer.isEmpty())
            continue;
        shown << rows[r].answer;
        if (rows[r].against)
            against << rows[r].answer;
        if (rows[r].votefor)
            votes << rows[r].answer;
        if (b.label(QStringLiteral("label_vanswer%1").arg(r + 1))->font().strikeOut())
            struckOut << rows[r].answer;
    }
    auto sorted = [](QStringList l) {
        l.sort();
        return l;
    };
    QCOMPARE(sorted(shown), sorted({"banana", "blueberry", "Bean", "bean"}));
    QCOMPARE(sorted(against), sorted(withAgainst));
    QCOMPARE(sorted(votes), sorted(withVotefor)); // flagged duplicates are never offered
    QCOMPARE(sorted(struckOut), sorted(struck));

    // The favourite picture differs from the accept picture.
    const int row = rowOf(b, QStringLiteral("banana"));
    GameBoard other;
    startGame(other, type == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));
    other.hear("CMD_showcat", FourAnswers);
    const int otherRow = rowOf(other, QStringLiteral("banana"));
    QVERIFY(b.label(QStringLiteral("image_votefor%1").arg(row))->pixmap().toImage()
            != other.label(QStringLiteral("image_votefor%1").arg(otherRow))->pixmap().toImage());
}

void TestGameVoting::rowOrderIsRandomAndSeeded()
{
    const QString eight = QStringLiteral("2+8+1+a+0+2+b+0+3+c+0+4+d+0+5+e+0+6+f+0+7+g+0+8+h+0");
    auto order = [](const GameBoard &b) {
        QString o;
        for (int r = 1; r <= 8; ++r)
            o += b.text(QStringLiteral("label_vanswer%1").arg(r));
        return o;
    };
    std::set<QString> orders;
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    for (int category = 0; category < 6; ++category) {
        b.hear("CMD_showcat", eight);
        orders.insert(order(b));
    }
    QVERIFY2(orders.size() > 1, "the order changes from category to category");

    GameBoard again, same;
    startGame(again, QStringLiteral("1"));
    startGame(same, QStringLiteral("1"));
    again.game.setSeed(77);
    same.game.setSeed(77);
    again.hear("CMD_showcat", eight);
    same.hear("CMD_showcat", eight);
    QCOMPARE(order(again), order(same));

    // Two copies left to their own seed deal differently.
    GameBoard first(2, false), second(2, false);
    QString orderOf[2];
    for (GameBoard *board : {&first, &second}) {
        startGame(*board, QStringLiteral("1"));
        for (int category = 0; category < 3; ++category) {
            board->hear("CMD_showcat", eight);
            orderOf[board == &second] += order(*board);
        }
    }
    QVERIFY(orderOf[0] != orderOf[1]);
}

void TestGameVoting::votingTime_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("seconds");
    QTest::newRow("none") << 0 << 2;
    QTest::newRow("one") << 1 << 10;
    QTest::newRow("three") << 3 << 10;
    QTest::newRow("four") << 4 << 13;
    QTest::newRow("six") << 6 << 13;
    QTest::newRow("seven") << 7 << 16;
    QTest::newRow("eight") << 8 << 16;
}

void TestGameVoting::votingTime()
{
    QFETCH(int, answers);
    QFETCH(int, seconds);
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    QString message = QStringLiteral("3+%1").arg(answers);
    for (int seat = 1; seat <= answers; ++seat)
        message += QStringLiteral("+%1+word%1+0").arg(seat);
    b.hear("CMD_showcat", message);
    QCOMPARE(b.game.countdown(), seconds);
    QVERIFY(b.game.clock().isActive());
}

void TestGameVoting::oneWinnerVotesOnce()
{
    GameBoard b;
    startGame(b, QStringLiteral("0"), QStringLiteral("0"));
    b.hear("CMD_showcat", FourAnswers);
    b.sent.clear();

    // The own answer offers nothing, even to a direct click.
    const int own = rowOf(b, QStringLiteral("blueberry"));
    b.game.acceptRow(own);
    QVERIFY(b.sent.isEmpty());

    const int banana = rowOf(b, QStringLiteral("banana"));
    QTest::mouseClick(votefor(b, banana), Qt::LeftButton);
    QCOMPARE(b.sent.size(), 1);
    QCOMPARE(wireText(b.sent.first()), QStringLiteral("CMD_votefor+2+1+|"));
    QCOMPARE(b.sounds.last(), QStringLiteral("decline"));
    for (int r = 1; r <= 8; ++r)
        QVERIFY(votefor(b, r)->isHidden());

    // A second category gives a new choice.
    b.hear("CMD_showcat", QStringLiteral("2+2+1+bus+0+3+bike+0"));
    QTest::mouseClick(votefor(b, rowOf(b, QStringLiteral("bike"))), Qt::LeftButton);
    QCOMPARE(b.sent.size(), 2);
    QCOMPARE(wireText(b.sent.last()), QStringLiteral("CMD_votefor+2+3+|"));
}

void TestGameVoting::allScoringDeclineAndAccept()
{
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    b.hear("CMD_showcat", QStringLiteral("1+3+1+banana+0+2+blueberry+0+3+Bean+0"));
    b.sent.clear();

    const int banana = rowOf(b, QStringLiteral("banana"));
    QTest::mouseClick(votefor(b, banana), Qt::LeftButton);
    QVERIFY(b.sent.isEmpty());
    QVERIFY(votefor(b, banana)->isHidden() && voteagainst(b, banana)->isHidden());
    QVERIFY(!b.label(QStringLiteral("label_vanswer%1").arg(banana))->font().strikeOut());

    const int bean = rowOf(b, QStringLiteral("Bean"));
    QTest::mouseClick(voteagainst(b, bean), Qt::LeftButton);
    QCOMPARE(b.sent.size(), 1);
    QCOMPARE(wireText(b.sent.first()), QStringLiteral("CMD_voteagainst+2+3+|"));
    QVERIFY(b.label(QStringLiteral("label_vanswer%1").arg(bean))->font().strikeOut());
    QVERIFY(votefor(b, bean)->isHidden() && voteagainst(b, bean)->isHidden());

    // The own answer can be declined too; the other pictures stay.
    const int own = rowOf(b, QStringLiteral("blueberry"));
    QVERIFY(!voteagainst(b, own)->isHidden());
    QTest::mouseClick(voteagainst(b, own), Qt::LeftButton);
    QCOMPARE(wireText(b.sent.last()), QStringLiteral("CMD_voteagainst+2+2+|"));

    // The next category clears the strike-out.
    b.hear("CMD_showcat", QStringLiteral("2+1+3+Bus+0"));
    QVERIFY(!b.label(QStringLiteral("label_vanswer1"))->font().strikeOut());

    GameBoard offline(0);
    startGame(offline, QStringLiteral("1"));
    offline.hear("CMD_showcat", QStringLiteral("1+1+1+banana+0"));
    QTest::mouseClick(voteagainst(offline, 1), Qt::LeftButton);
    QVERIFY(offline.sent.isEmpty());
    QVERIFY(!offline.label("label_vanswer1")->font().strikeOut());
}

// The spectator seat's votes would not count: it sees the answers, no pictures.
void TestGameVoting::watcherVotesAreOnlyShown()
{
    for (const QString &type : {QStringLiteral("0"), QStringLiteral("1")}) {
        GameBoard b(9);
        startGame(b, type);
        b.hear("CMD_showcat", FourAnswers);
        for (const Row &row : visibleRows(b))
            QVERIFY(!row.against && !row.votefor);
        QVERIFY(rowOf(b, QStringLiteral("banana")) > 0);
    }
}

void TestGameVoting::postscoresTexts()
{
    GameBoard b;
    startGame(b, QStringLiteral("0"));
    b.hear("CMD_showcat", FourAnswers);
    b.hear("CMD_postscores",
           QStringLiteral("1+3+2+13+2+1+0+4+3+0+1+1+4+0+1+0+5+0+0+0+6+0+0+0+7+0+0+0+8+0+0+0"));

    QCOMPARE(b.text("label_status"), QStringLiteral("Posting Scores.. Please Wait."));
    QCOMPARE(b.game.seats().bonus(1), std::optional(3));
    QCOMPARE(b.game.seats().bonus(2), std::optional(1));
    QVERIFY(!b.game.seats().bonus(3));
    QCOMPARE(b.game.seats().score(1), 13);
    QCOMPARE(b.game.seats().score(2), 4);
    QCOMPARE(b.game.seats().score(3), 1);

    const auto vscore = [&](const QString &answer) {
        const QLabel *l = b.label(QStringLiteral("label_vscore%1").arg(rowOf(b, answer)));
        return l->isHidden() ? QString() : l->text();
    };
    QCOMPARE(vscore(QStringLiteral("banana")), QStringLiteral("Ann VOTES: 2"));
    QCOMPARE(vscore(QStringLiteral("blueberry")), QStringLiteral("Bob VOTES: 0"));
    QCOMPARE(vscore(QStringLiteral("Bean")), QStringLiteral("Cid VOTES: 1"));
    for (int r = 1; r <= 8; ++r) {
        QVERIFY(votefor(b, r)->isHidden());
        QVERIFY(voteagainst(b, r)->isHidden());
    }
    QCOMPARE(b.sounds.last(), QStringLiteral("finish"));
}

void TestGameVoting::postscoresSkipsSeatsWithoutAnswer()
{
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    b.hear("CMD_showcat", FourAnswers);
    // Next category: seats 3 and 4 answered; seat 1 answered before but not now.
    b.hear("CMD_showcat", QStringLiteral("2+2+3+bus+0+4+van+0"));
    // Seat 4 answered, but its player has gone.
    b.game.seats().freeSeat(4);
    b.hear("CMD_postscores", QStringLiteral("1+0+0+9+3+1+3+4+4+1+3+2"));

    int lines = 0;
    for (int r = 1; r <= 8; ++r) {
        const QLabel *l = b.label(QStringLiteral("label_vscore%1").arg(r));
        if (!l->isHidden()) {
            ++lines;
            QCOMPARE(l->text(), QStringLiteral("Cid VOTES: 3"));
            QCOMPARE(r, rowOf(b, QStringLiteral("bus")));
        }
    }
    QCOMPARE(lines, 1);
    QCOMPARE(b.game.seats().score(1), 9);
    QCOMPARE(b.game.seats().score(4), 2);
}

void TestGameVoting::noanswers()
{
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    b.hear("CMD_showcat", FourAnswers);
    b.game.seats().setBonus(1, 1);
    const int before = b.game.countdown();
    b.hear("CMD_noanswers", QStringLiteral("2+"));
    QCOMPARE(b.text("label_cata"), QStringLiteral("CAR PART"));
    QCOMPARE(b.text("label_status"), QStringLiteral("No Answers Submitted."));
    QVERIFY(!b.game.seats().bonus(1));
    QCOMPARE(visibleRows(b).first().answer, QString());
    QCOMPARE(b.game.countdown(), before);
    QCOMPARE(b.sounds.last(), QStringLiteral("noanswer"));
    // A later score posting finds no answers to label.
    b.hear("CMD_postscores", QStringLiteral("1+0+0+5"));
    for (int r = 1; r <= 8; ++r)
        QVERIFY(b.label(QStringLiteral("label_vscore%1").arg(r))->isHidden());
}

void TestGameVoting::oneanswer()
{
    GameBoard b;
    startGame(b, QStringLiteral("1"));
    b.hear("CMD_oneanswer", QStringLiteral("3+2+1+4+skipped+Rat+tail"));
    QCOMPARE(b.text("label_cata"), QStringLiteral("ANIMAL"));
    QCOMPARE(b.text("label_status"), QStringLiteral("One one answer submitted."));
    QCOMPARE(b.game.seats().bonus(2), std::optional(1));
    QCOMPARE(b.game.seats().score(2), 4);
    QCOMPARE(b.text("label_vanswer1"), QStringLiteral("Rat+tail"));
    QCOMPARE(b.text("label_vscore1"), QStringLiteral("Bob"));
    QVERIFY(!b.widget("panel_vote")->isHidden());
    QVERIFY(b.widget("image_votefor1")->isHidden());
    QCOMPARE(b.sounds.last(), QStringLiteral("finish"));
}

void TestGameVoting::roundoverRanking_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<QStringList>("lines");
    // An empty name is a free seat; a player may well be called "<Waiting>".
    QTest::newRow("scores 5 0 7") << QStringList {"Ann", "Bob", "Cid", "", "", "", "", ""}
                                  << QList<int> {5, 0, 7, 0, 0, 0, 0, 0}
                                  << QStringList {"Cid : 7", "Ann : 5", "Bob : 0", "",
                                                  "",        "",        "",        ""};
    QTest::newRow("ties keep seat order")
        << QStringList {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal"}
        << QList<int> {2, 4, 2, 4, 1, 0, 3, 0}
        << QStringList {"Bob : 4", "Dee : 4", "Gus : 3", "Ann : 2",
                        "Cid : 2", "Eve : 1", "Fay : 0", "Hal : 0"};
    QTest::newRow("free seats are left out")
        << QStringList {"Ann", "", "<Waiting>", "", "", "", "", ""}
        << QList<int> {0, 9, 3, 0, 0, 0, 0, 0}
        << QStringList {"<Waiting> : 3", "Ann : 0", "", "", "", "", "", ""};
}

void TestGameVoting::roundoverRanking()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, scores);
    QFETCH(QStringList, lines);
    GameBoard b;
    for (int n = 1; n <= 8; ++n) {
        if (!names[n - 1].isEmpty())
            b.game.seats().seatPlayer(n, names[n - 1]);
        b.game.seats().setScore(n, scores[n - 1]);
    }
    b.hear("CMD_roundover", {});
    QStringList shown;
    for (int n = 1; n <= 8; ++n)
        shown << b.text(QStringLiteral("label_currentscore%1").arg(n));
    QCOMPARE(shown, lines);
    QCOMPARE(b.text("label_status"), QStringLiteral("Round is Over!"));
    QVERIFY(!b.widget("panel_scores")->isHidden());
    QVERIFY(b.widget("panel_vote")->isHidden());
    QCOMPARE(b.sounds.last(), QStringLiteral("roundover"));
}

void TestGameVoting::winnerTexts_data()
{
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("won");
    QTest::newRow("own win") << 2 << "Bob+"
                             << "You have Won the Game!" << true;
    QTest::newRow("another wins") << 2 << "Ann+"
                                  << "Ann has Won the Game!" << false;
    QTest::newRow("watcher") << 9 << "Bob+"
                             << "Bob has Won the Game!" << false;
    QTest::newRow("name with plus") << 3 << "C+C+"
                                    << "You have Won the Game!" << true;
}

void TestGameVoting::winnerTexts()
{
    QFETCH(int, seat);
    QFETCH(QString, argument);
    QFETCH(QString, text);
    QFETCH(bool, won);
    GameBoard b(seat);
    startGame(b, QStringLiteral("1"));
    b.game.seats().seatPlayer(3, QStringLiteral("C+C"));
    QSignalSpy ended(&b.game, &ClientGame::gameWon);
    b.hear("CMD_roundover", {});
    b.hear("CMD_winner", argument);

    QCOMPARE(b.text("label_winner1"), text);
    QCOMPARE(b.text("label_winner2"), text);
    QCOMPARE(b.text("label_status"), QStringLiteral("Game Over!"));
    QCOMPARE(b.statusLines.last(), text);
    QVERIFY(b.text("label_round").isEmpty());
    QVERIFY(b.text("label_gametype").isEmpty());
    QVERIFY(!b.widget("panel_winner")->isHidden());
    QVERIFY(b.widget("panel_scores")->isHidden());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().at(1).toBool(), won);
    QCOMPARE(b.sounds.last(), QStringLiteral("winner"));
}

QTEST_MAIN(TestGameVoting)
#include "tst_game_voting.moc"
