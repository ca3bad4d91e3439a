// What a computer player says in the chat, and its name.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class GameRandom;

// A few lines at the start and the end of a game, never more than one a minute.
// Time is passed in (milliseconds of a steady clock) so tests need no waiting.
class BotChat
{
public:
    static constexpr qint64 MinGapMs = 60 * 1000;

    explicit BotChat(GameRandom &random, qint64 minGapMs = MinGapMs);

    // A line to say now, or an empty text when the player keeps quiet.
    QString gameStarted(qint64 nowMs);
    QString gameEnded(qint64 nowMs, bool won);

private:
    QString speak(qint64 nowMs, const QString &line);

    GameRandom &m_random;
    qint64 m_minGapMs;
    qint64 m_lastSpokeMs = 0;
    bool m_hasSpoken = false;
};

// The name a computer player takes in a seat: the seat's hidden hint name, so the board
// lets it leave without a "disconnected." line; when another player goes by it, the
// first hint name nobody at the table uses (taken: the names of the other seats).
QString botNameForSeat(int seat, const QStringList &taken = {});
