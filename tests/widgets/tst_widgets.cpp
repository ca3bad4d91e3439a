#include "widgets/StoredColor.h"
#include "widgets/TClickLabel.h"
#include "widgets/TFlatPanel.h"
#include "widgets/TLbBackground.h"
#include "widgets/TSelButton.h"
#include "widgets/TURL.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void storedColourIsLowByteRed();
    void urlJoinsPrefixOfItsType_data();
    void urlJoinsPrefixOfItsType();
    void urlWithEmptyAddressOpensNothing();
    void flatPanelDrawsTwoColourBorder();
    void transparentFlatPanelKeepsParentBackground();
    void backgroundTilesFromWindowCorner();
    void selButtonCaptionTurnsBlackUnderPointer();
    void pictureLooksPressedWhileHeld();
};

// The pressed picture shows while the button is held; a release outside clicks nothing.
void TestWidgets::pictureLooksPressedWhileHeld()
{
    QPixmap up(8, 8), down(8, 8);
    up.fill(Qt::white);
    down.fill(Qt::black);
    TClickLabel label;
    label.resize(8, 8);
    label.setPictures(up, down);
    int clicks = 0;
    connect(&label, &TClickLabel::clicked, this, [&clicks] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton);
    QCOMPARE(label.pixmap().toImage(), down.toImage());
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(label.pixmap().toImage(), up.toImage());
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

void TestWidgets::storedColourIsLowByteRed()
{
    QCOMPARE(storedColor(9264224), QColor(96, 92, 141));
    QCOMPARE(storedColor(12289393), QColor(113, 133, 187));
    QCOMPARE(storedColor(1756160), QColor(0, 204, 26));
}

void TestWidgets::urlJoinsPrefixOfItsType_data()
{
    QTest::addColumn<TURL::LinkType>("type");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    QTest::newRow("web page") << TURL::LinkType::WebPage << "www.zorn22.example"
                              << "http://www.zorn22.example";
    QTest::newRow("https") << TURL::LinkType::Https << "site.example/a"
                           << "https://site.example/a";
    QTest::newRow("ftp") << TURL::LinkType::Ftp << "files.example"
                         << "ftp://files.example";
    QTest::newRow("mail") << TURL::LinkType::Mailto << "me@site.example"
                          << "mailto:me@site.example";
    QTest::newRow("news") << TURL::LinkType::News << "comp.games"
                          << "news:comp.games";
    QTest::newRow("file") << TURL::LinkType::File << "/tmp/x.txt"
                          << "file:///tmp/x.txt";
    QTest::newRow("none") << TURL::LinkType::None << "http://direct.example"
                          << "http://direct.example";
}

void TestWidgets::urlJoinsPrefixOfItsType()
{
    QFETCH(TURL::LinkType, type);
    QFETCH(QString, address);
    QFETCH(QString, opened);
    QList<QUrl> requests;
    TURL url;
    url.setShell({[&](const QUrl &u) {
                      requests.append(u);
                      return true;
                  },
                  {}});
    url.setLinkType(type);
    url.setAddress(address);
    QVERIFY(url.execute());
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().toString(), opened);
}

void TestWidgets::urlWithEmptyAddressOpensNothing()
{
    int requests = 0;
    TURL url;
    url.setShell({[&](const QUrl &) {
                      ++requests;
                      return true;
                  },
                  {}});
    QVERIFY(!url.execute());
    QCOMPARE(requests, 0);

    // A refusing desktop is answered as failure.
    url.setAddress(QStringLiteral("www.zorn22.example"));
    url.setShell({[&](const QUrl &) {
                      ++requests;
                      return false;
                  },
                  {}});
    QVERIFY(!url.execute());
    QCOMPARE(requests, 1);
}

void TestWidgets::flatPanelDrawsTwoColourBorder()
{
    TFlatPanel panel;
    panel.resize(20, 10);
    panel.setColor(Qt::white);
    panel.setBorderColors(Qt::red, Qt::blue);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(5, 0), QColor(Qt::red)); // top
    QCOMPARE(image.pixelColor(0, 5), QColor(Qt::red)); // left
    QCOMPARE(image.pixelColor(5, 9), QColor(Qt::blue)); // bottom
    QCOMPARE(image.pixelColor(19, 5), QColor(Qt::blue)); // right
    QCOMPARE(image.pixelColor(10, 5), QColor(Qt::white));
}

void TestWidgets::transparentFlatPanelKeepsParentBackground()
{
    QWidget window;
    window.resize(40, 40);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::green);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto *panel = new TFlatPanel(&window);
    panel->setGeometry(5, 5, 30, 30);
    panel->setTransparent(true);
    panel->setBorderColor(Qt::black);
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::green));
    QCOMPARE(image.pixelColor(5, 20), QColor(Qt::black));
}

void TestWidgets::backgroundTilesFromWindowCorner()
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::yellow);
    tile.setPixelColor(0, 0, Qt::magenta);
    QWidget window;
    window.resize(10, 10);
    TLbBackground background(&window);
    background.setPicture(QPixmap::fromImage(tile));
    QCOMPARE(background.picture().size(), QSize(4, 4));
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::magenta));
    QCOMPARE(image.pixelColor(4, 8), QColor(Qt::magenta));
    QCOMPARE(image.pixelColor(5, 8), QColor(Qt::yellow));
}

void TestWidgets::selButtonCaptionTurnsBlackUnderPointer()
{
    TSelButton button(QStringLiteral("WWWWWW"));
    button.resize(117, 20);
    button.setFaceColor(storedColor(1756160));
    button.setTextColor(Qt::white);
    button.setHoverTextColor(Qt::black);
    auto countColour = [&](const QColor &colour) {
        const QImage image = button.grab().toImage();
        int count = 0;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    };
    QVERIFY(countColour(Qt::white) > 0);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
    QVERIFY(button.isHovered());
    QCOMPARE(countColour(Qt::white), 0);
    QVERIFY(countColour(Qt::black) > 0);
    // The face keeps its colour under the pointer.
    QCOMPARE(button.grab().toImage().pixelColor(60, 2), storedColor(1756160));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
