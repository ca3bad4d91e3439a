// Every message of the game, built byte for byte: the wire is single-byte
// Latin-1 text, fields joined by "+", ended by the terminator 0xFF. Handlers on
// both sides send only what these functions build. A text that more fields
// follow cannot carry "+" and is sent with "?" in its place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Protocol {

// Version text compared exactly at sign-in.
inline constexpr char Version[] = "1.0.4";

// Letters a round can be played with, by letter index.
inline constexpr char Letters[] = "ABCDEFGHIJKLMNOPRSTW";
inline constexpr int LetterCount = 20;
inline constexpr int CategoriesPerRound = 8;
inline constexpr int PlayingSeats = 8;
inline constexpr int SpectatorSeat = 9;

// The first letter of an answer as a player means it: blanks skipped, accents
// dropped, upper case; a null character for a blank answer.
QChar answerInitial(const QString &answer);

// A name as it is shown: control and invisible format characters dropped,
// every run of blanks of any kind one space, no blank at either end.
QString cleanName(const QString &name);
// A player's name as people read it, for comparing names: cleaned, accents and
// case ignored. Two names are the same name when their keys are equal.
QString nameKey(const QString &name);

// Encodes a text for the wire; characters outside Latin-1, and "\u00FF" whose
// byte is the terminator, become "?".
QByteArray toWire(const QString &text);

// What a player is done with in "CMD_done": typing its answers, or the
// category on show in the vote.
enum class DoneWith {
    Answers,
    Vote,
};
// Its word on the wire: "answers" or "vote".
inline QString doneWord(DoneWith what)
{
    return QLatin1String(what == DoneWith::Vote ? "vote" : "answers");
}

// What a peer of ours says it is in "CMD_peerinfo".
enum class PeerKind {
    Person,
    Computer,
};

// The capability words of "CMD_peerinfo": each names an addition to the first
// protocol that the peer understands. A host sends an addition only to peers
// that announced its word; a peer that announces nothing gets none.
namespace Capability {
inline constexpr char Lead[] = "lead"; // "CMD_leads"
inline constexpr char Back[] = "back"; // "CMD_playerback" instead of an arrival
inline constexpr char Removed[] = "removed"; // "CMD_removed"
inline constexpr char Kept[] = "kept"; // "CMD_keptanswers"
inline constexpr char Drafts[] = "drafts"; // sends "CMD_draftanswers"
inline constexpr char Done[] = "done"; // sends "CMD_done", hears "CMD_playerdone"
inline constexpr char Removal[] = "removal"; // "CMD_playerremoved" instead of a disconnection
inline constexpr char TakeOver[] = "takeover"; // "CMD_takesover"
// "CMD_away" for a kept seat, "CMD_playerdisconnected" when it is given up.
inline constexpr char Away[] = "away";
// A returning player hears "CMD_playerback" for itself, and the category on show.
inline constexpr char Welcome[] = "welcome";
inline constexpr char Notice[] = "notice"; // "CMD_notice"
// "CMD_resumetoken" after each sign-in; the peer presents it with "CMD_resume".
inline constexpr char Resume[] = "resume";
} // namespace Capability

// The words every client of this program announces.
QStringList ourCapabilities();

struct GameStats
{
    int seat = 0;
    int phase = 0;
    int rounds = 0;
    int roundNumber = 0;
    int turnTime = 0;
    int secondsLeft = 0;
    int letterIndex = 0;
    QString gameType; // "1" All Scoring, "0" One Winner Only
    std::array<int, PlayingSeats> scores {}; // seats 1 to 8
    QStringList categories; // categories 1 to 8
};

struct ShowcatAnswer
{
    int seat = 0;
    QString answer;
    bool duplicate = false;
};

struct ScoreLine
{
    int seat = 0;
    int pointsGained = 0;
    int votes = 0;
    int totalScore = 0;
};

namespace Msg {

// Host to clients.
QByteArray sendlogininfo(int seat);
QByteArray newplayerinfo(int seat, const QString &loginName);
QByteArray existingplayers(int seat, const QString &loginName);
QByteArray havewrongversion(const QString &loginName);
QByteArray wrongversion();
QByteArray full();
QByteArray gamestats(const GameStats &stats);
QByteArray playerdisconnected(int seat, const QString &loginName);
QByteArray justwatching(int seat, bool watching);
// Additions that clients of the first protocol ignore as unknown commands.
// The lead passed to another seat; seat 1 leads until one of these says otherwise.
QByteArray leads(int seat, const QString &loginName);
// A player got its kept seat back; the others show it instead of an arrival.
QByteArray playerback(int seat, const QString &loginName);
// The leader removed this client: the last it hears before the host closes its connection.
QByteArray removed();
// The leader removed the player on the seat: sent instead of its disconnection.
QByteArray playerremoved(int seat, const QString &loginName);
// A newcomer plays on in a seat its player left during the game, with its score.
QByteArray takesover(int seat, int score, const QString &departed, const QString &loginName);
// The seat's player left during the game; the seat is kept for it so many game seconds.
QByteArray away(int seat, int seconds, const QString &loginName);
// The answers a returning player had sent in the round under way, to fill its boxes again.
QByteArray keptanswers(int seat, const QStringList &answers);
// A player is done with its answers or with the category on show.
QByteArray playerdone(int seat, DoneWith what);
// A line from the host for this client alone, shown as a status line.
QByteArray notice(const QString &text);
// The secret that gives the seat, its score and answers back to whoever
// presents it ("CMD_resume"), from any address; a new one after each sign-in.
QByteArray resumetoken(int seat, const QString &token);
// Relays: textAndColour is what the sender wrote after its seat, "|" and colour included.
QByteArray chatRelay(int seat, const QString &loginName, const QString &textAndColour);
QByteArray actionRelay(int seat, const QString &loginName, const QString &textAndColour);
QByteArray playasoundRelay(int seat, const QString &soundRest);
QByteArray startgameRelay(const QString &starter, int rounds, int turnTime, const QString &gameType,
                          const QString &duplicates);
QByteArray startround(int roundNumber, int letterIndex, const QStringList &categories);
QByteArray endround();
// category is the category's text, as shown in the round.
QByteArray showcat(const QString &category, const QList<ShowcatAnswer> &answers);
QByteArray noanswers(const QString &category);
QByteArray postscores(const QList<ScoreLine> &lines);
QByteArray roundover();
QByteArray winner(const QString &loginName);
QByteArray tiegame();
QByteArray oneanswer(int category, int seat, int pointsGained, int totalScore,
                     const QString &skipped, const QString &answer);

// Clients to host.
// The sign-in reply carries a second terminator after the name.
QByteArray logininfo(int seat, const QString &version, const QString &loginName);
QByteArray kickhim(int requestingSeat, int seatToRemove);
QByteArray justwatch(int seat, bool watch);
QByteArray chat(int seat, const QString &text, const QString &colour);
QByteArray action(int seat, const QString &text, const QString &colour);
QByteArray playasound(int seat, int soundNumber);
QByteArray startgame(const QString &starter, int rounds, int turnTime, const QString &gameType,
                     const QString &duplicates);
QByteArray myanswers(int seat, const QStringList &answers);
// What the player has typed so far while the answer time runs (an addition
// that hosts of the first protocol ignore): the host keeps it in case the
// player drops before its answers go out.
QByteArray draftanswers(int seat, const QStringList &answers);
QByteArray votefor(int votingSeat, int seatVotedFor);
QByteArray voteagainst(int votingSeat, int seatVotedAgainst);
// Who the peer on the seat is and which additions it understands, as blank
// separated capability words: an addition hosts of the first protocol ignore.
// Our clients send it right before their sign-in.
QByteArray peerinfo(int seat, PeerKind kind, const QStringList &words);
// The player on the seat is done typing its answers, or with the category on
// show (an addition hosts of the first protocol ignore): when every player is
// done, the host moves on early.
QByteArray done(int seat, DoneWith what);
// The token a seat was given ("CMD_resumetoken"), sent right before the
// sign-in of a player who comes back (an addition hosts of the first
// protocol ignore): the host gives it that seat again.
QByteArray resume(int seat, const QString &token);

} // namespace Msg
} // namespace Protocol
