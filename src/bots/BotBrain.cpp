#include "bots/BotBrain.h"

#include "bots/AnswerBank.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <algorithm>
#include <array>

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

// Percent of answers a player takes from below the best few, by skill.
constexpr std::array<int, 3> WeakAnswerPercent {40, 20, 5};
// The best answers a player chooses among, so that several players rarely agree.
constexpr int StrongChoices = 3;

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

void BotBrain::startGame()
{
    m_usedAnswers.clear();
}

int BotBrain::fillCount()
{
    const FillRange range = FillBySkill[std::size_t(skillIndex(m_profile.skill))]
                                       [std::size_t(speedIndex(m_profile.speed))];
    return range.least + m_random.bounded(range.most - range.least + 1);
}

QString BotBrain::pickAnswer(const QStringList &candidates)
{
    QStringList fresh;
    for (const QString &candidate : candidates) {
        if (!m_usedAnswers.contains(usedKey(candidate)))
            fresh.append(candidate);
    }
    if (fresh.isEmpty())
        return QString();
    const int strong = std::min(StrongChoices, int(fresh.size()));
    const bool weak = int(fresh.size()) > strong
        && m_random.bounded(100) < WeakAnswerPercent[std::size_t(skillIndex(m_profile.skill))];
    const int index
        = weak ? strong + m_random.bounded(int(fresh.size()) - strong) : m_random.bounded(strong);
    return fresh.at(index);
}

QStringList BotBrain::answerRound(QChar letter, const QStringList &categories)
{
    QStringList result(categories.size());
    QList<int> answerable;
    for (int i = 0; i < categories.size(); ++i) {
        if (!m_bank.answers(categories.at(i), letter).isEmpty())
            answerable.append(i);
    }
    // Which categories to fill is chance too, so a weak player's blanks move about.
    const int wanted = std::min(fillCount(), int(answerable.size()));
    for (int filled = 0; filled < wanted && !answerable.isEmpty();) {
        const int index = answerable.takeAt(m_random.bounded(int(answerable.size())));
        const QString answer = pickAnswer(m_bank.answers(categories.at(index), letter));
        if (answer.isEmpty() || Protocol::answerInitial(answer) != letter.toUpper())
            continue;
        m_usedAnswers.insert(usedKey(answer));
        result[index] = answer;
        ++filled;
    }
    return result;
}

bool BotBrain::isValid(QChar letter, const QString &category, const QString &answer) const
{
    if (Protocol::answerInitial(answer) != letter.toUpper())
        return false;
    return !m_bank.knowsWell(category) || m_bank.holds(category, answer);
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
