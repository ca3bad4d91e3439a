// The board's pictures on a screen of twice the density: each covers its
// control's designed size with twice the pixels, so none is blown up.
#include "client/GameWidgets.h"

#include <QApplication>
#include <QTest>

using namespace GamePictures;

class TestBoardPictures : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreSharp_data();
    void picturesAreSharp();
};

void TestBoardPictures::picturesAreSharp_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("letter") << letter(19) << QSize(LetterWidth, LetterHeight);
    QTest::newRow("decline") << vote(Vote::Decline, false) << QSize(VoteWidth, VoteHeight);
    QTest::newRow("favourite pressed")
        << vote(Vote::Favourite, true) << QSize(VoteWidth, VoteHeight);
    QTest::newRow("start button") << startButton(false) << QSize(120, 32);
    QTest::newRow("time bar") << timeBar() << QSize(TimeBarWidth, TimeBarHeight);
}

void TestBoardPictures::picturesAreSharp()
{
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestBoardPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
