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
inline constexpr int PhraseCount = 9;
inline constexpr quint16 DefaultPort = Protocol::DefaultPort;
// Milliseconds of one second of the game clock; tests and checkers shorten it.
inline constexpr int DefaultSecondMs = 1000;
inline constexpr quint16 LobbyPort = 9001;
inline constexpr char ProgramName[] = "Lexiburst";
inline constexpr const char *Version = Protocol::Version;
// Longer player names are cut, as the host keeps them.
inline constexpr int MaxNameLength = 30;
// "Bot Speed": Slow, Normal, Fast, as the settings file keeps them.
inline constexpr std::array<int, 3> BotSpeeds {2000, 1000, 500};
inline constexpr int DefaultBotSpeed = 1000;

// The largest values the client takes from the host; larger ones are cut to
// these, so no figure of a hostile host can overflow the clock or the time bar.
inline constexpr int MaxRounds = 1000;
inline constexpr int MaxSeconds = 3600; // turn time and seconds left

} // namespace GameFacts
