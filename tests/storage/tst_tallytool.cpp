#include "TestFiles.h"
#include "storage/LZRW1.h"
#include "storage/Tally.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Bound for one run of the tool; it normally ends in milliseconds.
constexpr int ToolTimeoutMs = 30000;

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LEXIBURST_TALLY_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(ToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestTallyTool : public QObject
{
    Q_OBJECT

private slots:
    void packAndUnpack();
    void showPrintsTable();
    void showWithoutOpponents();
    void failures_data();
    void failures();
};

void TestTallyTool::packAndUnpack()
{
    QTemporaryDir dir;
    QByteArray plain;
    for (int i = 0; i < 5000; ++i)
        plain += "line " + QByteArray::number(i % 97) + "\r\n";
    writeFile(dir.filePath("plain.txt"), plain);

    const Run pack = runTool({"pack", dir.filePath("plain.txt"), dir.filePath("packed.tld")});
    QCOMPARE(pack.exitCode, 0);
    const QByteArray packed = readFile(dir.filePath("packed.tld"));
    QCOMPARE(packed, Tlzrw1::compressBytes(plain));
    QVERIFY(pack.out.contains(QString::number(packed.size()) + " bytes"));

    const Run unpack = runTool({"unpack", dir.filePath("packed.tld"), dir.filePath("again.txt")});
    QCOMPARE(unpack.exitCode, 0);
    QCOMPARE(readFile(dir.filePath("again.txt")), plain);
}

void TestTallyTool::showPrintsTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    TallyBook tally;
    tally.addOpponent("Sam");
    tally.addOpponent("Annabelle");
    tally.addgame(TallyBook::UserWon, {"Sam", "Annabelle"});
    tally.addgame("Sam", {"Sam"});
    QVERIFY(tally.save(path));
    const QByteArray before = readFile(path);

    const Run show = runTool({"show", path});
    QCOMPARE(show.exitCode, 0);
    QCOMPARE(
        show.out,
        QString("Your total: 2 games, 1 won\n"
                "Player     Games  Their wins  Your wins  Neither  Session games  Session theirs  "
                "Session yours  Session neither\n"
                "Sam            2           1          1        0              2               1  "
                "            1                0\n"
                "Annabelle      1           0          1        0              1               0  "
                "            1                0\n"));
    QCOMPARE(readFile(path), before);
}

void TestTallyTool::showWithoutOpponents()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexabursttally.tld");
    QVERIFY(TallyBook().save(path));
    const Run show = runTool({"show", path});
    QCOMPARE(show.exitCode, 0);
    QCOMPARE(show.out, QString("Your total: 0 games, 0 won\nNo players are being tallied.\n"));
}

void TestTallyTool::failures_data()
{
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the temporary folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("no command") << QStringList {} << 2 << "usage: lexiburst-tally";
    QTest::newRow("unknown command") << QStringList {"list", "@/a"} << 2 << "usage:";
    QTest::newRow("missing output") << QStringList {"pack", "@/plain.txt"} << 2 << "usage:";
    QTest::newRow("unpack no container")
        << QStringList {"unpack", "@/plain.txt", "@/out.txt"} << 1
        << "lexiburst-tally: @/plain.txt : Lzrw1 decompression : this file has no valid header !";
    QTest::newRow("pack missing input")
        << QStringList {"pack", "@/none.txt", "@/out.tld"} << 1
        << "lexiburst-tally: Lzrw1 compression : Failed to obtain the size of : @/none.txt";
    QTest::newRow("show damaged") << QStringList {"show", "@/plain.txt"} << 1
                                  << "this file has no valid header !";
    QTest::newRow("show missing") << QStringList {"show", "@/none.tld"} << 1
                                  << "lexiburst-tally: @/none.tld does not exist.";
}

void TestTallyTool::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    QTemporaryDir dir;
    writeFile(dir.filePath("plain.txt"), "not a container");
    for (QString &argument : arguments)
        argument.replace("@", dir.path());

    const Run run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message.replace("@", dir.path())), qPrintable(run.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"plain.txt"});
    QCOMPARE(readFile(dir.filePath("plain.txt")), QByteArray("not a container"));
}

QTEST_GUILESS_MAIN(TestTallyTool)
#include "tst_tallytool.moc"
