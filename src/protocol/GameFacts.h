// Facts of the game that the host, the clients and the programs share.
#pragma once

#include "protocol/Messages.h"

#include <QString>

#include <array>

namespace GameFacts {

inline constexpr int SeatCount = Protocol::PlayingSeats;
inline constexpr int CategoryCount = Protocol::CategoriesPerRound;
// Seats the host hands out: the playing seats and the one spectator seat.
inline constexpr int HighestSeat = Protocol::SpectatorSeat;
// Phrase buttons in the chat panel, and phrases in the settings file.
inline constexpr int PhraseCount = 9;
// TCP port a host listens on unless the player or LEXIBURST_PORT chooses another.
inline constexpr quint16 DefaultPort = 7772;
// Milliseconds of one second of the game clock; tests and checkers shorten it.
inline constexpr int DefaultSecondMs = 1000;
// The lobby program listens on this machine; a client knocks there when it joins.
inline constexpr char LobbyAddress[] = "127.0.0.1";
inline constexpr quint16 LobbyPort = 9001;
inline constexpr char ProgramName[] = "Lexiburst";
inline constexpr const char *Version = Protocol::Version;
// Longer player names are cut: the clients before they sign in, the host when
// it keeps them.
inline constexpr int MaxNameLength = 30;
// What the clients show for a free seat; the host hands no player this name.
inline constexpr char FreeSeatText[] = "<Waiting>";

// The hidden hint names of seats 1 to 8: a computer player signs in with its
// seat's, and a player of exactly that name leaves its seat without a line on
// the boards.
inline constexpr std::array<const char *, SeatCount> SeatHintNames {
    "Klot", "Klot", "Klick", "Kling", "Klick", "Krazy", "Klick", "Krazy"};
inline QString seatHintName(int seat)
{
    return seat >= 1 && seat <= SeatCount ? QLatin1String(SeatHintNames[std::size_t(seat - 1)])
                                          : QString();
}

// Game seconds the vote on one category lasts, by the number of answers on
// show: more answers, more reading; a category nobody answered is shown briefly.
inline constexpr int NoAnswersSeconds = 2;
constexpr int votingSeconds(int answers)
{
    if (answers <= 0)
        return NoAnswersSeconds;
    if (answers <= 3)
        return 10;
    if (answers <= 6)
        return 13;
    return 16;
}

// The chat's numbered text styles: a line's style is its sender's seat, 0 for
// the game's own lines; the view knows StyleCount of them.
inline constexpr int StatusStyle = 0;
inline constexpr int LinkStyle = 4;
inline constexpr int ChatStyleCount = 15;
// "Bot Speed": Slow, Normal, Fast, as the settings file keeps them.
inline constexpr std::array<int, 3> BotSpeeds {2000, 1000, 500};
inline constexpr int DefaultBotSpeed = 1000;

} // namespace GameFacts
