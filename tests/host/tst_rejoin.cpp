// The lead on a stand-alone host and seats kept for players who drop out.
#include "HostHarness.h"

#include <QtTest>

#include <optional>
#include <tuple>

using Protocol::Msg::logininfo;
using namespace Qt::StringLiterals;

class TestRejoin : public QObject
{
    Q_OBJECT

private slots:
    void leadPassesToTheLowestSeat();
    void hostingProgramKeepsTheLead();
    void computersNeverLead();
    void droppedPlayerGetsTheSeatBack();
    void renamedPlayerComesBackUnderItsTypedName();
    void removedPlayerStaysOut_data();
    void removedPlayerStaysOut();
    void whoGetsTheSeatBack_data();
    void whoGetsTheSeatBack();
    void returnDuringTheVote();
    void keptSeatEnds_data();
    void keptSeatEnds();
    void draftStandsInForAnswers_data();
    void draftStandsInForAnswers();
    void additionsReachAnnouncedPeersOnly_data();
    void additionsReachAnnouncedPeersOnly();
    void everyPlayerIsOurs();

private:
    // Host (a client of ours), Bea and Cid in a game whose first category
    // scored: Bea has a point.
    static void startScoredGame(HostHarness &h, const QString &beasAddress = {})
    {
        h.joinOurs("Host");
        if (beasAddress.isEmpty()) {
            h.join("Bea");
        } else { // a client of ours from that address
            const int bea = h.server.connectLocal(false, beasAddress);
            h.deliver(bea,
                      Protocol::Msg::peerinfo(bea, Protocol::PeerKind::Person,
                                              Protocol::ourCapabilities())
                          + logininfo(bea, "1.0.4", "Bea"));
        }
        h.join("Cid");
        h.startGame(3, 30, "1", "1");
        h.answer(2, {"Bat", "Bee"});
        QVERIFY(h.tickUntil(2, "CMD_postscores"));
        QCOMPARE(h.server.seat(2).gameScore, 1);
        h.forget();
    }

    // Signs a player in again after a drop, as a client does: on the first
    // free seat, then on the kept seat the host moves it to. It says what it
    // understands when it has words.
    static void comeBack(HostHarness &h, const QString &name, int kept,
                         const std::optional<QStringList> &words)
    {
        for (const int seat : {h.server.connectLocal(), kept}) {
            const QByteArray said = words
                ? Protocol::Msg::peerinfo(seat, Protocol::PeerKind::Person, *words)
                : QByteArray();
            h.deliver(seat, said + logininfo(seat, "1.0.4", name));
        }
    }
};

void TestRejoin::leadPassesToTheLowestSeat()
{
    HostHarness h(7, false);
    QSignalSpy changes(&h.server, &TServer::leadChanged);
    h.joinOurs("Ann");
    h.joinOurs("Bob");
    h.joinOurs("Cid");
    QCOMPARE(h.server.leadSeat(), 1);
    QCOMPARE(changes.size(), 0); // every client takes seat 1 for the leader
    h.startGame(2, 30, "1", "1");
    h.forget();
    h.server.disconnectsock(1);
    QCOMPARE(h.sentTo(3, "CMD_leads"), QList<QByteArray> {wire("CMD_leads+2+Bob")});
    QCOMPARE(h.server.leadSeat(), 2);
    QVERIFY(h.tickUntil(2, "CMD_endround")); // the game goes on without its starter
    QCOMPARE(h.join("Eve", "0.9", Protocol::ourCapabilities()), 4);
    QCOMPARE(h.sentTo(2, "CMD_havewrongversion+Eve").size(), 1); // the leader hears of it

    h.deliver(3, Protocol::Msg::kickhim(3, 2)); // not the leader: ignored
    h.deliver(1, Protocol::Msg::kickhim(1, 3)); // seat 1 is gone
    QVERIFY(h.server.seat(3).inUse);
    h.deliver(2, Protocol::Msg::startgame("Bob", 1, 30, "1", "1"));
    QCOMPARE(h.sentTo(3, "CMD_startgame+Bob").size(), 1);
    h.deliver(2, Protocol::Msg::kickhim(2, 3));
    QVERIFY(!h.server.seat(3).inUse);
    QVERIFY(h.server.seat(3).keptFor.isEmpty()); // removed: no way back

    // A newcomer on seat 1 does not take the lead; it hears who leads as soon
    // as it said it understands, before it is seated.
    h.forget();
    QCOMPARE(h.joinOurs("Dee"), 1);
    QCOMPARE(h.sentTo(2, "CMD_leads").size(), 0);
    QCOMPARE(h.take(1).mid(0, 2),
             (QList<QByteArray> {wire("CMD_sendlogininfo+1"), wire("CMD_leads+2+Bob")}));
    QCOMPARE(h.server.leadSeat(), 2);
    QCOMPARE(changes.size(), 1);
    h.server.disconnectsock(2);
    QCOMPARE(h.sentTo(4, "CMD_leads"), QList<QByteArray> {wire("CMD_leads+1+Dee")});
}

void TestRejoin::hostingProgramKeepsTheLead()
{
    HostHarness h;
    h.joinOurs("Host");
    h.joinOurs("Bea");
    h.joinOurs("Cid");
    h.server.disconnectsock(1);
    h.deliver(2, Protocol::Msg::startgame("Bea", 1, 30, "1", "1"));
    QVERIFY(!h.server.gameRunning());
    QCOMPARE(h.sentTo(2, "CMD_leads").size(), 0);
}

void TestRejoin::computersNeverLead()
{
    HostHarness h(7, false);
    QCOMPARE(h.join("Bot1"), 1); // says what it is only after signing in
    h.deliver(1, Protocol::Msg::peerinfo(1, Protocol::PeerKind::Computer, {}));
    h.joinComputer("Bot2");
    QCOMPARE(h.server.leadSeat(), 0); // computer players alone: nobody leads
    QCOMPARE(h.join("Ann"), 3); // a peer that says nothing is a person
    QCOMPARE(h.sentTo(2, "CMD_leads"), QList<QByteArray> {wire("CMD_leads+3+Ann")});
    h.joinOurs("Bob");
    h.server.disconnectsock(3);
    QCOMPARE(h.server.leadSeat(), 4); // past the computers' lower seats
}

void TestRejoin::droppedPlayerGetsTheSeatBack()
{
    HostHarness h;
    startScoredGame(h);
    const QString answer = h.server.seat(2).answers[1];
    h.server.disconnectsock(2);
    QCOMPARE(h.server.seat(2).keptFor, QStringLiteral("Bea"));

    QCOMPARE(h.join("Dan"), 4); // another name: another seat
    const int landing = h.server.connectLocal();
    QCOMPARE(landing, 5);
    h.forget();
    h.deliver(landing, logininfo(landing, "1.0.4", "Bea"));
    QCOMPARE(h.take(2), QList<QByteArray> {wire("CMD_sendlogininfo+2")});
    QVERIFY(!h.server.seat(landing).inUse);
    QVERIFY(h.sent.isEmpty()); // nobody hears of the seat it came in on

    h.deliver(2, logininfo(2, "1.0.4", "Bea"));
    const QList<QByteArray> own = h.take(2);
    QCOMPARE(own.first(), wire("CMD_newplayerinfo+2+Bea"));
    QVERIFY(own.last().startsWith("CMD_gamestats+2+"));
    QVERIFY(own.last().contains("+s+2+1+"));
    // Clients that do not know returns see the name arrive again.
    QCOMPARE(h.take(1), QList<QByteArray> {wire("CMD_playerback+2+Bea")});
    QCOMPARE(h.take(3), QList<QByteArray> {wire("CMD_newplayerinfo+2+Bea")});
    QCOMPARE(h.server.seat(2).gameScore, 1);
    QCOMPARE(h.server.seat(2).answers[1], answer);
    QVERIFY(h.server.seat(2).keptFor.isEmpty());
}

void TestRejoin::renamedPlayerComesBackUnderItsTypedName()
{
    HostHarness h;
    startScoredGame(h);
    QCOMPARE(h.join("Cid"), 4);
    h.server.disconnectsock(4);
    QCOMPARE(h.server.seat(4).keptFor, QStringLiteral("Cid (2)"));
    const int landing = h.server.connectLocal();
    h.deliver(landing, logininfo(landing, "1.0.4", "Cid"));
    h.deliver(4, logininfo(4, "1.0.4", "Cid"));
    QVERIFY(h.server.seat(4).signedIn);
    QCOMPARE(h.server.seat(4).loginName, QStringLiteral("Cid (2)"));
    QCOMPARE(h.server.seat(3).loginName, QStringLiteral("Cid"));
}

void TestRejoin::whoGetsTheSeatBack_data()
{
    QTest::addColumn<QString>("how"); // Bea "drops", stays ("held") or is "removed"
    QTest::addColumn<bool>("full"); // no other seat is free
    QTest::addColumn<QString>("token"); // presented: "own" for Bea's
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("becomes"); // the newcomer's name; "" when turned away
    const QString bea = "10.0.0.2";
    const QString other = "10.9.9.9";
    QTest::newRow("token, kept, anywhere") << "drops" << false << "own" << other << "x"
                                           << "Bea";
    QTest::newRow("token, still held") << "held" << false << "own" << other << "x"
                                       << "Bea";
    QTest::newRow("token, full table") << "drops" << true << "own" << other << "Bea"
                                       << "Bea";
    QTest::newRow("name, same address") << "drops" << false << "" << bea << "bea"
                                        << "Bea";
    QTest::newRow("name, still held") << "held" << false << "" << bea << "Bea"
                                      << "Bea (2)";
    QTest::newRow("name, other address") << "drops" << false << "" << other << "Bea"
                                         << "Bea (2)";
    QTest::newRow("name, other address, full") << "drops" << true << "" << other << "Bea"
                                               << "";
    QTest::newRow("wrong token") << "drops" << false << QString(32, u'0') << other << "Bea"
                                 << "Bea (2)";
    QTest::newRow("removed: token void") << "removed" << false << "own" << other << "Bex"
                                         << "Bex";
}

void TestRejoin::whoGetsTheSeatBack()
{
    QFETCH(QString, how);
    QFETCH(QString, token);
    QFETCH(QString, address);
    QFETCH(QString, name);
    HostHarness h;
    startScoredGame(h, "10.0.0.2");
    const QString issued = h.server.seat(2).resumeToken;
    QCOMPARE(issued.size(), 32); // 128 bits in hexadecimal
    const quint64 held = h.server.connection(2)->id;
    if (how == "drops")
        h.server.disconnectsock(2);
    else if (how == "removed")
        h.deliver(1, Protocol::Msg::kickhim(1, 2));
    QFETCH(bool, full);
    for (int seat = 4; full && seat <= 9; ++seat)
        h.join(QStringLiteral("P%1").arg(seat));

    QSignalSpy forced(&h.server, &TServer::connectionForced);
    QSignalSpy moved(&h.server, &TServer::connectionMoved);
    const auto signIn = [&](int seat) {
        const QString presented = token == "own" ? issued : token;
        h.deliver(
            seat,
            Protocol::Msg::peerinfo(seat, Protocol::PeerKind::Person, Protocol::ourCapabilities())
                + (presented.isEmpty() ? QByteArray() : Protocol::Msg::resume(seat, presented))
                + logininfo(seat, "1.0.4", name));
    };
    int seat = h.server.connectLocal(false, address);
    signIn(seat);
    if (!moved.isEmpty())
        signIn(seat = moved.first().at(1).toInt());

    QFETCH(QString, becomes);
    QCOMPARE(h.server.seat(seat).loginName, becomes);
    if (becomes == "Bea") { // back with its score, its old connection closed
        QCOMPARE(seat, 2);
        QCOMPARE(h.server.seat(2).gameScore, 1);
        QVERIFY(h.server.connection(2)->id != held);
        QCOMPARE(forced.size(), how == "held" ? 1 : 0);
        QCOMPARE(h.sentTo(2, "CMD_resumetoken+2+").size(), 1); // a new one
        QVERIFY(h.server.seat(2).resumeToken != issued);
    } else if (how != "removed") { // the seat stays Bea's
        QCOMPARE(h.server.seat(2).keptFor, how == "drops" ? "Bea" : "");
        QCOMPARE(h.server.seat(2).gameScore, 1);
        QCOMPARE(h.server.connection(2) && h.server.connection(2)->id == held, how == "held");
        QCOMPARE(h.sentTo(seat, "CMD_full").size(), becomes.isEmpty() ? 1 : 0);
    }
}

void TestRejoin::returnDuringTheVote()
{
    HostHarness h;
    startScoredGame(h);
    QVERIFY(h.tickUntil(1, "CMD_showcat+2+"));
    const QList<QByteArray> onShow = h.sentTo(1, "CMD_showcat+2+");
    h.server.disconnectsock(2);
    h.forget();
    comeBack(h, "Bea", 2, Protocol::ourCapabilities());
    QCOMPARE(h.sentTo(2, "CMD_showcat+2+"), onShow); // at once, not at the next category
    QCOMPARE(h.sentTo(2, "CMD_playerback+2+Bea").size(), 1);
}

void TestRejoin::keptSeatEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("newcomer");
    QTest::addColumn<int>("scoreOnSeat2");
    QTest::addColumn<QByteArray>("told"); // to our clients
    // Free as before, the stored score with it, said out loud while the game
    // runs; given up, the newcomer's own.
    QTest::newRow("time runs out") << "time"
                                   << "Dan" << 1 << wire("CMD_takesover+2+1+Bea+Dan");
    QTest::newRow("late return") << "time"
                                 << " bea" << 1 << QByteArray();
    QTest::newRow("game ends") << "game"
                               << "Bea" << 1 << QByteArray();
    QTest::newRow("no other seat free") << "full"
                                        << "Eve" << 0 << QByteArray();
}

void TestRejoin::keptSeatEnds()
{
    QFETCH(QString, how);
    HostHarness h;
    startScoredGame(h);
    h.server.disconnectsock(2);
    QCOMPARE(h.sentTo(1, "CMD_away+2+120+Bea").size(), 1); // the host is ours
    if (how == QLatin1String("time")) {
        for (int second = 1; second < TServer::RejoinSeconds; ++second)
            h.server.signInTimerTimer();
        QVERIFY(!h.server.seat(2).keptFor.isEmpty());
        h.server.signInTimerTimer();
    } else if (how == QLatin1String("game")) {
        QVERIFY(h.tickUntil(1, "CMD_winner"));
    } else {
        for (int seat = 4; seat <= 9; ++seat)
            QCOMPARE(h.join(QStringLiteral("P%1").arg(seat)), seat);
    }
    // A plain newcomer now, announced to everyone.
    QFETCH(QString, newcomer);
    QCOMPARE(h.join(newcomer), 2);
    QCOMPARE(h.sentTo(1, "CMD_newplayerinfo+2+").size(), 1);
    QVERIFY(h.server.seat(2).keptFor.isEmpty());
    QTEST(h.server.seat(2).gameScore, "scoreOnSeat2");
    QCOMPARE(h.sentTo(1, "CMD_playerdisconnected+2+Bea").size(), 1); // the seat is free
    QFETCH(QByteArray, told);
    QCOMPARE(h.sentTo(1, "CMD_takesover"), told.isEmpty() ? QList<QByteArray> {} : QList {told});
}

void TestRejoin::removedPlayerStaysOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("barred");
    QTest::newRow("same name") << "Bea" << true;
    QTest::newRow("blanks, case, accent, soft hyphen") << u" B\u00c9\u00ada "_s << true;
    QTest::newRow("another name") << "Bert" << false;
}

void TestRejoin::removedPlayerStaysOut()
{
    HostHarness h;
    startScoredGame(h);
    h.deliver(1, Protocol::Msg::kickhim(1, 2));
    QVERIFY(h.server.seat(2).keptFor.isEmpty());
    QFETCH(QString, name);
    const int seat = h.joinOurs(name);
    QFETCH(bool, barred);
    QCOMPARE(h.server.seat(seat).signedIn, !barred);
    QCOMPARE(h.sentTo(seat, "CMD_removed").size(), barred ? 1 : 0);
}

void TestRejoin::draftStandsInForAnswers_data()
{
    QTest::addColumn<QStringList>("final"); // sent at the time-out; null: never
    QTest::addColumn<bool>("drops");
    QTest::addColumn<QStringList>("scored");
    const QStringList draft {"Bat", "Bee"};
    QTest::newRow("dropped and gone") << QStringList() << true << draft;
    QTest::newRow("answers replace it")
        << QStringList {"Bug", ""} << false << QStringList {"Bug", ""};
    QTest::newRow("still there, no answers") << QStringList() << false << draft;
}

void TestRejoin::draftStandsInForAnswers()
{
    QFETCH(QStringList, final);
    HostHarness h;
    h.join("Host");
    h.join("Bea");
    h.startGame(1, 30, "1", "1");
    h.deliver(2, Protocol::Msg::draftanswers(2, {"Bat", "Bee"}));
    if (!final.isEmpty()) {
        h.answer(2, final);
        h.deliver(2, Protocol::Msg::draftanswers(2, {"Late"})); // the answers are in: ignored
    }
    QFETCH(bool, drops);
    if (drops)
        h.server.disconnectsock(2);
    QVERIFY(h.tickUntil(1, "CMD_showcat"));
    QFETCH(QStringList, scored);
    QCOMPARE(h.server.seat(2).answers[1], scored[0]);
    QCOMPARE(h.server.seat(2).answers[2], scored[1]);
    QVERIFY(h.sentTo(1, "CMD_showcat").first().contains("+2+" + scored[0].toLatin1() + "+0"));
}

void TestRejoin::additionsReachAnnouncedPeersOnly_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("addition");
    QTest::addColumn<QByteArray>("instead"); // what a peer without the word gets
    QTest::addColumn<std::optional<QStringList>>("words"); // none: never says
    const std::tuple<const char *, QByteArray, QByteArray> additions[] = {
        {Protocol::Capability::Lead, "CMD_leads+2+Obs", {}},
        {Protocol::Capability::Back, "CMD_playerback+3+Bea", "CMD_newplayerinfo+3+Bea"},
        {Protocol::Capability::Removed, "CMD_removed+", {}},
        {Protocol::Capability::Kept, "CMD_keptanswers+2+1+Oak+2++", {}},
        {Protocol::Capability::Removal, "CMD_playerremoved+3+Bea", "CMD_playerdisconnected+3+Bea"},
        {Protocol::Capability::TakeOver, "CMD_takesover+3+0+Bea+Dan", {}},
        {Protocol::Capability::Away, "CMD_away+3+120+Bea", "CMD_playerdisconnected+3+Bea"},
        {Protocol::Capability::Welcome, "CMD_playerback+2+Obs", {}},
    };
    for (const auto &[word, addition, instead] : additions) {
        QStringList others = Protocol::ourCapabilities();
        others.removeAll(QLatin1String(word));
        QTest::addRow("%s, announced", word)
            << word << addition << instead << std::optional(Protocol::ourCapabilities());
        QTest::addRow("%s, not among the words", word)
            << word << addition << instead << std::optional(others);
        QTest::addRow("%s, plain peer", word)
            << word << addition << instead << std::optional<QStringList>();
    }
}

void TestRejoin::additionsReachAnnouncedPeersOnly()
{
    QFETCH(QString, word);
    QFETCH(std::optional<QStringList>, words);
    HostHarness h(7, false); // stand-alone: the lead can pass on
    h.join("Ann");
    const int obs = words ? h.joinOurs("Obs", *words) : h.join("Obs"); // the peer under test
    h.join("Bea");
    h.startGame(3, 30, "1", "1");
    h.deliver(obs, Protocol::Msg::draftanswers(obs, {"Oak"}));
    h.forget();
    if (word == QLatin1String(Protocol::Capability::Lead)) {
        h.server.disconnectsock(1);
    } else if (word == QLatin1String(Protocol::Capability::Away)) {
        h.server.disconnectsock(3);
    } else if (word == QLatin1String(Protocol::Capability::Back)) {
        h.server.disconnectsock(3);
        comeBack(h, "Bea", 3, std::nullopt);
    } else if (word == QLatin1String(Protocol::Capability::Removed)) {
        h.deliver(1, Protocol::Msg::kickhim(1, obs));
    } else if (word == QLatin1String(Protocol::Capability::Removal)) {
        h.deliver(1, Protocol::Msg::kickhim(1, 3));
    } else if (word == QLatin1String(Protocol::Capability::TakeOver)) {
        h.server.disconnectsock(3);
        for (int second = 0; second < TServer::RejoinSeconds; ++second)
            h.server.signInTimerTimer();
        h.join("Dan");
    } else {
        h.server.disconnectsock(obs);
        h.forget();
        comeBack(h, "Obs", obs, words);
    }
    const bool understood = words && words->contains(word);
    QFETCH(QByteArray, addition);
    QCOMPARE(h.sentTo(obs, addition).size(), understood ? 1 : 0);
    QFETCH(QByteArray, instead);
    if (!instead.isEmpty())
        QCOMPARE(h.sentTo(obs, instead).size(), understood ? 0 : 1);
}

void TestRejoin::everyPlayerIsOurs()
{
    using Protocol::Msg::peerinfo;
    HostHarness h;
    QVERIFY(h.server.everyPlayerIsOurs()); // nobody plays
    h.joinOurs("Ann");
    const int bea = h.server.connectLocal();
    QVERIFY(h.server.everyPlayerIsOurs()); // not signed in: no player yet
    h.deliver(bea, logininfo(bea, "1.0.4", "Bea"));
    QVERIFY(!h.server.isOurs(bea));
    QVERIFY(!h.server.everyPlayerIsOurs());
    h.startGame(1, 30, "1", "1");
    h.deliver(bea, Protocol::Msg::justwatch(bea, true));
    QVERIFY(h.server.everyPlayerIsOurs()); // a watcher plays no part
    h.deliver(bea, Protocol::Msg::justwatch(bea, false));
    h.deliver(bea, peerinfo(1, Protocol::PeerKind::Person, {})); // for another seat: ignored
    QVERIFY(!h.server.everyPlayerIsOurs());
    // After the sign-in too, but once: a second one changes nothing.
    h.deliver(bea, peerinfo(bea, Protocol::PeerKind::Computer, {"drafts"}));
    h.deliver(bea, peerinfo(bea, Protocol::PeerKind::Person, Protocol::ourCapabilities()));
    QVERIFY(h.server.everyPlayerIsOurs());
    QVERIFY(h.server.understands(bea, Protocol::Capability::Drafts));
    QVERIFY(!h.server.understands(bea, Protocol::Capability::Lead));
    QVERIFY(h.server.understands(1, Protocol::Capability::Lead));
    // What a connection said goes with it.
    h.server.disconnectsock(bea);
    QVERIFY(!h.server.isOurs(bea));
}

QTEST_GUILESS_MAIN(TestRejoin)
#include "tst_rejoin.moc"
