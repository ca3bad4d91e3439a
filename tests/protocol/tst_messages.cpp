// Every message builder against the bytes the peers expect on the wire, and
// every client message read back by its reader.
#include "protocol/ClientMessages.h"
#include "protocol/Dispatcher.h"
#include "protocol/FieldReader.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"
#include "protocol/ReceiveQueue.h"

#include <QTest>

using namespace Protocol;
using namespace Qt::StringLiterals;

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void builtBytes_data();
    void builtBytes();
    void wireEncoding_data();
    void wireEncoding();
    void listsSurviveAnyText_data();
    void listsSurviveAnyText();
    void clientMessagesReadBack_data();
    void clientMessagesReadBack();
};

namespace {

QStringList eightCategories()
{
    return {"Fruit", "Car Part", "Something Found at a Bar", "River", "Toy", "Author",
            "Sport", "Bird"};
}

} // namespace

void TestMessages::builtBytes_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");

    // Connection and presence.
    QTest::newRow("sendlogininfo")
        << Msg::sendlogininfo(3) << QByteArray("CMD_sendlogininfo+3\xFF");
    QTest::newRow("logininfo, doubled terminator")
        << Msg::logininfo(2, Version, "Bob") << QByteArray("CMD_logininfo+2+1.0.4+Bob\xFF\xFF");
    QTest::newRow("logininfo, name with plus")
        << Msg::logininfo(4, Version, "A+B") << QByteArray("CMD_logininfo+4+1.0.4+A+B\xFF\xFF");
    QTest::newRow("newplayerinfo")
        << Msg::newplayerinfo(5, "Ann Lee") << QByteArray("CMD_newplayerinfo+5+Ann Lee\xFF");
    QTest::newRow("existingplayers")
        << Msg::existingplayers(1, "You") << QByteArray("CMD_existingplayers+1+You\xFF");
    QTest::newRow("havewrongversion")
        << Msg::havewrongversion("Bob") << QByteArray("CMD_havewrongversion+Bob\xFF");
    QTest::newRow("wrongversion") << Msg::wrongversion() << QByteArray("CMD_wrongversion+\xFF");
    QTest::newRow("full") << Msg::full() << QByteArray("CMD_full+\xFF");
    QTest::newRow("playerdisconnected")
        << Msg::playerdisconnected(7, "Zed") << QByteArray("CMD_playerdisconnected+7+Zed\xFF");
    QTest::newRow("playerremoved")
        << Msg::playerremoved(7, "Zed") << QByteArray("CMD_playerremoved+7+Zed\xFF");
    QTest::newRow("takesover") << Msg::takesover(3, 12, "A+B", "C+D")
                               << QByteArray("CMD_takesover+3+12+A?B+C+D\xFF");
    QTest::newRow("kickhim") << Msg::kickhim(1, 6) << QByteArray("CMD_kickhim+1+6+\xFF");
    QTest::newRow("justwatch on") << Msg::justwatch(4, true) << QByteArray("CMD_justwatch+4+1\xFF");
    QTest::newRow("justwatch off")
        << Msg::justwatch(4, false) << QByteArray("CMD_justwatch+4+2\xFF");
    QTest::newRow("justwatching on")
        << Msg::justwatching(9, true) << QByteArray("CMD_justwatching+9+1\xFF");
    QTest::newRow("justwatching off")
        << Msg::justwatching(9, false) << QByteArray("CMD_justwatching+9+2\xFF");

    GameStats stats;
    stats.seat = 4;
    stats.phase = 4;
    stats.rounds = 3;
    stats.roundNumber = 2;
    stats.turnTime = 90;
    stats.secondsLeft = 11;
    stats.letterIndex = 19;
    stats.gameType = "0";
    stats.scores = {5, 0, 12, 3, 0, 0, 0, 1};
    stats.categories = eightCategories();
    QTest::newRow("gamestats")
        << Msg::gamestats(stats)
        << QByteArray("CMD_gamestats+4+4+3+2+90+11+19+0"
                      "+s+1+5+s+2+0+s+3+12+s+4+3+s+5+0+s+6+0+s+7+0+s+8+1"
                      "+c+1+Fruit+c+2+Car Part+c+3+Something Found at a Bar+c+4+River"
                      "+c+5+Toy+c+6+Author+c+7+Sport+c+8+Bird\xFF");
    GameStats beforeFirstRound;
    beforeFirstRound.seat = 2;
    beforeFirstRound.gameType = "1";
    GameStats addedCategory = beforeFirstRound;
    addedCategory.categories = QStringList {"Rock + Roll"};
    QTest::newRow("gamestats, plus inside a category")
        << Msg::gamestats(addedCategory)
        << QByteArray("CMD_gamestats+2+0+0+0+0+0+0+1"
                      "+s+1+0+s+2+0+s+3+0+s+4+0+s+5+0+s+6+0+s+7+0+s+8+0"
                      "+c+1+Rock ? Roll+c+2++c+3++c+4++c+5++c+6++c+7++c+8+\xFF");
    QTest::newRow("gamestats, no categories yet")
        << Msg::gamestats(beforeFirstRound)
        << QByteArray("CMD_gamestats+2+0+0+0+0+0+0+1"
                      "+s+1+0+s+2+0+s+3+0+s+4+0+s+5+0+s+6+0+s+7+0+s+8+0"
                      "+c+1++c+2++c+3++c+4++c+5++c+6++c+7++c+8+\xFF");

    // Chat and sounds, both directions.
    QTest::newRow("chat") << Msg::chat(3, "hi", "clBlack")
                          << QByteArray("CMD_chat+3+hi|clBlack\xFF");
    QTest::newRow("chat with plus and bar") << Msg::chat(3, "1+1=2 | ok", "$00FF8000")
                                            << QByteArray("CMD_chat+3+1+1=2 | ok|$00FF8000\xFF");
    QTest::newRow("chat relay") << Msg::chatRelay(3, "Ann", "hi|clBlack")
                                << QByteArray("CMD_chat+3+Ann chats: hi|clBlack\xFF");
    QTest::newRow("action") << Msg::action(3, "waves", "clRed")
                            << QByteArray("CMD_action+3+waves|clRed\xFF");
    QTest::newRow("action relay") << Msg::actionRelay(3, "Ann", "waves|clRed")
                                  << QByteArray("CMD_action+3+Ann waves|clRed\xFF");
    QTest::newRow("playasound") << Msg::playasound(2, 4)
                                << QByteArray("CMD_playasound+2+wave4+\xFF");
    QTest::newRow("playasound relay")
        << Msg::playasoundRelay(2, "wave4+") << QByteArray("CMD_playasound+2+wave4+\xFF");
    QTest::newRow("playasound relay passes text on unchanged")
        << Msg::playasoundRelay(8, "wave12+extra")
        << QByteArray("CMD_playasound+8+wave12+extra\xFF");

    // Game flow.
    QTest::newRow("startgame") << Msg::startgame("Ann", 5, 60, "1", "0")
                               << QByteArray("CMD_startgame+Ann+5+60+1+0+\xFF");
    QTest::newRow("startgame relay") << Msg::startgameRelay("Bob", 10, 120, "0", "1")
                                     << QByteArray("CMD_startgame+Bob+10+120+0+1+\xFF");
    QTest::newRow("startround")
        << Msg::startround(2, 17, eightCategories())
        << QByteArray("CMD_startround+2+17+1+Fruit+2+Car Part+3+Something Found at a Bar+4+River"
                      "+5+Toy+6+Author+7+Sport+8+Bird\xFF");
    QTest::newRow("myanswers with empty answers")
        << Msg::myanswers(2, {"APPLE", "", "RADIATOR", "", "", "", "", "ANT"})
        << QByteArray("CMD_myanswers+2+1+APPLE+2++3+RADIATOR+4++5++6++7++8+ANT\xFF");
    QTest::newRow("myanswers, short list padded")
        << Msg::myanswers(5, {"APPLE"})
        << QByteArray("CMD_myanswers+5+1+APPLE+2++3++4++5++6++7++8+\xFF");
    QTest::newRow("myanswers, non-Latin-1")
        << Msg::myanswers(3, {QString::fromUtf8("\xC5\x8Csaka"), QString::fromUtf8("Caf\xC3\xA9")})
        << QByteArray("CMD_myanswers+3+1+?saka+2+Caf\xE9+3++4++5++6++7++8+\xFF");
    QTest::newRow("myanswers, plus inside answers")
        << Msg::myanswers(4, {"C++", "", "", "", "", "", "", "A+"})
        << QByteArray("CMD_myanswers+4+1+C??+2++3++4++5++6++7++8+A?\xFF");
    QTest::newRow("startround, plus inside a category")
        << Msg::startround(1, 0, {"Rock + Roll", "B", "C", "D", "E", "F", "G", "H+"})
        << QByteArray("CMD_startround+1+0+1+Rock ? Roll+2+B+3+C+4+D+5+E+6+F+7+G+8+H?\xFF");
    QTest::newRow("startgame, plus inside the starter's name")
        << Msg::startgame("A+B", 3, 90, "0", "1") << QByteArray("CMD_startgame+A?B+3+90+0+1+\xFF");
    QTest::newRow("endround") << Msg::endround() << QByteArray("CMD_endround+\xFF");
    QTest::newRow("showcat, plus inside an answer")
        << Msg::showcat("Rock + Roll", {{3, "1+1", false}})
        << QByteArray("CMD_showcat+Rock ? Roll+1+3+1?1+0\xFF");
    QTest::newRow("showcat") << Msg::showcat(
        "Fruit", {{1, "APPLE", false}, {4, "apple", true}, {8, "ANT", false}})
                             << QByteArray("CMD_showcat+Fruit+3+1+APPLE+0+4+apple+1+8+ANT+0\xFF");
    QTest::newRow("noanswers") << Msg::noanswers("Fruit") << QByteArray("CMD_noanswers+Fruit+\xFF");
    QTest::newRow("votefor") << Msg::votefor(2, 5) << QByteArray("CMD_votefor+2+5+\xFF");
    QTest::newRow("voteagainst") << Msg::voteagainst(6, 1)
                                 << QByteArray("CMD_voteagainst+6+1+\xFF");
    QTest::newRow("postscores, no plus after the name")
        << Msg::postscores({{1, 1, 3, 4}}) << QByteArray("CMD_postscores+1+1+3+4\xFF");
    QTest::newRow("postscores, two seats") << Msg::postscores({{1, 1, 3, 4}, {6, 0, 1, 12}})
                                           << QByteArray("CMD_postscores+1+1+3+4+6+0+1+12\xFF");
    QTest::newRow("roundover") << Msg::roundover() << QByteArray("CMD_roundover+\xFF");
    QTest::newRow("winner") << Msg::winner("Ann") << QByteArray("CMD_winner+Ann+\xFF");
    // The name is read up to the closing "+", so it keeps a "+" of its own.
    QTest::newRow("winner, plus inside the name")
        << Msg::winner("A+B") << QByteArray("CMD_winner+A+B+\xFF");
    QTest::newRow("tiegame") << Msg::tiegame() << QByteArray("CMD_tiegame+\xFF");
    QTest::newRow("oneanswer") << Msg::oneanswer(2, 5, 1, 9, "x", "PEAR")
                               << QByteArray("CMD_oneanswer+2+5+1+9+x+PEAR\xFF");
}

void TestMessages::builtBytes()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built, expected);
}

void TestMessages::wireEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ascii") << QString("Ann") << QByteArray("Ann");
    QTest::newRow("latin-1 kept") << QString::fromUtf8("\xC3\xA9\xC3\x9F\xC2\xA3")
                                  << QByteArray("\xE9\xDF\xA3");
    QTest::newRow("outside latin-1") << QString::fromUtf8("\xE2\x82\xAC 5") << QByteArray("? 5");
    QTest::newRow("outside the basic plane is one character")
        << QString::fromUtf8("a\xF0\x9F\x98\x80z") << QByteArray("a?z");
    QTest::newRow("lone surrogate") << (QString("a") + QChar(0xD800) + "z") << QByteArray("a?z");
    // y with diaeresis is the terminator byte in Latin-1; sent as is it would
    // end the message early and let the rest pass for a command.
    QTest::newRow("terminator character") << QString::fromUtf8("hi\xC3\xBF"
                                                               "CMD_kickhim+1+2+")
                                          << QByteArray("hi?CMD_kickhim+1+2+");
}

void TestMessages::wireEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(toWire(text), expected);
    const QByteArray chat = Msg::chat(3, text, "clBlack");
    QCOMPARE(chat.count(char(0xFF)), 1);
    QVERIFY(chat.endsWith('\xFF'));
}

void TestMessages::listsSurviveAnyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("received");

    QTest::newRow("plain") << "APPLE"
                           << "APPLE";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("plus") << "C++"
                          << "C??";
    QTest::newRow("plus and at sign") << "a+@"
                                      << "a?@";
    QTest::newRow("at sign") << "@"
                             << "@";
    QTest::newRow("terminator character and a command") << QString::fromUtf8("x\xC3\xBF"
                                                                             "CMD_full+")
                                                        << "x?CMD_full?";
    QTest::newRow("outside latin-1") << QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC") << "??";
    QTest::newRow("latin-1") << QString::fromUtf8("\xC3\x89T\xC3\x89")
                             << QString::fromUtf8("\xC3\x89T\xC3\x89");
}

// Whatever a player types or adds as a category, the lists arrive with every
// group in its place: one message, the right groups, the text as sent.
void TestMessages::listsSurviveAnyText()
{
    QFETCH(QString, text);
    QFETCH(QString, received);

    const QStringList texts(CategoriesPerRound, text);
    FrameSplitter splitter;
    ReceiveQueue queue;
    for (const QByteArray &message :
         splitter.feed(Msg::myanswers(2, texts) + Msg::startround(3, 7, texts)
                       + Msg::showcat(text, {{1, text, false}, {6, text, true}})))
        queue.append(message);
    QCOMPARE(queue.size(), 3);

    const auto readList = [](FieldReader &reader, int groupSize) {
        QStringList groups;
        reader.beginList();
        while (reader.nextGroup()) {
            QStringList items;
            for (int i = 0; i < groupSize; ++i)
                items << reader.takeText();
            groups << items.join(u'|');
        }
        return groups;
    };
    QStringList eightPairs;
    for (int n = 1; n <= CategoriesPerRound; ++n)
        eightPairs << QString::number(n) + u'|' + received;

    Command answers = splitCommand(queue.takeFirst().text);
    QCOMPARE(answers.name, QString("CMD_myanswers"));
    FieldReader answersReader(answers.argument);
    QCOMPARE(answersReader.takeInt(), std::optional<int>(2));
    QCOMPARE(readList(answersReader, 2), eightPairs);

    Command round = splitCommand(queue.takeFirst().text);
    QCOMPARE(round.name, QString("CMD_startround"));
    FieldReader roundReader(round.argument);
    QCOMPARE(roundReader.takeInt(), std::optional<int>(3));
    QCOMPARE(roundReader.takeInt(), std::optional<int>(7));
    QCOMPARE(readList(roundReader, 2), eightPairs);

    Command category = splitCommand(queue.takeFirst().text);
    QCOMPARE(category.name, QString("CMD_showcat"));
    FieldReader categoryReader(category.argument);
    QCOMPARE(categoryReader.takeText(), received);
    QCOMPARE(categoryReader.takeInt(), std::optional<int>(2));
    QCOMPARE(readList(categoryReader, 3),
             (QStringList {"1|" + received + "|0", "6|" + received + "|1"}));
}

namespace {

// What a client-message reader made of a message, as text to compare; empty
// when it refused the message.
QString readBack(const QByteArray &built)
{
    using namespace FromClient;
    const Command c = splitCommand(QString::fromLatin1(built.left(built.indexOf('\xFF'))));
    const auto seatAndText = [](const std::optional<SeatAndText> &v) {
        return v ? QString::number(v->seat) + u'|' + v->text : QString();
    };
    const auto answers = [](const std::optional<Answers> &v) {
        QStringList pairs;
        for (const auto &[category, answer] : v ? v->answers : decltype(v->answers)())
            pairs << QString::number(category) + u'=' + answer;
        return v ? QString::number(v->seat) + u'|' + pairs.join(u',') : QString();
    };
    const auto vote = [](const std::optional<Vote> &v) {
        return v ? u"%1|%2"_s.arg(v->voter).arg(v->seat) : QString();
    };
    if (c.name == u"CMD_logininfo") {
        const auto v = logininfo(c.argument);
        return v ? u"%1|%2|%3"_s.arg(v->seat).arg(v->version, v->name) : QString();
    }
    if (c.name == u"CMD_kickhim") {
        const auto v = kickhim(c.argument);
        return v ? u"%1|%2"_s.arg(v->requestingSeat).arg(v->seat) : QString();
    }
    if (c.name == u"CMD_justwatch") {
        const auto v = justwatch(c.argument);
        return v ? u"%1|%2"_s.arg(v->seat).arg(v->watching ? u"watch" : u"play") : QString();
    }
    if (c.name == u"CMD_startgame") {
        const GameStart v = startgame(c.argument);
        return u"%1|%2|%3|%4|%5"_s.arg(v.starter)
            .arg(v.rounds.value_or(-1))
            .arg(v.turnTime.value_or(-1))
            .arg(v.type() == GameType::AllScoring ? u"all" : u"one")
            .arg(v.duplicatesAllowed() ? u"dups" : u"none");
    }
    if (c.name == u"CMD_peerinfo") {
        const auto v = peerinfo(c.argument);
        return v ? u"%1|%2|%3"_s.arg(v->seat)
                       .arg(v->kind == PeerKind::Computer ? u"computer" : u"person")
                       .arg(v->words.join(u','))
                 : QString();
    }
    if (c.name == u"CMD_done") {
        const auto v = done(c.argument);
        return v ? u"%1|%2"_s.arg(v->seat).arg(doneWord(v->what)) : QString();
    }
    const QString &a = c.argument;
    if (c.name == u"CMD_chat")
        return seatAndText(chat(a));
    if (c.name == u"CMD_action")
        return seatAndText(action(a));
    if (c.name == u"CMD_playasound")
        return seatAndText(playasound(a));
    if (c.name == u"CMD_myanswers")
        return answers(myanswers(a));
    if (c.name == u"CMD_draftanswers")
        return answers(draftanswers(a));
    return vote(c.name == u"CMD_votefor" ? votefor(a) : voteagainst(a));
}

} // namespace

void TestMessages::clientMessagesReadBack_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QString>("read");
    const QString eight = u"1=Ape,2=,3=C?t,4=,5=,6=,7=,8="_s;
    // Built by the builders: every client message reads back as it was meant.
    QTest::newRow("logininfo") << Msg::logininfo(2, Version, "A+B") << u"2|1.0.4|A+B"_s;
    QTest::newRow("kickhim") << Msg::kickhim(1, 3) << u"1|3"_s;
    QTest::newRow("justwatch") << Msg::justwatch(4, true) << u"4|watch"_s;
    QTest::newRow("justwatch, playing") << Msg::justwatch(4, false) << u"4|play"_s;
    QTest::newRow("chat") << Msg::chat(3, "a+b|c", "clRed") << u"3|a+b|c|clRed"_s;
    QTest::newRow("action") << Msg::action(2, "waves", "clBlack") << u"2|waves|clBlack"_s;
    QTest::newRow("playasound") << Msg::playasound(5, 7) << u"5|wave7+"_s;
    QTest::newRow("startgame") << Msg::startgame("Ann", 3, 60, "0", "1") << u"Ann|3|60|one|dups"_s;
    QTest::newRow("startgame, all scoring")
        << Msg::startgame("A+n", 1, 5, "1", "0") << u"A?n|1|5|all|none"_s;
    QTest::newRow("myanswers") << Msg::myanswers(2, {"Ape", "", "C+t"}) << u"2|"_s + eight;
    QTest::newRow("draftanswers") << Msg::draftanswers(2, {"Ape", "", "C+t"}) << u"2|"_s + eight;
    QTest::newRow("votefor") << Msg::votefor(1, 4) << u"1|4"_s;
    QTest::newRow("voteagainst") << Msg::voteagainst(2, 5) << u"2|5"_s;
    QTest::newRow("peerinfo") << Msg::peerinfo(3, PeerKind::Computer, {"lead", "kept"})
                              << u"3|computer|lead,kept"_s;
    QTest::newRow("peerinfo, no words") << Msg::peerinfo(6, PeerKind::Person, {}) << u"6|person|"_s;
    QTest::newRow("done, answers") << Msg::done(3, DoneWith::Answers) << u"3|answers"_s;
    QTest::newRow("done, vote") << Msg::done(8, DoneWith::Vote) << u"8|vote"_s;
    // Written by other peers: what reads and what is refused.
    QTest::newRow("startgame, no numbers")
        << "CMD_startgame+Ann+abc++x+y+\xFF"_ba << u"Ann|-1|-1|all|none"_s;
    QTest::newRow("answers stop at a category that is no number")
        << "CMD_myanswers+2+1+Ape+x+Bee+3+Cat\xFF"_ba << u"2|1=Ape"_s;
    QTest::newRow("answers, last pair cut short")
        << "CMD_myanswers+2+1+Ape+2\xFF"_ba << u"2|1=Ape,2="_s;
    QTest::newRow("answers, categories out of range")
        << "CMD_draftanswers+2+9+Z+0+Y+1+A\xFF"_ba << u"2|1=A"_s;
    QTest::newRow("peerinfo, later fields")
        << "CMD_peerinfo+1+person+lead  back+more\xFF"_ba << u"1|person|lead,back"_s;
    for (const char *refused :
         {"CMD_logininfo+x+1.0.4+A", "CMD_kickhim+1+x+", "CMD_justwatch+2+3", "CMD_chat+",
          "CMD_action+-+x", "CMD_playasound+9999999999+w", "CMD_myanswers+two+1+A",
          "CMD_votefor+1+", "CMD_voteagainst++2+", "CMD_peerinfo+2+robot+lead", "CMD_done+2+all"})
        QTest::newRow(refused) << QByteArray(refused) + '\xFF' << QString();
}

void TestMessages::clientMessagesReadBack()
{
    QFETCH(QByteArray, built);
    QTEST(readBack(built), "read");
}

QTEST_APPLESS_MAIN(TestMessages)
#include "tst_messages.moc"
