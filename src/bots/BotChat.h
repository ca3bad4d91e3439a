// What a computer player says in the chat, and its name.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class GameRandom;

// A few lines at the start and the end of a game and a few replies, never more than one a
// minute. Time is passed in (milliseconds of a steady clock) so tests need no waiting.
// Players of one copy share the lines said lately, so no two say the same at once.
class BotChat
{
public:
    static constexpr qint64 MinGapMs = 60 * 1000;
    // A line waits this long before it is said, so several players do not speak at once.
    static constexpr int LeastPauseMs = 1000;
    static constexpr int MostPauseMs = 7000;

    explicit BotChat(GameRandom &random, qint64 minGapMs = MinGapMs,
                     QStringList *saidLately = nullptr);

    // A line to say now, or an empty text when the player keeps quiet.
    QString gameStarted(qint64 nowMs);
    QString gameEnded(qint64 nowMs, bool won);
    // A reply to a line another player said (the text after "NAME chats: "): to a greeting,
    // to "gg", or to a question that names this player; mostly empty.
    QString heard(qint64 nowMs, const QString &ownName, const QString &text);
    // How long, in game milliseconds, to wait before saying a line.
    int pauseMs();

private:
    QString speak(qint64 nowMs, const QStringList &lines);

    GameRandom &m_random;
    qint64 m_minGapMs;
    QStringList *m_saidLately;
    qint64 m_lastSpokeMs = 0;
    bool m_hasSpoken = false;
};

// The name a computer player takes in a seat: the seat's hidden hint name, so the board
// lets it leave without a "disconnected." line; when another player goes by it, the
// first hint name nobody at the table uses (taken: the names of the other seats).
QString botNameForSeat(int seat, const QStringList &taken = {});
