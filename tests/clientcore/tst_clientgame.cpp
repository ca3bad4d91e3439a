// The client core without a socket: what the host says goes in as bytes, what
// the client says comes out as messages.
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QTest>

using namespace Qt::StringLiterals;

// One player without widgets, signed in as "Robo".
struct CoreClient
{
    CoreClient()
    {
        connection.setPlayerName(u"Robo"_s);
        connection.setSender([this](const QByteArray &message) { sent.append(message); });
    }
    void hear(const QByteArray &bytes)
    {
        connection.receiveBytes(bytes);
        while (connection.queuedMessages() > 0)
            connection.tick();
    }

    HostConnection connection;
    ClientGame game {connection};
    QList<QByteArray> sent;
};

class ClientGameTest : public QObject
{
    Q_OBJECT

private slots:
    void playsARoundWithoutWidgets()
    {
        CoreClient c;
        c.hear(Protocol::Msg::sendlogininfo(3) + Protocol::Msg::newplayerinfo(1, u"Ann"_s));
        // It says what it is and understands before it signs in.
        QCOMPARE(c.sent,
                 (QList {Protocol::Msg::peerinfo(3, Protocol::PeerKind::Person,
                                                 Protocol::ourCapabilities()),
                         Protocol::Msg::logininfo(3, u"1.0.4"_s, u"Robo"_s)}));
        QCOMPARE(c.game.seatName(1), u"Ann"_s);

        RoundStart round;
        CategoryVote vote;
        QString winner;
        connect(&c.game, &ClientGame::roundStarted, this, [&](const RoundStart &r) { round = r; });
        connect(&c.game, &ClientGame::votingStarted, this,
                [&](const CategoryVote &v) { vote = v; });
        connect(&c.game, &ClientGame::gameWon, this, [&](const QString &name) { winner = name; });
        const QStringList categories {u"Fruit"_s, u"Tree"_s, u"A"_s, u"B"_s,
                                      u"C"_s,     u"D"_s,    u"E"_s, u"F"_s};
        c.hear(Protocol::Msg::startgameRelay(u"Ann"_s, 2, 60, u"1"_s, u"1"_s)
               + Protocol::Msg::startround(1, 16, categories)
               + Protocol::Msg::showcat(u"Fruit"_s, {{1, u"rasp"_s, false}, {3, u"rye"_s, true}})
               + Protocol::Msg::winner(u"Ann+Co"_s));
        QCOMPARE(round.letter(), u'R');
        QCOMPARE(round.categories[1], u"TREE"_s);
        QCOMPARE(vote.answers.size(), 2);
        QCOMPARE(vote.answers[1].answer, u"rye"_s);
        QVERIFY(vote.answers[1].duplicate);
        QCOMPARE(winner, u"Ann+Co"_s);

        c.game.sendAnswers({u"rasp"_s});
        c.game.voteAgainst(1);
        c.game.say(u"gg"_s, u"clBlack"_s);
        QCOMPARE(c.sent.mid(2),
                 (QList {Protocol::Msg::myanswers(3, {u"rasp"_s}), Protocol::Msg::voteagainst(3, 1),
                         Protocol::Msg::chat(3, u"gg"_s, u"clBlack"_s)}));
    }

    // Done sends the typed answers first, once; Next once per category; who is
    // done is forgotten when the vote or the next category begins.
    void saysAndKeepsWhoIsDone()
    {
        using Protocol::DoneWith;
        CoreClient c;
        c.hear(Protocol::Msg::sendlogininfo(3)
               + Protocol::Msg::startgameRelay(u"Ann"_s, 2, 60, u"1"_s, u"1"_s)
               + Protocol::Msg::startround(1, 16, QStringList(8, u"Fruit"_s)));
        c.sent.clear();
        c.game.typeAnswers({u"rasp"_s});
        c.game.finishAnswers();
        c.game.finishAnswers();
        const QByteArray otherDone = Protocol::Msg::playerdone(2, DoneWith::Answers)
            + Protocol::Msg::playerdone(12, DoneWith::Answers);
        c.hear(otherDone);
        QVERIFY(c.game.seats().isDone(2) && c.game.answersFinished());
        c.hear(Protocol::Msg::endround());
        QVERIFY(!c.game.seats().isDone(2));
        c.hear(otherDone + Protocol::Msg::showcat(u"Fruit"_s, {{1, u"rasp"_s, false}}));
        QVERIFY(!c.game.seats().isDone(2) && !c.game.voteFinished());
        c.game.finishVote();
        c.game.finishVote();
        QVERIFY(c.game.voteFinished() && !c.game.voteRows()[0].declineOffered);
        const auto answers = [&c] {
            QList<QByteArray> kept;
            for (const QByteArray &m : std::as_const(c.sent))
                if (!m.startsWith("CMD_draftanswers"))
                    kept.append(m);
            return kept;
        };
        QCOMPARE(answers(),
                 (QList {Protocol::Msg::myanswers(3, {u"rasp"_s, {}, {}, {}, {}, {}, {}, {}}),
                         Protocol::Msg::done(3, DoneWith::Answers),
                         Protocol::Msg::done(3, DoneWith::Vote)}));
    }

    // A host that refuses and hangs up at once: the refusal is heard first.
    void closesBehindEarlierMessages()
    {
        CoreClient c;
        QStringList heard;
        connect(&c.game, &ClientGame::refused, this, [&] { heard.append(u"refused"_s); });
        connect(&c.connection, &HostConnection::closed, this, [&] { heard.append(u"closed"_s); });
        c.connection.receiveBytes(Protocol::Msg::full());
        c.connection.hostClosed();
        QTRY_COMPARE(heard, (QStringList {u"refused"_s, u"closed"_s}));
    }

    // What the player reads when the line to the host ends, by how it ended.
    void endOfTheLine_data()
    {
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QString>("report"); // empty: the host closed in order
        QTest::addColumn<QString>("line");
        const QByteArray seated = Protocol::Msg::sendlogininfo(2);
        QTest::newRow("timed out") << QByteArray() << u"Connect - WSAETIMEDOUT"_s
                                   << u"Could not reach lexi.test: timed out."_s;
        QTest::newRow("no such host")
            << QByteArray() << u"Host Lookup - Could Not Find Host Entry"_s
            << u"Could not reach lexi.test: no such host."_s;
        QTest::newRow("reset") << seated << u"Read - WSAECONNRESET"_s
                               << u"Lost the connection to lexi.test: connection reset."_s;
        QTest::newRow("removed") << seated + Protocol::Msg::removed() << QString()
                                 << u"You were removed from the game."_s;
    }

    void endOfTheLine()
    {
        QFETCH(QByteArray, heard);
        QFETCH(QString, report);
        CoreClient c;
        QStringList lines;
        connect(&c.connection, &HostConnection::statusLine, this,
                [&lines](const QString &line) { lines.append(line); });
        c.connection.setHost(u"lexi.test"_s, 7772);
        c.hear(heard);
        if (report.isEmpty()) {
            c.connection.hostClosed();
            c.connection.tick();
        } else {
            c.connection.reportFailure(report);
        }
        QVERIFY(!lines.isEmpty());
        QTEST(lines.first(), "line");
    }

    // A player back in its seat is named once, and its own kept answers come back.
    void returningPlayer()
    {
        CoreClient c;
        QList<int> arrivals;
        KeptAnswers kept;
        connect(&c.game, &ClientGame::playerArrived, this,
                [&](int seat) { arrivals.append(seat); });
        connect(&c.game, &ClientGame::answersKept, this, [&](const KeptAnswers &k) { kept = k; });
        c.hear(Protocol::Msg::sendlogininfo(3) + Protocol::Msg::playerback(2, u"Bea"_s)
               + Protocol::Msg::newplayerinfo(4, u"Cy"_s)
               + Protocol::Msg::keptanswers(2, {u"Bat"_s})
               + Protocol::Msg::keptanswers(3, {u"Rye"_s}));
        QCOMPARE(arrivals, (QList {2, 4}));
        QCOMPARE(kept.seat, 3);
        QCOMPARE(kept.answers[0], u"Rye"_s);
    }

    // What is typed reaches the host as drafts only while the answer time runs,
    // and only when it changed.
    void draftsOnlyForChanges()
    {
        CoreClient c;
        c.connection.setSecondMs(1);
        auto drafts = [&c] {
            QList<QByteArray> found;
            for (const QByteArray &m : std::as_const(c.sent))
                if (m.startsWith("CMD_draftanswers"))
                    found.append(m);
            return found;
        };
        auto pauseOver = [&c] {
            QTRY_VERIFY(!c.game.drafts().isPausing());
        };
        c.hear(Protocol::Msg::sendlogininfo(3));
        c.game.typeAnswers({u"ash"_s}); // no round yet
        c.hear(Protocol::Msg::startgameRelay(u"Ann"_s, 1, 60, u"1"_s, u"1"_s)
               + Protocol::Msg::startround(1, 0, {}));
        c.game.typeAnswers({QString(), QString()}); // the boxes as they were
        c.game.typeAnswers({u"ash"_s});
        c.game.typeAnswers({u"ash"_s, u"tree"_s}); // waits for the pause ...
        c.game.typeAnswers({u"ash"_s}); // ... and is back as sent before it ends
        pauseOver();
        c.game.typeAnswers({u"ash"_s, u"tree"_s});
        pauseOver();
        c.game.typeAnswers({u"ash"_s, u"tree"_s});
        c.game.sendAnswers({u"ash"_s, u"tree"_s});
        c.game.typeAnswers({u"late"_s});
        QCOMPARE(drafts(),
                 (QList {Protocol::Msg::draftanswers(3, {u"ash"_s}),
                         Protocol::Msg::draftanswers(3, {u"ash"_s, u"tree"_s})}));
    }

    void chatLines_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("style"); // -1: not shown
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("a seat's line")
            << u"2+Ann: hi|clNavy"_s << 2 << u"#000080"_s << u"Ann: hi"_s;
        QTest::newRow("no colour") << u"3+Cy: hi"_s << 3 << u"#ff0000"_s << u"Cy: hi"_s;
        QTest::newRow("colour does not read") << u"3+x|clNope"_s << 3 << u"#ff0000"_s << u"x"_s;
        QTest::newRow("line breaks") << u"1+a\r\nb|clBlack"_s << 1 << u"#000000"_s << u"a  b"_s;
        QTest::newRow("no style") << u"hi|clRed"_s << -1 << QString() << QString();
        QTest::newRow("style out of range") << u"15+x|clRed"_s << -1 << QString() << QString();
    }

    void chatLines()
    {
        QFETCH(QString, argument);
        QFETCH(int, style);
        QFETCH(QString, colour);
        QFETCH(QString, text);
        const std::optional<ChatLine> line = ChatLine::fromChat(argument);
        QCOMPARE(line.has_value(), style >= 0);
        if (!line)
            return;
        QCOMPARE(line->style, style);
        QCOMPARE(line->colour.name(), colour);
        QCOMPARE(line->text, text);
    }
};

QTEST_GUILESS_MAIN(ClientGameTest)
#include "tst_clientgame.moc"
