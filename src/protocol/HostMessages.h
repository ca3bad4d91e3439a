// What the host sends, read into values: one reader beside each builder of
// Messages.h. A reader returns nothing when a field does not read, so a
// message is applied whole or not at all. Numbers a hostile host could make
// huge are brought into range here, once for every client.
#pragma once

#include "protocol/GamePhase.h"
#include "protocol/Messages.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace Protocol {

// The largest figures a client takes from the host, so none can overflow a
// clock or a time bar.
inline constexpr int MaxRounds = 1000;
inline constexpr int MaxSeconds = 3600; // answer time and seconds left

// "CMD_newplayerinfo", "CMD_existingplayers", "CMD_playerdisconnected",
// "CMD_leads" and "CMD_playerback": a seat and the name it goes by.
struct SeatAndName
{
    int seat = 0;
    QString name; // the rest of the text, "+" included
};

// "CMD_justwatching".
struct SeatWatching
{
    int seat = 0;
    bool watching = false;
};

// "CMD_playasound": a chatter sound another player played.
struct SeatSound
{
    int seat = 0;
    QString sound;
};

// "CMD_startgame": who started it and how it is played.
struct GameStart
{
    QString starter;
    int rounds = 0;
    int turnTime = 0; // game seconds to type the answers
    GameType gameType = GameType::AllScoring;
    bool duplicatesAllowed = true;
};

// "CMD_startround": the letter and the categories of a round.
struct RoundStart
{
    QString roundNumber; // as the host wrote it
    int letterIndex = 0;
    std::array<QString, CategoriesPerRound> categories; // upper case; empty: not sent

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
    QList<VoteAnswer> answers; // playing seats only
};

// "CMD_oneanswer": the only answer of a category, scored without a vote.
struct OneAnswer
{
    QString category;
    int seat = 0;
    int points = 0;
    int total = 0;
    QString answer;
};

// "CMD_gamestats": a running game as the host sends it to a player who joins.
struct GameSnapshot
{
    int seat = 0; // the seat it is meant for
    int phase = 0; // a Phase, or a number no client knows
    int rounds = 0;
    QString roundNumber; // as the host wrote it
    int turnTime = 0;
    int secondsLeft = 0;
    int letterIndex = 0;
    std::optional<GameType> gameType; // missing when unreadable
    std::array<std::optional<int>, PlayingSeats> scores; // sent and readable ones only
    std::array<std::optional<QString>, CategoriesPerRound> categories;
};

// "CMD_keptanswers": what a returning player had sent in the round under way.
struct KeptAnswers
{
    int seat = 0;
    std::array<QString, CategoriesPerRound> answers;
};

// "CMD_playerdone": a player is done with its answers or the category on show.
struct PlayerDone
{
    int seat = 0;
    DoneWith what = DoneWith::Answers;
};

inline bool isPlayingSeat(int seat)
{
    return seat >= 1 && seat <= PlayingSeats;
}

namespace Read {

std::optional<SeatAndName> seatAndName(const QString &argument);
std::optional<SeatWatching> justwatching(const QString &argument);
std::optional<SeatSound> playasound(const QString &argument);
std::optional<GameStart> startgame(const QString &argument);
// Who started the game, even when the rest of "CMD_startgame" does not read.
QString starter(const QString &argument);
std::optional<RoundStart> startround(const QString &argument);
std::optional<CategoryVote> showcat(const QString &argument);
// The category of "CMD_noanswers".
QString noanswers(const QString &argument);
std::optional<QList<ScoreLine>> postscores(const QString &argument);
std::optional<OneAnswer> oneanswer(const QString &argument);
std::optional<GameSnapshot> gamestats(const QString &argument);
std::optional<KeptAnswers> keptanswers(const QString &argument);
// Nothing for a seat outside the playing seats or a word other than
// "answers" or "vote".
std::optional<PlayerDone> playerdone(const QString &argument);
// The winner's name; it may itself hold a "+".
QString winner(const QString &argument);

} // namespace Read
} // namespace Protocol
