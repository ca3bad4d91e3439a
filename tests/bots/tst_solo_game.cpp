// A solo game end to end in one process: this copy's host on a loopback port, the
// hosting player's client, and three computer players seated beside it, each on
// its own connection, play to the winner in both game types.
#include "TestPorts.h"

#include "bots/AnswerBank.h"
#include "bots/BotChat.h"
#include "bots/BotPlayer.h"
#include "bots/ComputerPlayers.h"
#include "bots/Language.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "clientcore/PlayerSeats.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Short game seconds keep a whole game to a few seconds; the host's grace after the
// answer time (four game seconds) still covers a late timer under the sanitizers.
constexpr int SecondMs = 25;
constexpr int WholeGameMs = 120000;
// Five rounds take some 500 game seconds, most of them the host's pauses between votes:
// shorter seconds here. A vote still lasts ten of them, far more than the bots' look.
constexpr int ScriptedSecondMs = 10;
// A host seed whose five rounds draw a closed list among the categories.
constexpr quint32 HostSeed = 1;

HostOptions hostOptions(int secondMs = SecondMs)
{
    HostOptions options;
    options.port = freePort();
    options.secondMs = secondMs;
    return options;
}

// Kinds of answer the scripted player types.
enum class Kind { Gibberish, WrongCategory, WrongLetter, Right };

// Short and old names a fair table accepts for closed lists, by category and letter.
const QHash<QString, QString> ShortForms {
    {u"president f"_s, u"FDR"_s},   {u"president j"_s, u"JFK"_s},
    {u"country b"_s, u"Burma"_s},   {u"country e"_s, u"Eire"_s},
    {u"country h"_s, u"Holland"_s}, {u"state capitol s"_s, u"St. Paul"_s}};

// Categories whose nouns other judged categories decline ("Banana" for an animal).
const QStringList Nouns {u"Fruit"_s, u"Animal"_s, u"Vegetable"_s, u"Body Part"_s,
                         u"Color"_s, u"Flower"_s, u"Sport"_s,     u"Musical Instrument"_s};

// A right answer as a person types it: for a closed list a short or old name, else the entry
// in lower case with a middle name cut to its initial; for another list the bank's rarest.
QString rightAnswer(const AnswerBank &bank, const QString &category, QChar letter)
{
    const QStringList known = bank.answers(category, letter);
    if (!bank.knowsWell(category))
        return known.value(known.size() - 1);
    const QString shortForm = ShortForms.value(category.trimmed().toLower() + u' ' + letter);
    if (!shortForm.isEmpty())
        return shortForm;
    QStringList words = known.value(0).split(u' ');
    if (words.size() >= 3)
        words[1] = words[1].left(1) + u'.';
    return words.join(u' ').toLower();
}

// What the scripted player types in the category: gibberish, another category's word, another
// letter's word or a right answer by turns, a word of another category first where one fits.
// The bots' checks themselves are tested in tst_brain; here the words are picked so that a
// fair table refuses them, and the game shows that the host's scores follow the bots' votes.
std::pair<Kind, QString> scripted(const AnswerBank &bank, const QStringList &round, int index,
                                  QChar letter)
{
    const QString &category = round.at(index);
    const Kind kind = bank.knowsWell(category) ? Kind::Right : Kind(index % 4);
    if (kind == Kind::Gibberish || kind == Kind::WrongCategory) {
        for (const QString &other : round + Nouns) {
            for (const QString &answer : bank.answers(other, letter)) {
                if (!bank.holds(category, answer)
                    && Language::fitsAnotherCategoryOnly(category, answer))
                    return {Kind::WrongCategory, answer};
            }
        }
    }
    if (kind == Kind::Gibberish && !bank.takesNames(category))
        return {kind, letter + u"qzxvrt"_s};
    const QString otherLetter = bank.answers(category, letter == u'B' ? u'C' : u'B').value(0);
    if (kind != Kind::Right && !otherLetter.isEmpty())
        return {Kind::WrongLetter, otherLetter};
    return {Kind::Right, rightAnswer(bank, category, letter)};
}

} // namespace

class SoloGameTest : public QObject
{
    Q_OBJECT

private slots:
    void toTheWinner_data()
    {
        QTest::addColumn<QString>("gameType");
        QTest::addColumn<QString>("duplicates");
        QTest::newRow("All Scoring") << u"1"_s << u"1"_s;
        QTest::newRow("One Winner Only") << u"0"_s << u"0"_s;
    }

    void toTheWinner()
    {
        QFETCH(QString, gameType);
        QFETCH(QString, duplicates);
        GameRandom random(11);
        TServer server(hostOptions(), random);
        QVERIFY(server.startListening());
        const AnswerBank bank = AnswerBank::fromResource();
        ComputerPlayers bots(bank, random, SecondMs);
        bots.setHost(u"127.0.0.1"_s, server.port());

        // The hosting player takes seat 1 and never answers: the bots play it out.
        HostConnection you;
        you.setPlayerName(u"You"_s);
        ClientGame game(you);
        QStringList offLetter;
        QStringList copied; // the same answer twice while the bank knew enough others
        int botAnswers = 0;
        connect(&game, &ClientGame::votingStarted, this, [&](const CategoryVote &vote) {
            QSet<QString> given;
            const bool manyKnown = bank.answers(vote.category, game.round().letter()).size() >= 3;
            for (const VoteAnswer &answer : vote.answers) {
                if (answer.seat == 1 || answer.answer.isEmpty())
                    continue;
                ++botAnswers;
                if (answer.answer.at(0).toUpper() != game.round().letter())
                    offLetter.append(answer.answer);
                if (manyKnown && given.contains(answer.answer.toCaseFolded()))
                    copied.append(answer.answer);
                given.insert(answer.answer.toCaseFolded());
            }
        });
        QString winner;
        connect(&game, &ClientGame::gameWon, this, [&](const QString &name) { winner = name; });
        you.connectTo(u"127.0.0.1"_s, server.port());
        QTRY_VERIFY(you.isSignedIn());
        QCOMPARE(you.ownSeat(), 1);

        bots.setSkill(ComputerPlayers::MixedSkill); // one of each in turn
        for (int i = 0; i < 3; ++i)
            QVERIFY(bots.add());
        QCOMPARE(bots.players().last()->skill(), 3);
        QTRY_VERIFY(server.seat(2).signedIn && server.seat(3).signedIn && server.seat(4).signedIn);
        QCOMPARE(server.seat(3).loginName, botNameForSeat(3));

        you.send(Protocol::Msg::startgame(u"You"_s, 1, 30, gameType, duplicates));
        QTRY_VERIFY_WITH_TIMEOUT(!winner.isEmpty(), WholeGameMs);
        QVERIFY2(offLetter.isEmpty(), qPrintable(offLetter.join(u", "_s)));
        QVERIFY2(copied.isEmpty(), qPrintable(copied.join(u", "_s)));
        QVERIFY(botAnswers >= 3 * 4); // a fair player fills at least half of the eight
        QVERIFY2(winner != u"You"_s, qPrintable(winner));

        // A removed player's seat is free again, and it left under its seat's hint name.
        QString leftAs;
        connect(&game, &ClientGame::playerLeft, this,
                [&](int, const QString &name) { leftAs = name; });
        QVERIFY(bots.removeOne());
        QCOMPARE(bots.count(), 2);
        QTRY_VERIFY(!server.seat(4).inUse);
        QTRY_COMPARE(leftAs, botNameForSeat(4));
    }

    void scriptedPlayer_data()
    {
        QTest::addColumn<bool>("allScoring");
        QTest::addColumn<int>("rounds");
        QTest::newRow("All Scoring") << true << 5;
        QTest::newRow("One Winner Only") << false << 3;
    }

    // Three fair computer players and a scripted player over a game: the gibberish and
    // the words of another category or letter it types are refused in All Scoring and get no
    // vote in One Winner Only; every right answer stands. No bot gives another's answer
    // while the bank knows one more.
    void scriptedPlayer()
    {
        QFETCH(bool, allScoring);
        QFETCH(int, rounds);
        GameRandom hostRandom(HostSeed);
        TServer server(hostOptions(ScriptedSecondMs), hostRandom);
        QVERIFY(server.startListening());
        const AnswerBank bank = AnswerBank::fromResource();
        GameRandom botRandom(5);
        ComputerPlayers bots(bank, botRandom, ScriptedSecondMs);
        bots.setHost(u"127.0.0.1"_s, server.port());
        HostConnection you;
        you.setPlayerName(u"Scripted"_s);
        ClientGame game(you);

        QStringList categories;
        QList<std::pair<Kind, QString>> typed; // by category of the round
        connect(&game, &ClientGame::roundStarted, this, [&](const RoundStart &round) {
            categories = QStringList(round.categories.begin(), round.categories.end());
            typed.clear();
            for (int i = 0; i < categories.size(); ++i)
                typed.append(scripted(bank, categories, i, round.letter()));
            QStringList answers;
            for (const auto &one : std::as_const(typed))
                answers.append(one.second);
            game.finishAnswers(answers);
        });
        int onShow = -1;
        QStringList copied;
        connect(&game, &ClientGame::votingStarted, this, [&](const CategoryVote &vote) {
            const QString category = game.categoryHeading(vote.category);
            for (int i = 0; i < categories.size(); ++i)
                onShow = categories.at(i).compare(category, Qt::CaseInsensitive) ? onShow : i;
            QStringList given;
            for (const VoteAnswer &answer : vote.answers) {
                if (answer.seat != 1 && !answer.answer.isEmpty())
                    given.append(answer.answer.toCaseFolded());
            }
            if (bank.answers(category, game.round().letter()).size() >= given.size()
                && QSet<QString>(given.begin(), given.end()).size() < given.size())
                copied.append(category + u' ' + given.join(u'/'));
            game.finishVote();
        });
        QMap<Kind, int> seen;
        int closedSeen = 0;
        QStringList wrong;
        connect(&game, &ClientGame::scoresPosted, this, [&] {
            if (onShow < 0 || onShow >= typed.size())
                return;
            const auto &[kind, answer] = typed.at(onShow);
            const auto row = std::find_if(game.voteRows().begin(), game.voteRows().end(),
                                          [](const VoteRow &r) { return r.seat == 1; });
            if (row == game.voteRows().end())
                return;
            const int votes = row->result.section(u": "_s, -1).toInt();
            const int gained = game.seats().bonus(1).value_or(0);
            const bool right = kind == Kind::Right;
            // All Scoring: a point unless most decline it; One Winner Only: votes for it.
            if (allScoring ? (gained == 1) != right : (!right && votes > 0))
                wrong.append(answer);
            ++seen[kind];
            closedSeen += right && bank.knowsWell(categories.at(onShow));
            onShow = -1;
        });
        QString winner;
        connect(&game, &ClientGame::gameWon, this, [&](const QString &name) { winner = name; });
        you.connectTo(u"127.0.0.1"_s, server.port());
        QTRY_VERIFY(you.isSignedIn());
        for (int i = 0; i < 3; ++i)
            QVERIFY(bots.add());
        QTRY_VERIFY(server.seat(4).signedIn);

        you.send(Protocol::Msg::startgame(u"Scripted"_s, rounds, 20, allScoring ? u"1"_s : u"0"_s,
                                          u"1"_s));
        QTRY_VERIFY_WITH_TIMEOUT(!winner.isEmpty(), WholeGameMs);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_s)));
        QVERIFY2(copied.isEmpty(), qPrintable(copied.join(u", "_s)));
        // What the game put to the vote covers the kinds, in All Scoring a closed list's short
        // form too.
        QVERIFY(seen.value(Kind::Gibberish) > 0 && seen.value(Kind::WrongCategory) > 0);
        QVERIFY(!allScoring || (seen.value(Kind::WrongLetter) > 0 && closedSeen > 0));
    }

    // On a stand-alone host a computer player may get seat 1; the boards know its
    // name as that seat's hint name, so it too leaves without a line.
    void seatOneOfAStandAloneHostLeavesSilently()
    {
        GameRandom random(3);
        HostOptions options = hostOptions();
        options.hostSeatReserved = false;
        TServer server(options, random);
        QVERIFY(server.startListening());
        const AnswerBank bank = AnswerBank::fromResource();
        ComputerPlayers bots(bank, random, SecondMs);
        bots.setHost(u"127.0.0.1"_s, server.port());
        QVERIFY(bots.add());
        QTRY_VERIFY(server.seat(1).signedIn);
        PlayerSeats board;
        board.seatPlayer(1, server.seat(1).loginName);
        QCOMPARE(board.freeSeat(1), QString());
    }
};

QTEST_GUILESS_MAIN(SoloGameTest)
#include "tst_solo_game.moc"
