// The vote of the client: the answers of a category in random rows, what the
// player may do with each, the scores posted, the round's standings and the
// winner.
#include "clientcore/ClientGame.h"

#include "clientcore/HostConnection.h"
#include "protocol/FieldReader.h"
#include "protocol/GameFacts.h"

#include <algorithm>

using Protocol::isPlayingSeat;

QString ClientGame::categoryHeading(const QString &field) const
{
    // The host names the category by its number in the round; show its text.
    const auto n = Protocol::toInt(field);
    if (n && *n >= 1 && *n <= CategoryCount && !m_round.categories[*n - 1].trimmed().isEmpty())
        return m_round.categories[*n - 1].trimmed();
    return field.trimmed().toUpper();
}

int ClientGame::drawSeat()
{
    return std::uniform_int_distribution<int>(1, SeatCount)(m_random);
}

void ClientGame::showCategory(const QString &argument)
{
    const std::optional<CategoryVote> vote = Protocol::Read::showcat(argument);
    m_rows = {};
    if (!vote) {
        emit voteRowsChanged();
        return;
    }
    std::array<const VoteAnswer *, SeatCount> bySeat {};
    int answered = 0;
    for (const VoteAnswer &offered : vote->answers) {
        if (!offered.answer.isEmpty()) {
            bySeat[std::size_t(offered.seat - 1)] = &offered;
            ++answered;
        }
    }
    // Answers go to rows in random order, so nobody can tell whose is whose.
    // The spectator seat sees them, but its votes would not count.
    const int own = ownSeat();
    const bool votes = own <= SeatCount;
    for (int row = 1; row <= answered; ++row) {
        int seat = drawSeat();
        while (!bySeat[std::size_t(seat - 1)])
            seat = drawSeat();
        const VoteAnswer &offered = *std::exchange(bySeat[std::size_t(seat - 1)], nullptr);
        VoteRow &r = m_rows[std::size_t(row - 1)];
        r.seat = seat;
        r.answer = offered.answer;
        r.duplicate = offered.duplicate;
        // A duplicate cannot win in One Winner Only; struck out, the voter sees why.
        r.struck = offered.duplicate && !isAllScoring();
        r.declineOffered = votes && isAllScoring();
        r.acceptOffered = votes && !offered.duplicate && (isAllScoring() || seat != own);
    }
    m_seats.clearBonuses();
    m_phase = Protocol::Phase::Voting;
    beginDone(true, !ownSeatPlays());
    startClock(GameFacts::votingSeconds(vote->count));
    emit votingStarted(*vote);
    emit voteRowsChanged();
    emit cue(QStringLiteral("vote"));
}

void ClientGame::declineRow(int row)
{
    if (row < 1 || row > SeatCount)
        return;
    VoteRow &r = m_rows[std::size_t(row - 1)];
    r.acceptOffered = r.declineOffered = false;
    if (ownSeatPlays() && r.seat != 0) {
        voteAgainst(r.seat);
        r.struck = true;
        emit cue(QStringLiteral("decline"));
    }
    emit voteRowsChanged();
}

void ClientGame::acceptRow(int row)
{
    if (row < 1 || row > SeatCount)
        return;
    VoteRow &r = m_rows[std::size_t(row - 1)];
    if (!isAllScoring() && r.seat == ownSeat())
        return;
    r.acceptOffered = r.declineOffered = false;
    if (ownSeatPlays() && r.seat != 0) {
        emit cue(QStringLiteral("decline"));
        // In All Scoring an answer counts as accepted unless declined.
        if (!isAllScoring()) {
            voteFor(r.seat);
            for (VoteRow &other : m_rows)
                other.acceptOffered = false;
            // The one vote is this player's last word on the category.
            m_voteFinished = true;
            emit finishedChanged();
        }
    }
    emit voteRowsChanged();
}

void ClientGame::finishVote()
{
    if (m_phase != Protocol::Phase::Voting || m_voteFinished || !ownSeatPlays())
        return;
    m_connection.send(Protocol::Msg::done(ownSeat(), Protocol::DoneWith::Vote));
    m_voteFinished = true;
    for (VoteRow &row : m_rows)
        row.acceptOffered = row.declineOffered = false;
    emit finishedChanged();
    emit voteRowsChanged();
}

void ClientGame::showNoAnswers(const QString &argument)
{
    beginDone(true, true);
    m_rows = {};
    m_seats.clearBonuses();
    emit noAnswers(categoryHeading(Protocol::Read::noanswers(argument)));
    emit cue(QStringLiteral("noanswer"));
}

void ClientGame::showOneAnswer(const QString &argument)
{
    m_rows = {};
    m_seats.clearBonuses();
    const QString heading = categoryHeading(Protocol::Read::noanswers(argument));
    const std::optional<Protocol::OneAnswer> one = Protocol::Read::oneanswer(argument);
    if (!one) {
        emit oneAnswer(heading, 0, QString());
        return;
    }
    m_rows[0].seat = one->seat;
    m_rows[0].answer = one->answer;
    m_rows[0].result = m_seats.name(one->seat);
    m_seats.setBonus(one->seat, one->points);
    m_seats.setScore(one->seat, one->total);
    emit oneAnswer(heading, one->seat, one->answer);
    emit cue(QStringLiteral("finish"));
}

void ClientGame::postScores(const QString &argument)
{
    beginDone(true, true);
    for (VoteRow &row : m_rows)
        row.acceptOffered = row.declineOffered = false;
    const std::optional<QList<Protocol::ScoreLine>> lines = Protocol::Read::postscores(argument);
    for (const Protocol::ScoreLine &line : lines.value_or(QList<Protocol::ScoreLine> {})) {
        const auto row = std::find_if(m_rows.begin(), m_rows.end(), [&](const VoteRow &r) {
            return r.seat == line.seat && !r.answer.isEmpty();
        });
        if (row != m_rows.end() && m_seats.isTaken(line.seat))
            row->result = m_seats.name(line.seat) + QStringLiteral(" VOTES: ")
                + QString::number(line.votes);
        m_seats.setBonus(line.seat,
                         line.pointsGained > 0 ? std::optional(line.pointsGained) : std::nullopt);
        m_seats.setScore(line.seat, line.totalScore);
    }
    emit voteRowsChanged();
    emit scoresPosted();
    emit cue(QStringLiteral("finish"));
}

void ClientGame::endRoundResults()
{
    struct Line
    {
        QString text;
        int score = 0;
    };
    QList<Line> lines;
    for (int n = 1; n <= SeatCount; ++n) {
        if (m_seats.isTaken(n))
            lines.append(
                {m_seats.name(n) + QStringLiteral(" : ") + QString::number(m_seats.score(n)),
                 m_seats.score(n)});
    }
    // Ties keep seat order.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line &a, const Line &b) { return a.score > b.score; });
    m_standings.clear();
    for (const Line &line : std::as_const(lines))
        m_standings.append(line.text);
    emit roundOver();
    emit cue(QStringLiteral("roundover"));
}

void ClientGame::announceWinner(const QString &argument)
{
    const QString name = Protocol::Read::winner(argument);
    const bool won = isPlayingSeat(ownSeat()) && m_seats.name(ownSeat()) == name;
    m_clock.stop();
    m_phase = Protocol::Phase::Idle;
    setRunning(false);
    emit statusLine(won ? QStringLiteral("You have Won the Game!")
                        : name + QStringLiteral(" has Won the Game!"));
    emit cue(QStringLiteral("winner"));
    emit gameWon(name, won);
}
