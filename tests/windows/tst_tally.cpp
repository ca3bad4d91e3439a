#include "storage/HomeFolder.h"
#include "windows/tallylistform.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The window over a temporary folder, with the board's seated players and
// the confirmation answers given by the test.
struct TallyRig
{
    explicit TallyRig(const QString &folder)
    {
        window.setFolder(folder);
        window.setPrompts({[this](const QString &text) { messages.append(text); },
                           [this](const QString &text) {
                               questions.append(text);
                               return answerYes;
                           }});
        window.setSeatedPlayers([this] { return seated; });
        window.show();
    }
    QListWidget *list(const char *name) const
    {
        return window.findChild<QListWidget *>(QString::fromLatin1(name));
    }
    QString text(const QString &name) const { return window.findChild<QLabel *>(name)->text(); }
    // Ticks the named current player.
    void tally(const QString &name)
    {
        window.loadchecklist();
        const auto found = list("checklist")->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        found.first()->setCheckState(Qt::Checked);
    }
    // The eight counts the panel shows for one opponent: Total then Session.
    QList<int> panel(int index)
    {
        window.selectOpponent(index);
        QList<int> counts;
        for (int i = 1; i <= 8; ++i)
            counts.append(text(QStringLiteral("label_%1").arg(i)).toInt());
        return counts;
    }
    QStringList tallied() const
    {
        QStringList names;
        for (int row = 0; row < list("listbox_tally")->count(); ++row)
            names.append(list("listbox_tally")->item(row)->text());
        return names;
    }

    QStringList seated;
    bool answerYes = true;
    QStringList messages;
    QStringList questions;
    Ttallylist window;
};

class TestTally : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void finishedGameCounts_data();
    void finishedGameCounts();
    void restartKeepsTotalsAndClearsSession();
    void deletingAnOpponent();
    void namesDifferingInCaseAreTwoOpponents();
    void resetAsksFirst();
    void untickingACurrentPlayerKeepsTheTally();
    void everyChangeIsSavedAtOnce();

private:
    QTemporaryDir home;
};

void TestTally::initTestCase()
{
    Storage::chooseHomeFolder(home.path());
}

void TestTally::finishedGameCounts_data()
{
    QTest::addColumn<QString>("winner");
    QTest::addColumn<int>("ownWins");
    QTest::addColumn<QList<int>>("alice"); // games, she won, you won, neither; total then session
    QTest::newRow("you won") << "addtomine" << 1 << QList<int> {1, 0, 1, 0, 1, 0, 1, 0};
    QTest::newRow("she won") << "Alice" << 0 << QList<int> {1, 1, 0, 0, 1, 1, 0, 0};
    QTest::newRow("a third player won") << "Carl" << 0 << QList<int> {1, 0, 0, 1, 1, 0, 0, 1};
}

void TestTally::finishedGameCounts()
{
    QFETCH(QString, winner);
    QFETCH(int, ownWins);
    QFETCH(QList<int>, alice);
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    rig.seated = {QStringLiteral("Alice"), QStringLiteral("Bob")};
    rig.tally(QStringLiteral("Alice"));
    rig.tally(QStringLiteral("Bob"));
    // Dora is tallied but not in this game.
    rig.seated = {QStringLiteral("Dora")};
    rig.tally(QStringLiteral("Dora"));
    QCOMPARE(rig.tallied(), (QStringList {"Alice", "Bob", "Dora"}));

    rig.seated = {QStringLiteral("Alice"), QStringLiteral("Carl"), QStringLiteral("Bob")};
    rig.window.addgame(winner);
    QCOMPARE(rig.text(QStringLiteral("mylabel_1")), QStringLiteral("1"));
    QCOMPARE(rig.text(QStringLiteral("mylabel_2")), QString::number(ownWins));
    QCOMPARE(rig.panel(0), alice);
    QCOMPARE(rig.text(QStringLiteral("label_hisname")), QStringLiteral("Alice Wins:"));
    QCOMPARE(rig.text(QStringLiteral("label_hisnametop")), QStringLiteral("Alice's Tally"));
    for (const char *name : {"label_hisname", "label_hisnametop"})
        QCOMPARE(rig.window.findChild<QLabel *>(QLatin1String(name))->textFormat(), Qt::PlainText);
    QCOMPARE(rig.panel(2), QList<int>(8, 0));
    // Carl is not tallied: no row for him.
    QCOMPARE(rig.tallied().size(), 3);
    // The current players' list follows the board at the end of the game.
    QCOMPARE(rig.list("checklist")->count(), 3);
}

void TestTally::restartKeepsTotalsAndClearsSession()
{
    QTemporaryDir folder;
    {
        TallyRig rig(folder.path());
        rig.seated = {QStringLiteral("Alice")};
        rig.tally(QStringLiteral("Alice"));
        rig.window.addgame(QStringLiteral("addtomine"));
        rig.window.addgame(QStringLiteral("Alice"));
    }
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Lexabursttally.tld"))));
    TallyRig next(folder.path());
    QCOMPARE(next.tallied(), QStringList {QStringLiteral("Alice")});
    QCOMPARE(next.text(QStringLiteral("mylabel_1")), QStringLiteral("2"));
    QCOMPARE(next.text(QStringLiteral("mylabel_2")), QStringLiteral("1"));
    QCOMPARE(next.panel(0), (QList<int> {2, 1, 1, 0, 0, 0, 0, 0}));
    QVERIFY(next.list("listbox_tally")->item(0)->checkState() == Qt::Checked);
}

void TestTally::deletingAnOpponent()
{
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    rig.seated = {QStringLiteral("Ann"), QStringLiteral("Ben"), QStringLiteral("Cy")};
    for (const QString &name : rig.seated)
        rig.tally(name);
    rig.window.addgame(QStringLiteral("Ben"));
    rig.seated = {QStringLiteral("Cy")};
    rig.window.addgame(QStringLiteral("Cy"));

    // No: the box is ticked again and nothing is lost.
    rig.answerYes = false;
    rig.list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(
        rig.questions,
        QStringList {QStringLiteral("This will delete Ann's Tally, Are you want to delete it?")});
    QVERIFY(rig.list("listbox_tally")->item(0)->checkState() == Qt::Checked);
    QCOMPARE(rig.tallied().size(), 3);

    // Yes on the first of three: the others move up with their counts.
    rig.answerYes = true;
    rig.list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(rig.tallied(), (QStringList {"Ben", "Cy"}));
    QCOMPARE(rig.window.book().grid().rowCount(), 3);
    QCOMPARE(rig.panel(0), (QList<int> {1, 1, 0, 0, 1, 1, 0, 0}));
    QCOMPARE(rig.panel(1), (QList<int> {2, 1, 0, 1, 2, 1, 0, 1}));

    // Deleting the rest leaves only the own row.
    rig.list("listbox_tally")->item(1)->setCheckState(Qt::Unchecked);
    rig.list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    QVERIFY(rig.tallied().isEmpty());
    QCOMPARE(rig.window.book().grid().rowCount(), 1);
    QCOMPARE(rig.text(QStringLiteral("mylabel_1")), QStringLiteral("2"));
}

void TestTally::namesDifferingInCaseAreTwoOpponents()
{
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    rig.seated = {QStringLiteral("alice"), QStringLiteral("Alice")};
    rig.tally(QStringLiteral("alice"));
    rig.tally(QStringLiteral("Alice"));
    rig.window.addgame(QStringLiteral("Alice"));
    QCOMPARE(rig.tallied(), (QStringList {"alice", "Alice"}));
    QCOMPARE(rig.panel(0), (QList<int> {1, 0, 0, 1, 1, 0, 0, 1}));
    QCOMPARE(rig.panel(1), (QList<int> {1, 1, 0, 0, 1, 1, 0, 0}));
}

void TestTally::resetAsksFirst()
{
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    rig.seated = {QStringLiteral("Alice")};
    rig.tally(QStringLiteral("Alice"));
    rig.window.addgame(QStringLiteral("addtomine"));
    auto *reset = rig.window.findChild<QPushButton *>(QStringLiteral("button_reset"));

    rig.answerYes = false;
    QTest::mouseClick(reset, Qt::LeftButton);
    QCOMPARE(rig.questions,
             QStringList {QStringLiteral("Are you sure you want to reset the Tally?")});
    QCOMPARE(rig.tallied().size(), 1);
    QCOMPARE(rig.text(QStringLiteral("mylabel_1")), QStringLiteral("1"));

    rig.answerYes = true;
    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(rig.tallied().isEmpty());
    QCOMPARE(rig.text(QStringLiteral("mylabel_1")), QStringLiteral("0"));
    QCOMPARE(rig.text(QStringLiteral("mylabel_2")), QStringLiteral("0"));
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(rig.text(QStringLiteral("label_%1").arg(i)), QStringLiteral("0"));
    // Counting goes on from zero.
    rig.window.addgame(QStringLiteral("addtomine"));
    QCOMPARE(rig.text(QStringLiteral("mylabel_1")), QStringLiteral("1"));
    QVERIFY(rig.list("checklist")->item(0)->checkState() == Qt::Unchecked);
}

void TestTally::untickingACurrentPlayerKeepsTheTally()
{
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    rig.seated = {QStringLiteral("Alice")};
    rig.tally(QStringLiteral("Alice"));
    rig.list("checklist")->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(rig.tallied(), QStringList {QStringLiteral("Alice")});
    QVERIFY(rig.list("checklist")->item(0)->checkState() == Qt::Checked);
    QVERIFY(rig.questions.isEmpty());
}

// A kill at any moment loses nothing; a failed save is told once and retried.
void TestTally::everyChangeIsSavedAtOnce()
{
    QTemporaryDir folder;
    TallyRig rig(folder.path());
    QSignalSpy failures(&rig.window, &Ttallylist::saveFailed);
    const QString path = rig.window.filePath();
    const auto onDisk = [&path] {
        return TallyBook::readFile(path).value_or(TallyBook());
    };
    rig.seated = {QStringLiteral("Alice"), QStringLiteral("Bob")};
    rig.tally(QStringLiteral("Alice"));
    QCOMPARE(onDisk().opponents(), QStringList {QStringLiteral("Alice")});
    rig.window.addgame(QStringLiteral("Alice"));
    QCOMPARE(onDisk().total(0), (TallyBook::Counts {1, 1, 0, 0}));

    QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    rig.window.addgame(TallyBook::UserWon);
    rig.tally(QStringLiteral("Bob"));
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures.first().first().toString().contains(path));
    QVERIFY(QDir().rmdir(path));
    rig.list("listbox_tally")->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(onDisk().opponents(), QStringList {QStringLiteral("Bob")});
    QCOMPARE(onDisk().ownWins(), 1);
    QTest::mouseClick(rig.window.findChild<QPushButton *>(QStringLiteral("button_reset")),
                      Qt::LeftButton);
    QCOMPARE(onDisk().ownGames(), 0);
    QCOMPARE(failures.size(), 1);
}

QTEST_MAIN(TestTally)
#include "tst_tally.moc"
