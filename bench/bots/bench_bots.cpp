// Prints how well the computer players answer and vote: the answers of each skill to a
// fixed sample of rounds, judged by hand in tools/answer-bank/judged.txt; how often two
// players agree; whether players of one copy copy each other; and how they vote on a
// scripted player's answers. Not timed.
//   bench_bots [--unjudged]   the answers the judged file lacks, to judge them
//   bench_bots [--doubtful]   the doubtful and refused answers each skill gave
#include "bots/AnswerBank.h"
#include "bots/BotBrain.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <array>
#include <cstdio>

namespace {

constexpr quint32 SampleSeed = 2026;
constexpr int SampleRounds = 25; // of eight categories: 200 pairs
constexpr int AgreementRounds = 500;
constexpr int CopyRounds = 5;
constexpr int CopyPlayers = 3;

struct Round
{
    QChar letter;
    QStringList categories;
};

QStringList readLines(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            lines.append(QString::fromLatin1(line));
    }
    return lines;
}

// Rounds as a game draws them: a letter, then eight different categories of the table.
QList<Round> drawRounds(const QStringList &table, quint32 seed, int count)
{
    GameRandom random(seed);
    QList<Round> rounds;
    for (int i = 0; i < count; ++i) {
        Round round {QLatin1Char(Protocol::Letters[random.bounded(Protocol::LetterCount)]), {}};
        while (round.categories.size() < BotBrain::CategoriesPerRound) {
            const QString category = table.at(random.bounded(int(table.size())));
            if (!round.categories.contains(category))
                round.categories.append(category);
        }
        rounds.append(round);
    }
    return rounds;
}

QString judgedKey(const QString &category, QChar letter, const QString &answer)
{
    return category + u'\t' + letter + u'\t' + answer;
}

void sampleFigures(const AnswerBank &bank, const QList<Round> &rounds, bool listUnjudged,
                   bool listDoubtful)
{
    QHash<QString, QChar> judged; // key -> a(cceptable), d(oubtful), r(efused)
    for (const QString &line : readLines(LEXIBURST_JUDGED_FILE)) {
        const qsizetype tab = line.indexOf(u'\t');
        judged.insert(line.mid(tab + 1), line.at(0));
    }
    int unknownPairs = 0;
    for (const Round &round : rounds) {
        for (const QString &category : round.categories)
            unknownPairs += bank.answers(category, round.letter).isEmpty() ? 1 : 0;
    }
    const int pairs = int(rounds.size()) * BotBrain::CategoriesPerRound;
    std::printf("sample: %d pairs (%d rounds, seed %u); the bank knows nothing for %d (%.1f%% "
                "blank)\n",
                pairs, int(rounds.size()), SampleSeed, unknownPairs, 100.0 * unknownPairs / pairs);
    QSet<QString> unjudged;
    for (int skill = BotProfile::MinSkill; skill <= BotProfile::MaxSkill; ++skill) {
        GameRandom random {quint32(skill)};
        BotBrain brain(bank, random, {skill, BotSpeed::Normal});
        brain.startGame();
        QHash<QChar, int> counts;
        int given = 0;
        for (const Round &round : rounds) {
            const QStringList answers = brain.answerRound(round.letter, round.categories);
            for (int i = 0; i < answers.size(); ++i) {
                if (answers.at(i).isEmpty())
                    continue;
                ++given;
                const QString key = judgedKey(round.categories.at(i), round.letter, answers.at(i));
                const QChar verdict = judged.value(key, u'?');
                ++counts[verdict];
                if (verdict == u'?')
                    unjudged.insert(key);
                else if (listDoubtful && verdict != u'a')
                    std::printf("%d %c\t%s\n", skill, char(verdict.unicode()), qPrintable(key));
            }
        }
        const auto share = [&](char16_t verdict) {
            return 100.0 * counts.value(verdict) / given;
        };
        std::printf("skill %d: %d answers in %d boxes (%.1f a round): acceptable %.1f%%, doubtful "
                    "%.1f%%, refused %.1f%%, not judged %d\n",
                    skill, given, pairs, double(given) / double(rounds.size()), share(u'a'),
                    share(u'd'), share(u'r'), counts.value(u'?'));
    }
    if (listUnjudged) {
        for (const QString &key : std::as_const(unjudged))
            std::printf("?\t%s\n", qPrintable(key));
    }
}

// Two players of separate programs: the share of the pairs both answered with one answer.
void agreement(const AnswerBank &bank, const QStringList &table)
{
    const QList<Round> rounds = drawRounds(table, SampleSeed + 1, AgreementRounds);
    GameRandom first(101);
    GameRandom second(202);
    BotBrain one(bank, first, {2, BotSpeed::Normal});
    BotBrain other(bank, second, {2, BotSpeed::Normal});
    int both = 0;
    int same = 0;
    for (const Round &round : rounds) {
        one.startGame();
        other.startGame();
        const QStringList a = one.answerRound(round.letter, round.categories);
        const QStringList b = other.answerRound(round.letter, round.categories);
        for (int i = 0; i < a.size(); ++i) {
            if (a.at(i).isEmpty() || b.at(i).isEmpty())
                continue;
            ++both;
            same += a.at(i).compare(b.at(i), Qt::CaseInsensitive) == 0 ? 1 : 0;
        }
    }
    std::printf("two skill-2 players of separate programs agree on %d of %d pairs both answered "
                "(%.1f%%)\n",
                same, both, 100.0 * same / both);
}

// Three players of one copy over a game: answers given twice to a category whose bank
// letter held at least as many answers as players answered it.
void copying(const AnswerBank &bank, const QStringList &table)
{
    GameRandom random(7);
    SharedAnswers shared;
    std::array<BotBrain, CopyPlayers> players {BotBrain(bank, random), BotBrain(bank, random),
                                               BotBrain(bank, random)};
    for (BotBrain &player : players) {
        player.setShared(&shared);
        player.startGame();
    }
    int copied = 0;
    int answers = 0;
    for (const Round &round : drawRounds(table, SampleSeed + 2, CopyRounds)) {
        QList<QStringList> given;
        for (BotBrain &player : players)
            given.append(player.answerRound(round.letter, round.categories));
        for (int i = 0; i < round.categories.size(); ++i) {
            QStringList texts;
            for (const QStringList &one : given) {
                if (!one.at(i).isEmpty())
                    texts.append(one.at(i).toCaseFolded());
            }
            answers += int(texts.size());
            const int known = int(bank.answers(round.categories.at(i), round.letter).size());
            if (known >= texts.size())
                copied += int(texts.size() - QSet<QString>(texts.begin(), texts.end()).size());
        }
    }
    std::printf("%d players of one copy, %d rounds: %d answers, %d copied while the bank knew "
                "another\n",
                CopyPlayers, CopyRounds, answers, copied);
}

struct Scripted
{
    const char *category;
    char letter;
    const char *answer;
    const char *kind;
};

// A player who types gibberish, words of other categories, words of another letter and
// right answers, short forms of the closed lists among them.
constexpr std::array<Scripted, 30> Script {{
    {"Fruit", 'B', "Blorftz", "gibberish"},
    {"Vegetable", 'C', "Crxvlt", "gibberish"},
    {"Something that is soft", 'P', "Pqoozle", "gibberish"},
    {"Type of Tool", 'H', "Hrrgnaw Zxv", "gibberish"},
    {"Animal", 'B', "Banana", "wrong category"},
    {"Fruit", 'B', "Bear", "wrong category"},
    {"Color", 'T', "Tiger", "wrong category"},
    {"Body Part", 'K', "Kangaroo", "wrong category"},
    {"Musical Instrument", 'D', "Dog", "wrong category"},
    {"Famous People", 'B', "Banana", "wrong category"},
    {"Fruit", 'B', "Apple", "wrong letter"},
    {"Country", 'S', "Canada", "wrong letter"},
    {"Fruit", 'B', "Banana", "right"},
    {"Animal", 'B', "Bear", "right"},
    {"Color", 'T', "Turquoise", "right"},
    {"Body Part", 'K', "Knee", "right"},
    {"Something that is soft", 'P', "Pillow", "right"},
    {"President", 'F', "FDR", "right"},
    {"President", 'F', "Franklin D. Roosevelt", "right"},
    {"President", 'J', "John Quincy Adams", "right"},
    {"President", 'J', "James K. Polk", "right"},
    {"President", 'J', "JFK", "right"},
    {"Country", 'B', "Burma", "right"},
    {"Country", 'B', "Bosnia", "right"},
    {"Country", 'E', "East Timor", "right"},
    {"Country", 'E', "Eire", "right"},
    {"Country", 'K', "Kosovo", "right"},
    {"Country", 'S', "St. Lucia", "right"},
    {"Country", 'H', "Holland", "right"},
    {"State Capitol", 'S', "St. Paul", "right"},
}};

// Three skill-2 players vote on each scripted answer beside their own answers: how many
// decline it in All Scoring, how many favour it in One Winner Only.
void scriptedVotes(const AnswerBank &bank)
{
    GameRandom random(13);
    std::array<BotBrain, 3> players {BotBrain(bank, random), BotBrain(bank, random),
                                     BotBrain(bank, random)};
    constexpr int ScriptedSeat = 1;
    QHash<QString, std::array<int, 3>> byKind; // answers, declined by most, favoured
    for (const Scripted &line : Script) {
        const QString category = QString::fromLatin1(line.category);
        const QChar letter = QLatin1Char(line.letter);
        QList<OfferedAnswer> offered {{ScriptedSeat, QString::fromLatin1(line.answer), false}};
        for (int i = 0; i < int(players.size()); ++i) {
            players[std::size_t(i)].startGame();
            const QString own = players[std::size_t(i)].answerRound(letter, {category}).value(0);
            if (!own.isEmpty())
                offered.append({ScriptedSeat + 1 + i, own, false});
        }
        int declined = 0;
        int favoured = 0;
        for (int i = 0; i < int(players.size()); ++i) {
            BotBrain &player = players[std::size_t(i)];
            const int seat = ScriptedSeat + 1 + i;
            declined
                += player.seatsToDecline(seat, letter, category, offered).contains(ScriptedSeat);
            favoured += player.seatToFavour(seat, letter, category, offered) == ScriptedSeat;
        }
        std::array<int, 3> &sums = byKind[QString::fromLatin1(line.kind)];
        ++sums[0];
        sums[1] += declined * 2 > int(players.size()) ? 1 : 0;
        sums[2] += favoured;
        std::printf("  %-16s %-22s %c %-22s declined by %d of 3, favoured by %d\n", line.kind,
                    line.category, line.letter, line.answer, declined, favoured);
    }
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it)
        std::printf("%s: %d answers, %d refused by most players, %d favour votes\n",
                    qPrintable(it.key()), it.value()[0], it.value()[1], it.value()[2]);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool listUnjudged = app.arguments().contains(QStringLiteral("--unjudged"));
    const bool listDoubtful = app.arguments().contains(QStringLiteral("--doubtful"));
    const AnswerBank bank = AnswerBank::fromResource();
    const QStringList table = readLines(LEXIBURST_CATEGORIES_FILE);
    sampleFigures(bank, drawRounds(table, SampleSeed, SampleRounds), listUnjudged, listDoubtful);
    agreement(bank, table);
    copying(bank, table);
    std::printf("votes on a scripted player's answers:\n");
    scriptedVotes(bank);
    return 0;
}
