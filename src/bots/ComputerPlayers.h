// The computer players that run inside the hosting copy of the game: each one a
// BotPlayer with its own connection to this copy's host, so they play by the
// same messages as everybody else and need no process of their own.
#pragma once

#include "bots/BotBrain.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class AnswerBank;
class BotPlayer;
class GameRandom;

class ComputerPlayers : public QObject
{
    Q_OBJECT

public:
    // Seat 1 is the hosting player's; the others may all be computer players.
    static constexpr int MaxPlayers = 7;

    // secondMs: length of a game second, as the host counts it.
    ComputerPlayers(const AnswerBank &bank, GameRandom &random, int secondMs,
                    QObject *parent = nullptr);
    ~ComputerPlayers() override;

    void setHost(const QString &address, quint16 port);
    // Where the players to come learn the names at the table before they sign in.
    void setNamesOfOthers(std::function<QStringList(int seat)> names)
    {
        m_namesOfOthers = std::move(names);
    }
    // "Bot Speed": applies to the players seated and to those still to come.
    void setSpeed(BotSpeed speed);
    BotSpeed speed() const { return m_speed; }
    // "Bot Skill": 1 to 3 for all, or MixedSkill for one of each in turn by seating order;
    // applies to the players seated and to those still to come.
    static constexpr int MixedSkill = 0;
    void setSkill(int choice);

    // Seats one more player; false when MaxPlayers already play.
    bool add();
    // The player seated last leaves, as if it closed its game; false when none plays.
    bool removeOne();
    int count() const { return int(m_players.size()); }
    const QList<BotPlayer *> &players() const { return m_players; }

signals:
    void countChanged(int count);

private:
    int skillOfPlayer(int index) const;
    void forget(BotPlayer *player);
    void leave(BotPlayer *player);

    const AnswerBank &m_bank;
    GameRandom &m_random;
    int m_secondMs;
    QString m_address = QStringLiteral("127.0.0.1");
    quint16 m_port = 0;
    BotSpeed m_speed = BotSpeed::Normal;
    int m_skillChoice = BotProfile::DefaultSkill;
    QList<BotPlayer *> m_players;
    // Which answers they gave and what they said lately, so that they do not copy each other.
    SharedAnswers m_shared;
    QStringList m_saidLately;
    std::function<QStringList(int seat)> m_namesOfOthers;
};

// The "Bot Speed" menu keeps its choice as milliseconds (2000, 1000, 500).
BotSpeed botSpeedFromMenuTag(int tag);
