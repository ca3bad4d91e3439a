// Pictures on a high-density screen: every picture has a twin at twice its
// size, and at a device pixel ratio of 2 the twin is what is loaded and drawn on.
#include "widgets/Pictures.h"

#include <QApplication>
#include <QDirIterator>
#include <QImageReader>
#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasATwinAtTwiceItsSize();
    void twinsAreLoadedAtRatioTwo();
};

void TestPictures::everyPictureHasATwinAtTwiceItsSize()
{
    int pictures = 0;
    QDirIterator files(QStringLiteral(":/pictures"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.contains(QLatin1String("@2x")))
            continue;
        const QString twin = Pictures::fileFor(path, 2);
        QVERIFY2(twin != path, qPrintable(path));
        QCOMPARE(QImageReader(twin).size(), QImageReader(path).size() * 2);
        ++pictures;
    }
    QVERIFY(pictures > 0);
}

void TestPictures::twinsAreLoadedAtRatioTwo()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const QPixmap eyes = Pictures::load(QStringLiteral(":/pictures/eyes.png"));
    QCOMPARE(eyes.devicePixelRatio(), 2.0);
    QCOMPARE(eyes.deviceIndependentSize(), QSizeF(18, 10));
    QCOMPARE(Pictures::fitted(eyes, QSize(9, 9)).deviceIndependentSize(), QSizeF(9, 5));
    QCOMPARE(Pictures::canvas(QSize(10, 4)).size(), QSize(20, 8));
    const QString missing = QStringLiteral(":/pictures/none.png");
    QCOMPARE(Pictures::fileFor(missing, 2), missing);
}

int main(int argc, char *argv[])
{
    // The whole program as a screen with twice the density shows it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
