#include "protocol/Messages.h"
#include "widgets/TClickLabel.h"
#include "widgets/TSelButton.h"
#include "widgets/TURL.h"
#include "windows/aboutform.h"

#include <QLabel>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void versionIsTheLoginVersion();
    void logoAndAddressOpenTheWebSite_data();
    void logoAndAddressOpenTheWebSite();
    void doneHides();
};

void TestAbout::versionIsTheLoginVersion()
{
    Tabout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Lexiburst - About"));
    QCOMPARE(about.versionText(), QStringLiteral("1.0.4"));
    QCOMPARE(about.versionText(), QString::fromLatin1(Protocol::Version));
    // The window reads "Version 1.0.4.1", left to right.
    auto *label1 = about.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *version = about.findChild<QLabel *>(QStringLiteral("version"));
    auto *label9 = about.findChild<QLabel *>(QStringLiteral("Label9"));
    QCOMPARE(label1->text() + QLatin1Char(' ') + version->text() + label9->text(),
             QStringLiteral("Version 1.0.4.1"));
    QVERIFY(label1->geometry().right() < version->x());
    QVERIFY(version->geometry().right() < label9->x() + 1);
    QCOMPARE(version->y(), label9->y());
}

void TestAbout::logoAndAddressOpenTheWebSite_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("address") << "label_url";
    QTest::newRow("logo") << "image_aboutlogo";
}

void TestAbout::logoAndAddressOpenTheWebSite()
{
    QFETCH(QString, control);
    Tabout about;
    about.show();
    QList<QUrl> opened;
    about.URL1()->setShell({[&](const QUrl &url) {
                                opened.append(url);
                                return true;
                            },
                            {}});
    QCOMPARE(about.URL1()->linkType(), TURL::LinkType::WebPage);
    auto *label = about.findChild<TClickLabel *>(control);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().scheme(), QStringLiteral("http"));
    QCOMPARE(opened.first().host(), about.URL1()->address());
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_url"))->text(),
             about.URL1()->address());
}

void TestAbout::doneHides()
{
    Tabout about;
    about.show();
    QTest::mouseClick(about.findChild<TSelButton *>(QStringLiteral("button_done")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
