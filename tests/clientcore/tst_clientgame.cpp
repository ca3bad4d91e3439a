// The client core without a socket: sign-in, the seats and their chat lines,
// the end of the line, drafts and chat lines.
#include "CoreClient.h"
#include "HostileHost.h"
#include "protocol/Framing.h"

using namespace Qt::StringLiterals;

class ClientGameTest : public QObject
{
    Q_OBJECT

private slots:
    // Signed in, the player hears the round and the vote, and what it does
    // reaches the host as the wire has it.
    void playsARoundWithoutWidgets()
    {
        using namespace Protocol::Msg;
        CoreClient c;
        c.hear(sendlogininfo(3) + newplayerinfo(1, u"Ann"_s));
        // It says what it is and understands before it signs in.
        QCOMPARE(c.sent,
                 (QList {peerinfo(3, Protocol::PeerKind::Person, Protocol::ourCapabilities()),
                         logininfo(3, u"1.0.4"_s, u"Robo"_s)}));
        QCOMPARE(c.game.seatName(1), u"Ann"_s);
        CategoryVote vote;
        connect(&c.game, &ClientGame::votingStarted, this,
                [&](const CategoryVote &v) { vote = v; });
        c.hear(startgameRelay(u"Ann"_s, 2, 60, u"1"_s, u"1"_s)
               + startround(1, 16, {u"Fruit"_s, u"Tree"_s})
               + showcat(u"Fruit"_s, {{1, u"rasp"_s, false}, {3, u"rye"_s, true}}));
        QCOMPARE(c.game.round().categories[1], u"TREE"_s);
        QVERIFY(vote.answers[1].answer == u"rye"_s && vote.answers[1].duplicate);

        c.game.sendAnswers({u"rasp"_s});
        c.game.voteAgainst(1);
        c.game.say(u"gg"_s, u"clBlack"_s);
        QCOMPARE(
            c.sent.mid(2),
            (QList {myanswers(3, {u"rasp"_s}), voteagainst(3, 1), chat(3, u"gg"_s, u"clBlack"_s)}));
    }

    // The dispatch timer runs only while messages wait, and then handles one
    // per tick; a name in lower case is dropped.
    void dispatchesOnePerTick()
    {
        CoreClient c;
        QVERIFY(!c.connection.timer()->isActive());
        c.connection.receiveBytes(Protocol::Msg::wrongversion()
                                  + Protocol::Msg::havewrongversion(u"Cy"_s)
                                  + "cmd_wrongversion+\xFF");
        QCOMPARE(c.connection.queuedMessages(), 3);
        QVERIFY(c.connection.timer()->isActive());
        c.connection.tick();
        QCOMPARE(c.lines.size(), 1);
        QCOMPARE(c.connection.queuedMessages(), 2);
        c.connection.tick();
        c.connection.tick();
        QCOMPARE(c.lines.size(), 2);
        QVERIFY(!c.connection.timer()->isActive());
    }

    // An endless text without a terminator is lost, not the connection: what
    // follows its terminator is read as before.
    void overlongTextIsSkipped()
    {
        CoreClient c;
        c.hear(Protocol::Msg::wrongversion() + "CMD_havewrongversion+");
        for (int i = 0; i < 6; ++i)
            c.hear(QByteArray(Protocol::FrameSplitter::MaxPending / 2, 'A'));
        c.hear("+tail\xFF" + Protocol::Msg::sendlogininfo(4)
               + Protocol::Msg::havewrongversion(u"Cy"_s));
        QCOMPARE(c.sent.mid(1), QList {Protocol::Msg::logininfo(4, u"1.0.4"_s, u"Robo"_s)});
        QCOMPARE(c.lines,
                 (QStringList {u"You have a differnt version of the game then the host."_s,
                               u"Cy has a different version of the game then you."_s}));
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

    // What our clients read when a seat changes hands during a game.
    void seatChanges_data()
    {
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("onSeat2");
        const QByteArray bea = Protocol::Msg::newplayerinfo(2, u"Bea"_s);
        QTest::newRow("removed") << bea + Protocol::Msg::playerremoved(2, u"Bea"_s)
                                 << QStringList {u"Bea was removed from the game."_s} << QString();
        QTest::newRow("taken over")
            << bea + Protocol::Msg::takesover(2, 1, u"Al+Co"_s, u"Bea"_s)
            << QStringList {u"Bea takes over the seat of Al?Co with 1 point."_s} << u"Bea"_s;
        QTest::newRow("away")
            << bea + Protocol::Msg::away(2, 100, u"Bea"_s)
            << QStringList {u"Bea disconnected; the seat is kept for 1 minute 40 seconds."_s}
            << QString();
        QTest::newRow("away whole minutes")
            << bea + Protocol::Msg::away(2, 120, u"Bea"_s)
            << QStringList {u"Bea disconnected; the seat is kept for 2 minutes."_s} << QString();
        QTest::newRow("own return")
            << bea + Protocol::Msg::playerback(3, u"Robo"_s)
            << QStringList {u"Welcome back: your answers were kept."_s} << u"Bea"_s;
        QTest::newRow("unreadable") << bea + "CMD_takesover+2+x+Al+Bea\xFF"_ba
                + "CMD_playerremoved+Bea\xFF"_ba + "CMD_away+2+-1+Bea\xFF"_ba
                                    << QStringList {} << u"Bea"_s;
    }

    void seatChanges()
    {
        CoreClient c;
        QStringList lines;
        connect(&c.connection, &HostConnection::statusLine, this,
                [&lines](const QString &line) { lines.append(line); });
        QFETCH(QByteArray, heard);
        c.hear(Protocol::Msg::sendlogininfo(3) + heard);
        QTEST(lines, "lines");
        QTEST(c.game.seatName(2), "onSeat2");
    }

    // Lines of the host for this client alone, and a host that sends faster
    // than it can be followed, which is left (nothing more is heard from it).
    void hostFloodsAndNotices_data()
    {
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QString>("line"); // empty: none
        const QByteArray line = Protocol::Msg::chatRelay(3, u"Cy"_s, u"hi|clRed"_s);
        const QByteArray longLine = Protocol::Msg::chatRelay(3, u"Cy"_s, QString(60000, u'x'));
        const qsizetype longLines = HostConnection::MaxQueuedChars / longLine.size();
        const QString left = u"Left the game at lexi.test: the host sent more than 4096 "
                             "messages or 4 MiB faster than they could be handled."_s;
        QTest::newRow("notice") << Protocol::Msg::notice(u"Slow down."_s) << u"Slow down."_s;
        QTest::newRow("messages at the bound")
            << line.repeated(HostConnection::MaxQueuedMessages) << QString();
        QTest::newRow("messages past it")
            << line.repeated(HostConnection::MaxQueuedMessages + 1) << left;
        QTest::newRow("characters at the bound") << longLine.repeated(longLines) << QString();
        QTest::newRow("characters past it") << longLine.repeated(longLines + 1) << left;
    }

    void hostFloodsAndNotices()
    {
        QFETCH(QByteArray, heard);
        QFETCH(QString, line);
        CoreClient c(2);
        c.connection.setHost(u"lexi.test"_s, 7772);
        QStringList lines;
        QStringList closed;
        connect(&c.connection, &HostConnection::statusLine, this,
                [&lines](const QString &l) { lines.append(l); });
        connect(&c.connection, &HostConnection::closed, this,
                [&closed](const QString &why) { closed.append(why); });
        c.connection.receiveBytes(heard);
        QVERIFY(c.connection.queuedMessages() <= HostConnection::MaxQueuedMessages);
        c.hear({}); // handled in turn
        c.hear(Protocol::Msg::newplayerinfo(4, u"Di"_s));
        c.connection.tick();
        QCOMPARE(lines, line.isEmpty() ? QStringList {} : QStringList {line});
        const bool left = line.startsWith(u"Left"_s);
        QCOMPARE(closed, left ? QStringList {line} : QStringList {});
        QCOMPARE(c.game.seatName(4).isEmpty(), left);
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

    // The token the host gives its own seat is kept and presented before every
    // sign-in; another seat's, or one that is no token, is not. Removed, it is void.
    void resumeToken()
    {
        using namespace Protocol::Msg;
        CoreClient c(3);
        QStringList changes;
        connect(&c.connection, &HostConnection::resumeTokenChanged, this,
                [&](const QString &t) { changes.append(t); });
        const QString token(32, u'a');
        c.hear(resumetoken(2, QString(32, u'b')) + resumetoken(3, u"x+y"_s)
               + resumetoken(3, token));
        QCOMPARE(changes, QStringList {token});
        c.hear(sendlogininfo(5));
        QCOMPARE(c.sent.mid(1, 2), (QList {resume(5, token), logininfo(5, u"1.0.4"_s, u"Robo"_s)}));
        c.hear(removed());
        QCOMPARE(changes, (QStringList {token, QString()}));
        QVERIFY(c.connection.resumeToken().isEmpty());
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

    // What the seat messages write in the chat, signed in on seat 4.
    void seatLines_data()
    {
        using namespace Protocol::Msg;
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("spectators");
        QTest::newRow("arrivals") << newplayerinfo(4, u"Robo"_s) + existingplayers(1, u"Hugo"_s)
                + newplayerinfo(5, u"Dee"_s)
                                  << QStringList {u"You are Connected."_s, u"Hugo is Connected."_s,
                                                  u"Dee is Connected."_s}
                                  << QStringList {};
        // The line names the player on the board, not the one in the message.
        QTest::newRow("departure")
            << existingplayers(3, u"Cy"_s) + playerdisconnected(3, u"Somebody"_s)
                + playerdisconnected(3, u"Cy"_s)
            << QStringList {u"Cy is Connected."_s, u"Cy disconnected."_s} << QStringList {};
        // The hint names of seat 2 and seat 8 leave without a line, elsewhere not.
        for (const auto &[seat, name, leaves] :
             {std::tuple {2, u"Klot"_s, false}, std::tuple {3, u"Klot"_s, true},
              std::tuple {8, u"Krazy"_s, false}, std::tuple {2, u"Bob"_s, true}}) {
            QStringList lines {name + u" is Connected."_s};
            if (leaves)
                lines.append(name + u" disconnected."_s);
            QTest::addRow("%s leaves seat %d", qPrintable(name), seat) << newplayerinfo(seat, name)
                    + playerdisconnected(seat, name) << lines << QStringList {};
        }
        QTest::newRow("spectator") << newplayerinfo(9, u"Eve"_s) + newplayerinfo(10, u"Zed"_s)
                + newplayerinfo(-1, u"Neg"_s)
                                   << QStringList {u"Eve is Connected."_s, u"Eve is spying."_s,
                                                   u"Zed is Connected."_s, u"Neg is Connected."_s}
                                   << QStringList {u"Eve"_s};
        QTest::newRow("spectator leaves once")
            << newplayerinfo(9, u"Eve"_s) + playerdisconnected(9, u"Eve"_s)
                + playerdisconnected(9, u"Eve"_s)
            << QStringList {u"Eve is Connected."_s, u"Eve is spying."_s, u"Eve has left."_s}
            << QStringList {};
        QTest::newRow("watching") << existingplayers(1, u"Hugo"_s) + justwatching(1, true)
                + justwatching(1, false) + "CMD_justwatching+9+1\xFF"
                                  << QStringList {u"Hugo is Connected."_s,
                                                  u"Hugo is just watching"_s,
                                                  u"Hugo is now playing again"_s}
                                  << QStringList {};
        QTest::newRow("versions")
            << wrongversion() + havewrongversion(u"Bob"_s)
            << QStringList {u"You have a differnt version of the game then the host."_s,
                            u"Bob has a different version of the game then you."_s}
            << QStringList {};
    }

    void seatLines()
    {
        QFETCH(QByteArray, heard);
        QFETCH(QStringList, spectators);
        CoreClient c(4);
        c.hear(heard);
        QTEST(c.lines, "lines");
        QCOMPARE(c.game.spectators().values(), spectators);
    }

    void ownSpectatorArrival()
    {
        CoreClient c(9);
        c.hear(Protocol::Msg::newplayerinfo(9, u"Robo"_s));
        QCOMPARE(c.lines, (QStringList {u"You are Connected."_s, u"You are spying."_s}));
        QCOMPARE(c.cues, QStringList {u"entered"_s});
        // A spectator asks for nothing.
        c.game.watch(true);
        c.game.voteAgainst(1);
        QVERIFY(c.sent.isEmpty());
    }

    // A seeded stream of the host's commands with hostile fields; sanitizer
    // aborts fail the test, and the core still follows an honest host after it.
    void againstAHostileHost()
    {
        CoreClient c(2);
        HostileHost host(0xC11E48);
        for (int n = 0; n < 60000; ++n) {
            // Now and then a burst of long chat lines, within the bounds.
            c.connection.receiveBytes(n % 3000 == 2999 ? host.chatFlood(200) : host.message());
            QVERIFY(c.connection.queuedMessages() <= HostConnection::MaxQueuedMessages);
            for (int m = 0; m < 1000 && c.connection.queuedMessages() > 0; ++m)
                c.connection.tick();
            QVERIFY(c.game.ownSeat() >= 1 && c.game.ownSeat() <= 9);
        }
        c.hear(Protocol::Msg::newplayerinfo(3, u"Zed"_s));
        QCOMPARE(c.game.seatName(3), u"Zed"_s);
    }

    // What the chat box and the phrase buttons send: "/me" makes an action,
    // another command nothing; before the sign-in nothing is handled.
    void typedChat_data()
    {
        using namespace Protocol::Msg;
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("phrase");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("line") << u"me too"_s << false << chat(3, u"me too"_s, u"clRed"_s);
        QTest::newRow("/me") << u"/me waves"_s << false << action(3, u"waves"_s, u"clRed"_s);
        QTest::newRow("/me alone") << u"/mex"_s << false << action(3, QString(), u"clRed"_s);
        QTest::newRow("command") << u"/quit"_s << false << QByteArray();
        QTest::newRow("phrase") << u"Wow!"_s << true << action(3, u"says: Wow!"_s, u"clRed"_s);
        QTest::newRow("/me phrase")
            << u"/me cheers"_s << true << action(3, u"cheers"_s, u"clRed"_s);
    }

    void typedChat()
    {
        QFETCH(QString, typed);
        QFETCH(bool, phrase);
        QFETCH(QByteArray, wire);
        CoreClient c;
        const Protocol::Rgb red {0xFF, 0, 0};
        QVERIFY(!c.game.chat(typed, red));
        c.hear(Protocol::Msg::sendlogininfo(3));
        c.sent.clear();
        if (phrase)
            c.game.sayPhrase(typed, red);
        else
            QVERIFY(c.game.chat(typed, red));
        QCOMPARE(c.sent, wire.isEmpty() ? QList<QByteArray> {} : QList {wire});
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
        QTest::newRow("bar in the text")
            << u"1+Ann chats: a|b|clBlack"_s << 1 << u"#ff0000"_s << u"Ann chats: a"_s;
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
