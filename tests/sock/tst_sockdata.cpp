// TSock over real loopback connections: the bytes a read delivers, sending
// large and early, and the framing of game messages on top.
#include "LoopbackFixture.h"

#include "protocol/Dispatcher.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"
#include "protocol/ReceiveQueue.h"

class TestSockData : public QObject
{
    Q_OBJECT

private slots:
    void twoMessagesInOneReadComeInOneOnRead();
    void messageSplitOverReadsArrivesWholeWhenFramed();
    void doubledTerminatorGivesNoEmptyEntry();
    void receiveReturnsBytesUnchanged_data();
    void receiveReturnsBytesUnchanged();
    void receiveUpToLeavesTheRest();
    void sendBeforeConnectCompletesArrives();
    void largeSendArrivesWholeInChunks_data();
    void largeSendArrivesWholeInChunks();
    void idleConnectionRaisesNoFurtherWrites();
    void unterminatedFloodOverflowsSplitter();
    void datagramsReachTheirPort();
};

void TestSockData::twoMessagesInOneReadComeInOneOnRead()
{
    RawPeerPair pair;
    QVERIFY(pair.server);

    const QByteArray both
        = Protocol::Msg::sendlogininfo(3) + Protocol::Msg::newplayerinfo(3, "Ann");
    rawSend(pair.peer.get(), both);

    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), both.size(), WaitMs);
    QCOMPARE(pair.log.reads, QList<int> {int(both.size())});
    Protocol::FrameSplitter splitter;
    const QList<QByteArray> messages = splitter.feed(pair.log.received);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0), QByteArray("CMD_sendlogininfo+3"));
    QCOMPARE(messages.at(1), QByteArray("CMD_newplayerinfo+3+Ann"));
}

void TestSockData::messageSplitOverReadsArrivesWholeWhenFramed()
{
    RawPeerPair pair;
    QVERIFY(pair.server);

    Protocol::FrameSplitter splitter;
    QList<QByteArray> messages;
    int reads = 0;
    pair.server->OnRead = [&](TSock *sender, int) {
        ++reads;
        messages += splitter.feed(sender->Receive());
    };

    const QByteArray message = Protocol::Msg::chat(2, "hello + goodbye", "clRed");
    const qsizetype half = message.size() / 2;
    rawSend(pair.peer.get(), message.left(half));
    QTRY_COMPARE_WITH_TIMEOUT(reads, 1, WaitMs);
    QVERIFY(messages.isEmpty());
    rawSend(pair.peer.get(), message.mid(half));
    QTRY_COMPARE_WITH_TIMEOUT(reads, 2, WaitMs);
    QCOMPARE(messages, QList<QByteArray> {message.chopped(1)});
}

void TestSockData::doubledTerminatorGivesNoEmptyEntry()
{
    RawPeerPair pair;
    QVERIFY(pair.server);

    Protocol::FrameSplitter splitter;
    Protocol::ReceiveQueue queue;
    pair.server->OnRead = [&](TSock *sender, int) {
        for (const QByteArray &message : splitter.feed(sender->Receive()))
            queue.append(message, sender->Tag);
    };
    pair.server->Tag = 4;

    rawSend(pair.peer.get(), Protocol::Msg::logininfo(4, Protocol::Version, "Bob"));
    QTRY_COMPARE_WITH_TIMEOUT(queue.size(), qsizetype(1), WaitMs);

    QStringList handled;
    Protocol::Dispatcher dispatcher;
    dispatcher.on("CMD_logininfo", [&](const QString &argument, int origin) {
        handled << QStringLiteral("%1 from %2").arg(argument).arg(origin);
    });
    QVERIFY(dispatcher.dispatch(queue.takeFirst()));
    QVERIFY(queue.isEmpty());
    QCOMPARE(handled, QStringList {"4+1.0.4+Bob from 4"});
}

void TestSockData::receiveReturnsBytesUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("every byte value") << allByteValues();
    QTest::newRow("nul and terminator runs") << QByteArray("\0\0\xff\xff\0\xff", 6);
    QTest::newRow("line breaks untouched") << QByteArray("a\r\nb\rc\nd\n\r");
}

void TestSockData::receiveReturnsBytesUnchanged()
{
    QFETCH(QByteArray, bytes);
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.client.Send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), bytes.size(), WaitMs);
    QCOMPARE(pair.log.received, bytes);
}

void TestSockData::receiveUpToLeavesTheRest()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    pair.server->OnRead = nullptr;
    pair.client.Send("abcdef");
    QTRY_COMPARE_WITH_TIMEOUT(pair.server->InBuffer().size(), qsizetype(6), WaitMs);
    QCOMPARE(pair.server->ReceiveUpTo(2), QByteArray("ab"));
    QCOMPARE(pair.server->InBuffer(), QByteArray("cdef"));
    QCOMPARE(pair.server->ReceiveUpTo(0), QByteArray());
    QCOMPARE(pair.server->ReceiveUpTo(100), QByteArray("cdef"));
    QVERIFY(pair.server->InBuffer().isEmpty());
}

void TestSockData::sendBeforeConnectCompletesArrives()
{
    ClientAndListener pair;
    const QByteArray hello = Protocol::Msg::logininfo(1, Protocol::Version, "You");

    QVERIFY(!pair.client.Open());
    QVERIFY(pair.client.Send(hello));
    QCOMPARE(pair.client.OutBuffer(), hello);

    QVERIFY(pair.listener.waitForAccepted());
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received, hello, WaitMs);
    QVERIFY(pair.client.OutBuffer().isEmpty());
    const QStringList clientLines = pair.log.linesOf("client");
    const qsizetype connected = clientLines.indexOf("client info 1 Non-Blocking Socket Connected");
    QVERIFY(connected >= 0);
    QCOMPARE(clientLines.at(connected + 1), QString("client connect"));
    QVERIFY(clientLines.indexOf("client write") > connected);
}

void TestSockData::largeSendArrivesWholeInChunks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("mustWait");
    QTest::newRow("200 KB") << 200 * 1024 << false;
    // More than the system's largest send buffer: part of it must wait in
    // OutBuffer for write readiness.
    QTest::newRow("8 MB") << 8 * 1024 * 1024 << true;
}

void TestSockData::largeSendArrivesWholeInChunks()
{
    QFETCH(int, size);
    QFETCH(bool, mustWait);
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QByteArray big;
    big.reserve(size);
    for (int i = 0; i < size; ++i)
        big.append(char((i * 7 + i / 256) & 0xFF));

    pair.client.Send(big);
    if (mustWait)
        QVERIFY(!pair.client.OutBuffer().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), big.size(), WaitMs);
    QCOMPARE(pair.log.received, big);
    QTRY_VERIFY_WITH_TIMEOUT(pair.client.OutBuffer().isEmpty(), WaitMs);
    QVERIFY(pair.log.reads.size() >= size / TSock::ReadChunk);
    for (int count : std::as_const(pair.log.reads))
        QVERIFY2(count <= TSock::ReadChunk, qPrintable(QString::number(count)));
}

void TestSockData::idleConnectionRaisesNoFurtherWrites()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    QTRY_VERIFY_WITH_TIMEOUT(pair.log.lines.contains("client write"), WaitMs);
    // Two round trips let the event loop turn many times.
    for (int trip = 1; trip <= 2; ++trip) {
        pair.server->Send("ping");
        QTRY_COMPARE_WITH_TIMEOUT(pair.log.received.size(), qsizetype(4 * trip), WaitMs);
    }
    QCOMPARE(pair.log.lines.count("client write"), 1);
}

void TestSockData::unterminatedFloodOverflowsSplitter()
{
    ConnectedPair pair;
    QVERIFY(pair.ready());
    Protocol::FrameSplitter splitter;
    QList<QByteArray> messages;
    qsizetype total = 0;
    pair.server->OnRead = [&](TSock *sender, int) {
        const QByteArray bytes = sender->Receive();
        total += bytes.size();
        messages += splitter.feed(bytes);
    };
    const QByteArray flood(Protocol::FrameSplitter::MaxPending + 1000, 'A');
    pair.client.Send(flood);
    QTRY_COMPARE_WITH_TIMEOUT(total, flood.size(), WaitMs);
    QVERIFY(splitter.overflowed());
    QVERIFY(messages.isEmpty());
    QVERIFY(splitter.pending().isEmpty());
}

void TestSockData::datagramsReachTheirPort()
{
    EventLog log;
    TSock datagram;
    log.watch(datagram, "udp");
    datagram.setSocketType(stDatagram);
    datagram.setHostName(Loopback);
    datagram.setPortName(QString::number(freePort()));
    QVERIFY(datagram.Open());
    QVERIFY(log.lines.contains("udp info 1 Datagram Socket Connected"));
    QVERIFY(log.lines.contains("udp connect"));
    const QByteArray bytes("\0\xff datagram", 11);
    datagram.Send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(log.received, bytes, WaitMs);
}

QTEST_GUILESS_MAIN(TestSockData)
#include "tst_sockdata.moc"
