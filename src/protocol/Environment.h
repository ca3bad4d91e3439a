// The game's knobs from the process environment, read once by each program's
// main() and handed down. Numbers are decimal digits only and must lie in
// their range; an unset or empty variable means the default. A bad value is
// not replaced by the default: the program names it and ends.
#pragma once

#include "protocol/GameFacts.h"

#include <QString>

#include <functional>
#include <optional>

namespace Environment {

inline constexpr char PortVariable[] = "LEXIBURST_PORT";
inline constexpr char WebPortVariable[] = "LEXIBURST_WEB_PORT";
inline constexpr char SecondMsVariable[] = "LEXIBURST_SECOND_MS";
inline constexpr char HomeVariable[] = "LEXIBURST_HOME";
inline constexpr char LobbyUrlVariable[] = "LEXIBURST_LOBBY_URL";
inline constexpr char LobbyPathVariable[] = "LEXIBURST_LOBBY_PATH";

inline constexpr int HighestSecondMs = 3600 * 1000;

inline constexpr int FollowsGamePort = -1;

struct Knobs
{
    quint16 port = GameFacts::DefaultPort;
    // The port browsers are served on, 0 for none; FollowsGamePort for the
    // game port + 1, whichever game port is chosen in the end.
    int webPort = FollowsGamePort;
    int secondMs = GameFacts::DefaultSecondMs;
    // Folder of the player's files; empty for the usual choice.
    QString home;
    // Where the lobby's installer is downloaded from (an http or https address
    // ending in a file name) and the installed lobby program (an absolute
    // path); empty for the build's own.
    QString lobbyUrl;
    QString lobbyPath;
    // Why a value was refused, for the player; empty when all were good.
    QString error;
};

// The web port for a game on gamePort: the chosen one, else the next port
// (none past the last).
quint16 webPort(int chosen, quint16 gamePort);

// The variables of this process.
Knobs read();
// The same rules over any lookup (tests): lookup(name) is the variable's text,
// null when it is not set.
Knobs read(const std::function<QString(const char *name)> &lookup);

// A whole number written in decimal digits (no sign, no blanks) from lowest
// to highest; nothing otherwise.
std::optional<qint64> wholeNumber(const QString &text, qint64 lowest, qint64 highest);

// The refusal of a bad value: `WHAT must be a whole number from 1 to 9, not "x".`
QString numberRefusal(const QString &what, qint64 lowest, qint64 highest, const QString &text);

} // namespace Environment
