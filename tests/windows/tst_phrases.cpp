#include "storage/HomeFolder.h"
#include "storage/ProfileIni.h"
#include "windows/phrasesform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPhrases : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void doneAppliesAndStoresAllNine();
    void closeBoxAppliesNothing();
    void phrasesAreLimitedToFiftyCharacters();

private:
    static QLineEdit *box(Tphrases &window, int number)
    {
        return window.findChild<QLineEdit *>(QStringLiteral("phrase%1").arg(number));
    }
    static QStringList nine(const QString &stem)
    {
        QStringList texts;
        for (int i = 1; i <= 9; ++i)
            texts.append(stem + QString::number(i));
        return texts;
    }
    QTemporaryDir home;
};

void TestPhrases::initTestCase()
{
    Storage::chooseHomeFolder(home.path());
}

void TestPhrases::doneAppliesAndStoresAllNine()
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("zornlobby.ini"));
    {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Lobby]\r\nSkin=blue\r\n[Lexaburst]\r\nTextsize=10\r\nPhrase3=old\r\n");
    }
    Tphrases window;
    window.setSettingsFolder(folder.path());
    window.setPhrases(nine(QStringLiteral("phrase ")));
    window.show();
    QCOMPARE(box(window, 4)->text(), QStringLiteral("phrase 4"));
    box(window, 1)->setText(QStringLiteral("/me waves"));
    box(window, 3)->clear();
    QSignalSpy changed(&window, &Tphrases::phrasesChanged);

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("button_done")),
                      Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(changed.size(), 1);
    QStringList expected = nine(QStringLiteral("phrase "));
    expected[0] = QStringLiteral("/me waves");
    expected[2] = QString();
    QCOMPARE(changed.first().first().toStringList(), expected);

    ProfileIni stored;
    QVERIFY(stored.load(ini));
    for (int i = 1; i <= 9; ++i) {
        const auto value
            = stored.value(QStringLiteral("Lexaburst"), QStringLiteral("Phrase%1").arg(i));
        QVERIFY2(value.has_value(), qPrintable(QStringLiteral("Phrase%1 missing").arg(i)));
        QCOMPARE(*value, expected[i - 1]);
    }
    // Everything else in the shared file stays.
    QCOMPARE(stored.readString(QStringLiteral("Lobby"), QStringLiteral("Skin")),
             QStringLiteral("blue"));
    QCOMPARE(stored.readString(QStringLiteral("Lexaburst"), QStringLiteral("Textsize")),
             QStringLiteral("10"));
}

void TestPhrases::closeBoxAppliesNothing()
{
    QTemporaryDir folder;
    Tphrases window;
    window.setSettingsFolder(folder.path());
    window.setPhrases(nine(QStringLiteral("p")));
    window.show();
    box(window, 2)->setText(QStringLiteral("changed"));
    QSignalSpy changed(&window, &Tphrases::phrasesChanged);
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(changed.size(), 0);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("zornlobby.ini"))));
    // The next opening shows the buttons' phrases again.
    window.setPhrases(nine(QStringLiteral("p")));
    QCOMPARE(box(window, 2)->text(), QStringLiteral("p2"));
}

void TestPhrases::phrasesAreLimitedToFiftyCharacters()
{
    Tphrases window;
    window.show();
    QLineEdit *edit = box(window, 9);
    edit->setFocus();
    QTest::keyClicks(edit, QString(60, QLatin1Char('a')));
    QCOMPARE(edit->text().size(), Tphrases::MaxPhraseLength);
    window.setPhrases({QString(70, QLatin1Char('b'))});
    QCOMPARE(box(window, 1)->text().size(), Tphrases::MaxPhraseLength);
    QCOMPARE(box(window, 2)->text(), QString());
}

QTEST_MAIN(TestPhrases)
#include "tst_phrases.moc"
