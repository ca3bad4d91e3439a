// The shared words of a game's course, as numbers on the wire.
#pragma once

namespace Protocol {

// What the host's round clock is doing; "CMD_gamestats" carries it as a number.
enum class Phase {
    Idle = 0, // no countdown runs
    Answering = 1, // the answer time runs; then it ends
    NextCategory = 2, // a pause; then the next category is shown
    RoundSummary = 3, // the round's results; then the next round starts
    Voting = 4, // a category is put to the vote; then it is scored
    NoAnswers = 5, // a category nobody answered; then the next one is shown
};

// How a game scores: "1" and "0" in "CMD_startgame" and "CMD_gamestats".
enum class GameType {
    OneWinnerOnly = 0, // each player names a favourite; the most liked answer scores
    AllScoring = 1, // every answer not declined by most players scores
};

} // namespace Protocol
