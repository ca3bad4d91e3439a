// The client's side of a round: game start, letter and categories, the turn
// timer with its texts, colours and ticks, the answers sent, Enter between the
// boxes, the late-join snapshot and the start button.
#include "GameBoard.h"

#include "client/GameWidgets.h"
#include "protocol/Messages.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <limits>
#include <set>

namespace {

// Like some entries of the category table, the last one ends in a blank.
const QString Categories = QStringLiteral(
    "1+Fruit+2+Car Part+3+Animal+4+City+5+Name+6+Color+7+Food+8+Something Found at a Bar ");

void startGame(GameBoard &b, int turnTime = 60, const QString &type = QStringLiteral("1"),
               const QString &duplicates = QStringLiteral("1"))
{
    b.hear("CMD_startgame", QStringLiteral("Ann+3+%1+%2+%3+").arg(turnTime).arg(type, duplicates));
    b.hear("CMD_startround", QStringLiteral("1+16+") + Categories);
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
    void gameStartCaptions_data();
    void gameStartCaptions();
    void roundStartShowsLetterAndCategories();
    void countdownTexts_data();
    void countdownTexts();
    void entryTicks();
    void votingTicks();
    void timeoutSendsAnswersOnce();
    void doneSendsAnswersAtOnceAndNextEndsTheVote();
    void typingSendsDraftsUntilTheTimeOut();
    void answersNotSentByWatcherOrWithoutConnection();
    void answerTextIsCleaned_data();
    void answerTextIsCleaned();
    void answerOffTheLetterIsMarked_data();
    void answerOffTheLetterIsMarked();
    void enterMovesToNextBox();
    void endroundDisablesBoxes();
    void lateJoin_data();
    void lateJoin();
    void lateJoinForAnotherSeatChangesNothing();
    void tieMessageKeptForOneRound();
    void startButton();
    void zeroTurnTimeDoesNotDivide();
    void hostileNumbers_data();
    void hostileNumbers();
};

void TestGameRound::gameStartCaptions_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("duplicates");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("mode");
    QTest::newRow("all scoring") << "1"
                                 << "1"
                                 << "All Scoring" << 1;
    QTest::newRow("all scoring ignores duplicates") << "1"
                                                    << "0"
                                                    << "All Scoring" << 1;
    QTest::newRow("one winner") << "0"
                                << "1"
                                << "One Winner Only" << 0;
    QTest::newRow("one winner no duplicates") << "0"
                                              << "0"
                                              << "One Winner Only No Duplicates" << 0;
}

void TestGameRound::gameStartCaptions()
{
    QFETCH(QString, type);
    QFETCH(QString, duplicates);
    QFETCH(QString, caption);
    QFETCH(int, mode);
    GameBoard b;
    b.game.seats().setScore(4, 12);
    b.game.seats().setBonus(4, 2);
    b.panels.setHostControlsVisible(true);
    b.hear("CMD_startgame", QStringLiteral("Ann+5+60+%1+%2+").arg(type, duplicates));

    QCOMPARE(b.text("label_gametype"), caption);
    QCOMPARE(int(b.game.gameType()), mode);
    QCOMPARE(b.text("label_round"), QStringLiteral("Round: 1 of 5"));
    QCOMPARE(b.statusLines, QStringList {QStringLiteral("Ann has started a game.")});
    QCOMPARE(b.game.seats().score(4), 0);
    QVERIFY(!b.game.seats().bonus(4));
    QVERIFY(b.widget("button_start")->isHidden());
}

void TestGameRound::roundStartShowsLetterAndCategories()
{
    GameBoard b;
    b.panels.answerEdit(1)->setText(QStringLiteral("old"));
    startGame(b);

    QCOMPARE(b.text("label_cat2"), QStringLiteral("CAR PART"));
    QCOMPARE(b.text("label_cat8"), QStringLiteral("SOMETHING FOUND AT A BAR"));
    QCOMPARE(b.text("label_answersent"),
             QStringLiteral("Fill the Categories with words that start with: R"));
    QCOMPARE(b.text("label_round"), QStringLiteral("Round: 1 of 3"));
    QCOMPARE(b.text("label_status"), QStringLiteral("Blast the Categories!"));
    QVERIFY(b.panels.answerEdit(1)->text().isEmpty());
    QVERIFY(!b.widget("panel_enter")->isHidden());
    QCOMPARE(b.board.focusWidget(), b.panels.answerEdit(1));
    QVERIFY(b.widget("image_first")->isHidden());
    QCOMPARE(b.label("image_letter")->pixmap().size(), QSize(114, 108));
    QCOMPARE(int(b.game.phase()), 1);
    QCOMPARE(b.game.countdown(), 60);
    QVERIFY(b.game.clock().isActive());
    QCOMPARE(b.sounds, QStringList {QStringLiteral("submit")});

    // After a tie the round number runs past the number of rounds.
    b.hear("CMD_startround", QStringLiteral("4+19+") + Categories);
    QCOMPARE(b.text("label_round"), QStringLiteral("Round: 4 of 3"));
    QVERIFY(b.text("label_answersent").endsWith(QLatin1String(": W")));
}

void TestGameRound::countdownTexts_data()
{
    QTest::addColumn<int>("turnTime");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::addColumn<int>("barWidth");
    QTest::newRow("first tick") << 60 << 59 << "Time: 0:59" << false << 2 * 59;
    QTest::newRow("twenty is still black") << 60 << 20 << "Time: 0:20" << false << 2 * 20;
    QTest::newRow("nineteen is red") << 60 << 19 << "Time: 0:19" << true << 2 * 19;
    QTest::newRow("nine") << 60 << 9 << "Time: 0:09" << true << 2 * 9;
    QTest::newRow("over a minute") << 120 << 65 << "Time: 1:05" << false << 1 * 65;
    QTest::newRow("a whole minute") << 120 << 60 << "Time: 1:00" << false << 60;
    QTest::newRow("time out") << 60 << 0 << "Time: 0:00" << true << 0;
}

void TestGameRound::countdownTexts()
{
    QFETCH(int, turnTime);
    QFETCH(int, left);
    QFETCH(QString, text);
    QFETCH(bool, red);
    QFETCH(int, barWidth);
    GameBoard b;
    startGame(b, turnTime);
    b.tickTo(left);
    QCOMPARE(b.text("label_timer"), text);
    QCOMPARE(isRed(b.label("label_timer")), red);
    QCOMPARE(b.label("image_timer")->isHidden() ? 0 : b.label("image_timer")->width(), barWidth);
}

void TestGameRound::entryTicks()
{
    GameBoard b;
    startGame(b);
    std::set<int> ticked;
    while (b.game.countdown() > 0) {
        b.sounds.clear();
        b.game.clockTick();
        const auto ticks = b.sounds.count(QStringLiteral("tick"));
        QVERIFY2(ticks <= 1, "at most one tick a second");
        if (ticks)
            ticked.insert(b.game.countdown());
    }
    const std::set<int> expected = {20, 15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QCOMPARE(ticked, expected);
}

void TestGameRound::votingTicks()
{
    GameBoard b;
    startGame(b);
    b.tickTo(0);
    b.game.clockTick(); // the clock reaches zero: answers sent, phase 0
    QCOMPARE(int(b.game.phase()), 0);

    b.hear("CMD_showcat", QStringLiteral("1+8+1+a+0+2+b+0+3+c+0+4+d+0+5+e+0+6+f+0+7+g+0+8+h+0"));
    QCOMPARE(b.game.countdown(), 16);
    std::set<int> ticked;
    while (b.game.countdown() > 0) {
        b.sounds.clear();
        b.game.clockTick();
        if (b.sounds.contains(QStringLiteral("tick")))
            ticked.insert(b.game.countdown());
    }
    const std::set<int> expected = {15, 4, 3, 2, 1};
    QCOMPARE(ticked, expected);
    QVERIFY(b.sent.size() == 1); // the voting time-out sends nothing
}

void TestGameRound::timeoutSendsAnswersOnce()
{
    GameBoard b;
    startGame(b);
    b.panels.answerEdit(1)->setText(QStringLiteral("apple"));
    b.panels.answerEdit(3)->setText(QStringLiteral("Rhino"));
    b.tickTo(1);
    QVERIFY(b.answersSent().isEmpty());

    for (int i = 0; i < 3; ++i)
        b.game.clockTick();
    QCOMPARE(b.answersSent().size(), 1);
    QCOMPARE(wireText(b.answersSent().first()),
             QStringLiteral("CMD_myanswers+2+1+apple+2++3+Rhino+4++5++6++7++8+|"));
    QCOMPARE(b.text("label_answersent"), QStringLiteral("Answers Sent"));
    QVERIFY(!b.panels.answerEdit(1)->isEnabled());
    QVERIFY(!b.panels.answerEdit(8)->isEnabled());
    QCOMPARE(b.game.countdown(), 0);
    QCOMPARE(b.text("label_timer"), QStringLiteral("Time: 0:00"));
}

void TestGameRound::doneSendsAnswersAtOnceAndNextEndsTheVote()
{
    GameBoard b;
    startGame(b);
    b.panels.answerEdit(1)->setText(QStringLiteral("apple"));
    b.find<QPushButton>(QStringLiteral("button_done"))->click();
    QCOMPARE(b.answersSent().size(), 1);
    QCOMPARE(b.sent.last(), Protocol::Msg::done(2, Protocol::DoneWith::Answers));
    QVERIFY(!b.panels.answerEdit(1)->isEnabled());
    QVERIFY(!b.widget(QStringLiteral("button_done"))->isEnabled());
    b.tickTo(0); // the time-out sends nothing more
    QCOMPARE(b.answersSent().size(), 1);
    b.hear(QStringLiteral("CMD_showcat"), QStringLiteral("1+2+1+apple+0+3+avocado+0"));
    QVERIFY(!b.widget(QStringLiteral("image_voteagainst1"))->isHidden());
    b.find<QPushButton>(QStringLiteral("button_next"))->click();
    QCOMPARE(b.sent.last(), Protocol::Msg::done(2, Protocol::DoneWith::Vote));
    QVERIFY(b.widget(QStringLiteral("image_voteagainst1"))->isHidden());
    QVERIFY(b.widget(QStringLiteral("button_next"))->isHidden());
}

void TestGameRound::typingSendsDraftsUntilTheTimeOut()
{
    GameBoard b;
    startGame(b);
    QLineEdit *box = b.panels.answerEdit(1);
    QTest::keyClicks(box, "ant"); // the first letter goes at once, the rest after a pause
    emit box->editingFinished(); // or as the box is left
    b.tickTo(0);
    b.game.clockTick();
    const QList<QByteArray> &sent = b.sent;
    QVERIFY(sent.size() >= 3);
    QCOMPARE(sent.first(), Protocol::Msg::draftanswers(2, {"a"}));
    QCOMPARE(sent.at(sent.size() - 2), Protocol::Msg::draftanswers(2, {"ant"}));
    QCOMPARE(sent.last(), Protocol::Msg::myanswers(2, {"ant"}));
}

void TestGameRound::answersNotSentByWatcherOrWithoutConnection()
{
    GameBoard watcher(9);
    watcher.panels.answerEdit(2)->setEnabled(false);
    startGame(watcher);
    QVERIFY(!watcher.panels.answerEdit(2)->isEnabled()); // a watcher's boxes stay as they are
    watcher.tickTo(0);
    watcher.game.clockTick();
    QVERIFY(watcher.sent.isEmpty());
    QVERIFY(watcher.text("label_answersent") != QStringLiteral("Answers Sent"));

    GameBoard offline(0);
    startGame(offline);
    offline.tickTo(0);
    offline.game.clockTick();
    // Nothing went out, so nothing claims it did.
    QVERIFY(offline.sent.isEmpty());
    QVERIFY(offline.text("label_answersent") != QStringLiteral("Answers Sent"));
}

void TestGameRound::answerTextIsCleaned_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::newRow("plus becomes a blank") << "salt+pepper"
                                          << "salt pepper";
    QTest::newRow("lone plus is no answer") << "+"
                                            << "";
    QTest::newRow("terminator letter") << QStringLiteral("Ha\u00FFdn") << "Haydn";
    QTest::newRow("blanks around") << "  rose "
                                   << "rose";
    QTest::newRow("accents stay") << QStringLiteral("R\u00E9sum\u00E9")
                                  << QStringLiteral("R\u00E9sum\u00E9");
}

void TestGameRound::answerTextIsCleaned()
{
    QFETCH(QString, typed);
    QFETCH(QString, field);
    GameBoard b;
    startGame(b);
    b.panels.answerEdit(4)->setText(typed);
    b.sendBoxes();
    const QByteArray expected
        = "CMD_myanswers+2+1++2++3++4+" + field.toLatin1() + "+5++6++7++8+\xff";
    QCOMPARE(b.answersSent(), QList {expected});
}

void TestGameRound::answerOffTheLetterIsMarked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("off");
    QTest::newRow("the letter") << "Rhino" << false;
    QTest::newRow("lower case, blanks first") << "  rose" << false;
    QTest::newRow("accented") << QStringLiteral("\u0158eka") << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("another letter") << "apple" << true;
    QTest::newRow("a digit") << "7up" << true;
}

// The round's letter is R; an answer off it is marked but still sent.
void TestGameRound::answerOffTheLetterIsMarked()
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
    b.sendBoxes();
    QVERIFY(b.answersSent().first().contains("+2+" + Protocol::toWire(typed.trimmed()) + "+3+"));
    edit->clear();
    QVERIFY(!edit->isOffLetter());
}

void TestGameRound::enterMovesToNextBox()
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
    QTest::keyClicks(third, QStringLiteral("Rome"));
    QTest::keyClick(third, Qt::Key_Return);
    QCOMPARE(third->text(), QStringLiteral("Rome"));
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
    b.game.clockTick();
    QTRY_VERIFY(b.chat->hasFocus());
}

void TestGameRound::endroundDisablesBoxes()
{
    GameBoard b;
    startGame(b);
    b.hear("CMD_endround", {});
    QCOMPARE(b.text("label_status"), QStringLiteral("Prepare to Vote."));
    QVERIFY(b.text("label_answersent").isEmpty());
    QVERIFY(!b.panels.answerEdit(5)->isEnabled());
    QVERIFY(!b.widget("panel_enter")->isHidden());
    QCOMPARE(b.sounds.last(), QStringLiteral("timeup"));
}

void TestGameRound::lateJoin_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<bool>("entryShown");
    QTest::addColumn<bool>("timerRuns");
    QTest::addColumn<QString>("status");
    QTest::newRow("typing, time enough") << 1 << 30 << true << true << "";
    QTest::newRow("typing, five left") << 1 << 5 << true << true << "";
    QTest::newRow("typing, four left") << 1 << 4 << false << false << "";
    QTest::newRow("waiting for category")
        << 2 << 3 << false << false << "Voting in Progress, Please Wait.";
    QTest::newRow("between rounds") << 3 << 8 << false << true << "Posting Scores.. Please Wait.";
    QTest::newRow("voting") << 4 << 12 << false << true << "Voting in Progress, Please Wait.";
    QTest::newRow("no answers") << 5 << 2 << false << false << "Voting in Progress, Please Wait.";
}

void TestGameRound::lateJoin()
{
    QFETCH(int, phase);
    QFETCH(int, secondsLeft);
    QFETCH(bool, entryShown);
    QFETCH(bool, timerRuns);
    QFETCH(QString, status);
    GameBoard b(4);
    b.hear("CMD_gamestats",
           QStringLiteral("4+%1+5+2+90+%2+17+0+s+1+7+s+2+3+s+3+0+s+4+0+s+5+0+s+6+0+s+7+0+s+8+0+")
                   .arg(phase)
                   .arg(secondsLeft)
               + QStringLiteral("c+1+Fruit+c+2+Car Part+c+3+a+c+4+b+c+5+c+c+6+d+c+7+e+c+8+f"));

    QCOMPARE(!b.widget("panel_enter")->isHidden(), entryShown);
    QCOMPARE(b.game.clock().isActive(), timerRuns);
    QCOMPARE(b.text("label_status"), status);
    // Too late to type: the joiner sits this entry out.
    QCOMPARE(int(b.game.phase()), phase == 1 && !entryShown ? 0 : phase);
    QCOMPARE(b.game.countdown(), secondsLeft);
    QCOMPARE(b.game.seats().score(1), 7);
    QCOMPARE(b.game.seats().score(2), 3);
    QCOMPARE(b.text("label_cat2"), QStringLiteral("CAR PART"));
    QCOMPARE(b.text("label_round"), QStringLiteral("Round: 2 of 5"));
    QCOMPARE(b.text("label_gametype"), QStringLiteral("One Winner Only"));
    QVERIFY(b.widget("image_first")->isHidden());
    QVERIFY(!b.label("image_letter")->pixmap().isNull());

    if (phase == 1 && entryShown) {
        // The late joiner types and sends at the local time-out like everybody;
        // what it sent before a drop fills the boxes it left empty.
        b.panels.answerEdit(1)->setText(QStringLiteral("strawberry"));
        b.hear("CMD_keptanswers", QStringLiteral("4+1+apple+2+clutch+3++4++5++6++7++8+"));
        b.tickTo(0);
        b.game.clockTick();
        QCOMPARE(b.answersSent().size(), 1);
        QVERIFY(b.answersSent().first().startsWith("CMD_myanswers+4+1+strawberry+2+clutch+3++"));
    }
    if (phase == 1 && !entryShown) {
        // The voting that follows sends no answers and ticks as voting does.
        b.hear("CMD_showcat", QStringLiteral("1+1+1+kiwi+0"));
        b.tickTo(0);
        b.game.clockTick();
        QVERIFY(b.sent.isEmpty());
        QCOMPARE(b.sounds.count(QStringLiteral("tick")), 4);
    }
}

void TestGameRound::lateJoinForAnotherSeatChangesNothing()
{
    GameBoard b(4);
    b.hear("CMD_gamestats", QStringLiteral("5+1+5+2+90+30+17+1+s+1+7+c+1+Fruit"));
    QVERIFY(b.widget("panel_enter")->isHidden());
    QVERIFY(!b.game.clock().isActive());
    QCOMPARE(b.game.seats().score(1), 0);
    QVERIFY(b.text("label_cat1").isEmpty());
    QCOMPARE(b.text("label_round"), QStringLiteral("Round: 0 of 0"));
    QVERIFY(!b.widget("image_first")->isHidden());
}

void TestGameRound::tieMessageKeptForOneRound()
{
    GameBoard b;
    startGame(b);
    b.hear("CMD_tiegame", {});
    b.hear("CMD_startround", QStringLiteral("4+2+") + Categories);
    QCOMPARE(b.text("label_status"), QStringLiteral("Tie Game - You will play another round"));
    b.hear("CMD_startround", QStringLiteral("5+3+") + Categories);
    QCOMPARE(b.text("label_status"), QStringLiteral("Blast the Categories!"));
}

void TestGameRound::startButton()
{
    GameBoard b;
    QVERIFY(b.widget("button_start")->isHidden());
    b.panels.setHostControlsVisible(true);
    QVERIFY(!b.widget("button_start")->isHidden());

    QSignalSpy requested(&b.panels, &GamePanels::startRequested);
    QTest::mouseClick(b.widget("button_start"), Qt::LeftButton);
    QCOMPARE(requested.size(), 1);
}

void TestGameRound::zeroTurnTimeDoesNotDivide()
{
    GameBoard b;
    startGame(b, 0);
    QCOMPARE(b.game.countdown(), 0);
    b.game.clockTick();
    QCOMPARE(b.sent.size(), 1);
    QCOMPARE(b.text("label_timer"), QStringLiteral("Time: 0:00"));

    GameBoard hostile;
    startGame(hostile, std::numeric_limits<int>::min());
    hostile.game.clockTick();
    QCOMPARE(hostile.game.countdown(), 0);
}

void TestGameRound::hostileNumbers_data()
{
    QTest::addColumn<QString>("snapshot");
    QTest::addColumn<QString>("round"); // "Round: 0 of 0": the snapshot was dropped
    QTest::newRow("one-second turn, years left") << "4+1+5+2+1+100000000+17+1+"
                                                 << "Round: 2 of 5";
    QTest::newRow("lowest seconds left") << "4+4+5+2+60+-2147483648+17+1+"
                                         << "Round: 2 of 5";
    QTest::newRow("huge rounds, negative turn") << "4+4+2147483647+2+-5+10+99+1+"
                                                << "Round: 2 of 1000";
    QTest::newRow("seconds left no number") << "4+1+5+2+60+soon+17+1+"
                                            << "Round: 0 of 0";
    QTest::newRow("list breaks off") << "4+1+5+2+60+30+17+1+s+1+7+s+x+3"
                                     << "Round: 0 of 0";
}

// Whatever a host sends, the clock and the time bar stay in range, and a
// snapshot that does not read changes nothing.
void TestGameRound::hostileNumbers()
{
    QFETCH(QString, snapshot);
    QFETCH(QString, round);
    GameBoard b(4);
    b.hear("CMD_gamestats", snapshot);
    QCOMPARE(b.text("label_round"), round);
    QCOMPARE(b.game.seats().score(1), 0);
    for (int tick = 0; tick < 3; ++tick)
        b.game.clockTick();
    QVERIFY(b.game.countdown() >= 0 && b.game.countdown() <= Protocol::MaxSeconds);
    QVERIFY(b.label("image_timer")->width() <= GamePictures::TimeBarWidth);
}

QTEST_MAIN(TestGameRound)
#include "tst_game_round.moc"
