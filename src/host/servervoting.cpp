// Voting on the round's categories, scoring them and the winner test.
#include "host/serverform.h"
#include "protocol/FieldReader.h"
#include "protocol/GameFacts.h"

namespace {

constexpr int ScoreDisplaySeconds = 5;
constexpr int RoundSummarySeconds = 10;

// Answers are compared by their lower-case forms; nothing is trimmed.
bool sameAnswer(const QString &a, const QString &b)
{
    return a.toLower() == b.toLower();
}

} // namespace

int TServer::playersInUse() const
{
    int count = 0;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        count += m_seats[n].inUse ? 1 : 0;
    return count;
}

bool TServer::categoryOnShow() const
{
    return m_currentCategory >= 1 && m_currentCategory <= Protocol::CategoriesPerRound;
}

void TServer::showcats()
{
    constexpr int seats = Protocol::PlayingSeats;
    ++m_currentCategory;
    if (m_currentCategory > Protocol::CategoriesPerRound) {
        sendToAll(Protocol::Msg::roundover());
        setPhase(PhaseRoundSummary, RoundSummarySeconds);
        return;
    }
    const auto c = std::size_t(m_currentCategory);

    for (int n = 1; n <= seats; ++n)
        m_seats[n].duplicate[c] = 0;
    if (!m_gameType && !m_duplicatesAllowed) {
        for (int a = 1; a <= seats; ++a) {
            for (int b = a + 1; b <= seats; ++b) {
                const QString &first = m_seats[a].answers[c];
                const QString &second = m_seats[b].answers[c];
                if (!first.isEmpty() && !second.isEmpty() && sameAnswer(first, second)) {
                    m_seats[a].duplicate[c] = 1;
                    m_seats[b].duplicate[c] = 1;
                }
            }
        }
    }

    // Seats are listed whether in use or not: answers of a player who left
    // after sending them are still voted on.
    QList<Protocol::ShowcatAnswer> answers;
    for (int n = 1; n <= seats; ++n) {
        Seat &s = m_seats[n];
        s.votedFor = 0;
        s.declined.fill(false);
        if (s.answers[c].isEmpty())
            continue;
        answers.append({n, s.answers[c], s.duplicate[c] == 1});
        ++s.answersShown;
    }
    if (answers.isEmpty()) {
        sendToAll(Protocol::Msg::noanswers(m_categories[c]));
        setPhase(PhaseNoAnswers, GameFacts::votingSeconds(0));
        return;
    }
    for (int n = 1; n <= seats; ++n) {
        m_seats[n].accepted.fill(0);
        m_seats[n].votesAgainst.fill(0);
    }
    sendToAll(Protocol::Msg::showcat(m_categories[c], answers));
    setPhase(PhaseVoting, GameFacts::votingSeconds(int(answers.size())));
}

void TServer::votefor(const QString &text, int origin)
{
    if (m_gameType)
        return; // All Scoring has no votes for answers
    Protocol::FieldReader reader(text);
    const auto voter = reader.takeInt();
    if (!voter || !isPlayingSeat(*voter) || !sentBy(*voter, origin))
        return;
    const auto target = reader.takeInt();
    if (!target || !isPlayingSeat(*target) || !categoryOnShow())
        return;
    const auto c = std::size_t(m_currentCategory);
    const QString &answer = m_seats[*target].answers[c];
    // No answer, nothing to vote for; it would hand votes to every empty slot.
    if (answer.isEmpty())
        return;
    // One vote per player and category, never for the own answer nor for one
    // struck out as a duplicate: the clients offer nothing else, and a peer
    // that sends more would buy itself points.
    Seat &voting = m_seats[*voter];
    if (*voter == *target || voting.votedFor != 0 || m_seats[*target].duplicate[c] == 1)
        return;
    ++m_seats[*target].votesFor[c];
    // Identical answers always carry the same number of votes.
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        if (n != *target && sameAnswer(m_seats[n].answers[c], answer))
            ++m_seats[n].votesFor[c];
    }
    voting.votedFor = *target;
}

void TServer::voteagainst(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    const auto voter = reader.takeInt();
    if (!voter || !isPlayingSeat(*voter) || !sentBy(*voter, origin))
        return;
    const auto target = reader.takeInt();
    if (!target || !isPlayingSeat(*target) || !categoryOnShow())
        return;
    // Each player declines an answer at most once.
    bool &declined = m_seats[*voter].declined[std::size_t(*target)];
    if (declined)
        return;
    declined = true;
    ++m_seats[*target].votesAgainst[std::size_t(m_currentCategory)];
}

void TServer::postscores()
{
    constexpr int seats = Protocol::PlayingSeats;
    QList<Protocol::ScoreLine> lines;
    if (categoryOnShow()) {
        const auto c = std::size_t(m_currentCategory);
        if (m_gameType) {
            const int players = playersInUse();
            for (int n = 1; n <= seats; ++n) {
                Seat &s = m_seats[n];
                if (!s.inUse || s.answers[c].isEmpty())
                    continue;
                s.votesFor[c] = players - s.votesAgainst[c];
                // Refused only when more than half of the players declined it.
                s.accepted[c] = s.votesAgainst[c] <= players / 2 ? 1 : 0;
                s.gameScore += s.accepted[c];
                lines.append({n, s.accepted[c], s.votesFor[c], s.gameScore});
            }
        } else {
            int top = 0;
            for (int n = 1; n <= seats; ++n) {
                if (m_seats[n].inUse)
                    top = std::max(top, m_seats[n].votesFor[c]);
            }
            const auto votedForTop = [&](const Seat &s) {
                return isPlayingSeat(s.votedFor) && m_seats[s.votedFor].votesFor[c] == top;
            };
            for (int n = 1; n <= seats; ++n) {
                Seat &s = m_seats[n];
                const int votes = s.votesFor[c];
                int gained = 0;
                if (votes == top)
                    gained = votes;
                else if (votedForTop(s))
                    gained = 1;
                s.gameScore += gained;
                lines.append({n, gained, votes, s.gameScore});
            }
        }
    }
    sendToAll(Protocol::Msg::postscores(lines));
    setPhase(PhaseNextCategory, ScoreDisplaySeconds);
}

bool TServer::checkforwin()
{
    // Seats nobody used during this game hold no one's score: they neither
    // lead nor tie. A departed player's seat still ties.
    int leader = m_seats[1].tookPart ? 1 : 0;
    for (int n = 2; n <= Protocol::PlayingSeats; ++n) {
        const Seat &s = m_seats[n];
        if (s.inUse && (leader == 0 || s.gameScore > m_seats[leader].gameScore))
            leader = n;
    }
    if (leader == 0)
        leader = 1; // nobody played: the game still ends
    const int top = m_seats[leader].gameScore;
    bool tied = false;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        tied = tied || (n != leader && m_seats[n].tookPart && m_seats[n].gameScore == top);
    if (tied && m_roundNumber <= m_rounds + MaxTieBreakRounds) {
        sendToAll(Protocol::Msg::tiegame());
        emit gameTied(top);
        return false;
    }
    if (tied)
        leader = tieBreakWinner(leader);
    // A leader who dropped out and whose seat is still kept wins under its name.
    const Seat &won = m_seats[leader];
    const QString name = !won.loginName.isEmpty() ? won.loginName
        : !won.keptFor.isEmpty()                  ? won.keptFor
                                                  : QStringLiteral("Missing");
    sendToAll(Protocol::Msg::winner(name));
    m_gameRunning = false;
    m_kept.releaseAll();
    // Also when a new game ends at once: the clock of the one it replaced stops.
    m_timer1.stop();
    emit gameWon(leader, name, top);
    return true;
}

int TServer::tieBreakWinner(int leader) const
{
    // Among the leader and the players still seated with the same score, the
    // one who gave the most answers in the game wins; then the lowest seat.
    int best = leader;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        const Seat &s = m_seats[n];
        if (n == leader || !s.inUse || s.gameScore != m_seats[leader].gameScore)
            continue;
        const int bestAnswers = m_seats[best].answersShown;
        if (s.answersShown > bestAnswers || (s.answersShown == bestAnswers && n < best))
            best = n;
    }
    return best;
}
