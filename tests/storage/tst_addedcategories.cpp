#include "TestFiles.h"
#include "storage/AddedCategories.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Result = AddedCategories::AddResult;

} // namespace

class TestAddedCategories : public QObject
{
    Q_OBJECT

private slots:
    void adding_data();
    void adding();
    void fileRoundTrip();
    void loadingSkipsBlankLines();
    void deleteAllWritesEmptyFile();
    void masterListRule();
};

void TestAddedCategories::adding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Result>("result");
    QTest::addColumn<QStringList>("entries");

    const QStringList start {"PETS", "BOARD GAMES"};
    QTest::newRow("new") << "Rivers" << Result::Added << start + QStringList {"RIVERS"};
    QTest::newRow("first entry in other case") << "pets" << Result::AlreadyAdded << start;
    QTest::newRow("last entry with blanks") << "  Board Games " << Result::AlreadyAdded << start;
    QTest::newRow("built-in category")
        << "Fruit" << Result::AddedButKnown << start + QStringList {"FRUIT"};
    QTest::newRow("empty") << "" << Result::Empty << start;
    QTest::newRow("blanks only") << "   " << Result::Empty << start;
    QTest::newRow("30 characters")
        << QString(30, u'x') << Result::Added << start + QStringList {QString(30, u'X')};
    QTest::newRow("31 characters") << QString(31, u'x') << Result::TooLong << start;
    QTest::newRow("field separator") << "Salt + Pepper" << Result::NotSendable << start;
    QTest::newRow("outside Latin-1")
        << QString::fromUtf8("Cities of Ελλάδα") << Result::NotSendable << start;
    QTest::newRow("Latin-1 letters") << QString::fromUtf8("Cafés in Straße") << Result::Added
                                     << start + QStringList {QString::fromUtf8("CAFÉS IN STRAßE")};
}

void TestAddedCategories::adding()
{
    QFETCH(QString, text);
    QFETCH(Result, result);
    QFETCH(QStringList, entries);

    AddedCategories categories;
    QCOMPARE(categories.add("Pets"), Result::Added);
    QCOMPARE(categories.add("Board Games"), Result::Added);
    QCOMPARE(categories.add(text, {"Animal", "fruit"}), result);
    QCOMPARE(categories.entries(), entries);
}

void TestAddedCategories::fileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(AddedCategories::fileName("Lexaburst"));
    QCOMPARE(QFileInfo(path).fileName(), QString("Lexaburstaddcats.txt"));

    AddedCategories categories;
    QVERIFY(categories.load(path));
    QVERIFY(categories.entries().isEmpty());
    categories.add("Pets");
    categories.add(QString::fromUtf8("Crème"));
    categories.add("Rivers");
    QVERIFY(categories.remove(1));
    QVERIFY(!categories.remove(2));
    QVERIFY(!categories.remove(-1));
    QVERIFY(categories.save(path));
    QCOMPARE(readFile(path), QByteArray("PETS\r\nRIVERS\r\n"));

    categories.add(QString::fromUtf8("Crème"));
    QVERIFY(categories.save(path));
    QCOMPARE(readFile(path), QByteArray("PETS\r\nRIVERS\r\nCR\xC8ME\r\n"));
    AddedCategories again;
    QVERIFY(again.load(path));
    QCOMPARE(again.entries(), categories.entries());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Lexaburstaddcats.txt"});
}

void TestAddedCategories::loadingSkipsBlankLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexaburstaddcats.txt");
    writeFile(path, "PETS\n\r\n  \r\nlower case\r\nNO LINE END");
    AddedCategories categories;
    categories.add("Old");
    QVERIFY(categories.load(path));
    QCOMPARE(categories.entries(), (QStringList {"PETS", "lower case", "NO LINE END"}));
    QCOMPARE(categories.add("LOWER CASE"), Result::AlreadyAdded);

    QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
    QString error;
    QVERIFY(!categories.load(dir.filePath("folder.txt"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!categories.save(dir.filePath("folder.txt")));
}

void TestAddedCategories::deleteAllWritesEmptyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lexaburstaddcats.txt");
    AddedCategories categories;
    categories.add("Pets");
    QVERIFY(categories.save(path));
    categories.clear();
    QVERIFY(categories.save(path));
    QVERIFY(QFile::exists(path));
    QCOMPARE(readFile(path), QByteArray());
    AddedCategories again;
    QVERIFY(again.load(path));
    QVERIFY(again.entries().isEmpty());
}

void TestAddedCategories::masterListRule()
{
    QStringList master {"Fruit", "Car Part"};
    QVERIFY(!AddedCategories::addToMaster(master, "FRUIT"));
    QVERIFY(!AddedCategories::addToMaster(master, "car part"));
    QVERIFY(!AddedCategories::addToMaster(master, ""));
    QVERIFY(AddedCategories::addToMaster(master, "Rivers"));
    QVERIFY(!AddedCategories::addToMaster(master, "RIVERS"));
    QCOMPARE(master, (QStringList {"Fruit", "Car Part", "Rivers"}));
}

QTEST_GUILESS_MAIN(TestAddedCategories)
#include "tst_addedcategories.moc"
