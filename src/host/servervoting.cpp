// Voting on the round's categories, scoring them and the winner test.
#include "host/Scoring.h"
#include "host/serverform.h"
#include "protocol/ClientMessages.h"
#include "protocol/GameFacts.h"

namespace {

constexpr int ScoreDisplaySeconds = 5;
constexpr int RoundSummarySeconds = 10;

} // namespace

bool TServer::categoryOnShow() const
{
    return m_currentCategory >= 1 && m_currentCategory <= Protocol::CategoriesPerRound;
}

QList<Protocol::ShowcatAnswer> TServer::answersOnShow() const
{
    // Seats are listed whether in use or not: answers of a player who left
    // after sending them are still voted on.
    const auto c = std::size_t(m_currentCategory);
    QList<Protocol::ShowcatAnswer> answers;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        const Seat &s = m_seats[n];
        if (!s.answers[c].isEmpty())
            answers.append({n, s.answers[c], s.duplicate[c] == 1});
    }
    return answers;
}

void TServer::showcats()
{
    ++m_currentCategory;
    if (m_currentCategory > Protocol::CategoriesPerRound) {
        m_table.sendToAll(Protocol::Msg::roundover());
        setPhase(Protocol::Phase::RoundSummary, RoundSummarySeconds);
        return;
    }
    const auto c = std::size_t(m_currentCategory);
    Scoring::openVote(m_seats, c, !allScoring() && !m_duplicatesAllowed);
    clearDone();
    const QList<Protocol::ShowcatAnswer> answers = answersOnShow();
    if (answers.isEmpty()) {
        m_table.sendToAll(Protocol::Msg::noanswers(m_categories[c]));
        setPhase(Protocol::Phase::NoAnswers, GameFacts::votingSeconds(0));
        return;
    }
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        m_seats[n].accepted.fill(0);
        m_seats[n].votesAgainst.fill(0);
    }
    m_table.sendToAll(Protocol::Msg::showcat(m_categories[c], answers));
    setPhase(Protocol::Phase::Voting, GameFacts::votingSeconds(int(answers.size())));
}

void TServer::votefor(const QString &text, int origin)
{
    if (allScoring())
        return; // All Scoring has no votes for answers
    const auto vote = Protocol::FromClient::votefor(text);
    if (!vote || !isPlayingSeat(vote->voter) || !sentBy(vote->voter, origin)
        || !isPlayingSeat(vote->seat) || !categoryOnShow())
        return;
    Scoring::voteFor(m_seats, std::size_t(m_currentCategory), vote->voter, vote->seat);
    // The one vote a player has is its last word on the category.
    if (m_seats[vote->voter].votedFor != 0)
        markDone(vote->voter, Protocol::DoneWith::Vote);
}

void TServer::voteagainst(const QString &text, int origin)
{
    const auto vote = Protocol::FromClient::voteagainst(text);
    if (!vote || !isPlayingSeat(vote->voter) || !sentBy(vote->voter, origin)
        || !isPlayingSeat(vote->seat) || !categoryOnShow())
        return;
    Scoring::voteAgainst(m_seats, std::size_t(m_currentCategory), vote->voter, vote->seat);
}

void TServer::postscores()
{
    QList<Protocol::ScoreLine> lines;
    if (categoryOnShow())
        lines = Scoring::score(m_seats, std::size_t(m_currentCategory), m_gameType);
    m_table.sendToAll(Protocol::Msg::postscores(lines));
    setPhase(Protocol::Phase::NextCategory, ScoreDisplaySeconds);
}

bool TServer::checkforwin()
{
    const auto [first, top, tied] = Scoring::standing(m_seats);
    if (tied && m_roundNumber <= m_rounds + MaxTieBreakRounds) {
        m_table.sendToAll(Protocol::Msg::tiegame());
        emit gameTied(top);
        return false;
    }
    const int leader = tied ? Scoring::tieBreakWinner(m_seats, first) : first;
    // A leader who dropped out and whose seat is still kept wins under its name.
    const Seat &won = m_seats[leader];
    const QString name = !won.loginName.isEmpty() ? won.loginName
        : !won.keptFor.isEmpty()                  ? won.keptFor
                                                  : QStringLiteral("Missing");
    m_table.sendToAll(Protocol::Msg::winner(name));
    m_gameRunning = false;
    m_returns.releaseAll();
    m_gate.liftBars();
    // Also when a new game ends at once: the clock of the one it replaced stops.
    m_timer1.stop();
    emit gameWon(leader, name, top);
    return true;
}
