// The scoring rules over the seat table: duplicate answers, the votes for
// answers, the points of a category and who leads the game.
#pragma once

#include "host/Seat.h"
#include "protocol/GamePhase.h"

#include <QList>

namespace Scoring {

// Answers are compared by their lower-case forms; nothing is trimmed.
bool sameAnswer(const QString &a, const QString &b);

// Marks the answers of the category that another seat gave too.
void markDuplicates(SeatTable &seats, std::size_t category);

// Opens the vote on a category: its duplicates marked afresh (when they
// count), the votes of the last one forgotten, each answer put to the vote
// counted for its seat.
void openVote(SeatTable &seats, std::size_t category, bool duplicatesCount);

// The voter declines the target's answer: each player declines an answer once.
void voteAgainst(SeatTable &seats, std::size_t category, int voter, int target);

// Counts a vote for the target's answer unless it may not count: no
// answer, the voter's own or one struck out as a duplicate, or the voter's
// second. Identical answers always carry the same number of votes.
void voteFor(SeatTable &seats, std::size_t category, int voter, int target);

// Scores the category on show and returns the lines of "CMD_postscores".
QList<Protocol::ScoreLine> score(SeatTable &seats, std::size_t category, Protocol::GameType type);

struct Standing
{
    int leader = 1;
    int top = 0; // the leader's score
    bool tied = false;
};

// Who leads the game and whether another seat that took part has as much.
Standing standing(const SeatTable &seats);

// Among the leader and the players still seated with the same score, the
// one who gave the most answers in the game wins; then the lowest seat.
int tieBreakWinner(const SeatTable &seats, int leader);

} // namespace Scoring
