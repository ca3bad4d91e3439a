// Framing, the receive queue, dispatch by command name, field reading and
// colour texts: the path of every received message.
#include "protocol/ColourText.h"
#include "protocol/Dispatcher.h"
#include "protocol/FieldReader.h"
#include "protocol/Framing.h"
#include "protocol/ReceiveQueue.h"

#include <QTest>

using namespace Protocol;

using ByteList = QList<QByteArray>;

namespace {

// A byte literal with its NUL bytes kept.
template<qsizetype N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

} // namespace

namespace Protocol {
// Found by argument-dependent lookup through Rgb, so failures show the colour.
char *toString(const std::optional<Rgb> &colour)
{
    return QTest::toString(colour ? colour->name() : QStringLiteral("no colour"));
}
} // namespace Protocol

class TestFraming : public QObject
{
    Q_OBJECT

private slots:
    void splitter_data();
    void splitter();
    void splitterOverflow_data();
    void splitterOverflow();

    void queueIsFirstInFirstOut();
    void queueDecodesLatin1();

    void commandTables();
    void dispatch_data();
    void dispatch();
    void dispatchFromBytes();

    void takeFields();
    void listOfPairs();
    void listReaderTerminates_data();
    void listReaderTerminates();
    void strictInt_data();
    void strictInt();

    void namedColours_data();
    void namedColours();
    void hexColours_data();
    void hexColours();
    void colourFromOtherTexts_data();
    void colourFromOtherTexts();
};

void TestFraming::splitter_data()
{
    QTest::addColumn<ByteList>("feeds");
    QTest::addColumn<ByteList>("messages");
    QTest::addColumn<QByteArray>("pending");

    QTest::newRow("two messages in one feed")
        << ByteList {"CMD_endround+\xFF"
                     "CMD_showcat+1+1+3+PEAR+0\xFF"}
        << ByteList {"CMD_endround+", "CMD_showcat+1+1+3+PEAR+0"} << QByteArray();
    QTest::newRow("split across feeds") << ByteList {"CMD_chat+3+he", "llo|clBl", "ack\xFF"}
                                        << ByteList {"CMD_chat+3+hello|clBlack"} << QByteArray();
    QTest::newRow("split right before the terminator")
        << ByteList {"CMD_full+", "\xFF"} << ByteList {"CMD_full+"} << QByteArray();
    QTest::newRow("doubled terminator gives no empty message")
        << ByteList {"CMD_logininfo+2+1.0.4+Bob\xFF\xFF"} << ByteList {"CMD_logininfo+2+1.0.4+Bob"}
        << QByteArray();
    QTest::newRow("doubled terminator across feeds")
        << ByteList {"CMD_logininfo+2+1.0.4+Bob\xFF", "\xFF"}
        << ByteList {"CMD_logininfo+2+1.0.4+Bob"} << QByteArray();
    QTest::newRow("tail held") << ByteList {"CMD_tiegame+\xFF"
                                            "CMD_win"}
                               << ByteList {"CMD_tiegame+"} << QByteArray("CMD_win");
    QTest::newRow("tail completed by a later feed")
        << ByteList {"CMD_tiegame+\xFF"
                     "CMD_win",
                     "ner+A",
                     "nn+\xFF"
                     "CMD_"}
        << ByteList {"CMD_tiegame+", "CMD_winner+Ann+"} << QByteArray("CMD_");
    QTest::newRow("nothing fed") << ByteList {""} << ByteList {} << QByteArray();
    QTest::newRow("terminators only")
        << ByteList {"\xFF\xFF", "\xFF"} << ByteList {} << QByteArray();
    QTest::newRow("other bytes pass untouched")
        << ByteList {bytes("CMD_chat+3+a\0b\r\n\xFE|clRed\xFF")}
        << ByteList {bytes("CMD_chat+3+a\0b\r\n\xFE|clRed")} << QByteArray();
}

void TestFraming::splitter()
{
    QFETCH(ByteList, feeds);
    QFETCH(ByteList, messages);
    QFETCH(QByteArray, pending);

    FrameSplitter splitter;
    ByteList received;
    for (const QByteArray &bytes : feeds)
        received += splitter.feed(bytes);
    QCOMPARE(received, messages);
    QCOMPARE(splitter.pending(), pending);
    QVERIFY(!splitter.overflowed());
}

void TestFraming::splitterOverflow_data()
{
    QTest::addColumn<qsizetype>("unterminated");
    QTest::addColumn<bool>("overflowed");

    QTest::newRow("exactly the limit") << FrameSplitter::MaxPending << false;
    QTest::newRow("one byte past the limit") << FrameSplitter::MaxPending + 1 << true;
    QTest::newRow("far past the limit") << 5 * FrameSplitter::MaxPending << true;
}

void TestFraming::splitterOverflow()
{
    QFETCH(qsizetype, unterminated);
    QFETCH(bool, overflowed);

    // A whole message first, then an endless one in network-read sized pieces.
    constexpr qsizetype ReadSize = 32768;
    FrameSplitter splitter;
    QCOMPARE(splitter.feed("CMD_endround+\xFF"), ByteList {"CMD_endround+"});
    const QByteArray endless(unterminated, 'x');
    for (qsizetype at = 0; at < endless.size(); at += ReadSize)
        QVERIFY(splitter.feed(endless.mid(at, ReadSize)).isEmpty());

    QCOMPARE(splitter.overflowed(), overflowed);
    if (overflowed) {
        QVERIFY(splitter.pending().isEmpty());
        // The connection is beyond repair: nothing more comes out of it.
        QVERIFY(splitter
                    .feed("\xFF"
                          "CMD_endround+\xFF")
                    .isEmpty());
        QVERIFY(splitter.overflowed());
    } else {
        QCOMPARE(splitter.pending().size(), unterminated);
        const ByteList messages = splitter.feed("\xFF");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first(), endless);
        QVERIFY(splitter.pending().isEmpty());
    }
}

void TestFraming::queueIsFirstInFirstOut()
{
    ReceiveQueue queue;
    QVERIFY(queue.isEmpty());
    const QueueEntry none = queue.takeFirst();
    QVERIFY(none.text.isEmpty());
    QCOMPARE(none.origin, 0);

    queue.append("CMD_chat+1+first|clBlack", 1);
    queue.appendText("CMD_chat+2+second|clBlack", 2);
    queue.append("", 3);
    queue.append("CMD_chat+1+third|clBlack", 1);
    QCOMPARE(queue.size(), 4);

    const QueueEntry first = queue.takeFirst();
    QCOMPARE(first.text, QString("CMD_chat+1+first|clBlack"));
    QCOMPARE(first.origin, 1);
    const QueueEntry second = queue.takeFirst();
    QCOMPARE(second.text, QString("CMD_chat+2+second|clBlack"));
    QCOMPARE(second.origin, 2);
    const QueueEntry empty = queue.takeFirst();
    QVERIFY(empty.text.isEmpty());
    QCOMPARE(empty.origin, 3);
    QCOMPARE(queue.takeFirst().text, QString("CMD_chat+1+third|clBlack"));
    QVERIFY(queue.isEmpty());
    QVERIFY(queue.takeFirst().text.isEmpty());
    QCOMPARE(queue.size(), 0);
}

void TestFraming::queueDecodesLatin1()
{
    ReceiveQueue queue;
    queue.append("CMD_newplayerinfo+2+Jos\xE9 M\xFCller");
    QCOMPARE(queue.takeFirst().text,
             QString::fromUtf8("CMD_newplayerinfo+2+Jos\xC3\xA9 M\xC3\xBCller"));
}

void TestFraming::commandTables()
{
    const QStringList host = {
        "CMD_logininfo",    "CMD_kickhim",   "CMD_chat",      "CMD_action",      "CMD_playasound",
        "CMD_startgame",    "CMD_justwatch", "CMD_myanswers", "CMD_voteagainst", "CMD_votefor",
        "CMD_draftanswers", "CMD_peerinfo",  "CMD_done",      "CMD_resume"};
    const QStringList client = {"CMD_sendlogininfo",
                                "CMD_leads",
                                "CMD_playerback",
                                "CMD_removed",
                                "CMD_playerremoved",
                                "CMD_takesover",
                                "CMD_away",
                                "CMD_notice",
                                "CMD_resumetoken",
                                "CMD_chat",
                                "CMD_action",
                                "CMD_playasound",
                                "CMD_newplayerinfo",
                                "CMD_havewrongversion",
                                "CMD_wrongversion",
                                "CMD_existingplayers",
                                "CMD_playerdisconnected",
                                "CMD_full",
                                "CMD_justwatching",
                                "CMD_startgame",
                                "CMD_winner",
                                "CMD_startround",
                                "CMD_endround",
                                "CMD_showcat",
                                "CMD_postscores",
                                "CMD_noanswers",
                                "CMD_roundover",
                                "CMD_gamestats",
                                "CMD_oneanswer",
                                "CMD_tiegame",
                                "CMD_keptanswers",
                                "CMD_playerdone"};
    QCOMPARE(hostCommands(), host);
    QCOMPARE(clientCommands(), client);

    Dispatcher dispatcher;
    for (const QString &name : clientCommands())
        dispatcher.on(name, [](const QString &, int) {});
    QCOMPARE(dispatcher.names(), client);
}

void TestFraming::dispatch_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("handled"); // command whose handler runs; empty when dropped
    QTest::addColumn<QString>("argument");

    QTest::newRow("chat") << "CMD_chat+3+hi|clBlack"
                          << "CMD_chat"
                          << "3+hi|clBlack";
    QTest::newRow("postscores without plus after the name") << "CMD_postscores+1+1+3+4"
                                                            << "CMD_postscores"
                                                            << "1+1+3+4";
    QTest::newRow("empty argument") << "CMD_endround+"
                                    << "CMD_endround"
                                    << "";
    QTest::newRow("lower-case name") << "cmd_chat+3+hi|clBlack"
                                     << ""
                                     << "";
    QTest::newRow("mixed-case name") << "CMD_Chat+3+hi|clBlack"
                                     << ""
                                     << "";
    QTest::newRow("name is a prefix of a command") << "CMD_cha+3+hi"
                                                   << ""
                                                   << "";
    QTest::newRow("command is a prefix of the name") << "CMD_chats+3+hi"
                                                     << ""
                                                     << "";
    QTest::newRow("name with a space") << "CMD_chat +3+hi"
                                       << ""
                                       << "";
    QTest::newRow("unknown command") << "CMD_oneanswer+1+2+3+4+x+A"
                                     << ""
                                     << "";
    QTest::newRow("client queue's first line") << "receivedlist"
                                               << ""
                                               << "";
    QTest::newRow("no plus") << "CMD_endround"
                             << ""
                             << "";
    QTest::newRow("empty entry") << ""
                                 << ""
                                 << "";
    QTest::newRow("empty name") << "+CMD_chat+3+hi"
                                << ""
                                << "";
}

void TestFraming::dispatch()
{
    QFETCH(QString, entry);
    QFETCH(QString, handled);
    QFETCH(QString, argument);

    const QStringList known = {"CMD_chat", "CMD_postscores", "CMD_endround"};
    Dispatcher dispatcher;
    QStringList calls;
    for (const QString &name : known) {
        dispatcher.on(name, [&calls, name](const QString &arg, int origin) {
            calls << name + u'|' + arg + u'|' + QString::number(origin);
        });
    }
    const bool dispatched = dispatcher.dispatch({entry, 4});
    QCOMPARE(dispatched, !handled.isEmpty());
    const QStringList expected = handled.isEmpty()
        ? QStringList()
        : QStringList {handled + u'|' + argument + QStringLiteral("|4")};
    QCOMPARE(calls, expected);
}

// Bytes as a read delivers them, through queue and dispatcher, one entry per tick.
void TestFraming::dispatchFromBytes()
{
    FrameSplitter splitter;
    ReceiveQueue queue;
    queue.appendText("receivedlist");
    Dispatcher dispatcher;
    QStringList handled;
    int chatSeat = 0;
    QString chatText;
    dispatcher.on("CMD_logininfo", [&](const QString &arg, int) {
        FieldReader reader(arg);
        handled << "logininfo";
        QCOMPARE(reader.takeInt(), std::optional<int>(2));
        QCOMPARE(reader.takeText(), QString("1.0.4"));
        QCOMPARE(reader.rest(), QString("Bob"));
    });
    dispatcher.on("CMD_chat", [&](const QString &arg, int) {
        FieldReader reader(arg);
        handled << "chat";
        chatSeat = reader.takeInt().value_or(-1);
        chatText = reader.rest();
    });

    const QByteArray wire = "CMD_logininfo+2+1.0.4+Bob\xFF\xFF"
                            "cmd_chat+3+dropped|clRed\xFF"
                            "CMD_chat+3+2+2=4, a+b|clBlack\xFF";
    for (qsizetype at = 0; at < wire.size(); at += 7) {
        for (const QByteArray &message : splitter.feed(wire.mid(at, 7)))
            queue.append(message);
    }
    QCOMPARE(queue.size(), 4); // the empty message between the terminators is never queued

    int ticks = 0;
    QList<bool> dispatched;
    while (!queue.isEmpty()) {
        dispatched << dispatcher.dispatch(queue.takeFirst());
        ++ticks;
    }
    QCOMPARE(ticks, 4);
    QCOMPARE(dispatched, (QList<bool> {false, true, false, true}));
    QCOMPARE(handled, (QStringList {"logininfo", "chat"}));
    QCOMPARE(chatSeat, 3);
    QCOMPARE(chatText, QString("2+2=4, a+b|clBlack"));
}

void TestFraming::takeFields()
{
    FieldReader reader("7+ALPHA++last+with+plus");
    QVERIFY(!reader.atEnd());
    QCOMPARE(reader.takeInt(), std::optional<int>(7));
    QCOMPARE(reader.takeText(), QString("ALPHA"));
    QCOMPARE(reader.takeText(), QString());
    QCOMPARE(reader.rest(), QString("last+with+plus"));
    QCOMPARE(reader.takeText(), QString("last"));
    QCOMPARE(reader.takeText(), QString("with"));
    QCOMPARE(reader.takeText(), QString("plus"));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.takeText(), QString());
    QCOMPARE(reader.takeInt(), std::nullopt);
}

void TestFraming::listOfPairs()
{
    FieldReader reader("3+2+1+APPLE+2+ANT");
    QCOMPARE(reader.takeInt(), std::optional<int>(3));
    QCOMPARE(reader.takeInt(), std::optional<int>(2));
    reader.beginList();
    QList<std::pair<int, QString>> pairs;
    while (reader.nextGroup()) {
        const std::optional<int> seat = reader.takeInt();
        QVERIFY(seat);
        pairs.append({*seat, reader.takeText()});
    }
    QCOMPARE(pairs, (QList<std::pair<int, QString>> {{1, "APPLE"}, {2, "ANT"}}));
    QCOMPARE(reader.rest(), QString("@"));
}

void TestFraming::listReaderTerminates_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("seatsRead"); // groups read before a seat fails to convert

    QTest::newRow("well formed") << "1+APPLE+2+ANT" << 2;
    // The appended "@" stands in for the missing answer, as the list rule has it.
    QTest::newRow("last item missing") << "1+APPLE+2" << 2;
    QTest::newRow("sender's own trailing plus") << "1+APPLE+" << 1;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only separators") << "+++++" << 0;
    QTest::newRow("at signs") << "@+@+@" << 0;
    QTest::newRow("item that is the at sign") << "1+@+2+ANT" << 2;
}

// A reader that neither breaks on a bad number nor checks anything else still
// comes to an end, whatever the sender wrote.
void TestFraming::listReaderTerminates()
{
    QFETCH(QString, list);
    QFETCH(int, seatsRead);

    FieldReader reader(list);
    reader.beginList();
    int groups = 0;
    int good = 0;
    bool broken = false;
    while (reader.nextGroup()) {
        QVERIFY2(++groups <= list.size() + 2, "list loop does not end");
        const std::optional<int> seat = reader.takeInt();
        reader.takeText();
        broken = broken || !seat;
        if (!broken)
            ++good;
    }
    QCOMPARE(good, seatsRead);
}

void TestFraming::strictInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("value");

    QTest::newRow("digits") << "42" << std::optional<int>(42);
    QTest::newRow("zero") << "0" << std::optional<int>(0);
    QTest::newRow("leading zeros") << "007" << std::optional<int>(7);
    QTest::newRow("negative") << "-3" << std::optional<int>(-3);
    QTest::newRow("int max") << "2147483647" << std::optional<int>(2147483647);
    QTest::newRow("int min") << "-2147483648"
                             << std::optional<int>(std::numeric_limits<int>::min());
    QTest::newRow("letters") << "abc" << std::optional<int>();
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("minus only") << "-" << std::optional<int>();
    QTest::newRow("fraction") << "1.5" << std::optional<int>();
    QTest::newRow("leading space") << " 5" << std::optional<int>();
    QTest::newRow("trailing space") << "5 " << std::optional<int>();
    QTest::newRow("plus sign") << "+5" << std::optional<int>();
    QTest::newRow("hexadecimal") << "$10" << std::optional<int>();
    QTest::newRow("past int max") << "2147483648" << std::optional<int>();
    QTest::newRow("past int min") << "-2147483649" << std::optional<int>();
    QTest::newRow("far too long") << "99999999999999999999999" << std::optional<int>();
    QTest::newRow("digits of another script")
        << QString::fromUtf8("\xD9\xA3") << std::optional<int>();
}

void TestFraming::strictInt()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);
    QCOMPARE(toInt(text), value);
    if (text.contains(u'+'))
        return; // on the wire the "+" would separate fields
    FieldReader reader(text + "+next");
    QCOMPARE(reader.takeInt(), value);
    QCOMPARE(reader.rest(), QString("next"));
}

void TestFraming::namedColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Rgb>("colour");

    QTest::newRow("black") << "clBlack" << Rgb(0, 0, 0);
    QTest::newRow("maroon") << "clMaroon" << Rgb(128, 0, 0);
    QTest::newRow("green") << "clGreen" << Rgb(0, 128, 0);
    QTest::newRow("olive") << "clOlive" << Rgb(128, 128, 0);
    QTest::newRow("navy") << "clNavy" << Rgb(0, 0, 128);
    QTest::newRow("purple") << "clPurple" << Rgb(128, 0, 128);
    QTest::newRow("teal") << "clTeal" << Rgb(0, 128, 128);
    QTest::newRow("gray") << "clGray" << Rgb(128, 128, 128);
    QTest::newRow("silver") << "clSilver" << Rgb(192, 192, 192);
    QTest::newRow("red") << "clRed" << Rgb(255, 0, 0);
    QTest::newRow("lime") << "clLime" << Rgb(0, 255, 0);
    QTest::newRow("yellow") << "clYellow" << Rgb(255, 255, 0);
    QTest::newRow("blue") << "clBlue" << Rgb(0, 0, 255);
    QTest::newRow("fuchsia") << "clFuchsia" << Rgb(255, 0, 255);
    QTest::newRow("aqua") << "clAqua" << Rgb(0, 255, 255);
    QTest::newRow("white") << "clWhite" << Rgb(255, 255, 255);
}

void TestFraming::namedColours()
{
    QFETCH(QString, name);
    QFETCH(Rgb, colour);
    QCOMPARE(colourToText(colour), name);
    QCOMPARE(colourFromText(name), std::optional<Rgb>(colour));
    QCOMPARE(colourFromText(name.toLower()), std::optional<Rgb>(colour));
    QCOMPARE(colourFromText(name.toUpper()), std::optional<Rgb>(colour));
}

void TestFraming::hexColours_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<QString>("text");

    // Eight upper-case digits of blue, green, red.
    QTest::newRow("orange") << Rgb(0xFF, 0x80, 0x00) << "$000080FF";
    QTest::newRow("sky") << Rgb(0x00, 0x80, 0xFF) << "$00FF8000";
    QTest::newRow("channels apart") << Rgb(0x01, 0x02, 0x03) << "$00030201";
    QTest::newRow("near black") << Rgb(0, 0, 1) << "$00010000";
    QTest::newRow("near white") << Rgb(0xFE, 0xFF, 0xFF) << "$00FFFFFE";
}

void TestFraming::hexColours()
{
    QFETCH(Rgb, colour);
    QFETCH(QString, text);
    QCOMPARE(colourToText(colour), text);
    QCOMPARE(colourFromText(text), std::optional<Rgb>(colour));
    QCOMPARE(colourFromText(text.toLower()), std::optional<Rgb>(colour));
}

void TestFraming::colourFromOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Rgb>>("colour");

    QTest::newRow("lower-case name") << "clblack" << std::optional<Rgb>(Rgb(0, 0, 0));
    QTest::newRow("short hex") << "$FF" << std::optional<Rgb>(Rgb(255, 0, 0));
    QTest::newRow("decimal red") << "255" << std::optional<Rgb>(Rgb(255, 0, 0));
    QTest::newRow("decimal green") << "32768" << std::optional<Rgb>(Rgb(0, 128, 0));
    QTest::newRow("system colour") << "clBtnFace" << std::optional<Rgb>(Rgb(192, 192, 192));
    QTest::newRow("empty") << "" << std::optional<Rgb>();
    QTest::newRow("dollar only") << "$" << std::optional<Rgb>();
    QTest::newRow("not hex") << "$00GG0000" << std::optional<Rgb>();
    QTest::newRow("hex too large") << "$1FFFFFFFF" << std::optional<Rgb>();
    QTest::newRow("hex with 0x") << "$0x10" << std::optional<Rgb>();
    QTest::newRow("hex with sign") << "$-1" << std::optional<Rgb>();
    QTest::newRow("hex with plus") << "$+10" << std::optional<Rgb>();
    QTest::newRow("hex with space") << "$ 10" << std::optional<Rgb>();
    QTest::newRow("hex too long") << "$000000001" << std::optional<Rgb>();
    QTest::newRow("plain word") << "red" << std::optional<Rgb>();
    QTest::newRow("name with a space") << "cl Red" << std::optional<Rgb>();
    QTest::newRow("name with more after it") << "clRedish" << std::optional<Rgb>();
    QTest::newRow("number with more after it") << "12abc" << std::optional<Rgb>();
    QTest::newRow("chat text after a bar") << "hi there" << std::optional<Rgb>();
}

void TestFraming::colourFromOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(std::optional<Rgb>, colour);
    QCOMPARE(colourFromText(text), colour);
}

QTEST_APPLESS_MAIN(TestFraming)
#include "tst_framing.moc"
