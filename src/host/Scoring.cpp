#include "host/Scoring.h"

#include <algorithm>

namespace Scoring {

namespace {

bool isPlayingSeat(int seat)
{
    return seat >= 1 && seat <= Protocol::PlayingSeats;
}

int playersInUse(const SeatTable &seats)
{
    int count = 0;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        count += seats[n].inUse ? 1 : 0;
    return count;
}

} // namespace

bool sameAnswer(const QString &a, const QString &b)
{
    return a.toLower() == b.toLower();
}

void markDuplicates(SeatTable &seats, std::size_t c)
{
    constexpr int count = Protocol::PlayingSeats;
    for (int a = 1; a <= count; ++a) {
        for (int b = a + 1; b <= count; ++b) {
            const QString &first = seats[a].answers[c];
            const QString &second = seats[b].answers[c];
            if (!first.isEmpty() && !second.isEmpty() && sameAnswer(first, second)) {
                seats[a].duplicate[c] = 1;
                seats[b].duplicate[c] = 1;
            }
        }
    }
}

void openVote(SeatTable &seats, std::size_t c, bool duplicatesCount)
{
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        seats[n].duplicate[c] = 0;
    if (duplicatesCount)
        markDuplicates(seats, c);
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        Seat &s = seats[n];
        s.votedFor = 0;
        s.declined.fill(false);
        if (!s.answers[c].isEmpty())
            ++s.answersShown;
    }
}

void voteAgainst(SeatTable &seats, std::size_t c, int voter, int target)
{
    bool &declined = seats[voter].declined[std::size_t(target)];
    if (declined)
        return;
    declined = true;
    ++seats[target].votesAgainst[c];
}

void voteFor(SeatTable &seats, std::size_t c, int voter, int target)
{
    const QString &answer = seats[target].answers[c];
    // No answer, nothing to vote for; it would hand votes to every empty slot.
    if (answer.isEmpty())
        return;
    // One vote per player and category, never for the own answer nor for one
    // struck out as a duplicate: the clients offer nothing else, and a peer
    // that sends more would buy itself points.
    Seat &voting = seats[voter];
    if (voter == target || voting.votedFor != 0 || seats[target].duplicate[c] == 1)
        return;
    ++seats[target].votesFor[c];
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        if (n != target && sameAnswer(seats[n].answers[c], answer))
            ++seats[n].votesFor[c];
    }
    voting.votedFor = target;
}

QList<Protocol::ScoreLine> score(SeatTable &seats, std::size_t c, Protocol::GameType type)
{
    constexpr int count = Protocol::PlayingSeats;
    QList<Protocol::ScoreLine> lines;
    if (type == Protocol::GameType::AllScoring) {
        const int players = playersInUse(seats);
        for (int n = 1; n <= count; ++n) {
            Seat &s = seats[n];
            if (!s.inUse || s.answers[c].isEmpty())
                continue;
            s.votesFor[c] = players - s.votesAgainst[c];
            // Refused only when more than half of the players declined it.
            s.accepted[c] = s.votesAgainst[c] <= players / 2 ? 1 : 0;
            s.gameScore += s.accepted[c];
            lines.append({n, s.accepted[c], s.votesFor[c], s.gameScore});
        }
        return lines;
    }
    int top = 0;
    for (int n = 1; n <= count; ++n) {
        if (seats[n].inUse)
            top = std::max(top, seats[n].votesFor[c]);
    }
    const auto votedForTop = [&](const Seat &s) {
        return isPlayingSeat(s.votedFor) && seats[s.votedFor].votesFor[c] == top;
    };
    for (int n = 1; n <= count; ++n) {
        Seat &s = seats[n];
        const int votes = s.votesFor[c];
        int gained = 0;
        if (votes == top)
            gained = votes;
        else if (votedForTop(s))
            gained = 1;
        s.gameScore += gained;
        lines.append({n, gained, votes, s.gameScore});
    }
    return lines;
}

Standing standing(const SeatTable &seats)
{
    // Seats nobody used during this game hold no one's score: they neither
    // lead nor tie. A departed player's seat still ties.
    int leader = seats[1].tookPart ? 1 : 0;
    for (int n = 2; n <= Protocol::PlayingSeats; ++n) {
        const Seat &s = seats[n];
        if (s.inUse && (leader == 0 || s.gameScore > seats[leader].gameScore))
            leader = n;
    }
    if (leader == 0)
        leader = 1; // nobody played: the game still ends
    const int top = seats[leader].gameScore;
    bool tied = false;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n)
        tied = tied || (n != leader && seats[n].tookPart && seats[n].gameScore == top);
    return {leader, top, tied};
}

int tieBreakWinner(const SeatTable &seats, int leader)
{
    int best = leader;
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        const Seat &s = seats[n];
        if (n == leader || !s.inUse || s.gameScore != seats[leader].gameScore)
            continue;
        const int bestAnswers = seats[best].answersShown;
        if (s.answersShown > bestAnswers || (s.answersShown == bestAnswers && n < best))
            best = n;
    }
    return best;
}

} // namespace Scoring
