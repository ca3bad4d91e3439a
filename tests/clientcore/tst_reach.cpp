// Reaching a host by every form of address: literals of both families, a name
// that stands for IPv6 addresses only, the next address when the first one
// refuses, and a lookup that never answers, which holds nothing up.
#include "clientcore/HostConnection.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include "TestPorts.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The fake resolver: answers from the event loop, as the system's does.
HostConnection::Lookup answering(const QStringList &addresses, QStringList *asked)
{
    return [addresses, asked](const QString &name, QObject *context, auto done) {
        asked->append(name);
        QTimer::singleShot(0, context, [addresses, done] { done(addresses); });
    };
}

} // namespace

class TestReach : public QObject
{
    Q_OBJECT

private slots:
    void joinsByEveryForm_data();
    void joinsByEveryForm();
    void lookupHeldUpHoldsNothingUp();
};

void TestReach::joinsByEveryForm_data()
{
    QTest::addColumn<QString>("bind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("resolvesTo"); // empty: no lookup wanted
    QTest::newRow("IPv6 literal") << QString() << u"::1"_s << QStringList();
    QTest::newRow("IPv6 in brackets") << QString() << u"[::1]"_s << QStringList();
    QTest::newRow("IPv4 to both families") << QString() << u"127.0.0.1"_s << QStringList();
    QTest::newRow("name, IPv6 only") << QString() << u"six.invalid"_s << QStringList {u"::1"_s};
    QTest::newRow("name, the first address refuses")
        << u"::1"_s << u"two.invalid"_s << QStringList {u"127.0.0.1"_s, u"::1"_s};
}

void TestReach::joinsByEveryForm()
{
    QFETCH(QString, bind);
    QFETCH(QString, typed);
    QFETCH(QStringList, resolvesTo);
    GameRandom random(7);
    TServer server({freePort(), bind, 20, false}, random);
    QVERIFY2(server.startListening(), qPrintable(server.errorString()));
    HostConnection line;
    line.setPlayerName(u"Ann"_s);
    QStringList asked;
    line.setLookup(answering(resolvesTo, &asked));
    line.connectTo(typed, server.port());
    QTRY_VERIFY(server.seat(1).signedIn);
    QCOMPARE(server.seat(1).loginName, u"Ann"_s);
    QCOMPARE(asked, resolvesTo.isEmpty() ? QStringList() : QStringList {typed});
}

void TestReach::lookupHeldUpHoldsNothingUp()
{
    GameRandom random(7);
    TServer server({freePort(), {}, 20, false}, random);
    QVERIFY(server.startListening());
    HostConnection line;
    line.setPlayerName(u"Ann"_s);
    std::function<void(const QStringList &)> late;
    line.setLookup([&late](const QString &, QObject *, auto done) { late = std::move(done); });
    line.connectTo(u"slow.invalid"_s, server.port());
    QVERIFY(line.isLookingUp());
    bool answered = false;
    QTimer::singleShot(0, this, [&answered] { answered = true; });
    QTRY_VERIFY(answered);
    // The player gives up; the answer that comes after opens nothing.
    line.close();
    QVERIFY(!line.isOpen());
    late({u"::1"_s});
    QVERIFY(!line.isOpen());
    QCOMPARE(server.highestSeatUsed(), 0);
}

QTEST_GUILESS_MAIN(TestReach)
#include "tst_reach.moc"
