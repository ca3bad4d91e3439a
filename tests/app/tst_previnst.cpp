#include "PREVINST.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

class PreviousInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void busyFirstCopyKeepsItsSocket();
    void secondInstanceRestoresTheFirst();
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

void PreviousInstanceTest::secondInstanceRestoresTheFirst()
{
    QTemporaryDir folder;
    const QString key = folder.filePath(u"22nroz-test"_s);
    PreviousInstance first(key);
    QVERIFY(first.claim());
    QWidget window;
    window.showMinimized();
    first.setWindow(&window);
    QVERIFY(window.isMinimized());
    bool restored = false;
    connect(&first, &PreviousInstance::restoreRequested, this, [&restored] { restored = true; });

    PreviousInstance second(key);
    QVERIFY(!second.claim());
    QTRY_VERIFY(restored);
    QVERIFY(!window.isMinimized());

    // A different folder is a different user session: both are first there.
    QTemporaryDir otherFolder;
    PreviousInstance elsewhere(otherFolder.filePath(u"22nroz-test"_s));
    QVERIFY(elsewhere.claim());
}

QTEST_MAIN(PreviousInstanceTest)
#include "tst_previnst.moc"
