// Seats, sign-in, presence, relays and the checks on who may send what.
#include "HostHarness.h"

#include "host/CategoryTable.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Protocol::Msg::chat;

class TestConnections : public QObject
{
    Q_OBJECT

private slots:
    void signInAnnouncesPlayers();
    void loginNames_data();
    void loginNames();
    void tenthConnectionIsRefused();
    void waitingConnectionsMakeRoom();
    void freedSeatIsReusedFirst();
    void versionMismatch_data();
    void versionMismatch();
    void kickhim_data();
    void kickhim();
    void justwatch_data();
    void justwatch();
    void relaysKeepTheText_data();
    void relaysKeepTheText();
    void chatRateDropsAFlood_data();
    void chatRateDropsAFlood();
    void senderMustBeTheConnectionsSeat_data();
    void senderMustBeTheConnectionsSeat();
    void seatNumbersOutOfRangeAreDropped_data();
    void seatNumbersOutOfRangeAreDropped();
    void messagesOfAClosedConnectionAreDropped();
    void inputBounds_data();
    void inputBounds();
    void dispatchTakesTurnsByConnection();
    void signInTimeLimit();
    void framingAcrossReads();
    void endlessMessageClosesTheConnection();
    void hostSeatReservedForThisMachine();
    void lateJoinerGetsSnapshot();
    void categoryTable();
    void addtolistRefusesKnownCategories();
};

void TestConnections::signInAnnouncesPlayers()
{
    HostHarness h;
    const int ann = h.server.connectLocal();
    QCOMPARE(ann, 1);
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_sendlogininfo+1")});
    h.deliver(1, Protocol::Msg::logininfo(1, "1.0.4", "Ann"));
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_newplayerinfo+1+Ann")});

    const int unnamed = h.server.connectLocal(); // connected, not signed in yet
    QCOMPARE(unnamed, 2);
    const int bob = h.server.connectLocal();
    QCOMPARE(bob, 3);
    h.forget();
    h.deliver(bob, Protocol::Msg::logininfo(bob, "1.0.4", "Bob Smith+Co"));

    const QByteArray announce = wire("CMD_newplayerinfo+3+Bob Smith+Co");
    QCOMPARE(h.take(1), QList<QByteArray> {announce});
    QCOMPARE(h.take(2), QList<QByteArray> {announce});
    QCOMPARE(h.take(3),
             (QList<QByteArray> {announce, wire("CMD_existingplayers+1+Ann"),
                                 wire("CMD_existingplayers+2+")}));
    QCOMPARE(h.server.seat(3).loginName, QStringLiteral("Bob Smith+Co"));
}

void TestConnections::loginNames_data()
{
    QTest::addColumn<QStringList>("seated");
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("shown");
    const QStringList ann {"Ann"};
    QTest::newRow("kept") << ann << "Bob"
                          << "Bob";
    QTest::newRow("empty") << ann << ""
                           << "Player 2";
    QTest::newRow("blank") << ann << " \t "
                           << "Player 2";
    QTest::newRow("free-seat text") << ann << "<Waiting>"
                                    << "Player 2";
    QTest::newRow("free-seat text, other case, blanks") << ann << " <WAITING>\t"
                                                        << "Player 2";
    QTest::newRow("overlong") << ann << QString(40, u'x') << QString(30, u'x');
    QTest::newRow("taken") << ann << "Ann"
                           << "Ann (2)";
    QTest::newRow("taken twice") << QStringList {"Ann", "Ann"} << "Ann"
                                 << "Ann (3)";
    // The same name as people read it.
    QTest::newRow("other case") << ann << "ann"
                                << "ann (2)";
    QTest::newRow("blanks, soft hyphen") << ann << u"\u00a0A\u00adnn\t"_s << "Ann (2)";
    QTest::newRow("accent") << ann << u"\u00c1nn"_s << u"\u00c1nn (2)"_s;
    QTest::newRow("cleaned") << ann << u" Bo\u0001b \t\u00a0Smith "_s << "Bob Smith";
    // The ending is the host's to give.
    QTest::newRow("typed ending, taken") << ann << "ANN (2)"
                                         << "ANN (2)";
    QTest::newRow("typed ending, free") << ann << "Bob (7) (2)"
                                        << "Bob";
    QTest::newRow("taken, overlong")
        << QStringList {QString(30, u'x')} << QString(40, u'x') << QString(26, u'x') + " (2)";
}

void TestConnections::loginNames()
{
    QFETCH(QStringList, seated);
    QFETCH(QString, requested);
    QFETCH(QString, shown);
    HostHarness h;
    for (const QString &name : seated)
        h.join(name);
    h.forget();
    const int seat = h.server.connectLocal();
    h.deliver(seat, Protocol::Msg::logininfo(seat, "1.0.4", requested));
    QCOMPARE(h.server.seat(seat).loginName, shown);
    QCOMPARE(h.take(1), QList<QByteArray> {Protocol::Msg::newplayerinfo(seat, shown)});
    // A name is set once.
    QSignalSpy ignored(&h.server, &TServer::messageIgnored);
    h.forget();
    h.deliver(seat, Protocol::Msg::logininfo(seat, "1.0.4", "Zed"));
    QCOMPARE(h.server.seat(seat).loginName, shown);
    QVERIFY(h.sent.isEmpty());
    QCOMPARE(ignored.size(), 1);
}

void TestConnections::tenthConnectionIsRefused()
{
    HostHarness h;
    QSignalSpy refused(&h.server, &TServer::connectionRefused);
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(h.join(QStringLiteral("P%1").arg(n)), n);
    h.forget();
    QCOMPARE(h.server.connectLocal(), 0);
    QCOMPARE(h.take(10), QList<QByteArray> {wire("CMD_full+")});
    QVERIFY(h.sent.isEmpty());
    QCOMPARE(h.server.highestSeatUsed(), 9);
    QVERIFY(!h.server.seat(10).inUse);
    QCOMPARE(refused.count(), 1);

    h.server.disconnectsock(9); // the spectator leaves: room again
    QCOMPARE(h.server.connectLocal(), 9);
}

void TestConnections::waitingConnectionsMakeRoom()
{
    HostHarness h;
    QSignalSpy forced(&h.server, &TServer::connectionForced);
    h.server.connectLocal(); // the hosting program's own client may take its time
    for (const char *address : {"10.0.0.2", "10.0.0.2", "10.0.0.66", "10.0.0.66", "10.0.0.66",
                                "10.0.0.66", "10.0.0.66", "10.0.0.66"})
        h.server.connectLocal(false, QString::fromLatin1(address));
    // Newcomers who sign in at once take the seats of those that wait, the
    // oldest of the address with the most waiting first, until none is left.
    QList<int> seats;
    for (int seat = h.server.connectLocal(false); seat != 0; seat = h.server.connectLocal(false)) {
        h.deliver(seat, Protocol::Msg::logininfo(seat, "1.0.4", "Newcomer"));
        seats.append(seat);
    }
    QCOMPARE(seats, (QList<int> {4, 5, 6, 7, 2, 8, 3, 9}));
    QCOMPARE(forced.size(), 8);
    QCOMPARE(forced.first().at(1).toString(), QStringLiteral("10.0.0.66"));
    QVERIFY(h.server.connection(1) && !h.server.seat(1).signedIn);
}

void TestConnections::freedSeatIsReusedFirst()
{
    HostHarness h;
    for (const char *name : {"A", "B", "C", "D", "E"})
        h.join(QString::fromLatin1(name));
    h.forget();
    QSignalSpy left(&h.server, &TServer::playerLeft);
    h.server.disconnectsock(3);
    QCOMPARE(left.count(), 1);
    for (int seat : {1, 2, 4, 5})
        QCOMPARE(h.take(seat), QList<QByteArray> {wire("CMD_playerdisconnected+3+C")});
    QVERIFY(h.take(3).isEmpty());
    QVERIFY(!h.server.seat(3).inUse);
    QVERIFY(h.server.seat(3).loginName.isEmpty());

    QCOMPARE(h.server.connectLocal(), 3);
    QCOMPARE(h.server.connectLocal(), 6);
    QCOMPARE(h.server.highestSeatUsed(), 6);
}

void TestConnections::versionMismatch_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("warned");
    QTest::newRow("same") << "1.0.4" << false;
    QTest::newRow("older") << "1.0.3" << true;
    QTest::newRow("trailing blank") << "1.0.4 " << true;
    QTest::newRow("empty") << "" << true;
}

void TestConnections::versionMismatch()
{
    QFETCH(QString, version);
    QFETCH(bool, warned);
    HostHarness h;
    h.join("Host");
    h.forget();
    const int seat = h.join("Zed", version);
    QCOMPARE(seat, 2);
    QVERIFY(h.server.seat(2).inUse);
    QCOMPARE(h.sentTo(2, "CMD_newplayerinfo+2+Zed").size(), 1); // seated and announced
    QCOMPARE(h.sentTo(1, "CMD_havewrongversion").size(), warned ? 1 : 0);
    QCOMPARE(h.sentTo(2, "CMD_wrongversion").size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(h.sentTo(1, "CMD_havewrongversion"),
                 QList<QByteArray> {wire("CMD_havewrongversion+Zed")});
        QCOMPARE(h.sentTo(2, "CMD_wrongversion"), QList<QByteArray> {wire("CMD_wrongversion+")});
    }
}

void TestConnections::kickhim_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("removed");
    QTest::newRow("host player") << 1 << wire("CMD_kickhim+1+3+") << true;
    QTest::newRow("other player") << 2 << wire("CMD_kickhim+2+3+") << false;
    QTest::newRow("other player naming seat 1") << 2 << wire("CMD_kickhim+1+3+") << false;
    QTest::newRow("host player naming seat 2") << 1 << wire("CMD_kickhim+2+3+") << false;
    QTest::newRow("target no number") << 1 << wire("CMD_kickhim+1+x+") << false;
    QTest::newRow("target outside table") << 1 << wire("CMD_kickhim+1+12+") << false;
    QTest::newRow("target huge") << 1 << wire("CMD_kickhim+1+99999999999+") << false;
}

void TestConnections::kickhim()
{
    QFETCH(int, connection);
    QFETCH(QByteArray, message);
    QFETCH(bool, removed);
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.joinOurs("Cy");
    h.forget();
    h.deliver(connection, message);
    QCOMPARE(!h.server.seat(3).inUse, removed);
    const QList<QByteArray> expected
        = removed ? QList<QByteArray> {wire("CMD_playerdisconnected+3+Cy")} : QList<QByteArray> {};
    QCOMPARE(h.take(1), expected);
    QCOMPARE(h.take(2), expected);
    // The removed player only hears why its connection closes.
    QCOMPARE(h.take(3), removed ? QList<QByteArray> {wire("CMD_removed+")} : QList<QByteArray> {});
}

void TestConnections::justwatch_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("gameRunning");
    QTest::addColumn<QByteArray>("relay");
    QTest::addColumn<bool>("watching");
    QTest::newRow("own seat, game running")
        << 2 << wire("CMD_justwatch+2+1") << true << wire("CMD_justwatching+2+1") << true;
    QTest::newRow("own seat, no game")
        << 2 << wire("CMD_justwatch+2+1") << false << QByteArray() << false;
    QTest::newRow("host sets another seat")
        << 1 << wire("CMD_justwatch+2+1") << true << wire("CMD_justwatching+2+1") << true;
    QTest::newRow("player sets another seat")
        << 3 << wire("CMD_justwatch+2+1") << true << QByteArray() << false;
    QTest::newRow("playing again, no game")
        << 2 << wire("CMD_justwatch+2+2") << false << wire("CMD_justwatching+2+2") << false;
    QTest::newRow("other text") << 2 << wire("CMD_justwatch+2+3") << true << QByteArray() << false;
    QTest::newRow("spectator seat")
        << 1 << wire("CMD_justwatch+9+1") << true << QByteArray() << false;
    QTest::newRow("seat 0") << 1 << wire("CMD_justwatch+0+1") << true << QByteArray() << false;
}

void TestConnections::justwatch()
{
    QFETCH(int, connection);
    QFETCH(QByteArray, message);
    QFETCH(bool, gameRunning);
    QFETCH(QByteArray, relay);
    QFETCH(bool, watching);
    HostHarness h;
    for (const char *name : {"Host", "Bea", "Cy"})
        h.join(QString::fromLatin1(name));
    if (gameRunning)
        h.startGame(3, 60, "1", "1");
    h.forget();
    h.deliver(connection, message);
    QCOMPARE(h.server.seat(2).watching, watching);
    const QList<QByteArray> expected
        = relay.isEmpty() ? QList<QByteArray> {} : QList<QByteArray> {relay};
    for (int seat = 1; seat <= 3; ++seat)
        QCOMPARE(h.take(seat), expected);
}

void TestConnections::relaysKeepTheText_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("relay");
    QTest::newRow("chat") << chat(2, "1+1=2, ok?", "clBlack")
                          << wire("CMD_chat+2+Bea chats: 1+1=2, ok?|clBlack");
    QTest::newRow("chat bar in text")
        << chat(2, "a|b", "$00FF0000") << wire("CMD_chat+2+Bea chats: a|b|$00FF0000");
    QTest::newRow("action") << Protocol::Msg::action(2, "waves + smiles", "clRed")
                            << wire("CMD_action+2+Bea waves + smiles|clRed");
    QTest::newRow("sound") << Protocol::Msg::playasound(2, 4) << wire("CMD_playasound+2+wave4+");
    QTest::newRow("latin-1 text") << chat(2, QString::fromUtf8("caf\u00e9"), "clBlack")
                                  << wire("CMD_chat+2+Bea chats: caf\xe9|clBlack");
    // One line is cut to 500 characters of text; its colour stays.
    const QByteArray x500(500, 'x');
    QTest::newRow("long chat") << chat(2, QString(60000, u'x'), "clRed")
                               << wire("CMD_chat+2+Bea chats: " + x500 + "|clRed");
    QTest::newRow("long action") << Protocol::Msg::action(2, QString(501, u'x'), "clRed")
                                 << wire("CMD_action+2+Bea " + x500 + "|clRed");
    QTest::newRow("long chat without colour")
        << wire("CMD_chat+2+" + QByteArray(9000, 'x')) << wire("CMD_chat+2+Bea chats: " + x500);
    QTest::newRow("long sound") << wire("CMD_playasound+2+wave1" + QByteArray(9000, '+'))
                                << wire("CMD_playasound+2+wave1" + QByteArray(495, '+'));
    QTest::newRow("padded colour")
        << chat(2, "hi", QString(50, u' ') + "$000000FF") << wire("CMD_chat+2+Bea chats: hi|clRed");
    QTest::newRow("long unreadable colour")
        << chat(2, "hi", QString(50, u'y')) << wire("CMD_chat+2+Bea chats: hi|");
}

void TestConnections::relaysKeepTheText()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, relay);
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.server.connectLocal(); // not signed in: still receives broadcasts
    h.forget();
    h.deliver(2, message);
    for (int seat = 1; seat <= 3; ++seat)
        QCOMPARE(h.take(seat), QList<QByteArray> {relay});
}

void TestConnections::chatRateDropsAFlood_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("ours");
    QTest::newRow("chat, our client") << chat(2, "hi", "clBlack") << true;
    QTest::newRow("action, our client") << Protocol::Msg::action(2, "hi", "clBlack") << true;
    QTest::newRow("sound, first protocol") << Protocol::Msg::playasound(2, 3) << false;
}

void TestConnections::chatRateDropsAFlood()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, ours);
    HostHarness h;
    h.join("Host");
    QCOMPARE(ours ? h.joinOurs("Bea") : h.join("Bea"), 2);
    h.forget();
    const QByteArray relay = line.left(line.indexOf('+') + 1);
    // Per wave: the time it starts, the lines sent at once, those relayed, the
    // notices to the sender (at most one every 10 seconds, to our clients).
    const struct
    {
        qint64 atMs;
        int sent;
        int relayed;
        int notices;
    } waves[] = {{0, 12, 10, 1}, {200, 3, 1, 0}, {9999, 20, 10, 0}, {20000, 12, 10, 1}};
    for (const auto &wave : waves) {
        h.nowMs = wave.atMs;
        h.deliver(2, line.repeated(wave.sent));
        QCOMPARE(h.sentTo(1, relay).size(), wave.relayed);
        QCOMPARE(h.sentTo(2, relay).size(), wave.relayed);
        QCOMPARE(h.sentTo(2, "CMD_notice+").size(), ours ? wave.notices : 0);
        QCOMPARE(h.sentTo(1, "CMD_notice+").size(), 0);
        h.forget();
    }
    QVERIFY(h.server.seat(2).inUse); // dropped lines, not a dropped player
}

void TestConnections::senderMustBeTheConnectionsSeat_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("logininfo") << Protocol::Msg::logininfo(3, "1.0.4", "Impostor");
    QTest::newRow("chat") << chat(3, "hi", "clBlack");
    QTest::newRow("action") << Protocol::Msg::action(3, "hi", "clBlack");
    QTest::newRow("playasound") << Protocol::Msg::playasound(3, 1);
    QTest::newRow("myanswers") << Protocol::Msg::myanswers(3, {"Apple"});
    QTest::newRow("votefor") << Protocol::Msg::votefor(3, 1);
    QTest::newRow("voteagainst") << Protocol::Msg::voteagainst(3, 1);
    QTest::newRow("kickhim") << Protocol::Msg::kickhim(1, 3);
    QTest::newRow("startgame") << Protocol::Msg::startgame("Bea", 3, 60, "1", "1");
    QTest::newRow("justwatch other seat") << Protocol::Msg::justwatch(3, false);
}

void TestConnections::senderMustBeTheConnectionsSeat()
{
    QFETCH(QByteArray, message);
    HostHarness h;
    for (const char *name : {"Host", "Bea", "Cy"})
        h.join(QString::fromLatin1(name));
    h.startGame(3, 60, "0", "1");
    h.answer(1, {"Ant"});
    h.answer(3, {"Asp"});
    h.tickUntil(1, "CMD_showcat");
    h.forget();

    h.deliver(2, message); // seat 2's connection speaks for seat 3 (or for the host)
    QVERIFY2(h.sent.isEmpty(), "a message naming another sender was acted on");
    QCOMPARE(h.server.seat(3).loginName, QStringLiteral("Cy"));
    QCOMPARE(h.server.seat(3).answers[1], QStringLiteral("Asp"));
    QCOMPARE(h.server.seat(1).votesFor[1], 0);
    QCOMPARE(h.server.seat(1).votesAgainst[1], 0);
    QCOMPARE(h.server.roundNumber(), 1);

    // The same message from the named seat's own connection is acted on.
    if (!message.startsWith("CMD_kickhim") && !message.startsWith("CMD_startgame")
        && !message.startsWith("CMD_myanswers") && !message.startsWith("CMD_vote")
        && !message.startsWith("CMD_logininfo")) { // signed in already
        h.deliver(3, message);
        QVERIFY(!h.sent.isEmpty());
    }
}

void TestConnections::seatNumbersOutOfRangeAreDropped_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("chat seat 0") << wire("CMD_chat+0+hi|clBlack");
    QTest::newRow("chat seat 12") << wire("CMD_chat+12+hi|clBlack");
    QTest::newRow("chat seat -1") << wire("CMD_chat+-1+hi|clBlack");
    QTest::newRow("chat seat too big for int") << wire("CMD_chat+4294967297+hi|clBlack");
    QTest::newRow("action no number") << wire("CMD_action+x+hi|clBlack");
    QTest::newRow("sound seat 99") << wire("CMD_playasound+99+wave1+");
    QTest::newRow("login seat 40") << wire("CMD_logininfo+40+1.0.4+Far");
    QTest::newRow("kick requesting huge") << wire("CMD_kickhim+99999999999999999999+2+");
    QTest::newRow("lower-case command") << wire("cmd_chat+1+hi|clBlack");
}

void TestConnections::seatNumbersOutOfRangeAreDropped()
{
    QFETCH(QByteArray, message);
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.forget();
    h.server.dispatch({QString::fromLatin1(message.chopped(1)), 0}); // even when trusted
    h.deliver(1, message);
    QVERIFY(h.sent.isEmpty());
    QVERIFY(h.server.seat(2).inUse);
}

void TestConnections::messagesOfAClosedConnectionAreDropped()
{
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    const quint64 departed = h.server.connection(2)->id;
    h.server.receive(2, chat(2, "bye", "clBlack") + Protocol::Msg::logininfo(2, "1.0.4", "Ghost"));
    QCOMPARE(h.server.queuedMessages(), 2);
    h.server.disconnectsock(2);
    QCOMPARE(h.server.queuedMessages(), 0); // forgotten at once, no tick spent on them
    QCOMPARE(h.server.connectLocal(), 2);
    h.forget();
    h.server.dispatch({QStringLiteral("CMD_chat+2+late|clBlack"), 2, departed});
    h.drain();
    QVERIFY(h.sent.isEmpty()); // nothing said in the newcomer's name
    QVERIFY(h.server.seat(2).loginName.isEmpty());
}

void TestConnections::inputBounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("queued");
    QTest::addColumn<bool>("closed");
    const QByteArray line = chat(2, QString(60 * 1024, u'x'), "clBlack");
    const QByteArray shortLine = chat(2, "hi", "clBlack");
    QTest::newRow("bare terminators") << QByteArray(100000, char(0xFF)) << 0 << false;
    QTest::newRow("256 messages") << shortLine.repeated(256) << 256 << false;
    QTest::newRow("257 messages") << shortLine.repeated(257) << 0 << true;
    QTest::newRow("four long lines") << line.repeated(4) << 4 << false;
    QTest::newRow("five long lines") << line.repeated(5) << 0 << true;
}

void TestConnections::inputBounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, queued);
    QFETCH(bool, closed);
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.forget();
    QSignalSpy forced(&h.server, &TServer::connectionForced);
    h.server.receive(2, bytes);
    QCOMPARE(h.server.queuedMessages(), queued);
    QCOMPARE(h.server.seat(2).inUse, !closed);
    QCOMPARE(forced.size(), closed ? 1 : 0);
    if (closed)
        QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_playerdisconnected+2+Bea")});
}

void TestConnections::dispatchTakesTurnsByConnection()
{
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.join("Cy");
    h.forget();
    h.server.receive(
        2, chat(2, "one", "clBlack") + chat(2, "two", "clBlack") + chat(2, "three", "clBlack"));
    h.server.receive(3, chat(3, "hi", "clBlack"));
    h.drain();
    QCOMPARE(h.take(1),
             (QList<QByteArray> {wire("CMD_chat+2+Bea chats: one|clBlack"),
                                 wire("CMD_chat+3+Cy chats: hi|clBlack"),
                                 wire("CMD_chat+2+Bea chats: two|clBlack"),
                                 wire("CMD_chat+2+Bea chats: three|clBlack")}));
}

void TestConnections::signInTimeLimit()
{
    HostHarness h; // seat 1 kept for the hosting program's own client
    QCOMPARE(h.server.connectLocal(true), 1);
    QCOMPARE(h.join("Bea"), 2); // signed in, then quiet for good
    QCOMPARE(h.server.connectLocal(false), 3);
    QCOMPARE(h.server.connectLocal(true), 4); // another program on this machine
    QSignalSpy forced(&h.server, &TServer::connectionForced);
    for (int second = 1; second < TServer::SignInSeconds; ++second)
        h.server.signInTimerTimer();
    QCOMPARE(forced.size(), 0);
    h.server.signInTimerTimer();
    QCOMPARE(forced.size(), 2);
    const QList<bool> inUse {h.server.seat(1).inUse, h.server.seat(2).inUse, h.server.seat(3).inUse,
                             h.server.seat(4).inUse};
    QCOMPARE(inUse, (QList<bool> {true, true, false, false}));
    QVERIFY(!h.server.signInTimerRunning());
}

void TestConnections::framingAcrossReads()
{
    HostHarness h;
    h.join("Host");
    h.forget();
    QVERIFY(!h.server.dispatchTimerRunning()); // nothing queued: the host sleeps
    const QByteArray two = chat(1, "one", "clBlack") + chat(1, "two", "clBlack");
    h.server.receive(1, two.left(5));
    QVERIFY(!h.server.dispatchTimerRunning());
    h.server.receive(1, two.mid(5, 20));
    QCOMPARE(h.server.queuedMessages(), 1);
    QVERIFY(h.server.dispatchTimerRunning());
    h.server.receive(1, two.mid(25));
    QCOMPARE(h.server.queuedMessages(), 2);
    h.server.socktimerTimer(); // one message per tick
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_chat+1+Host chats: one|clBlack")});
    QVERIFY(h.server.dispatchTimerRunning());
    h.server.socktimerTimer();
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_chat+1+Host chats: two|clBlack")});
    QVERIFY(!h.server.dispatchTimerRunning());
}

void TestConnections::endlessMessageClosesTheConnection()
{
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.forget();
    const QByteArray chunk(32 * 1024, 'x');
    h.server.receive(2, chunk);
    QVERIFY(h.server.seat(2).inUse);
    h.server.receive(2, chunk + "x");
    QVERIFY(!h.server.seat(2).inUse);
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_playerdisconnected+2+Bea")});
    QCOMPARE(h.server.queuedMessages(), 0);
}

void TestConnections::hostSeatReservedForThisMachine()
{
    HostHarness gui(7, true);
    QCOMPARE(gui.server.connectLocal(false), 2); // a remote player never gets seat 1
    QCOMPARE(gui.server.connectLocal(true), 1);
    QCOMPARE(gui.server.connectLocal(false), 3);
    for (int seat = 4; seat <= 9; ++seat)
        QCOMPARE(gui.server.connectLocal(false), seat);
    for (int seat = 2; seat <= 9; ++seat) // signed in, so none gives way
        gui.deliver(seat, Protocol::Msg::logininfo(seat, "1.0.4", QStringLiteral("P%1").arg(seat)));
    gui.server.disconnectsock(1);
    QCOMPARE(gui.server.connectLocal(false), 0); // full, seat 1 stays kept

    HostHarness alone(7, false);
    QCOMPARE(alone.server.connectLocal(false), 1);
    QCOMPARE(alone.server.connectLocal(true), 2);
}

void TestConnections::lateJoinerGetsSnapshot()
{
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.startGame(4, 45, "0", "1");
    h.answer(1, {"Ant", "Axe"});
    h.answer(2, {"Asp", ""});
    QVERIFY(h.tickUntil(1, "CMD_showcat+1"));
    h.deliver(2, Protocol::Msg::votefor(2, 1));
    QVERIFY(h.tickUntil(1, "CMD_postscores"));
    h.server.timer1Timer();
    h.forget();

    h.join("Late");
    const QStringList cats = h.server.roundCategories();
    QByteArray expected
        = "CMD_gamestats+3+2+4+1+45+4+" + QByteArray::number(h.server.letterIndex()) + "+0";
    for (int n = 1; n <= 8; ++n)
        expected
            += "+s+" + QByteArray::number(n) + "+" + QByteArray::number(h.server.seat(n).gameScore);
    for (int n = 1; n <= 8; ++n)
        expected += "+c+" + QByteArray::number(n) + "+" + cats[n - 1].toLatin1();
    QCOMPARE(h.sentTo(3, "CMD_gamestats"), QList<QByteArray> {wire(expected)});
    QCOMPARE(h.server.seat(1).gameScore, 1); // its answer took the one vote
    QCOMPARE(h.server.seat(2).gameScore, 1); // voted for the top answer
}

void TestConnections::categoryTable()
{
    const QStringList &all = CategoryTable::builtIn();
    QCOMPARE(all.size(), 369);
    QCOMPARE(all.first(), QStringLiteral("Vegetable"));
    QCOMPARE(all.at(34), QStringLiteral("Tv Show"));
    QCOMPARE(all.last(), QStringLiteral("Courthouse reference"));
    const QList<int> blankEnded
        = {215, 216, 217, 218, 224, 239, 242, 243, 244, 250, 256, 260, 270, 274,
           276, 294, 306, 307, 308, 309, 310, 311, 313, 314, 315, 316, 317, 318,
           319, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332};
    for (int n = 1; n <= all.size(); ++n) {
        const QString &entry = all.at(n - 1);
        QVERIFY2(!entry.isEmpty() && !entry.startsWith(u' '), qPrintable(entry));
        QCOMPARE(entry.endsWith(u' '), blankEnded.contains(n));
        QVERIFY(!entry.endsWith(QLatin1String("  ")));
    }
    QCOMPARE(all.at(243), QStringLiteral("Desserts "));
    QCOMPARE(all.at(329), QStringLiteral("Desserts "));
    QCOMPARE(all.count(QStringLiteral("Footwear")), 2);
    QCOMPARE(all.count(QStringLiteral("Tv Show")), 2);
    QCOMPARE(all.count(QStringLiteral("Animal Noises")), 1);
    QCOMPARE(all.count(QStringLiteral("Animal noises")), 1);
}

void TestConnections::addtolistRefusesKnownCategories()
{
    HostHarness h;
    QVERIFY(!h.server.addtolist(QStringLiteral("VEGETABLE")));
    QVERIFY(!h.server.addtolist(QStringLiteral("desserts ")));
    QVERIFY(h.server.addtolist(QStringLiteral("Desserts"))); // differs by the blank
    QVERIFY(h.server.addtolist(QStringLiteral("Card Trick")));
    QVERIFY(!h.server.addtolist(QStringLiteral("card trick")));
    QCOMPARE(h.server.categoryTable().size(), 371);
    QCOMPARE(h.server.categoryTable().all().last(), QStringLiteral("Card Trick"));
}

QTEST_GUILESS_MAIN(TestConnections)
#include "tst_connections.moc"
