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
    QTest::addColumn<int>("paragraphs"); // 0: free length
    QTest::newRow("overview") << 1 << "Overview"
                              << "Overview" << 10;
    QTest::newRow("connecting") << 2 << "Connecting"
                                << "Connecting" << 29;
    QTest::newRow("game play") << 3 << "Game Play"
                               << "Game Play" << 28;
    QTest::newRow("scoring") << 4 << "Scoring"
                             << "Scoring" << 14;
    QTest::newRow("documentation") << 5 << "Documentation"
                                   << "History" << 21;
    QTest::newRow("license") << 6 << "License"
                             << "License Agreement" << 0;
    QTest::newRow("options") << 7 << "Options"
                             << "Options" << 46;
    QTest::newRow("lobby") << 11 << "The Lobby"
                           << "The Lobby" << 16;
    QTest::newRow("friends") << 12 << "With Friends"
                             << "Playing with friends" << 0;
}

void TestHelp::sectionButtonShowsItsPage()
{
    QFETCH(int, tag);
    QFETCH(QString, caption);
    QFETCH(QString, firstLine);
    QFETCH(int, paragraphs);
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
    if (paragraphs > 0)
        QCOMPARE(page->blockCount(), paragraphs);
    // Lines broken by hand stay whole: no word is left on a line of its own.
    QCOMPARE(help.currentPage()->font().pixelSize(), 11);
    page->documentLayout()->documentSize();
    for (QTextBlock block = page->begin(); paragraphs > 0 && block.isValid(); block = block.next())
        QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
    // Trailing blanks of the stored lines are kept.
    if (tag == 3)
        QCOMPARE(page->findBlockByNumber(27).text(), QStringLiteral("  "));
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
