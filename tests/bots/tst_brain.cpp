#include "bots/AnswerBank.h"
#include "bots/BotBrain.h"
#include "bots/BotChat.h"
#include "bots/Language.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(OfferedAnswer)
Q_DECLARE_METATYPE(BotSpeed)

namespace {

QStringList categoryFile()
{
    QFile file(QStringLiteral(LEXIBURST_CATEGORIES_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            names.append(QString::fromLatin1(line));
    }
    return names;
}

// A small bank: one closed list and one open list.
const QByteArray SmallBank = "# test bank\n"
                             "=Country\tclosed\nCanada\nChile\nChina\nPeru\n"
                             "Central African Republic\nC\xf4te d'Ivoire\n"
                             "=President\tclosed\nChester A. Arthur\nCalvin Coolidge\n"
                             "=Fruit\nCherry\nCoconut\nPeach\nPear\nPlum\nPapaya\n"
                             "=Actor\tnames\nCary Grant\n";

const QStringList Busy {QStringLiteral("Fruit"),   QStringLiteral("Animal"),
                        QStringLiteral("Country"), QStringLiteral("Sport"),
                        QStringLiteral("Color"),   QStringLiteral("Body Part"),
                        QStringLiteral("Flower"),  QStringLiteral("Vegetable")};

int filled(const QStringList &answers)
{
    return int(std::count_if(answers.begin(), answers.end(),
                             [](const QString &a) { return !a.isEmpty(); }));
}

} // namespace

class BotBrainTest : public QObject
{
    Q_OBJECT

private slots:
    void bankKnowsEveryCategory();
    void offensiveAnswersNeverKnown();
    void answersBeginWithLetterAndNeverRepeat_data();
    void answersBeginWithLetterAndNeverRepeat();
    void fillBySkillAndSpeed_data();
    void fillBySkillAndSpeed();
    void strongerSkillReachesRarerAnswers();
    void fillsFirstWhereManyAnswersAreKnown();
    void sharedPlayersDoNotCopy();
    void declines_data();
    void declines();
    void favours_data();
    void favours();
    void closedKeysForgiveHowPeopleType();
    void votePace();
    void chatAtMostOneLineAMinute();
    void chatRepliesAndNeverEchoes();
    void nameNobodyAtTheTableUses();

private:
    const AnswerBank m_small = AnswerBank::fromText(SmallBank);
    const AnswerBank m_bank = AnswerBank::fromResource();
};

void BotBrainTest::bankKnowsEveryCategory()
{
    const QStringList categories = categoryFile();
    QCOMPARE(categories.size(), 369);
    for (const QString &category : categories)
        QVERIFY2(m_bank.knowsCategory(category), qPrintable(category));
    QVERIFY(m_bank.knowsWell(QStringLiteral(" country ")));
    QVERIFY(!m_bank.knowsWell(QStringLiteral("Fruit")));
}

// The shipped bank holds no blocked word, and no bank read can bring one in: whole,
// as one word of an answer, in another case or as a plural.
void BotBrainTest::offensiveAnswersNeverKnown()
{
    QFile shipped(QStringLiteral(":/bots/answers.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    for (const QByteArray &line : shipped.readAll().split('\n'))
        QVERIFY2(line.startsWith('#') || line.startsWith('=')
                     || !AnswerBank::isOffensive(QString::fromLatin1(line)),
                 line.constData());
    const QStringList blocked = AnswerBank::offensiveWords();
    QVERIFY(blocked.size() > 150);
    const QStringList harmless {QStringLiteral("Peacock"), QStringLiteral("Cocktail"),
                                QStringLiteral("Scunthorpe"), QStringLiteral("Classic")};
    QByteArray text = "=Things\n" + harmless.join(u'\n').toLatin1();
    for (const QString &word : blocked) {
        const QString capital = word.at(0).toUpper() + word.mid(1);
        const QString plural = word.contains(u' ') ? capital : word.toUpper() + u's';
        for (const QString &answer : {capital, plural, QStringLiteral("Big %1-tree").arg(word)})
            text += '\n' + answer.toLatin1();
    }
    const AnswerBank bank = AnswerBank::fromText(text);
    QStringList known;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        known += bank.answers(QStringLiteral("Things"), QLatin1Char(letter));
    known.sort();
    QCOMPARE(known, QStringList({"Classic", "Cocktail", "Peacock", "Scunthorpe"}));
}

void BotBrainTest::answersBeginWithLetterAndNeverRepeat_data()
{
    QTest::addColumn<int>("letterIndex");
    for (int i = 0; i < Protocol::LetterCount; ++i)
        QTest::addRow("%c", Protocol::Letters[i]) << i;
}

// Every category of the game, eight at a time as rounds of one long game.
void BotBrainTest::answersBeginWithLetterAndNeverRepeat()
{
    QFETCH(int, letterIndex);
    const QChar letter = QLatin1Char(Protocol::Letters[letterIndex]);
    const QStringList categories = categoryFile();
    GameRandom random(quint32(letterIndex) + 1);
    BotBrain brain(m_bank, random, {3, BotSpeed::Fast});
    brain.startGame();
    QSet<QString> given;
    for (int first = 0; first < categories.size(); first += BotBrain::CategoriesPerRound) {
        const QStringList round = categories.mid(first, BotBrain::CategoriesPerRound);
        const QStringList answers = brain.answerRound(letter, round);
        QCOMPARE(answers.size(), round.size());
        for (const QString &answer : answers) {
            if (answer.isEmpty())
                continue;
            QVERIFY2(answer.at(0).toUpper() == letter, qPrintable(answer));
            QVERIFY2(!given.contains(answer.toCaseFolded()), qPrintable(answer));
            given.insert(answer.toCaseFolded());
        }
    }
    QVERIFY(!given.isEmpty());
}

void BotBrainTest::fillBySkillAndSpeed_data()
{
    QTest::addColumn<int>("skill");
    QTest::addColumn<BotSpeed>("speed");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");
    QTest::newRow("weak, slow") << 1 << BotSpeed::Slow << 2 << 3;
    QTest::newRow("weak, fast") << 1 << BotSpeed::Fast << 3 << 5;
    QTest::newRow("fair, slow: at least half") << 2 << BotSpeed::Slow << 4 << 5;
    QTest::newRow("fair, normal: at least half") << 2 << BotSpeed::Normal << 4 << 6;
    QTest::newRow("fair, fast") << 2 << BotSpeed::Fast << 5 << 7;
    QTest::newRow("strong, normal") << 3 << BotSpeed::Normal << 6 << 8;
    QTest::newRow("out of range skill counts as strong") << 9 << BotSpeed::Fast << 7 << 8;
}

void BotBrainTest::fillBySkillAndSpeed()
{
    QFETCH(int, skill);
    QFETCH(BotSpeed, speed);
    QFETCH(int, least);
    QFETCH(int, most);
    GameRandom random(5);
    BotBrain brain(m_bank, random, {skill, speed});
    for (int round = 0; round < 40; ++round) {
        brain.startGame();
        const int count = filled(brain.answerRound(QLatin1Char("BCPST"[round % 5]), Busy));
        QVERIFY2(count >= least && count <= most, qPrintable(QString::number(count)));
    }
}

// A player who fills two or three of four boxes leaves the one with a single known answer
// blank far more often than the one with six.
void BotBrainTest::fillsFirstWhereManyAnswersAreKnown()
{
    const AnswerBank bank = AnswerBank::fromText("=Rich\nPa\nPb\nPc\nPd\nPe\nPf\n"
                                                 "=Thin\nPg\n=Other\nPh\n=Last\nPi\n");
    GameRandom random(8);
    BotBrain brain(bank, random, {BotProfile::MinSkill, BotSpeed::Slow});
    int rich = 0;
    int thin = 0;
    for (int round = 0; round < 100; ++round) {
        brain.startGame();
        const QStringList answers
            = brain.answerRound(QLatin1Char('P'), {u"Rich"_s, u"Thin"_s, u"Other"_s, u"Last"_s});
        rich += answers.at(0).isEmpty() ? 0 : 1;
        thin += answers.at(1).isEmpty() ? 0 : 1;
    }
    QVERIFY2(rich > 90 && thin < 80, qPrintable(u"%1 %2"_s.arg(rich).arg(thin)));
}

void BotBrainTest::strongerSkillReachesRarerAnswers()
{
    // The mean rank of the answers given, 0 for the commonest.
    const auto meanRank = [this](int skill) {
        GameRandom random(9);
        BotBrain brain(m_bank, random, {skill, BotSpeed::Fast});
        double sum = 0;
        int count = 0;
        for (int round = 0; round < 200; ++round) {
            brain.startGame();
            const QStringList answers = brain.answerRound(QLatin1Char('S'), Busy);
            for (int i = 0; i < answers.size(); ++i) {
                if (answers.at(i).isEmpty())
                    continue;
                sum += double(m_bank.answers(Busy.at(i), QLatin1Char('S')).indexOf(answers.at(i)));
                ++count;
            }
        }
        return sum / count;
    };
    QVERIFY(meanRank(3) > 2 * meanRank(1));
}

// Players of one copy give another answer to a category while the bank knows one.
void BotBrainTest::sharedPlayersDoNotCopy()
{
    GameRandom random(6);
    SharedAnswers shared;
    QList<BotBrain> brains(5, BotBrain(m_small, random));
    for (BotBrain &brain : brains)
        brain.setShared(&shared);
    QStringList given;
    // Each hears the game start just before it answers: a late one keeps the others' picks.
    for (BotBrain &brain : brains) {
        brain.startGame();
        given += brain.answerRound(QLatin1Char('P'), {QStringLiteral("Fruit")});
    }
    const QStringList firstFour = given.mid(0, 4);
    QCOMPARE(QSet<QString>(firstFour.begin(), firstFour.end()).size(), 4);
    QVERIFY(firstFour.contains(given.last()));
    brains.first().startGame();
    QVERIFY(!shared.isTaken(QStringLiteral("fruit"), given.first()));
}

void BotBrainTest::declines_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("declined");
    QTest::newRow("listed in a closed list") << "Country"
                                             << "Canada" << false;
    QTest::newRow("blanks and case do not matter") << "country"
                                                   << "  cHILE " << false;
    QTest::newRow("plural of a listed answer") << "Country"
                                               << "Chinas" << false;
    QTest::newRow("missing from a closed list") << "Country"
                                                << "Cnada" << true;
    QTest::newRow("wrong letter") << "Country"
                                  << "Peru" << true;
    QTest::newRow("missing from an open list") << "Fruit"
                                               << "Cranberry" << false;
    QTest::newRow("accented first letter") << "Fruit" << QStringLiteral("\u00c7herry") << false;
    QTest::newRow("wrong letter, open list") << "Fruit"
                                             << "Apple" << true;
    QTest::newRow("unknown category") << "Something Pink"
                                      << "Candy floss" << false;
    QTest::newRow("no word of the language") << "Fruit"
                                             << "Clorptz Xq" << true;
    QTest::newRow("not a word, in a category of names") << "Actor"
                                                        << "Clorptz" << false;
    QTest::newRow("a word of another category") << "Fruit"
                                                << "Cobras" << true;
    QTest::newRow("a fruit the bank does not know") << "Fruit"
                                                    << "Clementine" << false;
    QTest::newRow("closed: leading The, case") << "Country"
                                               << "the central african republic" << false;
    QTest::newRow("closed: no accent, one typo") << "Country"
                                                 << "Cote d'Ivoir" << false;
    QTest::newRow("closed: no middle initial") << "President"
                                               << "Chester Arthur" << false;
    QTest::newRow("closed: initials, one typo") << "President"
                                                << "Calvin C. Coolidg" << false;
    QTest::newRow("closed: two typos") << "President"
                                       << "Calvn Coolidg" << true;
}

void BotBrainTest::declines()
{
    QFETCH(QString, category);
    QFETCH(QString, answer);
    QFETCH(bool, declined);
    GameRandom random(1);
    const BotBrain brain(m_small, random);
    const QList<OfferedAnswer> offered {{3, answer, false},
                                        {2, QStringLiteral("Xylophone"), false}};
    const QList<int> expected = declined ? QList<int> {3} : QList<int> {};
    QCOMPARE(brain.seatsToDecline(2, QLatin1Char('C'), category, offered), expected);
}

void BotBrainTest::favours_data()
{
    QTest::addColumn<QList<OfferedAnswer>>("offered");
    QTest::addColumn<QList<int>>("choices");
    const auto a = [](int seat, const char *text, bool duplicate = false) {
        return OfferedAnswer {seat, QString::fromLatin1(text), duplicate};
    };
    QTest::newRow("never its own") << QList {a(1, "Canada"), a(4, "China")} << QList<int> {4};
    QTest::newRow("only valid answers")
        << QList {a(2, "Cnada"), a(3, "Peru"), a(5, "Chile")} << QList<int> {5};
    QTest::newRow("nothing valid") << QList {a(1, "Chile"), a(2, "Cnada")} << QList<int> {0};
    QTest::newRow("duplicates are struck")
        << QList {a(2, "Chile", true), a(3, "China")} << QList<int> {3};
    QTest::newRow("any listed answer") << QList {a(2, "Chile"), a(3, "China")} << QList<int> {2, 3};
    QTest::newRow("abstains rather than favour gibberish")
        << QList {a(2, "Cxqrtz"), a(3, "Cnada")} << QList<int> {0};
}

void BotBrainTest::favours()
{
    QFETCH(QList<OfferedAnswer>, offered);
    QFETCH(QList<int>, choices);
    GameRandom random(3);
    BotBrain brain(m_small, random);
    for (int i = 0; i < 20; ++i)
        QVERIFY(choices.contains(
            brain.seatToFavour(1, QLatin1Char('C'), QStringLiteral("Country"), offered)));
}

void BotBrainTest::closedKeysForgiveHowPeopleType()
{
    QCOMPARE(Language::closedKeys(QStringLiteral("St. Paul")),
             Language::closedKeys(QStringLiteral("Saint Paul")));
    QCOMPARE(Language::closedKeys(QStringLiteral("Mount Rainier")),
             QStringList {QStringLiteral("mt rainier")});
    QCOMPARE(Language::closedKeys(QStringLiteral("James K. Polk")),
             QStringList({QStringLiteral("james k polk"), QStringLiteral("james polk")}));
    QVERIFY(Language::oneTypoApart(QStringLiteral("colombia"), QStringLiteral("columbia")));
    QVERIFY(!Language::oneTypoApart(QStringLiteral("austria"), QStringLiteral("australia")));
}

void BotBrainTest::votePace()
{
    GameRandom random(4);
    BotBrain slow(m_small, random, {2, BotSpeed::Slow});
    BotBrain fast(m_small, random, {2, BotSpeed::Fast});
    // The shortest voting time is ten game seconds.
    constexpr int ShortestVoteMs = 10 * 1000;
    for (int answers = 0; answers <= 8; ++answers) {
        const int slowDelay = slow.voteDelay(answers);
        QVERIFY(slowDelay > 0 && slowDelay < ShortestVoteMs);
        QVERIFY(fast.voteDelay(answers) <= slowDelay + 500);
    }
    QVERIFY(slow.voteDelay(8) > fast.voteDelay(8));
    // Done typing: a strong player about halfway through a minute, a weak one near its end.
    for (const auto &[skill, earliest, latest] :
         {std::tuple {3, 25000, 35000}, {1, 48000, 57000}}) {
        BotBrain brain(m_small, random, {skill, BotSpeed::Normal});
        for (int round = 0; round < 20; ++round) {
            const qint64 ms = brain.answersDoneMs(60);
            QVERIFY2(ms >= earliest && ms <= latest, qPrintable(QString::number(ms)));
        }
    }
}

void BotBrainTest::chatAtMostOneLineAMinute()
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        GameRandom random(seed);
        BotChat chat(random);
        qint64 lastLine = -BotChat::MinGapMs;
        for (qint64 now = 0; now < 10 * BotChat::MinGapMs; now += 7000) {
            const int kind = int(now / 7000) % 3;
            const QString line = kind == 0 ? chat.gameStarted(now)
                : kind == 1                ? chat.gameEnded(now, seed % 2)
                                           : chat.heard(now, u"Klot"_s, u"gg"_s);
            if (line.isEmpty())
                continue;
            QVERIFY(now - lastLine >= BotChat::MinGapMs);
            lastLine = now;
        }
        QVERIFY(lastLine > 0);
    }
}

// Players of one copy never say the same line at once; they answer a greeting, "gg" and a
// question that names them, and nothing else.
void BotBrainTest::chatRepliesAndNeverEchoes()
{
    QStringList saidLately;
    GameRandom random(8);
    for (int game = 0; game < 20; ++game) {
        BotChat one(random, BotChat::MinGapMs, &saidLately);
        BotChat other(random, BotChat::MinGapMs, &saidLately);
        const QString first = one.gameEnded(0, false);
        QVERIFY(!first.isEmpty() && first != other.gameEnded(0, false));
    }
    const QStringList lines {u"Hello all"_s, u"gg everyone"_s, u"klot, what did you put?"_s,
                             u"that letter was hard"_s};
    QList<int> replies(lines.size());
    for (int i = 0; i < 40 * lines.size(); ++i) {
        BotChat chat(random);
        replies[i % lines.size()]
            += chat.heard(0, u"Klot"_s, lines.at(i % lines.size())).isEmpty() ? 0 : 1;
    }
    QVERIFY2(replies.at(0) > 5 && replies.at(1) > 5 && replies.at(2) > 5 && replies.at(3) == 0,
             qPrintable(QString::number(replies.at(3))));
}

void BotBrainTest::nameNobodyAtTheTableUses()
{
    for (int seat = 1; seat <= 8; ++seat) {
        const QString hint = botNameForSeat(seat);
        QStringList taken {hint};
        // Each name picked is taken next, until only the host can tell them apart.
        for (QString name; (name = botNameForSeat(seat, taken)) != hint; taken.append(name))
            QVERIFY(!taken.contains(name));
        QVERIFY(taken.size() > 1);
    }
}

QTEST_GUILESS_MAIN(BotBrainTest)
#include "tst_brain.moc"
