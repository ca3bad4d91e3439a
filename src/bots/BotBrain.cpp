#include "bots/BotBrain.h"

#include "bots/AnswerBank.h"
#include "bots/Language.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

struct FillRange
{
    int least;
    int most;
};

// Categories filled a round, by skill (rows) and speed (Slow, Normal, Fast). A fair
// player at any speed fills at least half of the eight.
constexpr std::array<std::array<FillRange, 3>, 3> FillBySkill {{
    {{{2, 3}, {2, 4}, {3, 5}}},
    {{{4, 5}, {4, 6}, {5, 7}}},
    {{{5, 7}, {6, 8}, {7, 8}}},
}};

// How far down the bank's ranking (commonest first) a player reaches for an answer, by
// skill: a casual player names what everybody knows, a strong one also rarer words.
constexpr std::array<int, 3> ReachBySkill {3, 6, 10};
// Answers that make a category easy: past these, more do not draw a player to it, so long
// lists of rare words are not favoured.
constexpr int WeighAnswersUpTo = 6;
// Percent of a casual player's answers that are near misses: an answer to another
// category of the round, which a fair table refuses.
constexpr int NearMissPercent = 8;

// Vote pace: a first look, then time per answer on show, by speed; plus a little chance.
constexpr int FirstLookMs = 1000;
constexpr std::array<int, 3> PerAnswerMs {1000, 500, 250};
constexpr int VoteJitterMs = 500;
// Share of the answer time, in percent, after which a player is done typing,
// by skill (weak first), give or take DoneJitterPercent.
constexpr std::array<int, 3> DonePercentBySkill {88, 70, 50};
constexpr int DoneJitterPercent = 6;

int speedIndex(BotSpeed speed)
{
    return speed == BotSpeed::Slow ? 0 : speed == BotSpeed::Normal ? 1 : 2;
}

int skillIndex(int skill)
{
    return std::clamp(skill, BotProfile::MinSkill, BotProfile::MaxSkill) - BotProfile::MinSkill;
}

QString usedKey(const QString &answer)
{
    return answer.simplified().toCaseFolded();
}

} // namespace

BotBrain::BotBrain(const AnswerBank &bank, GameRandom &random, BotProfile profile)
    : m_bank(bank), m_random(random), m_profile(profile)
{
    m_profile.skill = std::clamp(m_profile.skill, BotProfile::MinSkill, BotProfile::MaxSkill);
}

bool SharedAnswers::isTaken(const QString &category, const QString &answer) const
{
    return m_taken.contains(key(category, answer));
}

void SharedAnswers::startGame(int game)
{
    if (game <= m_game)
        return;
    m_game = game;
    m_taken.clear();
}

void SharedAnswers::take(const QString &category, const QString &answer)
{
    m_taken.insert(key(category, answer));
}

QString SharedAnswers::key(const QString &category, const QString &answer)
{
    return category.simplified().toCaseFolded() + u'\n' + usedKey(answer);
}

void BotBrain::setSkill(int skill)
{
    m_profile.skill = std::clamp(skill, BotProfile::MinSkill, BotProfile::MaxSkill);
}

void BotBrain::setShared(SharedAnswers *shared)
{
    m_shared = shared;
    // A player seated during a game counts on from it.
    m_game = shared ? shared->game() : 0;
}

void BotBrain::startGame()
{
    m_usedAnswers.clear();
    ++m_game;
    if (m_shared)
        m_shared->startGame(m_game);
}

int BotBrain::fillCount()
{
    const FillRange range = FillBySkill[std::size_t(skillIndex(m_profile.skill))]
                                       [std::size_t(speedIndex(m_profile.speed))];
    return range.least + m_random.bounded(range.most - range.least + 1);
}

QString BotBrain::pickAnswer(const QString &category, const QStringList &candidates)
{
    QStringList fresh;
    QStringList givenBefore;
    QStringList takenByOthers;
    for (const QString &candidate : candidates) {
        if (m_shared && m_shared->isTaken(category, candidate))
            takenByOthers.append(candidate);
        else if (m_usedAnswers.contains(usedKey(candidate)))
            givenBefore.append(candidate);
        else
            fresh.append(candidate);
    }
    // Another player's answer only when the bank knows nothing else, as a person would; and
    // rather than that, which is struck out as a duplicate, one this player gave before.
    const QStringList &pool = !fresh.isEmpty() ? fresh
        : takenByOthers.isEmpty()              ? fresh
        : !givenBefore.isEmpty()               ? givenBefore
                                               : takenByOthers;
    if (pool.isEmpty())
        return QString();
    const int reach
        = std::min(ReachBySkill[std::size_t(skillIndex(m_profile.skill))], int(pool.size()));
    return pool.at(m_random.bounded(reach));
}

QString BotBrain::nearMiss(QChar letter, const QStringList &categories, int index)
{
    const int other
        = (index + 1 + m_random.bounded(int(categories.size()) - 1)) % int(categories.size());
    const QStringList answers = m_bank.answers(categories.at(other), letter);
    for (const QString &answer : answers) {
        if (!m_usedAnswers.contains(usedKey(answer)) && !m_bank.holds(categories.at(index), answer))
            return answer;
    }
    return QString();
}

QStringList BotBrain::answerRound(QChar letter, const QStringList &categories)
{
    QStringList result(categories.size());
    // Which categories to fill is chance too, so a weak player's blanks move about; but like
    // a person, a player fills first where many answers come to mind: a category weighs the
    // cube of its known answers, counted up to WeighAnswersUpTo. Two players then seldom meet
    // in a category where the bank knows only one or two answers.
    QList<int> answerable;
    QList<int> weights;
    for (int i = 0; i < categories.size(); ++i) {
        const int known
            = std::min(int(m_bank.answers(categories.at(i), letter).size()), WeighAnswersUpTo);
        if (known > 0) {
            answerable.append(i);
            weights.append(known * known * known);
        }
    }
    const int wanted = std::min(fillCount(), int(answerable.size()));
    for (int filled = 0; filled < wanted && !answerable.isEmpty();) {
        int pick = m_random.bounded(std::accumulate(weights.begin(), weights.end(), 0));
        int at = 0;
        while (pick >= weights.at(at))
            pick -= weights.at(at++);
        const int index = answerable.takeAt(at);
        weights.removeAt(at);
        const QString &category = categories.at(index);
        const bool miss = m_profile.skill == BotProfile::MinSkill && categories.size() > 1
            && m_random.bounded(100) < NearMissPercent;
        QString answer = miss ? nearMiss(letter, categories, index) : QString();
        if (answer.isEmpty())
            answer = pickAnswer(category, m_bank.answers(category, letter));
        if (answer.isEmpty() || Protocol::answerInitial(answer) != letter.toUpper())
            continue;
        m_usedAnswers.insert(usedKey(answer));
        if (m_shared)
            m_shared->take(category, answer);
        result[index] = answer;
        ++filled;
    }
    return result;
}

bool BotBrain::isValid(QChar letter, const QString &category, const QString &answer) const
{
    // A leading "The" does not count: "The Gambia" begins with a G.
    static const QString The = QStringLiteral("the ");
    const bool article = answer.trimmed().startsWith(The, Qt::CaseInsensitive);
    if (Protocol::answerInitial(answer) != letter.toUpper()
        && !(article
             && Protocol::answerInitial(answer.trimmed().mid(The.size())) == letter.toUpper()))
        return false;
    if (m_bank.knowsWell(category))
        return m_bank.holds(category, answer) || m_bank.matchesClosed(category, answer);
    if (m_bank.holds(category, answer))
        return true;
    // Not a word of the language, or a word of another category; what it cannot judge
    // (names, rare words, categories without senses) it accepts.
    if (!m_bank.takesNames(category) && !Language::hasKnownWord(answer))
        return false;
    return !Language::fitsAnotherCategoryOnly(category, answer);
}

QList<int> BotBrain::seatsToDecline(int ownSeat, QChar letter, const QString &category,
                                    const QList<OfferedAnswer> &offered) const
{
    QList<int> seats;
    for (const OfferedAnswer &answer : offered) {
        if (answer.seat != ownSeat && !answer.text.trimmed().isEmpty()
            && !isValid(letter, category, answer.text))
            seats.append(answer.seat);
    }
    return seats;
}

int BotBrain::seatToFavour(int ownSeat, QChar letter, const QString &category,
                           const QList<OfferedAnswer> &offered)
{
    QList<int> best;
    QList<int> valid;
    for (const OfferedAnswer &answer : offered) {
        if (answer.seat == ownSeat || answer.duplicate || !isValid(letter, category, answer.text))
            continue;
        valid.append(answer.seat);
        if (m_bank.holds(category, answer.text))
            best.append(answer.seat);
    }
    // An answer the bank knows is a safe choice; otherwise any that passes the check.
    const QList<int> &pool = best.isEmpty() ? valid : best;
    return pool.isEmpty() ? 0 : pool.at(m_random.bounded(int(pool.size())));
}

qint64 BotBrain::answersDoneMs(int turnTime)
{
    const int percent = DonePercentBySkill[std::size_t(skillIndex(m_profile.skill))]
        + m_random.bounded(2 * DoneJitterPercent + 1) - DoneJitterPercent;
    return qint64(std::max(turnTime, 1)) * 10 * percent;
}

int BotBrain::voteDelay(int answerCount)
{
    const int shown = std::clamp(answerCount, 0, CategoriesPerRound);
    return FirstLookMs + shown * PerAnswerMs[std::size_t(speedIndex(m_profile.speed))]
        + m_random.bounded(VoteJitterMs + 1);
}
