// One computer player: an ordinary client on the client core that signs in,
// answers when the answer time runs out, votes after a look at the answers and
// chats a little. It owns its connection; the caller opens it.
#pragma once

#include "bots/BotBrain.h"
#include "bots/BotChat.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class AnswerBank;
class GameRandom;

struct BotSettings
{
    BotProfile profile;
    // Length of a game second in milliseconds; every wait of the player scales with it.
    int secondMs = 1000;
    // The sign-in name; empty takes the hint name of the seat the host gives.
    QString name;
    // The names of the seats other than the given one, where known, so a
    // computer player without a name picks one nobody uses.
    std::function<QStringList(int seat)> namesOfOthers;
    // The answers of the other computer players of this copy, if any, and the chat lines
    // they said lately; both outlive the player.
    SharedAnswers *shared = nullptr;
    QStringList *saidLately = nullptr;
};

class BotPlayer : public QObject
{
    Q_OBJECT

public:
    BotPlayer(const AnswerBank &bank, GameRandom &random, const BotSettings &settings,
              QObject *parent = nullptr);

    HostConnection &connection() { return m_connection; }
    const ClientGame &game() const { return m_game; }
    void setSpeed(BotSpeed speed);
    void setSkill(int skill) { m_brain.setSkill(skill); }
    int skill() const { return m_brain.profile().skill; }

    // Sends the answers and the vote that wait for their time at once (tests).
    void actNow();

private:
    void gameStarted();
    void roundStarted(const RoundStart &round);
    void votingStarted(const CategoryVote &vote);
    void gameWon(const QString &winner);
    void sendAnswers();
    void sendVote();
    void heard(const ChatLine &line);
    // Says the line after a pause, so that several players do not speak at once.
    void say(const QString &line);
    int realMs(qint64 gameMs) const;
    qint64 gameNowMs() const;

    HostConnection m_connection;
    ClientGame m_game {m_connection};
    BotBrain m_brain;
    BotChat m_chat;
    int m_secondMs;
    QString m_colour;
    QElapsedTimer m_clock;

    int m_turnTime;
    QChar m_letter;
    QStringList m_answers;
    QTimer m_answerTimer;
    QList<int> m_seatsToVote;
    bool m_votesAgainst = true;
    QTimer m_voteTimer;
};
