#include "widgets/TSelButton.h"
#include "windows/helpform.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void opensOnOverview();
    void sectionButtonShowsItsPage_data();
    void sectionButtonShowsItsPage();
    void chosenPageStaysAfterHideAndShow();
    void aboutAndDoneButtons();
};

void TestHelp::opensOnOverview()
{
    Thelp help;
    help.show();
    QCOMPARE(help.windowTitle(), QStringLiteral("Lexiburst - Help File"));
    QCOMPARE(help.currentPage()->objectName(), QStringLiteral("memo1"));
    QCOMPARE(help.captionText(), QStringLiteral("Overview"));
    QVERIFY(help.currentPage()->isVisible());
    QVERIFY(help.currentPage()->isReadOnly());
}

void TestHelp::sectionButtonShowsItsPage_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstLine");
    // A sentence whose stored lines break after a word or two.
    QTest::addColumn<QString>("joined");
    QTest::newRow("overview")
        << 1 << "Overview"
        << "Overview"
        << "It's a fun game where you have to match the categories with words "
           "that start with the letter given. \n\nThere";
    QTest::newRow("connecting") << 2 << "Connecting"
                                << "Connecting"
                                << "press the Start Game button. Solo games can be played";
    QTest::newRow("game play") << 3 << "Game Play"
                               << "Game Play"
                               << "wins a point. In the case of a tie";
    QTest::newRow("scoring") << 4 << "Scoring"
                             << "Scoring"
                             << "decline an answer, then that answer doesn't get a point.";
    QTest::newRow("documentation") << 5 << "Documentation"
                                   << "History"
                                   << "";
    QTest::newRow("license") << 6 << "License"
                             << "License Agreement"
                             << "";
    QTest::newRow("options") << 7 << "Options"
                             << "Options"
                             << "";
    QTest::newRow("lobby") << 11 << "The Lobby"
                           << "The Lobby"
                           << "";
    QTest::newRow("friends") << 12 << "With Friends"
                             << "Playing with friends"
                             << "";
}

void TestHelp::sectionButtonShowsItsPage()
{
    QFETCH(int, tag);
    QFETCH(QString, caption);
    QFETCH(QString, firstLine);
    QFETCH(QString, joined);
    Thelp help;
    help.show();
    TSelButton *button = help.sectionButton(tag);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(help.currentPage()->objectName(), QStringLiteral("memo%1").arg(tag));
    QCOMPARE(help.captionText(), caption);
    QTextDocument *page = help.currentPage()->document();
    QCOMPARE(page->firstBlock().text(), firstLine);
    QCOMPARE(help.currentPage()->font().pixelSize(), 11);
    // The page wraps each sentence once: no word is left on a line of its own
    // because a stored line ended there.
    QVERIFY(help.currentPage()->toPlainText().contains(joined));
}

void TestHelp::chosenPageStaysAfterHideAndShow()
{
    Thelp help;
    help.show();
    QTest::mouseClick(help.sectionButton(6), Qt::LeftButton);
    help.hide();
    help.show();
    QCOMPARE(help.currentPage()->objectName(), QStringLiteral("memo6"));
    QCOMPARE(help.captionText(), QStringLiteral("License"));
}

void TestHelp::aboutAndDoneButtons()
{
    Thelp help;
    help.show();
    QSignalSpy about(&help, &Thelp::aboutRequested);
    QTest::mouseClick(help.findChild<TSelButton *>(QStringLiteral("button_about")), Qt::LeftButton);
    QCOMPARE(about.size(), 1);
    QVERIFY(help.isVisible());
    QTest::mouseClick(help.findChild<TSelButton *>(QStringLiteral("button_done")), Qt::LeftButton);
    QVERIFY(!help.isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
