// A computer player on the client core, driven without a socket: what the host
// says goes in as bytes, and every message the player sends is checked as it leaves.
#include "bots/AnswerBank.h"
#include "bots/BotPlayer.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Categories {u"Fruit"_s,     u"Animal"_s, u"Country"_s,   u"Sport"_s,
                              u"Body Part"_s, u"Flower"_s, u"Vegetable"_s, u"Occupation"_s};

bool isNumber(const QByteArray &field, int lowest, int highest)
{
    bool ok = false;
    const int n = field.toInt(&ok);
    return ok && n >= lowest && n <= highest && QByteArray::number(n) == field;
}

// Why a message the player sent is not a well-formed client message; empty when it is.
QString malformation(const QByteArray &message, int ownSeat, QChar letter)
{
    const bool login = message.startsWith("CMD_logininfo+");
    const QByteArray end = login ? "\xFF\xFF" : "\xFF";
    if (!message.endsWith(end))
        return u"not terminated"_s;
    const QByteArray body = message.chopped(end.size());
    if (body.contains('\xFF') || body.contains('\r') || body.contains('\n'))
        return u"terminator or line break inside"_s;
    const QList<QByteArray> fields = body.split('+');
    if (fields.size() < 3 || !isNumber(fields[1], ownSeat, ownSeat))
        return u"sender is not the own seat"_s;
    const QByteArray command = fields[0];
    if (login)
        return fields.size() == 4 && fields[2] == Protocol::Version && !fields[3].isEmpty()
            ? QString()
            : u"login"_s;
    if (command == "CMD_votefor" || command == "CMD_voteagainst")
        return fields.size() == 4 && isNumber(fields[2], 1, 8) && fields[2] != fields[1]
                && fields[3].isEmpty()
            ? QString()
            : u"vote"_s;
    if (command == "CMD_done")
        return fields.size() == 3 && (fields[2] == "answers" || fields[2] == "vote") ? QString()
                                                                                     : u"done"_s;
    if (command == "CMD_chat")
        return fields.size() == 3 && fields[2].indexOf('|') > 0 ? QString() : u"chat"_s;
    if (command == "CMD_peerinfo")
        return fields.size() == 4 && fields[2] == "computer" ? QString() : u"peer"_s;
    if (command != "CMD_myanswers" || fields.size() != 2 + 2 * Protocol::CategoriesPerRound)
        return u"unknown command or field count"_s;
    for (int n = 1; n <= Protocol::CategoriesPerRound; ++n) {
        const QString answer = QString::fromLatin1(fields[2 * n + 1]);
        if (!isNumber(fields[2 * n], n, n))
            return u"category number"_s;
        if (!answer.isEmpty() && answer.at(0).toUpper() != letter)
            return u"answer %1 does not begin with %2"_s.arg(answer, letter);
    }
    return QString();
}

// One computer player whose every message is checked on the way out.
struct CheckedBot
{
    explicit CheckedBot(quint32 seed, const BotSettings &settings = {})
        : random(seed), bot(bank(), random, settings)
    {
        bot.connection().setSender([this](const QByteArray &message) {
            sent.append(message);
            const QString fault
                = malformation(message, bot.game().ownSeat(), bot.game().round().letter());
            if (!fault.isEmpty())
                faults.append(fault + u": "_s + QString::fromLatin1(message));
        });
    }
    void hear(const QByteArray &bytes)
    {
        bot.connection().receiveBytes(bytes);
        while (bot.connection().queuedMessages() > 0)
            bot.connection().tick();
    }
    QList<QByteArray> sentStartingWith(const QByteArray &prefix) const
    {
        QList<QByteArray> found;
        for (const QByteArray &message : sent)
            if (message.startsWith(prefix))
                found.append(message);
        return found;
    }

    static const AnswerBank &bank()
    {
        static const AnswerBank loaded = AnswerBank::fromResource();
        return loaded;
    }
    GameRandom random;
    BotPlayer bot;
    QList<QByteArray> sent;
    QStringList faults;
};

} // namespace

class BotPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void signsInWithTheSeatsHintName()
    {
        QVERIFY(CheckedBot::bank().categoryCount() > 300);
        CheckedBot c(1);
        c.hear(Protocol::Msg::sendlogininfo(4));
        QCOMPARE(c.sent,
                 (QList {Protocol::Msg::peerinfo(4, Protocol::PeerKind::Computer,
                                                 Protocol::ourCapabilities()),
                         Protocol::Msg::logininfo(4, u"1.0.4"_s, u"Kling"_s)}));
    }

    void answersWhenDoneAndVotes_data()
    {
        QTest::addColumn<QString>("gameType");
        QTest::addColumn<QByteArray>("vote");
        // Seat 1 answered off the letter; seat 2 gave a fruit the bank knows.
        QTest::newRow("All Scoring declines") << u"1"_s << Protocol::Msg::voteagainst(3, 1);
        QTest::newRow("One Winner Only favours") << u"0"_s << Protocol::Msg::votefor(3, 2);
    }

    void answersWhenDoneAndVotes()
    {
        QFETCH(QString, gameType);
        QFETCH(QByteArray, vote);
        BotSettings settings;
        settings.secondMs = 20; // an answer time of 5 game seconds lasts 100 ms
        CheckedBot c(2, settings);
        c.hear(Protocol::Msg::sendlogininfo(3)
               + Protocol::Msg::startgameRelay(u"Ann"_s, 3, 5, gameType, u"1"_s)
               + Protocol::Msg::startround(1, 15, Categories));
        QVERIFY(c.sentStartingWith("CMD_myanswers").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(c.sentStartingWith("CMD_myanswers").size(), 1, 5000);
        QCOMPARE(c.sent.last(), Protocol::Msg::done(3, Protocol::DoneWith::Answers));

        c.hear(Protocol::Msg::endround()
               + Protocol::Msg::showcat(
                   u"Fruit"_s,
                   {{1, u"Banana"_s, false}, {2, u"Pear"_s, false}, {3, u"Plum"_s, false}}));
        QTRY_COMPARE_WITH_TIMEOUT(c.sent.last(), Protocol::Msg::done(3, Protocol::DoneWith::Vote),
                                  5000);
        QCOMPARE(c.sent.at(c.sent.size() - 2), vote);
        QCOMPARE(c.faults, QStringList());
    }

    // A host that sends anything at all: every message the player sends stays
    // well formed, and its answers begin with the round's letter.
    void hostileHost()
    {
        for (quint32 seed = 1; seed <= 4; ++seed) {
            CheckedBot c(seed);
            GameRandom chance(seed);
            const auto number = [&chance] {
                return chance.bounded(30) - 5;
            };
            const auto text = [&chance] {
                QByteArray bytes;
                for (int i = chance.bounded(12); i > 0; --i)
                    bytes.append(char(1 + chance.bounded(254)));
                return QString::fromLatin1(bytes);
            };
            for (int step = 0; step < 600; ++step) {
                QList<Protocol::ShowcatAnswer> answers;
                for (int i = chance.bounded(10); i > 0; --i)
                    answers.append({number(), text(), chance.bounded(2) == 1});
                QStringList categories;
                for (int i = chance.bounded(10); i > 0; --i)
                    categories.append(chance.bounded(2) ? Categories[chance.bounded(8)] : text());
                const std::array<QByteArray, 8> messages {
                    Protocol::Msg::sendlogininfo(number()),
                    Protocol::Msg::startgameRelay(text(), number(), number(), text(), text()),
                    Protocol::Msg::startround(number(), number(), categories),
                    Protocol::Msg::showcat(text(), answers),
                    Protocol::Msg::winner(text()),
                    Protocol::Msg::justwatching(number(), chance.bounded(2) == 1),
                    Protocol::Msg::endround(),
                    Protocol::toWire(text()) + char(0xFF)};
                QByteArray bytes = messages[std::size_t(chance.bounded(8))];
                // Now and then a byte of it is hit, a "+" or "@" shifting the fields.
                if (chance.bounded(3) == 0)
                    bytes[chance.bounded(int(bytes.size()))] = "+@9\xFF"[chance.bounded(4)];
                c.hear(bytes);
                if (chance.bounded(4) == 0)
                    c.bot.actNow();
            }
            QVERIFY2(c.faults.isEmpty(), qPrintable(c.faults.join(u'\n')));
            QVERIFY(!c.sentStartingWith("CMD_myanswers").isEmpty());
            QVERIFY(!c.sentStartingWith("CMD_vote").isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(BotPlayerTest)
#include "tst_player.moc"
