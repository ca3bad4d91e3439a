// The client: it hears every host message on a HostConnection, keeps the
// whole state of the table (who sits where with what score, the game, the
// round, its clock, the typed answers, the vote on show and the results) and
// reports every change with a signal. The main window and the computer
// players are built on it: they show the state and turn what the player does
// into calls here, which check the rules and send.
//
// The round flow lives in ClientRound.cpp, the vote and its results in
// ClientVoting.cpp.
#pragma once

#include "clientcore/AnswerDrafts.h"
#include "clientcore/ChatLine.h"
#include "clientcore/PlayerSeats.h"
#include "protocol/HostMessages.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <random>

class HostConnection;

using Protocol::CategoryVote;
using Protocol::GameSnapshot;
using Protocol::GameStart;
using Protocol::KeptAnswers;
using Protocol::RoundStart;
using Protocol::VoteAnswer;

// One row of the vote on show: an answer in a random row, what the player may
// still do with it, and the votes it got once the category is scored.
struct VoteRow
{
    int seat = 0;
    QString answer;
    bool duplicate = false;
    bool acceptOffered = false; // accept, or favourite in One Winner Only
    bool declineOffered = false;
    bool struck = false; // declined, or a duplicate that cannot win
    QString result; // "NAME VOTES: N" once scored
};

class ClientGame : public QObject
{
    Q_OBJECT

public:
    static constexpr int SeatCount = Protocol::PlayingSeats;
    static constexpr int CategoryCount = Protocol::CategoriesPerRound;
    // A late joiner with this little answer time left sits the round out.
    static constexpr int LateJoinMinSeconds = 4;

    explicit ClientGame(HostConnection &connection, QObject *parent = nullptr);

    HostConnection &connection() const { return m_connection; }
    int ownSeat() const;
    // Signed in on a playing seat: this player answers and votes.
    bool ownSeatPlays() const;
    PlayerSeats &seats() { return m_seats; }
    const PlayerSeats &seats() const { return m_seats; }
    // The name in a playing seat; empty when the seat is free.
    QString seatName(int seat) const { return m_seats.name(seat); }
    bool isWatching(int seat) const { return m_seats.isWatching(seat); }
    // Spectators by seat.
    const QMap<int, QString> &spectators() const { return m_spectators; }

    // The game under way.
    bool isRunning() const { return m_running; }
    const GameStart &options() const { return m_options; }
    Protocol::GameType gameType() const { return m_options.gameType; }
    bool isAllScoring() const { return gameType() == Protocol::GameType::AllScoring; }
    const RoundStart &round() const { return m_round; }
    Protocol::Phase phase() const { return m_phase; }
    // Game seconds left on this client's clock for typing or voting.
    int countdown() const { return m_countdown; }
    QTimer &clock() { return m_clock; }
    // One game second of the clock; tests call it directly.
    void clockTick();
    // The text of a category the host names by its number in the round.
    QString categoryHeading(const QString &field) const;

    // What the player has typed so far; the host hears of changes while the
    // answer time runs, and with sendsAtTimeUp they go out when it runs out.
    void typeAnswers(const QStringList &answers);
    const QStringList &typedAnswers() const { return m_typed; }
    void flushDraft() { m_drafts.flush(); }
    const AnswerDrafts &drafts() const { return m_drafts; }
    void setSendsAtTimeUp(bool sends) { m_sendsAtTimeUp = sends; }
    // What a typed answer becomes on the wire: "+" would split the field at
    // the host, and U+00FF is the terminator byte.
    static QString cleanAnswer(const QString &typed);
    void sendAnswers(const QStringList &answers);
    // Done typing: the answers go at once (the typed ones, or the given ones)
    // and the host hears it; when every player is, the answer time ends early.
    void finishAnswers();
    void finishAnswers(const QStringList &answers);
    // Done with the category on show: no more votes on it from this player.
    void finishVote();
    // Whether this player said it is done with the answers or the category
    // on show; it may say so once each.
    bool answersFinished() const { return m_answersFinished; }
    bool voteFinished() const { return m_voteFinished; }

    // The vote on show, by row (1 to 8); rows past the answers are empty.
    const std::array<VoteRow, SeatCount> &voteRows() const { return m_rows; }
    void acceptRow(int row);
    void declineRow(int row);
    // Seeds the generator that places the answers in random rows.
    void setSeed(quint32 seed) { m_random.seed(seed); }
    // The round's results, best first: "NAME : SCORE".
    const QStringList &standings() const { return m_standings; }

    void voteFor(int seat);
    void voteAgainst(int seat);
    void say(const QString &text, const QString &colourText);
    void act(const QString &text, const QString &colourText);
    // A line typed in the chat, in the player's colour: said, or after "/me"
    // an action; another command is dropped. False when not signed in:
    // nothing was handled.
    bool chat(const QString &typed, Protocol::Rgb colour);
    // A phrase button: after "/me " an action, else the player says it.
    void sayPhrase(const QString &phrase, Protocol::Rgb colour);
    void playChatterSound(int tag);
    void watch(bool watching);
    // The leader's requests.
    void setToWatch(int seat, bool watching);
    void remove(int seat);

signals:
    void playerArrived(int seat, const QString &name);
    void playerLeft(int seat, const QString &name);
    // This client's own arrival was announced.
    void joined();
    void spectatorsChanged();
    void watchingChanged(int seat, bool watching);
    void gameStarted(const GameStart &start);
    void runningChanged(bool running);
    void roundStarted(const RoundStart &round);
    // A game second passed on the clock; 0 when it ran out.
    void clockTicked(int secondsLeft);
    // This client's answer time ran out (answers sent where it sends them).
    void answerTimeUp();
    // "CMD_endround": the host closed the answer time.
    void answeringEnded();
    // Joined or came back during a game; the state holds the snapshot.
    void lateJoined(bool canAnswer);
    void votingStarted(const CategoryVote &vote);
    void voteRowsChanged();
    void noAnswers(const QString &heading);
    void oneAnswer(const QString &heading, int seat, const QString &answer);
    void scoresPosted();
    void roundOver();
    void tieGame();
    void gameWon(const QString &winner, bool ownSeatWon);
    // Back in its seat: the answers this player had sent in the round under way.
    void answersKept(const KeptAnswers &kept);
    // What this player may still do changed: Done or Next.
    void finishedChanged();
    void chatLine(const ChatLine &line);
    // Another player played a chatter sound.
    void chatterSound(int seat, const QString &sound);
    // A line for the chat in the status colour.
    void statusLine(const QString &text);
    // A game sound to play: "submit", "tick", "vote", "winner", ...
    void cue(const QString &sound);
    // "Game is full": the host refused this client.
    void refused();

private:
    void registerSeatMessages();
    void registerGameMessages();
    void arrived(const QString &argument);
    void left(const QString &argument);
    void watching(const QString &argument);

    // Round flow (ClientRound.cpp).
    void startGame(const QString &argument);
    void startRound(const QString &argument);
    void endRound();
    void applySnapshot(const QString &argument);
    void keepAnswers(const QString &argument);
    void startClock(int seconds);
    void setRunning(bool running);
    // A new answer time or category: nobody is done with it.
    void beginDone(bool answersFinished, bool voteFinished);

    // Voting and results (ClientVoting.cpp).
    void showCategory(const QString &argument);
    void showNoAnswers(const QString &argument);
    void showOneAnswer(const QString &argument);
    void postScores(const QString &argument);
    void endRoundResults();
    void announceWinner(const QString &argument);
    int drawSeat();

    HostConnection &m_connection;
    PlayerSeats m_seats;
    QMap<int, QString> m_spectators;

    bool m_running = false;
    GameStart m_options;
    RoundStart m_round;
    Protocol::Phase m_phase = Protocol::Phase::Idle;
    int m_countdown = 0;
    QTimer m_clock;

    QStringList m_typed;
    bool m_sendsAtTimeUp = false;
    bool m_answersFinished = false;
    bool m_voteFinished = false;
    AnswerDrafts m_drafts;

    std::array<VoteRow, SeatCount> m_rows;
    std::mt19937 m_random;
    QStringList m_standings;
};
