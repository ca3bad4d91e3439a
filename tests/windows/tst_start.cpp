// The start window: each way in hands on the right choice, what it remembers
// survives a new run, a missing name or address keeps it open, and the
// addresses it tells friends to type are this machine's.
#include "windows/startform.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = StartWindow::Kind;

// A start window on its own settings folder with two made-up addresses.
struct Fixture
{
    explicit Fixture(const QString &folder)
    {
        window.setAddressSource([] {
            return QList<QHostAddress> {QHostAddress(QStringLiteral("192.168.1.5")),
                                        QHostAddress(QStringLiteral("10.0.0.2"))};
        });
        window.setSettingsFolder(folder);
    }

    template<typename T>
    T *control(const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    void type(const QString &name, int bots, int hostPort, const QString &address)
    {
        control<QLineEdit>("edit_name")->setText(name);
        control<QSpinBox>("spin_bots")->setValue(bots);
        control<QSpinBox>("spin_hostport")->setValue(hostPort);
        control<QComboBox>("combo_joinaddress")->setEditText(address);
    }

    StartWindow window;
    QSignalSpy spy {&window, &StartWindow::chosen};
};

const char *const Buttons[] = {"button_solo", "button_host", "button_join"};
// A field in each way's box: working in it makes that way the one Enter starts.
const char *const Fields[] = {"spin_bots", "spin_hostport", "spin_joinport"};

} // namespace

class TestStart : public QObject
{
    Q_OBJECT

private slots:
    void eachWayHandsOnItsChoice_data();
    void eachWayHandsOnItsChoice();
    void missingFieldKeepsWindowOpen_data();
    void missingFieldKeepsWindowOpen();
    void choicesSurviveANewRun();
    void addressesForFriends();
    void webPortFollowsThePortUnlessSetApart();
    void machineAddressesAreThisMachines();
    void typedHosts_data();
    void typedHosts();
    void lanGameJoinsOnDoubleClick();

private:
    QTemporaryDir m_dir;
};

void TestStart::eachWayHandsOnItsChoice_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("wantAddress");
    QTest::addColumn<int>("wantPort");

    QTest::newRow("solo by Enter") << 0 << true << "Ann"
                                   << ""
                                   << "" << 7772;
    QTest::newRow("host on the chosen port") << 1 << false << " Ann "
                                             << ""
                                             << "" << 7800;
    QTest::newRow("host by Enter") << 1 << true << "Ann"
                                   << ""
                                   << "" << 7800;
    QTest::newRow("join the address typed") << 2 << false << "Bob"
                                            << " 192.168.1.20 "
                                            << "192.168.1.20" << 7772;
    QTest::newRow("join a pasted address and port") << 2 << true << "Bob"
                                                    << "lexi-box.lan:7790"
                                                    << "lexi-box.lan" << 7790;
}

void TestStart::eachWayHandsOnItsChoice()
{
    QFETCH(int, kind);
    QFETCH(bool, enter);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, wantAddress);
    QFETCH(int, wantPort);
    QTemporaryDir dir;
    Fixture f(dir.path());
    f.type(name, 5, 7800, address);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    if (enter) {
        QWidget *field = f.control<QWidget>(Fields[kind]);
        field->setFocus();
        QTRY_COMPARE(int(f.window.highlighted()), kind);
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        QTest::mouseClick(f.control<QPushButton>(Buttons[kind]), Qt::LeftButton);
    }
    QCOMPARE(f.spy.count(), 1);
    StartChoice want {Kind(kind), name.trimmed(), wantAddress, quint16(wantPort), 5};
    if (Kind(kind) == Kind::Host)
        want.webPort = quint16(wantPort + 1);
    QCOMPARE(f.spy.at(0).at(0).value<StartChoice>(), want);
    QVERIFY(!f.window.isVisible());
}

void TestStart::missingFieldKeepsWindowOpen_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("notice");
    QTest::newRow("solo without a name") << 0 << " "
                                         << ""
                                         << "Type your name";
    QTest::newRow("host without a name") << 1 << "  "
                                         << ""
                                         << "Type your name";
    QTest::newRow("join without a name") << 2 << ""
                                         << "10.0.0.9"
                                         << "Type your name";
    QTest::newRow("join without an address") << 2 << "Ann"
                                             << " "
                                             << "Type the host's address";
    QTest::newRow("join a sentence") << 2 << "Ann"
                                     << "my pc"
                                     << "\"my pc\" is not an address";
    QTest::newRow("join a port out of range") << 2 << "Ann"
                                              << "pc:70000"
                                              << "is not an address";
}

void TestStart::missingFieldKeepsWindowOpen()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    Fixture f(dir.path());
    f.type(name, 3, 7772, address);
    f.window.show();
    f.window.start(Kind(kind));
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.spy.count(), 0);
    QVERIFY2(f.window.notice().contains(notice), qPrintable(f.window.notice()));
    // Nothing was remembered either: a first start offers the account's name.
    Fixture again(dir.path());
    QVERIFY(!StartWindow::accountName().isEmpty());
    QCOMPARE(again.control<QLineEdit>("edit_name")->text(), StartWindow::accountName());
}

void TestStart::choicesSurviveANewRun()
{
    QTemporaryDir dir;
    {
        Fixture f(dir.path());
        f.control<QComboBox>("combo_botskill")->setCurrentText(QStringLiteral("Mixed"));
        for (const char *host : {"a.lan", "b.lan", "c.lan:7000", "d.lan", "e.lan", "F.LAN",
                                 "C.lan:7000", "10.0.0.7"}) {
            f.type(QStringLiteral("Zoë"), 6, 7801, QString::fromLatin1(host));
            f.window.start(Kind::Join);
        }
        f.window.start(Kind::Host);
        QCOMPARE(f.spy.count(), 9);
    }
    Fixture f(dir.path());
    QCOMPARE(f.control<QLineEdit>("edit_name")->text(), QStringLiteral("Zoë"));
    QCOMPARE(f.control<QSpinBox>("spin_bots")->value(), 6);
    QCOMPARE(f.control<QComboBox>("combo_botskill")->currentData().toInt(),
             Settings::MixedBotSkill);
    QCOMPARE(f.control<QSpinBox>("spin_hostport")->value(), 7801);
    QCOMPARE(f.window.highlighted(), Kind::Host);
    auto *recent = f.control<QComboBox>("combo_joinaddress");
    QStringList hosts;
    for (int i = 0; i < recent->count(); ++i)
        hosts.append(recent->itemText(i));
    QCOMPARE(hosts, QStringList({"10.0.0.7", "C.lan:7000", "F.LAN", "e.lan", "d.lan"}));
    QCOMPARE(recent->currentText(), QStringLiteral("10.0.0.7"));

    // Started with another port, the host box offers that one.
    f.window.setStartPort(7900);
    QCOMPARE(f.control<QSpinBox>("spin_hostport")->value(), 7900);
    Fixture fresh(QTemporaryDir().path());
    fresh.window.setStartPort(7900);
    QCOMPARE(fresh.control<QSpinBox>("spin_joinport")->value(), 7900);
}

void TestStart::addressesForFriends()
{
    Fixture f(m_dir.path());
    auto *port = f.control<QSpinBox>("spin_hostport");
    port->setValue(7772);
    QCOMPARE(f.window.shownAddresses(), QStringList({"192.168.1.5", "10.0.0.2"}));
    port->setValue(8000);
    QCOMPARE(f.window.shownAddresses(), QStringList({"192.168.1.5:8000", "10.0.0.2:8000"}));
    f.window.copyAddress();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("192.168.1.5:8000"));

    f.window.setAddressSource([] { return QList<QHostAddress>(); });
    QCOMPARE(f.window.shownAddresses(), QStringList());
    QVERIFY(!f.control<QPushButton>("button_copy")->isEnabled());

    QSignalSpy lobby(&f.window, &StartWindow::lobbyRequested);
    f.control<QPushButton>("button_lobby")->click();
    QCOMPARE(lobby.count(), 1);
}

void TestStart::webPortFollowsThePortUnlessSetApart()
{
    QTemporaryDir dir;
    {
        Fixture f(dir.path());
        f.type(QStringLiteral("Ann"), 1, 8000, QString());
        auto *web = f.control<QSpinBox>("spin_webport");
        QCOMPARE(web->value(), 8001);
        web->setValue(9000);
        f.control<QSpinBox>("spin_hostport")->setValue(8100);
        QCOMPARE(web->value(), 9000);
        f.window.start(Kind::Host);
        QCOMPARE(f.spy.takeFirst().first().value<StartChoice>().webPort, 9000);
    }
    Fixture f(dir.path());
    QCOMPARE(f.control<QSpinBox>("spin_webport")->value(), 9000);
    // Started with LEXIBURST_WEB_PORT, the box offers that one.
    f.window.setStartWebPort(0);
    QCOMPARE(f.control<QSpinBox>("spin_webport")->text(), QStringLiteral("Off"));
}

void TestStart::machineAddressesAreThisMachines()
{
    // An address of this machine is one a server here can listen on.
    for (const QHostAddress &address : StartWindow::machineAddresses()) {
        QVERIFY(!address.isLinkLocal());
        QVERIFY(!address.isLoopback());
        QTcpServer server;
        QVERIFY2(server.listen(address, 0), qPrintable(address.toString()));
    }
}

// A game found on the network is listed with its address and joined by a double-click.
void TestStart::lanGameJoinsOnDoubleClick()
{
    Fixture f(m_dir.filePath(QStringLiteral("langame")));
    LanDiscovery::GameOnLan game;
    game.id = QStringLiteral("1f");
    game.name = QStringLiteral("Ann");
    game.seatsTaken = 2;
    game.seatsFree = 6;
    game.port = 7800;
    game.address = QStringLiteral("192.168.1.9");
    f.window.showLanGames({game});
    QCOMPARE(f.window.shownLanGames(),
             QStringList {QStringLiteral("Ann (6 free) - 192.168.1.9:7800")});
    f.control<QLineEdit>("edit_name")->setText(QStringLiteral("Bo"));
    auto *list = f.control<QListWidget>("list_langames");
    emit list->itemDoubleClicked(list->item(0));
    QCOMPARE(f.spy.size(), 1);
    const auto choice = f.spy.at(0).at(0).value<StartChoice>();
    QCOMPARE(choice.kind, Kind::Join);
    QCOMPARE(choice.address, QStringLiteral("192.168.1.9"));
    QCOMPARE(choice.port, 7800);
    f.window.showLanGames({});
    QVERIFY(f.window.shownLanGames().isEmpty());
}

void TestStart::typedHosts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address"); // empty: refused
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name") << QStringLiteral("host.lan:7800") << QStringLiteral("host.lan") << 7800
                          << QStringLiteral("host.lan:7800");
    QTest::newRow("IPv6 bare") << QStringLiteral("::1") << QStringLiteral("[::1]") << 7772
                               << QStringLiteral("[::1]");
    QTest::newRow("IPv6 with port") << QStringLiteral("[::1]:7800") << QStringLiteral("[::1]")
                                    << 7800 << QStringLiteral("[::1]:7800");
    QTest::newRow("IPv6 with interface")
        << QStringLiteral("fe80::1%eth0") << QStringLiteral("[fe80::1%eth0]") << 7772
        << QStringLiteral("[fe80::1%eth0]");
    QTest::newRow("bracket unclosed") << QStringLiteral("[::1:7800") << QString() << 0 << QString();
    QTest::newRow("name in brackets") << QStringLiteral("[host]") << QString() << 0 << QString();
    QTest::newRow("port not a number") << QStringLiteral("[::1]:x") << QString() << 0 << QString();
}

void TestStart::typedHosts()
{
    QFETCH(QString, typed);
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(QString, shown);
    const auto host = StartWindow::parseHost(typed, 7772);
    QCOMPARE(host.has_value(), !address.isEmpty());
    if (!host)
        return;
    QCOMPARE(host->address, address);
    QCOMPARE(host->port, port);
    QCOMPARE(StartWindow::joinText(host->address, host->port), shown);
}

QTEST_MAIN(TestStart)
#include "tst_start.moc"
