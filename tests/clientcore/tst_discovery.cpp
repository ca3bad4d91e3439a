// Games on the local network: a host answers well-formed probes from its own
// networks, a few a second, and the finder lists each host once.
#include "TestPorts.h"
#include "clientcore/LanFinder.h"
#include "host/LanAnswerer.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

using LanDiscovery::GameOnLan;
using namespace Qt::StringLiterals;

namespace {

// Often, so a probe lost while an address is still being set up is soon sent again.
constexpr int ProbeEveryMs = 200;

GameOnLan describedGame()
{
    GameOnLan game;
    game.id = u"00c0ffee"_s;
    game.name = u"Lan Test"_s;
    game.seatsFree = Protocol::PlayingSeats;
    game.port = GameFacts::DefaultPort;
    game.version = QString::fromLatin1(Protocol::Version);
    return game;
}

// A host listening on every address of a free port, answering probes.
struct AnnouncedHost
{
    explicit AnnouncedHost(const QString &bind = {}, const QString &hostId = u"00c0ffee"_s)
        : id(hostId), options {freePort(), bind}
    {
        QVERIFY(server.startListening());
    }
    QString id;
    GameRandom random {7};
    HostOptions options;
    TServer server {options, random};
    HostBeacon beacon {server, id, QStringLiteral("Lan Test")};
    LanAnswerer &answerer = beacon.answerer();
};

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void finderListsHostOnce_data();
    void finderListsHostOnce();
    void hostsFoundByBroadcast();
    void soloGameIsNotAnnounced();
    void malformedProbesIgnored_data();
    void malformedProbesIgnored();
    void answersAreRateLimited();
    void localNetworks_data();
    void localNetworks();
    void malformedAnswersRefused_data();
    void malformedAnswersRefused();
};

void TestDiscovery::finderListsHostOnce_data()
{
    QTest::addColumn<QList<QHostAddress>>("targets");
    QTest::addColumn<QString>("address"); // empty: either
    const QHostAddress v4(QHostAddress::LocalHost);
    const QHostAddress v6(QHostAddress::LocalHostIPv6);
    QTest::newRow("IPv4") << QList {v4} << u"127.0.0.1"_s;
    QTest::newRow("IPv6") << QList {v6} << u"::1"_s;
    QTest::newRow("both families, one entry") << QList {v4, v6, v4} << QString();
}

void TestDiscovery::finderListsHostOnce()
{
    QFETCH(QList<QHostAddress>, targets);
    QFETCH(QString, address);
    AnnouncedHost host;
    LanFinder finder;
    finder.setTargets(targets);
    finder.setPorts({host.options.port});
    QSignalSpy changed(&finder, &LanFinder::gamesChanged);
    finder.start();
    QTRY_VERIFY(!finder.games().isEmpty());
    QTRY_COMPARE(host.answerer.answered(), int(targets.size()));
    const GameOnLan game = finder.games().constFirst();
    QCOMPARE(finder.games().size(), 1);
    QCOMPARE(game.id, u"00c0ffee"_s);
    QCOMPARE(game.name, u"Lan Test"_s);
    QCOMPARE(game.seatsFree, Protocol::PlayingSeats);
    QCOMPARE(game.port, host.options.port);
    QCOMPARE(game.version, QString::fromLatin1(Protocol::Version));
    if (!address.isEmpty())
        QCOMPARE(game.address, address);
}

// Two hosts on a network of their own, found through its broadcast address
// alone: the test runs itself again in a network namespace it makes.
void TestDiscovery::hostsFoundByBroadcast()
{
    if (qEnvironmentVariableIsEmpty("LEXIBURST_IN_NETNS")) {
        QProcess inside;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LEXIBURST_IN_NETNS"_s, u"1"_s);
        inside.setProcessEnvironment(environment);
        inside.setProcessChannelMode(QProcess::MergedChannels);
        const QString setup = u"ip link set lo up && ip link add lan0 type bridge && "
                              "ip addr add 10.77.0.1/24 brd + dev lan0 && ip link set lan0 up && "
                              "exec \"$0\" hostsFoundByBroadcast"_s;
        inside.start(u"unshare"_s,
                     {u"-rn"_s, u"sh"_s, u"-c"_s, setup, QCoreApplication::applicationFilePath()});
        if (!inside.waitForFinished(60000) || inside.exitStatus() != QProcess::NormalExit)
            QSKIP("cannot run in a network namespace of its own");
        const QByteArray output = inside.readAll();
        if (inside.exitCode() != 0 && !output.contains("FAIL!"))
            QSKIP(qPrintable(u"no network namespace here: "_s + QString::fromLocal8Bit(output)));
        QVERIFY2(inside.exitCode() == 0, output.constData());
        return;
    }
    AnnouncedHost first({}, u"a1"_s);
    AnnouncedHost second({}, u"b2"_s);
    QList<QHostAddress> targets = LanFinder::interfaceTargets();
    targets.removeIf([](const QHostAddress &a) { return a.isLoopback(); });
    QHostAddress allNodes(u"ff02::1"_s);
    allNodes.setScopeId(u"lan0"_s);
    QCOMPARE(targets, QList({QHostAddress(u"10.77.0.255"_s), allNodes}));
    // Each family on its own: the IPv4 broadcast, then the IPv6 all-nodes address.
    for (const QHostAddress &target : targets) {
        LanFinder finder;
        finder.setTargets({target});
        finder.setPorts({first.options.port, second.options.port});
        finder.start(ProbeEveryMs);
        QTRY_COMPARE(finder.games().size(), 2);
        for (const GameOnLan &game : finder.games())
            QVERIFY2(game.address.startsWith(target == allNodes ? u"fe80:"_s : u"10.77.0.1"_s),
                     qPrintable(game.address));
    }
}

void TestDiscovery::soloGameIsNotAnnounced()
{
    AnnouncedHost solo(QStringLiteral("127.0.0.1"));
    QVERIFY(solo.server.isListening());
    QVERIFY(!solo.answerer.isRunning());
}

void TestDiscovery::malformedProbesIgnored_data()
{
    QTest::addColumn<QByteArray>("datagram");
    const QByteArray probe = LanDiscovery::probe();
    QTest::newRow("not padded") << probe.left(LanDiscovery::ProbeSize - 1);
    QTest::newRow("another greeting") << QByteArray(probe).replace("PROBE", "PROBX");
    QTest::newRow("too long") << probe + QByteArray(LanDiscovery::MaxProbeSize, '\0');
    QTest::newRow("an answer") << LanDiscovery::answer(describedGame());
}

void TestDiscovery::malformedProbesIgnored()
{
    QFETCH(QByteArray, datagram);
    AnnouncedHost host;
    QUdpSocket client;
    QVERIFY(client.bind(QHostAddress::LocalHost, 0));
    client.writeDatagram(datagram, QHostAddress::LocalHost, host.options.port);
    client.writeDatagram(LanDiscovery::probe(), QHostAddress::LocalHost, host.options.port);
    QTRY_COMPARE(host.answerer.seen(), 2);
    QCOMPARE(host.answerer.answered(), 1);
    QTRY_VERIFY(client.hasPendingDatagrams());
    QVERIFY(LanDiscovery::readAnswer(client.receiveDatagram().data()));
}

void TestDiscovery::answersAreRateLimited()
{
    AnnouncedHost host;
    qint64 now = 0;
    host.answerer.setClock([&now] { return now; });
    QUdpSocket client;
    QVERIFY(client.bind(QHostAddress::LocalHostIPv6, 0));
    const auto send = [&](int count) {
        for (int i = 0; i < count; ++i)
            client.writeDatagram(LanDiscovery::probe(), QHostAddress::LocalHostIPv6,
                                 host.options.port);
    };
    send(3 * LanAnswerer::AnswersPerSecond);
    QTRY_COMPARE(host.answerer.seen(), 3 * LanAnswerer::AnswersPerSecond);
    QCOMPARE(host.answerer.answered(), LanAnswerer::AnswersPerSecond);
    now += 1000 / LanAnswerer::AnswersPerSecond;
    send(2);
    QTRY_COMPARE(host.answerer.seen(), 3 * LanAnswerer::AnswersPerSecond + 2);
    QCOMPARE(host.answerer.answered(), LanAnswerer::AnswersPerSecond + 1);
}

void TestDiscovery::localNetworks_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<bool>("local");
    QTest::newRow("own subnet") << u"192.168.7.40"_s << true;
    QTest::newRow("mapped, own subnet") << u"::ffff:192.168.7.40"_s << true;
    QTest::newRow("next subnet") << u"192.168.8.40"_s << false;
    QTest::newRow("IPv6 own prefix") << u"2001:db8:1::99"_s << true;
    QTest::newRow("IPv6 elsewhere") << u"2001:db8:2::99"_s << false;
    QTest::newRow("link-local") << u"169.254.10.1"_s << true;
    QTest::newRow("IPv6 link-local") << u"fe80::1234"_s << true;
    QTest::newRow("loopback") << u"127.0.0.2"_s << true;
    QTest::newRow("the Internet") << u"8.8.8.8"_s << false;
}

void TestDiscovery::localNetworks()
{
    QFETCH(QString, sender);
    QFETCH(bool, local);
    QNetworkAddressEntry v4;
    v4.setIp(QHostAddress(u"192.168.7.2"_s));
    v4.setPrefixLength(24);
    QNetworkAddressEntry v6;
    v6.setIp(QHostAddress(u"2001:db8:1::2"_s));
    v6.setPrefixLength(64);
    QCOMPARE(LanAnswerer::isLocal(QHostAddress(sender), {v4, v6}), local);
}

void TestDiscovery::malformedAnswersRefused_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("no id") << QByteArray("id=00c0ffee\n") << QByteArray();
    QTest::newRow("id not hex") << QByteArray("id=00c0ffee") << QByteArray("id=00c0ffeg");
    QTest::newRow("port 0") << QByteArray("port=7772") << QByteArray("port=0");
    QTest::newRow("seats out of range") << QByteArray("seats=0/8") << QByteArray("seats=0/80");
    QTest::newRow("no line end") << QByteArray("Lan Test\n") << QByteArray("Lan Test");
    QTest::newRow("too long") << QByteArray("Lan Test") << QByteArray(300, 'x');
    QTest::newRow("well-formed, a later key")
        << QByteArray("\nname") << QByteArray("\nnew=1\nname");
}

void TestDiscovery::malformedAnswersRefused()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    const GameOnLan game = describedGame();
    const QByteArray answer = LanDiscovery::answer(game);
    QVERIFY(answer.contains(from));
    const auto read = LanDiscovery::readAnswer(QByteArray(answer).replace(from, to));
    QCOMPARE(read.has_value(), to.contains("new="));
    if (read)
        QCOMPARE(*read, game);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
