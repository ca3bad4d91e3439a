// A whole client without widgets: it hears every host message on a
// HostConnection, keeps who sits where, and reports the game as values; it
// sends answers, votes and chat. Computer players and test clients are built
// on it.
#pragma once

#include "clientcore/AnswerDrafts.h"
#include "clientcore/ChatLine.h"
#include "clientcore/GameMessages.h"

#include <QObject>
#include <QStringList>

#include <array>

class HostConnection;

class ClientGame : public QObject
{
    Q_OBJECT

public:
    // Registers a handler for every command a client hears.
    explicit ClientGame(HostConnection &connection, QObject *parent = nullptr);

    HostConnection &connection() const { return m_connection; }
    int ownSeat() const;
    // The name in a playing seat; empty when the seat is free.
    QString seatName(int seat) const;
    bool isWatching(int seat) const;
    int gameType() const { return m_gameType; }
    const RoundStart &round() const { return m_round; }

    void sendAnswers(const QStringList &answers);
    // What the player has typed so far; the host hears of changes while the
    // answer time runs.
    void typeAnswers(const QStringList &answers) { m_drafts.typed(answers); }
    const AnswerDrafts &drafts() const { return m_drafts; }
    void voteFor(int seat);
    void voteAgainst(int seat);
    void say(const QString &text, const QString &colourText);
    void act(const QString &text, const QString &colourText);
    void watch(bool watching);

signals:
    void playerArrived(int seat, const QString &name);
    void playerLeft(int seat, const QString &name);
    void watchingChanged(int seat, bool watching);
    void gameStarted(const GameStart &start);
    void roundStarted(const RoundStart &round);
    void answeringEnded();
    void votingStarted(const CategoryVote &vote);
    void roundOver();
    void tieGame();
    void gameWon(const QString &winner);
    // Back in its seat: the answers this player had sent in the round under way.
    void answersKept(const KeptAnswers &kept);
    void chatLine(const ChatLine &line);
    // "Game is full": the host refused this client.
    void refused();

private:
    void arrived(const QString &argument);
    void left(const QString &argument);
    void watching(const QString &argument);
    void ignore(const QString &name);

    HostConnection &m_connection;
    std::array<QString, GameFacts::SeatCount> m_names;
    std::array<bool, GameFacts::SeatCount> m_watching {};
    int m_gameType = 1;
    RoundStart m_round;
    AnswerDrafts m_drafts;
};
