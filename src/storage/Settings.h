// The player's preferences in the "Lexaburst" section of "zornlobby.ini",
// a file shared with the lobby program. Every key is declared once in
// Settings::keys() with its default text and the rule that reads it.
#pragma once

#include "protocol/ColourText.h"
#include "protocol/GameFacts.h"
#include "protocol/Messages.h"
#include "storage/ProfileIni.h"

#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

#include <array>
#include <span>

namespace Settings {

inline constexpr char FileName[] = "zornlobby.ini";
inline constexpr char Section[] = "Lexaburst";
inline constexpr int PhraseCount = GameFacts::PhraseCount;

// Ranges of the game-start window's up-down controls.
inline constexpr int MinPlayToScore = 1;
inline constexpr int MaxPlayToScore = 10;
inline constexpr int MinTimePerTurn = 30;
inline constexpr int MaxTimePerTurn = 120;
inline constexpr int TimePerTurnStep = 5;
// Chat text sizes outside this range would make the chat unreadable.
inline constexpr int MinTextSize = 1;
inline constexpr int MaxTextSize = 72;

inline constexpr int BotSpeedSlow = 2000;
inline constexpr int BotSpeedNormal = 1000;
inline constexpr int BotSpeedFast = 500;
inline constexpr int TurnSoundClassic = 0;
inline constexpr int TurnSoundNew = 1;
// Computer players in a solo game.
inline constexpr int MinBotCount = 1;
inline constexpr int MaxBotCount = 7;
inline constexpr int DefaultBotCount = 3;
// The computer players' skill: 1 weak, 2 fair, 3 strong, or Mixed (one of each in turn).
inline constexpr int MixedBotSkill = 0;
inline constexpr int MaxBotSkill = 3;
inline constexpr int DefaultBotSkill = 2;
// Hosts joined that the start window offers again.
inline constexpr int MaxRecentHosts = 5;

// The three ways into a game the start window offers, as stored.
enum class StartKind { Solo = 0, Host = 1, Join = 2 };

struct RecentHost
{
    QString address;
    quint16 port = GameFacts::DefaultPort;

    bool operator==(const RecentHost &) const = default;
};

// Puts host first; an earlier entry of the same address and port goes, and
// only the most recent MaxRecentHosts stay.
void rememberHost(QList<RecentHost> &hosts, const RecentHost &host);

// What the start window remembers. These keys are our own: the lobby program
// neither reads nor writes them.
struct StartValues
{
    int botCount = DefaultBotCount; // "BotCount"
    QString name; // "LastName"
    quint16 port = GameFacts::DefaultPort; // "LastPort": the port last hosted on
    QList<RecentHost> recentHosts; // "RecentHosts": most recent first
    StartKind choice = StartKind::Solo; // "StartChoice": the way in chosen last
    int botSkill = DefaultBotSkill; // "BotSkill": 0 (Mixed) to 3; also set under Options
    // "WebPort": the port browsers join on, 0 for none; FollowsPort for the
    // port hosted on + 1.
    static constexpr int FollowsPort = -1;
    int webPort = FollowsPort;

    bool operator==(const StartValues &) const = default;
};

// What the settings control. A default-constructed Values holds the
// game-start window's own design values (3 rounds, 60 seconds, All Scoring)
// and the read defaults for everything else.
struct Values
{
    int textSize = 8; // "Textsize": all chat text styles
    QRect bounds {3, 3, 775, 575}; // "Left", "Top", "Width", "Height"
    Protocol::Rgb textColor; // "Textcolor"; black
    int playToScore = 3; // "Playtoscore": rounds, UpDown1
    int timePerTurn = 60; // "Timeperturn": seconds, UpDown2
    int gameType = 1; // "Gametype": 1 All Scoring, 0 One Winner Only
    int duplicate = 1; // "Duplicate": 1 duplicates allowed
    int botSpeed = BotSpeedNormal; // "Botspeed": 2000, 1000 or 500
    int turnSound = TurnSoundClassic; // "Turnsound": 0 or 1
    bool playerPhraseSounds = true; // "Playerphrasesounds"
    bool playSounds = true; // "Playsounds"
    // "Phrase1" to "Phrase9"; empty means the button keeps its own phrase.
    std::array<QString, PhraseCount> phrases;
    StartValues start;
    // "ResumeTokens": the token each host ("address:port") last gave this
    // player's seat, so that it gets the seat back after a restart too. Our own
    // key; at most MaxResumeTokens hosts.
    QMap<QString, QString> resumeTokens;

    bool operator==(const Values &) const = default;
};

inline constexpr int MaxResumeTokens = 8;
// The resumeTokens entry of a host.
QString resumeKey(const QString &address, quint16 port);
// The token the host at the address and port last gave, as the file in
// `folder` keeps it; empty for none. The file is read afresh each time.
QString resumeToken(const QString &folder, const QString &address, quint16 port);
// Keeps the token for that host in the file, in place of the first kept one
// when MaxResumeTokens are; an empty one is forgotten. Only its key is written.
void storeResumeToken(const QString &folder, const QString &address, quint16 port,
                      const QString &token);

// Who writes a key: the main window's save, the phrase editor, the start
// window or the connection (the resume tokens).
enum class Group { Window, Phrases, Start, Resume };

struct Key
{
    const char *name;
    // Read when the key is missing; nullptr: a missing key changes nothing.
    const char *defaultText;
    // Applies a value read from the file (or the default) to `values`.
    void (*apply)(Values &values, const QString &text);
    QString (*write)(const Values &values);
    Group group;
};

// Every key in writing order, which is also a valid reading order.
std::span<const Key> keys();

// Applies the section's keys, each with its default, on top of `values`.
void read(const ProfileIni &ini, Values &values);
// Writes the keys of one group, in order.
void write(ProfileIni &ini, const Values &values, Group group = Group::Window);

// The settings file in one folder.
//
// Saving never loses stored settings: the file is read again before every
// save so the lobby's sections and keys stay, and until load() succeeded
// only the keys whose value differs from what the program started with are
// written; the others keep their stored values. Writes are atomic.
class SettingsFile
{
public:
    explicit SettingsFile(const QString &folder, const Values &builtIn = Values());

    QString path() const { return m_path; }
    bool loaded() const { return m_loaded; }

    // loadinifile: applies the file on top of `values`. A missing file or
    // section gives all defaults. False when the file cannot be read; the
    // defaults are applied all the same.
    bool load(Values &values, QString *error = nullptr);
    // saveinifile: every key but the phrases. False when the file could not
    // be read or written; it is then left as it was.
    bool save(const Values &values, QString *error = nullptr);
    // The phrase editor's save: the nine phrase keys.
    bool savePhrases(const Values &values, QString *error = nullptr);
    // The start window's save: its own keys.
    bool saveStart(const Values &values, QString *error = nullptr);
    // The connection's save: the resume tokens.
    bool saveResumeTokens(const Values &values, QString *error = nullptr);

private:
    bool update(const Values &values, Group group, QString *error);

    QString m_path;
    Values m_baseline;
    bool m_loaded = false;
};

} // namespace Settings
