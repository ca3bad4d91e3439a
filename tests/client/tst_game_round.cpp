// The round as the game panels show it: captions, letter and categories, the
// timer's text, colour and bar, the answer boxes with Enter between them and
// their wiring to the core, the late-join snapshot, the tie notice and the
// start button.
#include "GameBoard.h"

#include "client/GameWidgets.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace Protocol::Msg;

namespace {

// Like some entries of the category table, the last one ends in a blank.
const QStringList Categories {
    u"Fruit"_s, u"Car Part"_s, u"Animal"_s, u"City"_s,
    u"Name"_s,  u"Color"_s,    u"Food"_s,   u"Something Found at a Bar "_s};

void startGame(GameBoard &b, int turnTime = 60)
{
    b.hear(startgameRelay(u"Ann"_s, 3, turnTime, u"1"_s, u"1"_s) + startround(1, 16, Categories));
}

bool isRed(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

} // namespace

class TestGameRound : public QObject
{
    Q_OBJECT

private slots:
    void gameStartCaptions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("duplicates");
        QTest::addColumn<QString>("caption");
        QTest::newRow("all scoring") << u"1"_s << u"1"_s << u"All Scoring"_s;
        QTest::newRow("all scoring ignores duplicates") << u"1"_s << u"0"_s << u"All Scoring"_s;
        QTest::newRow("one winner") << u"0"_s << u"1"_s << u"One Winner Only"_s;
        QTest::newRow("one winner no duplicates")
            << u"0"_s << u"0"_s << u"One Winner Only No Duplicates"_s;
    }

    void gameStartCaptions()
    {
        QFETCH(QString, type);
        QFETCH(QString, duplicates);
        GameBoard b;
        b.panels.setHostControlsVisible(true);
        b.hear(startgameRelay(u"Ann"_s, 5, 60, type, duplicates));
        QTEST(b.text(u"label_gametype"_s), "caption");
        QCOMPARE(b.text(u"label_round"_s), u"Round: 1 of 5"_s);
        QVERIFY(!b.shown(u"button_start"_s));
    }

    // Done sends the answers at once and closes the boxes; Next ends the
    // player's part in the vote.
    void doneSendsAnswersAtOnceAndNextEndsTheVote()
    {
        GameBoard b;
        startGame(b);
        b.panels.answerEdit(1)->setText(u"apple"_s);
        b.find<QPushButton>(u"button_done"_s)->click();
        QCOMPARE(b.sentAs("CMD_myanswers"),
                 QList {myanswers(2, {u"apple"_s, {}, {}, {}, {}, {}, {}, {}})});
        QCOMPARE(b.sent.last(), done(2, Protocol::DoneWith::Answers));
        QVERIFY(!b.panels.answerEdit(1)->isEnabled());
        QVERIFY(!b.find(u"button_done"_s)->isEnabled());
        b.hear(showcat(u"1"_s, {{1, u"apple"_s, false}, {3, u"avocado"_s, false}}));
        QVERIFY(b.shown(u"image_voteagainst1"_s));
        b.find<QPushButton>(u"button_next"_s)->click();
        QCOMPARE(b.sent.last(), done(2, Protocol::DoneWith::Vote));
        QVERIFY(!b.shown(u"image_voteagainst1"_s));
        QVERIFY(!b.shown(u"button_next"_s));
    }

    void roundStartShowsLetterAndCategories()
    {
        GameBoard b;
        b.panels.answerEdit(1)->setText(u"old"_s);
        startGame(b);
        QCOMPARE(b.text(u"label_cat2"_s), u"CAR PART"_s);
        QCOMPARE(b.text(u"label_cat8"_s), u"SOMETHING FOUND AT A BAR"_s);
        QCOMPARE(b.text(u"label_answersent"_s),
                 u"Fill the Categories with words that start with: R"_s);
        QCOMPARE(b.text(u"label_round"_s), u"Round: 1 of 3"_s);
        QCOMPARE(b.text(u"label_status"_s), u"Blast the Categories!"_s);
        QCOMPARE(b.text(u"label_timer"_s), u"Time: 1:00"_s);
        QVERIFY(b.panels.answerEdit(1)->text().isEmpty());
        QVERIFY(b.shown(u"panel_enter"_s) && !b.shown(u"image_first"_s));
        QCOMPARE(b.board.focusWidget(), b.panels.answerEdit(1));
        QCOMPARE(b.label(u"image_letter"_s)->pixmap().size(), QSize(114, 108));

        // After a tie the round number runs past the number of rounds.
        b.hear(startround(4, 19, Categories));
        QCOMPARE(b.text(u"label_round"_s), u"Round: 4 of 3"_s);
        QVERIFY(b.text(u"label_answersent"_s).endsWith(u": W"_s));
    }

    void countdownTexts_data()
    {
        QTest::addColumn<int>("turnTime");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("barWidth");
        QTest::newRow("first tick") << 60 << 59 << u"Time: 0:59"_s << false << 2 * 59;
        QTest::newRow("twenty is still black") << 60 << 20 << u"Time: 0:20"_s << false << 2 * 20;
        QTest::newRow("nineteen is red") << 60 << 19 << u"Time: 0:19"_s << true << 2 * 19;
        QTest::newRow("nine") << 60 << 9 << u"Time: 0:09"_s << true << 2 * 9;
        QTest::newRow("over a minute") << 120 << 65 << u"Time: 1:05"_s << false << 1 * 65;
        QTest::newRow("a whole minute") << 120 << 60 << u"Time: 1:00"_s << false << 60;
        QTest::newRow("time out") << 60 << 0 << u"Time: 0:00"_s << true << 0;
        QTest::newRow("no answer time") << 0 << 0 << u"Time: 0:00"_s << false << 0;
        QTest::newRow("a hostile answer time")
            << std::numeric_limits<int>::min() << 0 << u"Time: 0:00"_s << false << 0;
    }

    void countdownTexts()
    {
        QFETCH(int, turnTime);
        QFETCH(int, left);
        GameBoard b;
        startGame(b, turnTime);
        b.tickTo(left);
        QTEST(b.text(u"label_timer"_s), "text");
        QTEST(isRed(b.label(u"label_timer"_s)), "red");
        QTEST(b.shown(u"image_timer"_s) ? b.label(u"image_timer"_s)->width() : 0, "barWidth");
    }

    // At the time-out the boxes close; only a player who sent says so.
    void timeOut_data()
    {
        QTest::addColumn<int>("seat");
        QTest::addColumn<bool>("sent");
        QTest::newRow("a player") << 2 << true;
        QTest::newRow("a watcher") << 9 << false;
        QTest::newRow("not signed in") << 0 << false;
    }

    void timeOut()
    {
        QFETCH(int, seat);
        QFETCH(bool, sent);
        GameBoard b(seat);
        b.panels.answerEdit(2)->setEnabled(false);
        startGame(b);
        QCOMPARE(b.panels.answerEdit(2)->isEnabled(), sent); // a watcher's boxes stay as they are
        b.tickTo(0);
        QVERIFY(!b.panels.answerEdit(1)->isEnabled() && !b.panels.answerEdit(8)->isEnabled());
        QCOMPARE(b.text(u"label_answersent"_s) == u"Answers Sent"_s, sent);
    }

    // What is typed in the boxes reaches the core: the first letter goes out
    // at once, the rest as the box is left, and the time-out sends the boxes.
    void boxesFeedTheCore()
    {
        GameBoard b;
        startGame(b);
        QLineEdit *box = b.panels.answerEdit(1);
        QTest::keyClicks(box, u"ant"_s);
        emit box->editingFinished();
        b.panels.answerEdit(3)->setText(u"Rome"_s);
        b.tickTo(0);
        const QStringList typed {u"ant"_s, {}, u"Rome"_s, {}, {}, {}, {}, {}};
        QCOMPARE(b.sent.first(), draftanswers(2, {u"a"_s}));
        QCOMPARE(b.sent.at(1), draftanswers(2, {u"ant"_s}));
        QCOMPARE(b.sent.last(), myanswers(2, typed));
    }

    void answerOffTheLetterIsMarked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("off");
        QTest::newRow("the letter") << u"Rhino"_s << false;
        QTest::newRow("lower case, blanks first") << u"  rose"_s << false;
        QTest::newRow("accented") << u"\u0158eka"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("another letter") << u"apple"_s << true;
        QTest::newRow("a digit") << u"7up"_s << true;
    }

    // The round's letter is R; an answer off it is marked but still goes to the core.
    void answerOffTheLetterIsMarked()
    {
        QFETCH(QString, typed);
        QFETCH(bool, off);
        GameBoard b;
        startGame(b);
        auto *edit = static_cast<AnswerEdit *>(b.panels.answerEdit(2));
        edit->setText(typed);
        QCOMPARE(edit->isOffLetter(), off);
        QCOMPARE(edit->palette().color(QPalette::Text)
                     != QApplication::palette(edit).color(QPalette::Text),
                 off);
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text),
                 QApplication::palette(edit).color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(b.game.typedAnswers().at(1), typed);
        edit->clear();
        QVERIFY(!edit->isOffLetter());
    }

    void enterMovesToNextBox()
    {
        GameBoard b;
        b.board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.board));
        b.board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.board));
        startGame(b);

        QLineEdit *third = b.panels.answerEdit(3);
        third->setFocus();
        QTRY_VERIFY(third->hasFocus());
        QTest::keyClicks(third, u"Rome"_s);
        QTest::keyClick(third, Qt::Key_Return);
        QCOMPARE(third->text(), u"Rome"_s);
        QTRY_VERIFY(b.panels.answerEdit(4)->hasFocus());

        QLineEdit *last = b.panels.answerEdit(8);
        last->setFocus();
        QTRY_VERIFY(last->hasFocus());
        QTest::keyClick(last, Qt::Key_Enter);
        QTRY_VERIFY(b.chat->hasFocus());

        // At the time-out the focus goes to the chat box as well.
        b.panels.answerEdit(1)->setFocus();
        QTRY_VERIFY(b.panels.answerEdit(1)->hasFocus());
        b.tickTo(0);
        QTRY_VERIFY(b.chat->hasFocus());
    }

    void endroundDisablesBoxes()
    {
        GameBoard b;
        startGame(b);
        b.hear(endround());
        QCOMPARE(b.text(u"label_status"_s), u"Prepare to Vote."_s);
        QVERIFY(b.text(u"label_answersent"_s).isEmpty());
        QVERIFY(!b.panels.answerEdit(5)->isEnabled());
        QVERIFY(b.shown(u"panel_enter"_s));
    }

    void lateJoin_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("secondsLeft");
        QTest::addColumn<bool>("entryShown");
        QTest::addColumn<QString>("status");
        QTest::newRow("typing, time enough") << 1 << 30 << true << QString();
        QTest::newRow("typing, four left") << 1 << 4 << false << QString();
        QTest::newRow("waiting for category")
            << 2 << 3 << false << u"Voting in Progress, Please Wait."_s;
        QTest::newRow("between rounds") << 3 << 8 << false << u"Posting Scores.. Please Wait."_s;
        QTest::newRow("voting") << 4 << 12 << false << u"Voting in Progress, Please Wait."_s;
        QTest::newRow("no answers") << 5 << 2 << false << u"Voting in Progress, Please Wait."_s;
    }

    void lateJoin()
    {
        QFETCH(int, phase);
        QFETCH(int, secondsLeft);
        QFETCH(bool, entryShown);
        GameBoard b(4);
        b.hear(gamestats({4, phase, 5, 2, 90, secondsLeft, 17, u"0"_s, {7, 3}, Categories}));
        QCOMPARE(b.shown(u"panel_enter"_s), entryShown);
        QTEST(b.text(u"label_status"_s), "status");
        QCOMPARE(b.text(u"label_cat2"_s), u"CAR PART"_s);
        QCOMPARE(b.text(u"label_round"_s), u"Round: 2 of 5"_s);
        QCOMPARE(b.text(u"label_gametype"_s), u"One Winner Only"_s);
        QCOMPARE(b.text(u"label_timer"_s), u"Time: 0:%1"_s.arg(secondsLeft, 2, 10, QChar(u'0')));
        QVERIFY(!b.shown(u"image_first"_s));
        QVERIFY(!b.label(u"image_letter"_s)->pixmap().isNull());
        // What the player sent before a drop fills the boxes left empty.
        b.panels.answerEdit(1)->setText(u"strawberry"_s);
        b.hear(keptanswers(4, {u"apple"_s, u"clutch"_s}));
        QCOMPARE(b.panels.answerEdit(1)->text(), u"strawberry"_s);
        QCOMPARE(b.panels.answerEdit(2)->text(), u"clutch"_s);
    }

    void tieMessageKeptForOneRound()
    {
        GameBoard b;
        startGame(b);
        b.hear(tiegame() + startround(4, 2, Categories));
        QCOMPARE(b.text(u"label_status"_s), u"Tie Game - You will play another round"_s);
        b.hear(startround(5, 3, Categories));
        QCOMPARE(b.text(u"label_status"_s), u"Blast the Categories!"_s);
    }

    void startButton()
    {
        GameBoard b;
        QVERIFY(!b.shown(u"button_start"_s));
        b.panels.setHostControlsVisible(true);
        QVERIFY(b.shown(u"button_start"_s));
        QSignalSpy requested(&b.panels, &GamePanels::startRequested);
        QTest::mouseClick(b.find(u"button_start"_s), Qt::LeftButton);
        QCOMPARE(requested.size(), 1);
    }

    // However long a snapshot says is left, the time bar stays in range.
    void snapshotKeepsTheBarInRange()
    {
        GameBoard b(4);
        b.hear("CMD_gamestats+4+1+5+2+1+100000000+17+1+\xFF");
        QCOMPARE(b.text(u"label_round"_s), u"Round: 2 of 5"_s);
        QCOMPARE(b.label(u"image_timer"_s)->width(), GamePictures::TimeBarWidth);
        b.game.clockTick();
        QVERIFY(b.label(u"image_timer"_s)->width() <= GamePictures::TimeBarWidth);
    }
};

QTEST_MAIN(TestGameRound)
#include "tst_game_round.moc"
