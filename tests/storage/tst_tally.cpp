#include "TestFiles.h"
#include "storage/LZRW1.h"
#include "storage/Tally.h"
#include "storage/ZornStrgrid.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>

#include <sys/resource.h>

// Found by QCOMPARE through argument-dependent lookup.
static char *toString(const TallyBook::Counts &c)
{
    return QTest::toString(QStringLiteral("{games %1, they won %2, you won %3, neither %4}")
                               .arg(c.games)
                               .arg(c.theyWon)
                               .arg(c.youWon)
                               .arg(c.neitherWon));
}

namespace {

using Counts = TallyBook::Counts;

} // namespace

class TestTally : public QObject
{
    Q_OBJECT

private slots:
    void gridText();
    void gridTextTolerance_data();
    void gridTextTolerance();
    void gameOutcomes_data();
    void gameOutcomes();
    void restartKeepsTotalsAndClearsSession();
    void fileIsContainerOfGridText();
    void workingFolderUntouched();
    void deletingOpponents();
    void namesDifferingInCase();
    void reset();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void folderInPlaceOfFile();
    void failedSaveKeepsOldFile();
    void readOnlyFolderKeepsOldFile();
};

void TestTally::gridText()
{
    StringGrid grid(2, 3);
    grid.setCell(0, 0, "a");
    grid.setCell(0, 2, QString::fromUtf8("Zoë"));
    grid.setCell(1, 0, "two\r\nlines");
    grid.setCell(1, 1, QString::fromUtf8("€"));
    const QByteArray text = ZornStrgrid::gridToText(grid);
    QCOMPARE(text, QByteArray("2\r\n3\r\na\r\n\r\nZo\xEB\r\ntwo  lines\r\n?\r\n\r\n"));

    const std::optional<StringGrid> back = ZornStrgrid::gridFromText(text);
    QVERIFY(back);
    QCOMPARE(back->cell(0, 2), QString::fromUtf8("Zoë"));
    QCOMPARE(back->cell(1, 0), QString("two  lines"));

    QTemporaryDir dir;
    QVERIFY(ZornStrgrid::saveGridFile(*back, dir.filePath("grid.txt")));
    QCOMPARE(readFile(dir.filePath("grid.txt")), text);
    QCOMPARE(ZornStrgrid::loadGridFile(dir.filePath("grid.txt")), back);
    QVERIFY(!ZornStrgrid::loadGridFile(dir.filePath("none.txt")));
}

void TestTally::gridTextTolerance_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastCell");

    QTest::newRow("LF only") << QByteArray("1\n2\nx\ny\n") << true << 1 << 2 << "y";
    QTest::newRow("cells missing") << QByteArray("2\r\n2\r\nx\r\n") << true << 2 << 2 << "";
    QTest::newRow("lines after the last cell")
        << QByteArray("1\r\n1\r\nx\r\nmore\r\n") << true << 1 << 1 << "x";
    QTest::newRow("no final line end") << QByteArray("1\r\n1\r\nx") << true << 1 << 1 << "x";
    QTest::newRow("empty") << QByteArray() << false << 0 << 0 << "";
    QTest::newRow("words") << QByteArray("nine\r\none\r\n") << false << 0 << 0 << "";
    QTest::newRow("negative rows") << QByteArray("9\r\n-1\r\n") << false << 0 << 0 << "";
    QTest::newRow("huge") << QByteArray("9\r\n2000000000\r\n") << false << 0 << 0 << "";
    QTest::newRow("more cells than bytes")
        << QByteArray("9\r\n100000\r\n") << false << 0 << 0 << "";
}

void TestTally::gridTextTolerance()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, readable);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QString, lastCell);

    QString why;
    const std::optional<StringGrid> grid = ZornStrgrid::gridFromText(text, &why);
    QCOMPARE(bool(grid), readable);
    QCOMPARE(why.isEmpty(), readable);
    if (!grid)
        return;
    QCOMPARE(grid->columnCount(), columns);
    QCOMPARE(grid->rowCount(), rows);
    QCOMPARE(grid->cell(columns - 1, rows - 1), lastCell);
}

void TestTally::gameOutcomes_data()
{
    QTest::addColumn<QString>("winner");
    QTest::addColumn<int>("ownWins");
    QTest::addColumn<Counts>("sam");

    QTest::newRow("user won") << TallyBook::UserWon << 1 << Counts {1, 0, 1, 0};
    QTest::newRow("opponent won") << "Sam" << 0 << Counts {1, 1, 0, 0};
    QTest::newRow("third player won") << "Bob" << 0 << Counts {1, 0, 0, 1};
}

void TestTally::gameOutcomes()
{
    QFETCH(QString, winner);
    QFETCH(int, ownWins);
    QFETCH(Counts, sam);

    TallyBook tally;
    QVERIFY(tally.addOpponent("Ann"));
    QVERIFY(tally.addOpponent("Sam"));
    QVERIFY(!tally.addOpponent("Sam"));
    QVERIFY(!tally.addOpponent(QString(TallyBook::MaxNameLength + 1, u'x')));
    // Bob is seated but not tallied, Ann is tallied but not seated.
    tally.addgame(winner, {"Bob", "Sam"});

    QCOMPARE(tally.ownGames(), 1);
    QCOMPARE(tally.ownWins(), ownWins);
    QCOMPARE(tally.total(1), sam);
    QCOMPARE(tally.session(1), sam);
    QCOMPARE(tally.total(0), Counts {});
    QCOMPARE(tally.session(0), Counts {});
    QCOMPARE(tally.opponents(), (QStringList {"Ann", "Sam"}));
}

void TestTally::restartKeepsTotalsAndClearsSession()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(TallyBook::fileName("Lexaburst"));
    QCOMPARE(QFileInfo(path).fileName(), QString("Lexabursttally.tld"));

    TallyBook first;
    QCOMPARE(first.load(path).status, TallyBook::LoadResult::Status::NoFile);
    first.addOpponent("Sam");
    first.addOpponent("Ann");
    first.addgame(TallyBook::UserWon, {"Sam", "Ann"});
    first.addgame("Sam", {"Sam"});
    QVERIFY(first.save(path));

    TallyBook second;
    QCOMPARE(second.load(path).status, TallyBook::LoadResult::Status::Loaded);
    QCOMPARE(second.ownGames(), 2);
    QCOMPARE(second.ownWins(), 1);
    QCOMPARE(second.opponents(), (QStringList {"Sam", "Ann"}));
    QCOMPARE(second.total(0), (Counts {2, 1, 1, 0}));
    QCOMPARE(second.total(1), (Counts {1, 0, 1, 0}));
    QCOMPARE(second.session(0), Counts {});
    QCOMPARE(second.cellText(5, 1), QString("0"));

    second.addgame("Bob", {"Ann"});
    QCOMPARE(second.total(1), (Counts {2, 0, 1, 1}));
    QCOMPARE(second.session(1), (Counts {1, 0, 0, 1}));
}

void TestTally::fileIsContainerOfGridText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    TallyBook tally;
    tally.addOpponent("Sam");
    tally.addgame("Sam", {"Sam"});
    QVERIFY(tally.save(path));

    QByteArray text = "9\r\n2\r\n0\r\nSam\r\n1\r\n1\r\n0\r\n1\r\n";
    for (int column = 3; column < 9; ++column)
        text += column == 5 || column == 6 ? "0\r\n1\r\n" : "0\r\n0\r\n";
    QCOMPARE(Tlzrw1::decompressBytes(readFile(path)), text);
    QCOMPARE(readFile(path), Tlzrw1::compressBytes(text));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Lexabursttally.tld"});
}

void TestTally::workingFolderUntouched()
{
    QTemporaryDir home;
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));
    const QString path = home.filePath("Lexabursttally.tld");
    TallyBook tally;
    tally.addOpponent("Sam");
    const bool saved = tally.save(path);
    const auto status = TallyBook().load(path).status;
    QDir::setCurrent(previous);

    QVERIFY(saved);
    QCOMPARE(status, TallyBook::LoadResult::Status::Loaded);
    QCOMPARE(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList {});
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList {"Lexabursttally.tld"});
}

void TestTally::deletingOpponents()
{
    TallyBook tally;
    for (const char *name : {"Ann", "Bob", "Cy"})
        tally.addOpponent(name);
    tally.addgame("Bob", {"Ann", "Bob", "Cy"});
    tally.addgame("Cy", {"Cy"});

    tally.deleteOpponent(0);
    QCOMPARE(tally.opponents(), (QStringList {"Bob", "Cy"}));
    QCOMPARE(tally.grid().rowCount(), 3);
    QCOMPARE(tally.total(0), (Counts {1, 1, 0, 0}));
    QCOMPARE(tally.total(1), (Counts {2, 1, 0, 1}));

    // Neither the own row nor rows outside the grid can be removed.
    tally.moverow(0);
    tally.moverow(3);
    tally.deleteOpponent(-1);
    QCOMPARE(tally.grid().rowCount(), 3);
    QCOMPARE(tally.ownGames(), 2);

    tally.deleteOpponent(1);
    tally.deleteOpponent(0);
    QCOMPARE(tally.grid().rowCount(), 1);
    QCOMPARE(tally.opponentCount(), 0);
    QCOMPARE(tally.ownGames(), 2);
}

void TestTally::namesDifferingInCase()
{
    TallyBook tally;
    QVERIFY(tally.addOpponent("sam"));
    QVERIFY(tally.addOpponent("Sam"));
    QVERIFY(!tally.addOpponent(""));
    QCOMPARE(tally.indexOf("SAM"), -1);
    tally.addgame("sam", {"sam", "Sam"});
    QCOMPARE(tally.total(0), (Counts {1, 1, 0, 0}));
    QCOMPARE(tally.total(1), (Counts {1, 0, 0, 1}));
}

void TestTally::reset()
{
    TallyBook tally;
    tally.addOpponent("Sam");
    tally.addgame(TallyBook::UserWon, {"Sam"});
    tally.reset();
    QCOMPARE(tally.grid().rowCount(), 1);
    QCOMPARE(tally.ownGames(), 0);
    QCOMPARE(tally.ownWins(), 0);
    // Emptied cells count on from 0.
    tally.addgame(TallyBook::UserWon, {"Sam"});
    QCOMPARE(tally.ownGames(), 1);
    QCOMPARE(tally.cellText(2, 0), QString("1"));
    QVERIFY(tally.addOpponent("Sam"));
    QCOMPARE(tally.total(0), Counts {});
}

void TestTally::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");

    QTest::newRow("no container") << QByteArray("9\r\n1\r\n0\r\n") << "no valid header";
    QTest::newRow("container cut")
        << Tlzrw1::compressBytes(QByteArray(50000, 'x')).left(30) << "Error reading";
    QTest::newRow("no grid text") << Tlzrw1::compressBytes("hello\r\nworld\r\n") << "column";
    // Both are refused before any memory is taken for what they state.
    QByteArray huge = Tlzrw1::compressBytes(QByteArray(70000, 'x'));
    qToLittleEndian<quint32>(256u << 20, huge.data() + 4);
    QTest::newRow("header states 256 MiB") << huge << "the header states 268435456 bytes";
    QTest::newRow("grid wider than a tally")
        << Tlzrw1::compressBytes("256\r\n100000\r\n") << "256 columns";
}

void TestTally::damagedFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    writeFile(path, content);

    TallyBook tally;
    const TallyBook::LoadResult result = tally.load(path);
    QCOMPARE(result.status, TallyBook::LoadResult::Status::Damaged);
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QVERIFY(QFileInfo(result.keptAs).fileName().startsWith("Lexabursttally.tld.damaged-"));
    QCOMPARE(readFile(result.keptAs), content);
    QCOMPARE(tally.opponentCount(), 0);
    QCOMPARE(tally.ownGames(), 0);

    tally.addgame(TallyBook::UserWon, {});
    QVERIFY(tally.save(path));
    QCOMPARE(readFile(result.keptAs), content);
    TallyBook again;
    QCOMPARE(again.load(path).status, TallyBook::LoadResult::Status::Loaded);
    QCOMPARE(again.ownWins(), 1);

    // A second damaged file in the same second gets a name of its own.
    writeFile(path, content);
    const TallyBook::LoadResult second = TallyBook().load(path);
    QVERIFY(!second.keptAs.isEmpty());
    QVERIFY(second.keptAs != result.keptAs);
    QCOMPARE(readFile(second.keptAs), content);
    QCOMPARE(readFile(result.keptAs), content);
}

void TestTally::folderInPlaceOfFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    QVERIFY(QDir(dir.path()).mkdir("Lexabursttally.tld"));
    writeFile(path + "/keep.txt", "mine");

    TallyBook tally;
    const TallyBook::LoadResult result = tally.load(path);
    QCOMPARE(result.status, TallyBook::LoadResult::Status::Damaged);
    QVERIFY(result.keptAs.isEmpty());
    QString error;
    QVERIFY(!tally.save(path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path + "/keep.txt"), QByteArray("mine"));

    // Without a load in between the save fails on the folder just the same.
    QVERIFY(!TallyBook().save(path));
    QCOMPARE(readFile(path + "/keep.txt"), QByteArray("mine"));
}

void TestTally::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    TallyBook tally;
    tally.addOpponent("Sam");
    QVERIFY(tally.save(path));
    const QByteArray saved = readFile(path);

    // Names that do not compress make the new file far larger than the old one.
    QRandomGenerator generator(5);
    for (int i = 0; i < 200; ++i) {
        QString name;
        for (int c = 0; c < 20; ++c)
            name += QChar(u'A' + generator.bounded(58));
        tally.addOpponent(name);
    }

    QString error;
    QVERIFY(!tally.save(dir.filePath("missing/Lexabursttally.tld"), &error));
    QVERIFY(!error.isEmpty());

    // A write that breaks off half way (the file size limit stops it even
    // with every right) must leave the old file as it was.
    struct rlimit old
    {
    };
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limited = old;
    limited.rlim_cur = rlim_t(saved.size() + 100);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool savedWithLimit = tally.save(path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!savedWithLimit);
    QCOMPARE(readFile(path), saved);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Lexabursttally.tld"});
    QVERIFY(tally.save(path));
    QCOMPARE(TallyBook().load(path).status, TallyBook::LoadResult::Status::Loaded);
}

void TestTally::readOnlyFolderKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    TallyBook tally;
    QVERIFY(tally.save(path));
    const QByteArray saved = readFile(path);
    tally.addOpponent("Sam");

    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(dir.filePath("probe"));
    const bool folderWritable = probe.open(QIODevice::WriteOnly);
    probe.remove();
    const bool savedReadOnly = folderWritable || tally.save(path);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (folderWritable)
        QSKIP("Running with rights that ignore a read-only folder");
    QVERIFY(!savedReadOnly);
    QCOMPARE(readFile(path), saved);
}

QTEST_GUILESS_MAIN(TestTally)
#include "tst_tally.moc"
