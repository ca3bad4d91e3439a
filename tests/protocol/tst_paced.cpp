// Connections take turns in the receive queue, each within a bounded backlog,
// and the dispatcher handles a message at once when idle, pacing only a burst.
#include "protocol/PacedDispatcher.h"

#include <QtTest>

using namespace Protocol;

namespace {

QueueEntry entry(quint64 connection, const QString &text)
{
    return {text, int(connection), connection};
}

QString drain(FairQueue &queue)
{
    QStringList texts;
    while (!queue.isEmpty())
        texts.append(queue.takeNext().text);
    return texts.join(u' ');
}

} // namespace

class TestPaced : public QObject
{
    Q_OBJECT

private slots:
    void connectionsTakeTurns();
    void backlogLimits_data();
    void backlogLimits();
    void idleMessageGoesAtOnceBurstIsPaced();
};

void TestPaced::connectionsTakeTurns()
{
    FairQueue queue;
    for (const char *text : {"a1", "a2", "a3"})
        queue.append(entry(1, QString::fromLatin1(text)));
    queue.append(entry(2, QStringLiteral("b1")));
    queue.append(entry(3, QStringLiteral("c1")));
    queue.append(entry(2, QStringLiteral("b2")));
    QCOMPARE(drain(queue), QStringLiteral("a1 b1 c1 a2 b2 a3"));

    for (int n = 0; n < 1000; ++n)
        queue.append(entry(4, QStringLiteral("gone")));
    queue.append(entry(5, QStringLiteral("stays")));
    queue.discard(4);
    QCOMPARE(queue.size(), 1);
    QCOMPARE(drain(queue), QStringLiteral("stays"));
}

void TestPaced::backlogLimits_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("accepted");
    QTest::newRow("message count") << QStringList {"ab", "ab", "ab", "ab"} << 3;
    QTest::newRow("bytes") << QStringList {"abcdef", "abcd", "x"} << 2;
    QTest::newRow("one message too long") << QStringList {"abcdefghijk"} << 0;
}

void TestPaced::backlogLimits()
{
    QFETCH(QStringList, texts);
    QFETCH(int, accepted);
    FairQueue queue({3, 10});
    int queued = 0;
    for (const QString &text : texts)
        queued += queue.append(entry(1, text)) ? 1 : 0;
    QCOMPARE(queued, accepted);
    QCOMPARE(queue.backlog(1), accepted);
    QVERIFY(queue.append(entry(2, QStringLiteral("ok")))); // each connection has its own room
}

void TestPaced::idleMessageGoesAtOnceBurstIsPaced()
{
    QStringList handled;
    constexpr int Minute = 60 * 1000;
    PacedDispatcher dispatcher(Minute, {}, [&](const QueueEntry &e) { handled.append(e.text); });
    QVERIFY(!dispatcher.isScheduled()); // idle: no timer runs
    QVERIFY(dispatcher.post(entry(1, QStringLiteral("first"))));
    QVERIFY(dispatcher.post(entry(1, QStringLiteral("second"))));
    QTRY_COMPARE(handled, QStringList {"first"}); // well before the interval is over
    QCoreApplication::processEvents();
    QCOMPARE(handled.size(), 1); // the one that had to wait goes at the pace
    QVERIFY(dispatcher.isScheduled());
    dispatcher.handleNext();
    QCOMPARE(handled, (QStringList {"first", "second"}));
    QVERIFY(!dispatcher.isScheduled());
}

QTEST_GUILESS_MAIN(TestPaced)
#include "tst_paced.moc"
