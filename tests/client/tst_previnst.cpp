#include "client/PREVINST.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

class PreviousInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void busyFirstCopyKeepsItsSocket();
};

// A first copy that is slow to take connections is still there: a later
// copy whose listen fails must end and leave the first copy's socket alone.
void PreviousInstanceTest::busyFirstCopyKeepsItsSocket()
{
    QTemporaryDir folder;
    const QString key = folder.filePath(QStringLiteral("22nroz-busy"));
    QLocalServer first;
    first.setListenBacklogSize(0);
    QVERIFY(first.listen(key));
    // No event loop runs, so the first copy takes nothing: one caller fills its queue.
    QLocalSocket waiting;
    waiting.connectToServer(key);
    QVERIFY(waiting.waitForConnected(1000));

    PreviousInstance second(key);
    QVERIFY(!second.claim());
    QVERIFY(QFileInfo::exists(key));
    QTRY_VERIFY(first.hasPendingConnections());
}

QTEST_GUILESS_MAIN(PreviousInstanceTest)
#include "tst_previnst.moc"
