// What clients send, read into values: one reader beside each builder of
// Messages.h for the client's side. A reader returns nothing when a field the
// message cannot do without does not read; whether the sender may say it is
// the host's business.
#pragma once

#include "protocol/GamePhase.h"
#include "protocol/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace Protocol::FromClient {

// "CMD_logininfo": the sign-in.
struct Login
{
    int seat = 0;
    QString version;
    QString name; // the rest of the text, "+" included
};

// "CMD_kickhim": the leader asks to remove the player on a seat.
struct Removal
{
    int requestingSeat = 0;
    int seat = 0;
};

// "CMD_justwatch": a seat watches ("1") or plays again ("2").
struct Watch
{
    int seat = 0;
    bool watching = false;
};

// "CMD_chat", "CMD_action" and "CMD_playasound": the sender's seat and what
// follows it, relayed as written ("text|colour", "waveN+").
struct SeatAndText
{
    int seat = 0;
    QString text;
};

// "CMD_startgame": every field has its default when it does not read; the
// texts of the game type and the duplicates rule are kept as sent.
struct GameStart
{
    QString starter;
    std::optional<int> rounds;
    std::optional<int> turnTime;
    QString gameType; // "0" One Winner Only, anything else All Scoring
    QString duplicates; // "1" allows duplicates

    GameType type() const;
    bool duplicatesAllowed() const { return duplicates == QLatin1String("1"); }
};

// "CMD_myanswers" and "CMD_draftanswers": answers by category, in the order
// sent. Reading stops at a category that is no number (the pairs before it
// stand); a last pair cut short has an empty answer; categories outside 1 to
// 8 are left out.
struct Answers
{
    int seat = 0;
    QList<std::pair<int, QString>> answers;
};

// "CMD_votefor" and "CMD_voteagainst".
struct Vote
{
    int voter = 0;
    int seat = 0;
};

// "CMD_peerinfo": who the peer on the seat is and the additions it understands.
struct PeerInfo
{
    int seat = 0;
    PeerKind kind = PeerKind::Person;
    QStringList words;
};

// "CMD_done": the player on the seat is done with its answers or the vote.
struct Done
{
    int seat = 0;
    DoneWith what = DoneWith::Answers;
};

std::optional<Login> logininfo(const QString &argument);
std::optional<Removal> kickhim(const QString &argument);
// Nothing for a state other than "1" or "2".
std::optional<Watch> justwatch(const QString &argument);
std::optional<SeatAndText> chat(const QString &argument);
std::optional<SeatAndText> action(const QString &argument);
std::optional<SeatAndText> playasound(const QString &argument);
GameStart startgame(const QString &argument);
std::optional<Answers> myanswers(const QString &argument);
std::optional<Answers> draftanswers(const QString &argument);
std::optional<Vote> votefor(const QString &argument);
std::optional<Vote> voteagainst(const QString &argument);
// A kind other than "person" or "computer" does not read; fields after the
// words are left for later versions.
std::optional<PeerInfo> peerinfo(const QString &argument);
// Nothing for a word other than "answers" or "vote".
std::optional<Done> done(const QString &argument);
// "CMD_resume": the seat and the token presented.
std::optional<SeatAndText> resume(const QString &argument);

} // namespace Protocol::FromClient
