// The host's game messages read into values, for the game panels and for
// players without widgets. Each reader returns nothing when a field does not
// read, so a message is applied whole or not at all.
#pragma once

#include "protocol/GameFacts.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// "CMD_startgame": who started it and how it is played.
struct GameStart
{
    QString starter;
    int rounds = 0;
    int turnTime = 0; // game seconds to type the answers
    int gameType = 1; // 1 All Scoring, 0 One Winner Only
    bool duplicatesAllowed = true;
};

// "CMD_startround": the letter and the categories of a round.
struct RoundStart
{
    QString roundNumber; // as the host wrote it
    int letterIndex = 0;
    std::array<QString, GameFacts::CategoryCount> categories; // empty: not sent

    // The letter, or a null character for an index out of range.
    QChar letter() const;
};

// One answer put to the vote.
struct VoteAnswer
{
    int seat = 0;
    QString answer;
    bool duplicate = false;
};

// "CMD_showcat": a category put to the vote with every seat's answer.
struct CategoryVote
{
    QString category; // the category's number in the round, or its text
    int count = 0; // answers given, as the host counted them
    QList<VoteAnswer> answers; // seats 1 to 8 only
};

// "CMD_gamestats": a running game as the host sends it to a player who joins.
struct GameSnapshot
{
    int seat = 0; // the seat it is meant for
    int phase = 0;
    int rounds = 0;
    QString roundNumber; // as the host wrote it
    int turnTime = 0;
    int secondsLeft = 0;
    int letterIndex = 0;
    std::optional<int> gameType; // 1 All Scoring, 0 One Winner Only; missing when unreadable
    std::array<std::optional<QString>, GameFacts::SeatCount> scores; // sent ones only
    std::array<std::optional<QString>, GameFacts::CategoryCount> categories;
};

// "CMD_keptanswers": what a returning player had sent in the round under way.
struct KeptAnswers
{
    int seat = 0;
    std::array<QString, GameFacts::CategoryCount> answers; // categories 1 to 8
};

namespace GameMessages {

std::optional<GameStart> gameStart(const QString &argument);
// Who started the game, even when the rest of "CMD_startgame" does not read.
QString gameStarter(const QString &argument);
std::optional<GameSnapshot> gameSnapshot(const QString &argument);
std::optional<RoundStart> roundStart(const QString &argument);
std::optional<CategoryVote> categoryVote(const QString &argument);
std::optional<KeptAnswers> keptAnswers(const QString &argument);

} // namespace GameMessages
