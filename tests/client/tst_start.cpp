// Program start: the command line, the sign-in handshake, the version and
// refusal messages, closing on a lost connection, and the single instance.
#include "ClientTestSupport.h"

#include "protocol/Messages.h"
#include "windows/startform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {
// What the window says it is and understands, right before its sign-in.
QByteArray peerinfo(int seat)
{
    return Protocol::Msg::peerinfo(seat, Protocol::PeerKind::Person, Protocol::ourCapabilities());
}
} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    void signInReplyCarriesTwoTerminators();
    void resumeTokenOutlivesTheProgram();
    void commandLine_data();
    void commandLine();
    void refusedCommandLines_data();
    void refusedCommandLines();
    void soloGameHostsAsYou();
    void startWindowBeginsTheChosenGame_data();
    void startWindowBeginsTheChosenGame();
    void unreachedHostOnTheFirstJoin();
    void hostingConnectsToLoopbackAndLobby();
    void failedListeningDoesNotConnect();
    void hostEndsTheGame_data();
    void hostEndsTheGame();
};

void StartTest::commandLine_data()
{
    QTest::addColumn<QString>("third"); // null: not given
    QTest::addColumn<bool>("hosts");
    QTest::addColumn<QString>("name");
    QTest::newRow("true hosts") << u"true"_s << true << u"Bob Smith"_s;
    QTest::newRow("True joins") << u"True"_s << false << u"Bob Smith"_s;
    QTest::newRow("false joins") << u"false"_s << false << u"Bob Smith"_s;
    QTest::newRow("empty joins") << u""_s << false << u"Bob Smith"_s;
    QTest::newRow("two parameters join, long name cut") << QString() << false << QString(40, u'x');
}

// The third parameter is compared exactly; either way the copy connects and
// signs in with the name from the first parameter.
void StartTest::commandLine()
{
    QFETCH(QString, third);
    QFETCH(bool, hosts);
    QFETCH(QString, name);
    FakeHost host;
    TestClient client(host.port(),
                      QStringList {name, u"127.0.0.1"_s}
                          + (third.isNull() ? QStringList() : QStringList {third, u"ignored"_s}));
    int listenCalls = 0;
    ChatWindows windows;
    windows.startListening = [&listenCalls](quint16, bool thisComputerOnly) {
        listenCalls += thisComputerOnly ? 100 : 1;
        return QString();
    };
    client.chat->setWindows(windows);
    client.chat->show();

    QCOMPARE(chatLines(*client.chat).first(), u"Loading Multi-player Game.. Please Wait."_s);
    QCOMPARE(client.chat->isHost(), hosts);
    QCOMPARE(listenCalls, hosts ? 1 : 0);
    QCOMPARE(named(*client.chat, u"StartGame1"_s)->isEnabled(), hosts);
    QCOMPARE(client.chat->spylist()->popup_kickhim->isEnabled(), hosts);
    QTRY_COMPARE(host.connections(), 1);
    host.send("CMD_sendlogininfo+2\xFF"_ba);
    QTRY_COMPARE(host.received(),
                 peerinfo(2) + "CMD_logininfo+2+1.0.4+"_ba + name.left(30).toLatin1()
                     + "\xFF\xFF"_ba);
    QVERIFY(client.chat->isConnected());
    QCOMPARE(client.chat->ownSeat(), 2);
}

void StartTest::refusedCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("blank name") << QStringList {u" "_s, u"127.0.0.1"_s, u"true"_s}
                                << u"The player name is empty."_s;
    QTest::newRow("no host") << QStringList {u"Bob"_s} << u"The host's address is missing."_s;
}

void StartTest::refusedCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    TestClient client(freePort(), arguments);
    client.chat->show();
    QTRY_VERIFY(client.closed);
    QCOMPARE(client.messages,
             QStringList {refusal + u" Start the game as: lexiburst NAME HOST [true|false]"_s});
    QVERIFY(!client.chat->connection().isOpen());
}

void StartTest::soloGameHostsAsYou()
{
    FakeHost host;
    TestClient client(host.port(), {});
    QWidget download;
    bool listening = false;
    ChatWindows windows;
    windows.download = &download;
    windows.startListening = [&listening](quint16, bool thisComputerOnly) {
        listening = thisComputerOnly;
        return QString();
    };
    client.chat->setWindows(windows);
    client.chat->show();

    QCOMPARE(chatLines(*client.chat).first(), u"Loading Solo Game..Please wait."_s);
    QVERIFY(download.isVisible());
    QVERIFY(listening);
    QVERIFY(client.chat->isHost());
    QCOMPARE(client.chat->connection().hostAddress(), u"127.0.0.1"_s);
    QCOMPARE(client.chat->connection().loginName(), u"You\u00FF"_s);
    QVERIFY(!client.chat->connection().isLobbyOpen());
    QTRY_COMPARE(host.connections(), 1);
    host.send("CMD_sendlogininfo+1\xFF"_ba);
    QTRY_COMPARE(host.received(), peerinfo(1) + "CMD_logininfo+1+1.0.4+You\xFF\xFF"_ba);
}

void StartTest::startWindowBeginsTheChosenGame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem"); // what listening on the first port answers
    QTest::newRow("solo with 6 computer players") << 0 << u"Cy"_s << QString();
    QTest::newRow("solo, the usual port taken: the next one") << 0 << u"Cy"_s << u"In use."_s;
    QTest::newRow("host on the chosen port") << 1 << u"Ann"_s << QString();
    QTest::newRow("join the address typed") << 2 << u"Bob"_s << QString();
    QTest::newRow("a port in use: the start window again") << 1 << u"Ann"_s << u"In use."_s;
}

// No parameters: the start window comes up, and its choice begins the game.
void StartTest::startWindowBeginsTheChosenGame()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, problem);
    FakeHost host;
    const quint16 usualPort = freePort();
    TestClient client(usualPort, {});
    StartWindow start;
    start.setSettingsFolder(client.home.path());
    start.findChild<QLineEdit *>(u"edit_name"_s)->setText(name);
    start.findChild<QSpinBox *>(u"spin_bots"_s)->setValue(6);
    start.findChild<QSpinBox *>(u"spin_hostport"_s)->setValue(host.port());
    start.findChild<QComboBox *>(u"combo_joinaddress"_s)
        ->setEditText(u"localhost:"_s + QString::number(host.port()));
    QList<quint16> listened;
    ChatWindows windows;
    windows.start = &start;
    windows.startListening = [&](quint16 port, bool) {
        listened.append(port);
        return listened.size() == 1 ? problem : QString();
    };
    client.chat->setWindows(windows);
    client.chat->show();
    QVERIFY(start.isVisible());
    QVERIFY(named(*client.chat, u"NewGame1"_s)->isEnabled());
    QVERIFY(!client.chat->connection().isOpen());

    const auto way = StartWindow::Kind(kind);
    start.start(way);
    const bool solo = way == StartWindow::Kind::Solo;
    if (!problem.isEmpty() && !solo) {
        QCOMPARE(listened, QList<quint16> {host.port()});
        QVERIFY(start.isVisible());
        QCOMPARE(start.notice(), problem);
        QVERIFY(named(*client.chat, u"NewGame1"_s)->isEnabled());
        return;
    }
    QVERIFY(!start.isVisible());
    QVERIFY(!named(*client.chat, u"NewGame1"_s)->isEnabled());
    QCOMPARE(client.chat->isHost(), way != StartWindow::Kind::Join);
    QCOMPARE(client.chat->botCount(), solo ? 6 : 0);
    // Solo keeps the usual port while it is free; the others use the one chosen.
    const quint16 port = solo ? usualPort + (problem.isEmpty() ? 0 : 1) : host.port();
    const QList<quint16> tried
        = solo && !problem.isEmpty() ? QList<quint16> {usualPort, port} : QList<quint16> {port};
    QCOMPARE(listened, way == StartWindow::Kind::Join ? QList<quint16>() : tried);
    QCOMPARE(client.chat->connection().hostAddress(),
             way == StartWindow::Kind::Join ? u"localhost"_s : u"127.0.0.1"_s);
    QCOMPARE(client.chat->connection().port(), port);
    if (solo)
        return;
    QTRY_COMPARE(host.connections(), 1);
    host.send("CMD_sendlogininfo+1\xFF"_ba);
    QTRY_COMPARE(host.received(),
                 peerinfo(1) + "CMD_logininfo+1+1.0.4+"_ba + name.toLatin1() + "\xFF\xFF"_ba);
}

// A mistyped address brings the start window back instead of retries.
void StartTest::unreachedHostOnTheFirstJoin()
{
    const quint16 nobody = freePort();
    TestClient client(nobody, {});
    StartWindow start;
    start.setSettingsFolder(client.home.path());
    start.findChild<QLineEdit *>(u"edit_name"_s)->setText(u"Bo"_s);
    auto *address = start.findChild<QComboBox *>(u"combo_joinaddress"_s);
    address->setEditText(u"127.0.0.1:"_s + QString::number(nobody));
    ChatWindows windows;
    windows.start = &start;
    client.chat->setWindows(windows);
    client.chat->show();
    start.start(StartWindow::Kind::Join);
    QTRY_COMPARE(start.notice(), u"Could not reach 127.0.0.1: connection refused."_s);
    QVERIFY(start.isVisible() && named(*client.chat, u"NewGame1"_s)->isEnabled()
            && !client.chat->connection().isReconnecting());

    FakeHost host;
    address->setEditText(u"127.0.0.1:"_s + QString::number(host.port()));
    start.start(StartWindow::Kind::Join);
    QTRY_COMPARE(host.connections(), 1);
}

void StartTest::signInReplyCarriesTwoTerminators()
{
    FakeHost host;
    TestClient client(host.port(), {u"Al+Bo"_s, u"127.0.0.1"_s, u"no"_s});
    client.chat->show();
    QTRY_COMPARE(host.connections(), 1);
    // Two messages in one read: handled one per tick, in order.
    host.send("CMD_sendlogininfo+3\xFF"
              "CMD_newplayerinfo+3+Al+Bo\xFF"_ba);
    QTRY_COMPARE(host.received(), peerinfo(3) + "CMD_logininfo+3+1.0.4+Al+Bo\xFF\xFF"_ba);
    QTRY_COMPARE(lastChatLine(*client.chat), u"You are Connected."_s);
    QCOMPARE(seatLabel(*client.chat, "label_playername", 3)->text(), u"Al+Bo"_s);
    // A player done with its answers is marked on the board.
    host.send("CMD_playerdone+3+answers\xFF"_ba);
    QTRY_COMPARE(seatLabel(*client.chat, "label_playername", 3)->text(), u"Al+Bo \u2713"_s);
}

// The token the host gives is kept in the settings file for that host and
// port, and a join by hand after a restart presents it before signing in.
void StartTest::resumeTokenOutlivesTheProgram()
{
    FakeHost host;
    const QByteArray token(32, 'c');
    TestClient first(host.port(), {u"Al"_s, u"127.0.0.1"_s, u"no"_s});
    first.chat->show();
    QTRY_COMPARE(host.connections(), 1);
    host.send("CMD_sendlogininfo+3\xFF"_ba + Protocol::Msg::resumetoken(3, token));
    QTRY_COMPARE(first.chat->connection().resumeToken(), token);
    first.chat.reset();

    TestClient again(host.port(), {u"Al"_s, u"127.0.0.1"_s, u"no"_s});
    again.chat->setSettingsFolder(first.home.path());
    again.chat->show();
    QTRY_COMPARE(host.connections(), 2);
    host.send("CMD_sendlogininfo+5\xFF"_ba, 1);
    QTRY_COMPARE(host.received(1),
                 peerinfo(5) + Protocol::Msg::resume(5, token)
                     + "CMD_logininfo+5+1.0.4+Al\xFF\xFF"_ba);
}

// Hosting ignores the given address: the own connection goes to 127.0.0.1,
// and the lobby connection is opened and held.
void StartTest::hostingConnectsToLoopbackAndLobby()
{
    FakeHost host;
    FakeHost lobby;
    TestClient client(host.port(), {u"Ann"_s, u"192.0.2.7"_s, u"true"_s});
    client.chat->setLobbyPort(lobby.port());
    ChatWindows windows;
    windows.startListening = [](quint16, bool) {
        return QString();
    };
    client.chat->setWindows(windows);
    client.chat->show();
    QCOMPARE(client.chat->connection().hostAddress(), u"127.0.0.1"_s);
    QTRY_COMPARE(host.connections(), 1);
    QTRY_COMPARE(lobby.connections(), 1);
    host.send("CMD_sendlogininfo+1\xFF"_ba);
    QTRY_VERIFY(client.chat->isConnected());
    QCOMPARE(lobby.received(), QByteArray());
    QVERIFY(client.chat->connection().isLobbyOpen());
}

void StartTest::failedListeningDoesNotConnect()
{
    FakeHost host;
    TestClient client(host.port(), {});
    ChatWindows windows;
    windows.startListening = [](quint16, bool) {
        return u"Port 7772 is in use."_s;
    };
    client.chat->setWindows(windows);
    client.chat->show();
    QCOMPARE(lastChatLine(*client.chat), u"Port 7772 is in use."_s);
    QVERIFY(!client.chat->connection().isOpen());
    QVERIFY(!named(*client.chat, u"StartGame1"_s)->isEnabled());
}

void StartTest::hostEndsTheGame_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<QString>("why");
    QTest::newRow("game is full") << false << u"Game is full"_s;
    QTest::newRow("host closed") << true << u"The host has closed the game."_s;
}

// The player reads why in a box; the window goes once the box is read.
void StartTest::hostEndsTheGame()
{
    QFETCH(bool, signedIn);
    QFETCH(QString, why);
    FakeHost host;
    TestClient client(host.port(), {u"Ann"_s, u"127.0.0.1"_s, u"join"_s});
    client.chat->show();
    QStringList toldBeforeClosing;
    connect(client.chat.get(), &Tchat::closed, this, [&] { toldBeforeClosing = client.messages; });
    QTRY_COMPARE(host.connections(), 1);
    // Like a real host: refuse and hang up at once.
    host.send(signedIn ? "CMD_sendlogininfo+2\xFF"_ba : "CMD_full+\xFF"_ba);
    QTRY_COMPARE(client.chat->isConnected(), signedIn);
    // Hung up with the sign-in unread, the host's system would reset the line
    // instead of closing it, and the client would try again.
    QTRY_COMPARE(host.received().contains("CMD_logininfo"), signedIn);
    host.closePeer();
    QTRY_VERIFY(client.closed);
    QCOMPARE(toldBeforeClosing, QStringList {why});
    QVERIFY(!client.chat->isVisible());
    QCOMPARE(lastChatLine(*client.chat) == why, signedIn);
}

QTEST_MAIN(StartTest)
#include "tst_start.moc"
