// The game-start options window: the number ranges, the rules between the
// option boxes, and the start message it hands to the main window.
#include "windows/additioncatsform.h"
#include "windows/gamestartform.h"
#include "windows/spylistform.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QString shown(const Tgamestart &w, const char *edit)
{
    return w.findChild<QLineEdit *>(QLatin1String(edit))->text();
}

TOptionBox *box(const Tgamestart &w, const char *name)
{
    return w.findChild<TOptionBox *>(QLatin1String(name));
}

void clickArrow(const Tgamestart &w, const char *upDown, int arrow, int times)
{
    const QList<QToolButton *> arrows
        = w.findChild<QWidget *>(QLatin1String(upDown))->findChildren<QToolButton *>();
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(arrows.at(arrow), Qt::LeftButton);
}

} // namespace

class TestGamestart : public QObject
{
    Q_OBJECT

private slots:
    void designValues();
    void numberRanges_data();
    void numberRanges();
    void storedValuesBroughtIntoRange_data();
    void storedValuesBroughtIntoRange();
    void gameTypeRules();
    void centredOnTheOpeningWindow();
    void startSendsMessageAndHides_data();
    void startSendsMessageAndHides();
    void leavesWithoutStarting();
    void narrowWindowsFitTheirTitles_data();
    void narrowWindowsFitTheirTitles();
};

void TestGamestart::designValues()
{
    Tgamestart w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Lexiburst - Game Start"));
    // As designed, or wider where the window manager needs room for the title.
    QCOMPARE(w.height(), 257);
    QVERIFY(w.width() >= 257);
    QCOMPARE(shown(w, "edit_playtoscore"), QStringLiteral("3"));
    QCOMPARE(shown(w, "edit_creationtime"), QStringLiteral("60"));
    QVERIFY(w.findChild<QLineEdit *>(QStringLiteral("edit_playtoscore"))->isReadOnly());
    QCOMPARE(w.gameTypeTag(), 1);
    QCOMPARE(box(w, "image_gt2")->tag(), 0);
    QCOMPARE(w.duplicateTag(), 1);
    QCOMPARE(box(w, "image_gt1")->pixmap().size(), QSize(36, 30));
}

void TestGamestart::numberRanges_data()
{
    QTest::addColumn<QByteArray>("upDown");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("arrow"); // 0 up, 1 down
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("value");
    QTest::newRow("rounds up") << QByteArray("UpDown1") << QByteArray("edit_playtoscore") << 0 << 2
                               << "5";
    QTest::newRow("rounds stop at 10")
        << QByteArray("UpDown1") << QByteArray("edit_playtoscore") << 0 << 20 << "10";
    QTest::newRow("rounds stop at 1")
        << QByteArray("UpDown1") << QByteArray("edit_playtoscore") << 1 << 5 << "1";
    QTest::newRow("time in fives")
        << QByteArray("UpDown2") << QByteArray("edit_creationtime") << 0 << 3 << "75";
    QTest::newRow("time stops at 120")
        << QByteArray("UpDown2") << QByteArray("edit_creationtime") << 0 << 30 << "120";
    QTest::newRow("time stops at 30")
        << QByteArray("UpDown2") << QByteArray("edit_creationtime") << 1 << 30 << "30";
}

void TestGamestart::numberRanges()
{
    QFETCH(QByteArray, upDown);
    QFETCH(QByteArray, edit);
    QFETCH(int, arrow);
    QFETCH(int, clicks);
    QFETCH(QString, value);
    Tgamestart w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickArrow(w, upDown.constData(), arrow, clicks);
    QCOMPARE(shown(w, edit.constData()), value);
}

void TestGamestart::storedValuesBroughtIntoRange_data()
{
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("shownRounds");
    QTest::addColumn<int>("shownTime");
    QTest::newRow("in range") << 7 << 95 << 7 << 95;
    QTest::newRow("too small") << 0 << 10 << 1 << 30;
    QTest::newRow("too large") << 99 << 500 << 10 << 120;
    QTest::newRow("off the steps") << 4 << 62 << 4 << 60;
}

void TestGamestart::storedValuesBroughtIntoRange()
{
    QFETCH(int, rounds);
    QFETCH(int, time);
    QFETCH(int, shownRounds);
    QFETCH(int, shownTime);
    Tgamestart w;
    w.setPlayToScore(rounds);
    w.setCreationTime(time);
    QCOMPARE(w.playToScore(), shownRounds);
    QCOMPARE(w.creationTime(), shownTime);
    QCOMPARE(shown(w, "edit_playtoscore"), QString::number(shownRounds));
    QCOMPARE(shown(w, "edit_creationtime"), QString::number(shownTime));
}

void TestGamestart::gameTypeRules()
{
    Tgamestart w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    TOptionBox *gt1 = box(w, "image_gt1");
    TOptionBox *gt2 = box(w, "image_gt2");
    TOptionBox *dup = box(w, "image_duplicate");
    const QImage marked = gt1->pixmap().toImage();
    const QImage empty = gt2->pixmap().toImage();
    QVERIFY(marked != empty);

    // In All Scoring the duplicates box cannot be cleared.
    QTest::mouseClick(dup, Qt::LeftButton);
    QCOMPARE(dup->tag(), 1);

    QTest::mouseClick(gt2, Qt::LeftButton);
    QCOMPARE(gt1->tag(), 0);
    QCOMPARE(gt2->tag(), 1);
    QCOMPARE(gt2->pixmap().toImage(), marked);
    QTest::mouseClick(dup, Qt::LeftButton);
    QCOMPARE(dup->tag(), 0);
    QCOMPARE(dup->pixmap().toImage(), empty);

    // Clicking the marked box changes nothing.
    QTest::mouseClick(gt2, Qt::LeftButton);
    QCOMPARE(gt2->tag(), 1);
    QCOMPARE(dup->tag(), 0);

    // Back to All Scoring marks the duplicates box again.
    QTest::mouseClick(gt1, Qt::LeftButton);
    QCOMPARE(gt1->tag(), 1);
    QCOMPARE(gt2->tag(), 0);
    QCOMPARE(dup->tag(), 1);

    // Stored settings: a damaged game type counts as All Scoring.
    w.changebox(0);
    w.checkit(0);
    QCOMPARE(w.duplicateTag(), 0);
    w.checkit(7);
    QCOMPARE(w.duplicateTag(), 1);
    w.changebox(2);
    QCOMPARE(w.gameTypeTag(), 1);
    QCOMPARE(gt2->tag(), 0);
}

void TestGamestart::centredOnTheOpeningWindow()
{
    QWidget main;
    main.setGeometry(100, 80, 767, 529);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    Tgamestart w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Within the width of the window frames.
    QVERIFY((w.frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 8);
    QVERIFY((w.frameGeometry().center() - QPoint(0, 0)).manhattanLength() > 100);

    // With a main window it goes there, even when another window is active.
    w.hide();
    QWidget mainWindow;
    mainWindow.setGeometry(300, 250, 400, 300);
    w.setMainWindow(&mainWindow);
    w.show();
    QVERIFY((w.frameGeometry().center() - mainWindow.frameGeometry().center()).manhattanLength()
            <= 8);
}

void TestGamestart::startSendsMessageAndHides_data()
{
    QTest::addColumn<bool>("oneWinner");
    QTest::addColumn<bool>("noDuplicates");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("all scoring") << false << false << QByteArray("CMD_startgame+Ann+4+65+1+1+\xff");
    QTest::newRow("one winner") << true << false << QByteArray("CMD_startgame+Ann+4+65+0+1+\xff");
    QTest::newRow("one winner no duplicates")
        << true << true << QByteArray("CMD_startgame+Ann+4+65+0+0+\xff");
}

void TestGamestart::startSendsMessageAndHides()
{
    QFETCH(bool, oneWinner);
    QFETCH(bool, noDuplicates);
    QFETCH(QByteArray, message);
    Tgamestart w;
    QString name = QStringLiteral("Zed");
    w.setPlayerNameSource([&name] { return name; });
    name = QStringLiteral("Ann"); // the name is taken when the game starts
    QSignalSpy sent(&w, &Tgamestart::sendToHost);
    QSignalSpy saved(&w, &Tgamestart::saveSettings);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickArrow(w, "UpDown1", 0, 1);
    clickArrow(w, "UpDown2", 0, 1);
    if (oneWinner)
        QTest::mouseClick(box(w, "image_gt2"), Qt::LeftButton);
    if (noDuplicates)
        QTest::mouseClick(box(w, "image_duplicate"), Qt::LeftButton);

    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("button_start")), Qt::LeftButton);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().toByteArray(), message);
    QCOMPARE(saved.size(), 1);
    QVERIFY(w.isHidden());
    // The choices stay for the next game.
    QCOMPARE(w.startMessage(), message);
}

// Cancel and Escape leave without a start; the choices made stay.
void TestGamestart::leavesWithoutStarting()
{
    Tgamestart w;
    QSignalSpy sent(&w, &Tgamestart::sendToHost);
    for (const bool escape : {false, true}) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickArrow(w, "UpDown1", 0, 1);
        if (escape)
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("button_cancel")),
                              Qt::LeftButton);
        QVERIFY(w.isHidden());
    }
    QCOMPARE(sent.size(), 0);
    QCOMPARE(w.playToScore(), 5);
}

void TestGamestart::narrowWindowsFitTheirTitles_data()
{
    QTest::addColumn<std::shared_ptr<QWidget>>("window");
    QTest::newRow("game start") << std::shared_ptr<QWidget>(new Tgamestart);
    QTest::newRow("spy list") << std::shared_ptr<QWidget>(new Tspylist);
    QTest::newRow("added categories") << std::shared_ptr<QWidget>(new Tadditionalcats);
}

// A title bar also holds an icon and three buttons: the title alone plus a
// hundred pixels must fit, and the content stays inside and in the middle.
void TestGamestart::narrowWindowsFitTheirTitles()
{
    QFETCH(std::shared_ptr<QWidget>, window);
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    QVERIFY(window->width()
            >= QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + 100);
    QRect content;
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->width() < window->width())
            content |= child->geometry();
    }
    QVERIFY(window->rect().contains(content));
    QVERIFY(qAbs(content.left() - (window->width() - 1 - content.right())) <= 12);
}

QTEST_MAIN(TestGamestart)
#include "tst_gamestart.moc"
