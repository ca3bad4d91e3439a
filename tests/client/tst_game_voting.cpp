// The vote and its results as the game panels show them: the rows the core
// keeps with their pictures, strike-outs and votes, the clicks that reach the
// core, the standings and the winner.
#include "GameBoard.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Protocol::Msg;

namespace {

void startGame(GameBoard &b, const QString &type)
{
    int seat = 0;
    for (const QString &name : {u"Ann"_s, u"Bob"_s, u"Cid"_s, u"Dee"_s})
        b.game.seats().seatPlayer(++seat, name);
    b.hear(startgameRelay(u"Ann"_s, 3, 60, type, u"1"_s)
           + startround(1, 1, {u"Fruit"_s, u"Car Part"_s, u"Animal"_s}));
}

// Seat 1 banana, seat 2 (own) a blueberry too long for its row, seats 3 and 4 the same answer
// (duplicates).
const QByteArray FourAnswers = showcat(u"Fruit"_s,
                                       {{1, u"banana"_s, false},
                                        {2, u"blueberry"_s + QString(60, u'y'), false},
                                        {3, u"Bean"_s, true},
                                        {4, u"bean"_s, true}});

QString rowName(const char *base, int row)
{
    return QLatin1String(base) + QString::number(row);
}

int rowOf(const GameBoard &b, const QString &answer)
{
    for (int r = 1; r <= 8; ++r)
        if (b.game.voteRows()[std::size_t(r - 1)].answer == answer)
            return r;
    return 0;
}

// Every row of the voting panel shows the core's row; answers how many rows
// offer a picture.
int expectRowsShown(const GameBoard &b)
{
    int offers = 0;
    for (int r = 1; r <= 8; ++r) {
        const VoteRow &row = b.game.voteRows()[std::size_t(r - 1)];
        const QLabel *answer = b.label(rowName("label_vanswer", r));
        const bool shown = !row.answer.isEmpty();
        // A long answer is cut to its row, whole in the tooltip.
        const bool fits
            = answer->fontMetrics().horizontalAdvance(answer->text()) <= answer->width();
        const bool whole = answer->text() == row.answer && answer->toolTip().isEmpty();
        const bool cut = answer->text().endsWith(u'\u2026') && answer->toolTip() == row.answer;
        if (answer->isHidden() == shown || (shown && !(fits && (whole || cut)))
            || answer->font().strikeOut() != row.struck
            || b.shown(rowName("label_vscore", r)) != (shown && !row.result.isEmpty())
            || b.text(rowName("label_vscore", r)) != row.result
            || b.shown(rowName("image_votefor", r)) != (shown && row.acceptOffered)
            || b.shown(rowName("image_voteagainst", r)) != (shown && row.declineOffered)) {
            qWarning("row %d does not show the core's row", r);
            return -1;
        }
        offers += row.acceptOffered + row.declineOffered;
    }
    return offers;
}

} // namespace

class TestGameVoting : public QObject
{
    Q_OBJECT

private slots:
    // The rows, as they come, as pictures are clicked, as the scores are
    // posted and as the next category replaces them.
    void rowsShowTheCore_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("click"); // the picture clicked on banana's row
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("all scoring") << u"1"_s << u"Choose to Accept or Decline Player's Answers."_s
                                     << u"image_voteagainst"_s << voteagainst(2, 1);
        QTest::newRow("one winner")
            << u"0"_s << u"Choose your Favorite Answer"_s << u"image_votefor"_s << votefor(2, 1);
    }

    void rowsShowTheCore()
    {
        QFETCH(QString, type);
        QFETCH(QString, click);
        QFETCH(QByteArray, sent);
        GameBoard b;
        startGame(b, type);
        b.hear(FourAnswers);
        QCOMPARE(b.text(u"label_cata"_s), u"FRUIT"_s);
        QTEST(b.text(u"label_status"_s), "status");
        QVERIFY(b.shown(u"panel_vote"_s) && !b.shown(u"panel_enter"_s));
        QVERIFY(expectRowsShown(b) > 0);

        const int banana = rowOf(b, u"banana"_s);
        QTest::mouseClick(b.find(click + QString::number(banana)), Qt::LeftButton);
        QCOMPARE(b.sent, QList {sent});
        QVERIFY(!b.shown(click + QString::number(banana)));
        QVERIFY(expectRowsShown(b) >= 0);

        b.hear(postscores({{1, 3, 2, 13}, {2, 1, 0, 4}, {3, 0, 1, 1}, {4, 0, 1, 0}}));
        QCOMPARE(b.text(u"label_status"_s), u"Posting Scores.. Please Wait."_s);
        QCOMPARE(b.text(rowName("label_vscore", banana)), u"Ann VOTES: 2"_s);
        QCOMPARE(expectRowsShown(b), 0);

        b.hear(showcat(u"2"_s, {{3, u"bus"_s, false}}));
        QCOMPARE(b.text(u"label_cata"_s), u"CAR PART"_s);
        QCOMPARE(expectRowsShown(b), 1 + (type == u"1"_s));
    }

    // The favourite picture differs from the accept picture.
    void favouriteIsNoAccept()
    {
        GameBoard allScoring, oneWinner;
        startGame(allScoring, u"1"_s);
        startGame(oneWinner, u"0"_s);
        allScoring.hear(FourAnswers);
        oneWinner.hear(FourAnswers);
        const auto picture = [](const GameBoard &b) {
            return b.label(rowName("image_votefor", rowOf(b, u"banana"_s)))->pixmap().toImage();
        };
        QVERIFY(picture(allScoring) != picture(oneWinner));
    }

    // The spectator seat's votes would not count: it sees the answers, no pictures.
    void spectatorSeesNoPictures()
    {
        for (const QString &type : {u"0"_s, u"1"_s}) {
            GameBoard b(9);
            startGame(b, type);
            b.hear(FourAnswers);
            QCOMPARE(expectRowsShown(b), 0);
            QVERIFY(b.shown(u"label_vanswer1"_s));
        }
    }

    void noVote()
    {
        GameBoard b;
        startGame(b, u"1"_s);
        b.hear(FourAnswers + noanswers(u"2"_s));
        QCOMPARE(b.text(u"label_cata"_s), u"CAR PART"_s);
        QCOMPARE(b.text(u"label_status"_s), u"No Answers Submitted."_s);
        QCOMPARE(expectRowsShown(b), 0);

        b.hear(oneanswer(3, 2, 1, 4, u"skipped"_s, u"Rat+tail"_s));
        QCOMPARE(b.text(u"label_cata"_s), u"ANIMAL"_s);
        QCOMPARE(b.text(u"label_status"_s), u"One one answer submitted."_s);
        QCOMPARE(b.text(u"label_vanswer1"_s), u"Rat+tail"_s);
        QCOMPARE(b.text(u"label_vscore1"_s), u"Bob"_s);
        QVERIFY(b.shown(u"panel_vote"_s));
        QCOMPARE(expectRowsShown(b), 0);
    }

    void roundOverShowsTheStandings()
    {
        GameBoard b;
        startGame(b, u"1"_s);
        b.game.seats().setScore(3, 7);
        b.hear(FourAnswers + roundover());
        QStringList shown;
        for (int n = 1; n <= 8; ++n)
            shown << b.text(rowName("label_currentscore", n));
        QCOMPARE(shown, b.game.standings() + QStringList(4));
        QCOMPARE(shown.first(), u"Cid : 7"_s);
        QCOMPARE(b.text(u"label_status"_s), u"Round is Over!"_s);
        QVERIFY(b.shown(u"panel_scores"_s) && !b.shown(u"panel_vote"_s));
    }

    void winnerTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("own win") << u"Bob"_s << u"You have Won the Game!"_s;
        QTest::newRow("another wins") << u"Ann"_s << u"Ann has Won the Game!"_s;
    }

    void winnerTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        GameBoard b;
        startGame(b, u"1"_s);
        b.hear(roundover() + winner(name));
        QCOMPARE(b.text(u"label_winner1"_s), text);
        QCOMPARE(b.text(u"label_winner2"_s), text);
        QCOMPARE(b.text(u"label_status"_s), u"Game Over!"_s);
        QVERIFY(b.text(u"label_round"_s).isEmpty() && b.text(u"label_gametype"_s).isEmpty());
        QVERIFY(b.shown(u"panel_winner"_s) && !b.shown(u"panel_scores"_s));
    }
};

QTEST_MAIN(TestGameVoting)
#include "tst_game_voting.moc"
