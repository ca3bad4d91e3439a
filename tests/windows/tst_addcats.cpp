#include "storage/HomeFolder.h"
#include "windows/additioncatsform.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The window with a stand-in for the host's master list and captured messages.
struct CategoryRig
{
    explicit CategoryRig(const QString &folder)
    {
        window.setFolder(folder);
        window.setPrompts({[this](const QString &text) { messages.append(text); },
                           [](const QString &) {
                               return true;
                           }});
        window.setAddToList([this](const QString &category) {
            return AddedCategories::addToMaster(master, category);
        });
        window.show();
    }
    void type(const QString &text)
    {
        edit()->clear();
        edit()->setFocus();
        QTest::keyClicks(edit(), text);
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    QLineEdit *edit() const { return window.findChild<QLineEdit *>(QStringLiteral("edit_add")); }
    QListWidget *list() const
    {
        return window.findChild<QListWidget *>(QStringLiteral("listbox_add"));
    }
    QAction *action(const char *name) const
    {
        return window.findChild<QAction *>(QString::fromLatin1(name));
    }
    void pressEntry(int row) const
    {
        const QRect place = list()->visualItemRect(list()->item(row));
        QTest::mousePress(list()->viewport(), Qt::RightButton, {}, place.center());
        QTest::mouseRelease(list()->viewport(), Qt::RightButton, {}, place.center());
    }

    QStringList master {QStringLiteral("Fruit"), QStringLiteral("Car Part")};
    QStringList messages;
    Tadditionalcats window;
};

static QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class TestAddCats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void addingListsInCapitalsAndFeedsTheHost();
    void duplicatesAreRefused_data();
    void duplicatesAreRefused();
    void textsThatCannotBeSentAreRefused();
    void entryIsLimitedToThirtyCharacters();
    void fileIsLoadedAndFedAtStart();
    void deleteCategoryNeedsAPressedEntry();
    void deleteAllLeavesAnEmptyFile();
    void additionsAreSavedWhenTheProgramEnds();
    void unreadableFileIsNeverReplaced_data();
    void unreadableFileIsNeverReplaced();

private:
    QTemporaryDir home;
};

void TestAddCats::initTestCase()
{
    Storage::chooseHomeFolder(home.path());
}

void TestAddCats::addingListsInCapitalsAndFeedsTheHost()
{
    QTemporaryDir folder;
    CategoryRig rig(folder.path());
    QSignalSpy added(&rig.window, &Tadditionalcats::categoryAdded);
    rig.type(QStringLiteral("Board Games"));
    QCOMPARE(rig.window.categories(), QStringList {QStringLiteral("BOARD GAMES")});
    QCOMPARE(rig.list()->item(0)->text(), QStringLiteral("BOARD GAMES"));
    // The host gets the text as typed.
    QCOMPARE(rig.master.last(), QStringLiteral("Board Games"));
    QCOMPARE(added.size(), 1);
    QCOMPARE(added.first().first().toString(), QStringLiteral("Board Games"));
    QVERIFY(rig.edit()->text().isEmpty());
    QVERIFY(rig.messages.isEmpty());
    // Enter was used up: the window is still open.
    QVERIFY(rig.window.isVisible());

    QTest::mouseClick(rig.window.findChild<QPushButton *>(QStringLiteral("button_done")),
                      Qt::LeftButton);
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(fileBytes(rig.window.filePath()), QByteArray("BOARD GAMES\r\n"));
    QCOMPARE(QFileInfo(rig.window.filePath()).fileName(), QStringLiteral("Lexaburstaddcats.txt"));
}

void TestAddCats::duplicatesAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("masterSize");
    // Already in the player's list (the first entry, other case): nothing changes.
    QTest::newRow("own list") << "tHINGS IN A kitchen"
                              << QStringList {"THINGS IN A KITCHEN", "BOARD GAMES"} << 4;
    // New to the player, known to the host: listed, but the host keeps its list.
    QTest::newRow("built in") << "fruit"
                              << QStringList {"THINGS IN A KITCHEN", "BOARD GAMES", "FRUIT"} << 4;
}

void TestAddCats::duplicatesAreRefused()
{
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    QFETCH(int, masterSize);
    QTemporaryDir folder;
    CategoryRig rig(folder.path());
    rig.type(QStringLiteral("Things in a Kitchen"));
    rig.type(QStringLiteral("Board Games"));
    QCOMPARE(rig.master.size(), 4);

    rig.type(text);
    QCOMPARE(rig.messages, QStringList {QStringLiteral("That Category is already added.")});
    QCOMPARE(rig.window.categories(), listed);
    QCOMPARE(rig.master.size(), masterSize);
    QVERIFY(rig.edit()->text().isEmpty());
}

void TestAddCats::textsThatCannotBeSentAreRefused()
{
    QTemporaryDir folder;
    CategoryRig rig(folder.path());
    rig.type(QStringLiteral("Salt+Pepper"));
    QCOMPARE(rig.messages.size(), 1);
    QVERIFY(rig.window.categories().isEmpty());
    QCOMPARE(rig.master.size(), 2);
    // Kept for correcting.
    QCOMPARE(rig.edit()->text(), QStringLiteral("Salt+Pepper"));
    rig.type(QStringLiteral("   "));
    QVERIFY(rig.window.categories().isEmpty());
    QCOMPARE(rig.messages.size(), 1);
}

void TestAddCats::entryIsLimitedToThirtyCharacters()
{
    QTemporaryDir folder;
    CategoryRig rig(folder.path());
    rig.type(QString(31, QLatin1Char('x')));
    QCOMPARE(rig.window.categories(), QStringList {QString(30, QLatin1Char('X'))});
}

void TestAddCats::fileIsLoadedAndFedAtStart()
{
    QTemporaryDir folder;
    {
        QFile file(folder.filePath(QStringLiteral("Lexaburstaddcats.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PIZZA TOPPINGS\r\nFRUIT\r\nRIVERS\r\n");
    }
    CategoryRig rig(folder.path());
    QCOMPARE(rig.list()->count(), 3);
    rig.window.addlist();
    QCOMPARE(rig.master, (QStringList {"Fruit", "Car Part", "PIZZA TOPPINGS", "RIVERS"}));
    // What the host knew already is skipped without a message at start.
    QVERIFY(rig.messages.isEmpty());
}

void TestAddCats::deleteCategoryNeedsAPressedEntry()
{
    QTemporaryDir folder;
    CategoryRig rig(folder.path());
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        rig.type(QString::fromLatin1(name));
    QCOMPARE(rig.window.popupTag(), -1);
    rig.window.popup_addPopup();
    QVERIFY(!rig.action("DeleteCategory1")->isVisible());

    rig.pressEntry(1);
    QCOMPARE(rig.window.popupTag(), 1);
    rig.window.popup_addPopup();
    QVERIFY(rig.action("DeleteCategory1")->isVisible());
    QCOMPARE(rig.action("DeleteCategory1")->text(), QStringLiteral("Delete \"BETA\""));
    rig.action("DeleteCategory1")->trigger();
    QCOMPARE(rig.window.categories(), (QStringList {"ALPHA", "GAMMA"}));
    QCOMPARE(rig.window.popupTag(), -1);
    rig.window.popup_addPopup();
    QVERIFY(!rig.action("DeleteCategory1")->isVisible());
    // Deleting from the player's list leaves the host's list as it was.
    QVERIFY(rig.master.contains(QStringLiteral("Beta")));
}

void TestAddCats::deleteAllLeavesAnEmptyFile()
{
    QTemporaryDir folder;
    {
        CategoryRig rig(folder.path());
        rig.type(QStringLiteral("Alpha"));
        rig.window.close();
        QCOMPARE(fileBytes(rig.window.filePath()), QByteArray("ALPHA\r\n"));
        rig.window.show();
        rig.action("DeleteAll1")->trigger();
        QVERIFY(rig.list()->count() == 0);
        rig.window.close();
        QCOMPARE(fileBytes(rig.window.filePath()), QByteArray());
    }
    CategoryRig next(folder.path());
    next.window.addlist();
    QCOMPARE(next.master.size(), 2);
}

void TestAddCats::additionsAreSavedWhenTheProgramEnds()
{
    QTemporaryDir folder;
    QString path;
    {
        CategoryRig rig(folder.path());
        rig.type(QStringLiteral("Rivers"));
        path = rig.window.filePath();
        // The window is still open when the program ends.
    }
    QCOMPARE(fileBytes(path), QByteArray("RIVERS\r\n"));
}

void TestAddCats::unreadableFileIsNeverReplaced_data()
{
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("larger than a list can be") << true;
    QTest::newRow("no right to read") << false;
}

void TestAddCats::unreadableFileIsNeverReplaced()
{
    QFETCH(bool, tooLarge);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Lexaburstaddcats.txt"));
    const QByteArray content
        = tooLarge ? QByteArray(AddedCategories::MaxFileBytes + 1, 'A') : QByteArray("MINE\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    if (!tooLarge) {
        QFile::setPermissions(path, {});
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("Running with rights that ignore file permissions");
    }
    QStringList messages;
    Tadditionalcats window;
    window.setPrompts({[&messages](const QString &text) { messages.append(text); },
                       [](const QString &) {
                           return true;
                       }});
    window.setFolder(folder.path());
    QCOMPARE(messages.size(), 1);
    QVERIFY(window.categories().isEmpty());
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("edit_add"))->setText(QStringLiteral("Rivers"));
    window.sendit();
    window.close();
    // The player is told the addition is not kept.
    QCOMPARE(messages.size(), 2);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(fileBytes(path), content);
}

QTEST_MAIN(TestAddCats)
#include "tst_addcats.moc"
