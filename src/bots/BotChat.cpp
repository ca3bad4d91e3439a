#include "bots/BotChat.h"

#include "protocol/GameRandom.h"

#include <array>

namespace {

const std::array<QString, 4> StartLines {
    QStringLiteral("Good luck everyone!"), QStringLiteral("Hi all, let's play!"),
    QStringLiteral("Ready when you are."), QStringLiteral("Hello! Have fun!")};
const std::array<QString, 3> WonLines {QStringLiteral("Good Game Everyone!"),
                                       QStringLiteral("That was fun, thanks!"),
                                       QStringLiteral("Lucky letters for me!")};
const std::array<QString, 3> LostLines {QStringLiteral("Good Game Everyone!"),
                                        QStringLiteral("Well played!"),
                                        QStringLiteral("Congratulations to the winner!")};

// The hidden hint names of seats 1 to 8 on the board; seat 1 is the host's own player.
const std::array<QString, 8> SeatHintNames {QStringLiteral("Klot"),  QStringLiteral("Klot"),
                                            QStringLiteral("Klick"), QStringLiteral("Kling"),
                                            QStringLiteral("Klick"), QStringLiteral("Krazy"),
                                            QStringLiteral("Klick"), QStringLiteral("Krazy")};

// A player starts a game by chatting half of the time, so a table of bots is not a choir.
constexpr int StartChatPercent = 50;

template<std::size_t N>
const QString &pick(GameRandom &random, const std::array<QString, N> &lines)
{
    return lines[std::size_t(random.bounded(int(N)))];
}

} // namespace

BotChat::BotChat(GameRandom &random, qint64 minGapMs) : m_random(random), m_minGapMs(minGapMs)
{ }

QString BotChat::speak(qint64 nowMs, const QString &line)
{
    if (m_hasSpoken && nowMs - m_lastSpokeMs < m_minGapMs)
        return QString();
    m_hasSpoken = true;
    m_lastSpokeMs = nowMs;
    return line;
}

QString BotChat::gameStarted(qint64 nowMs)
{
    if (m_random.bounded(100) >= StartChatPercent)
        return QString();
    return speak(nowMs, pick(m_random, StartLines));
}

QString BotChat::gameEnded(qint64 nowMs, bool won)
{
    return speak(nowMs, won ? pick(m_random, WonLines) : pick(m_random, LostLines));
}

QString botNameForSeat(int seat, const QStringList &taken)
{
    const bool hasHint = seat >= 1 && seat <= int(SeatHintNames.size());
    const QString &hint = hasHint ? SeatHintNames[std::size_t(seat - 1)] : SeatHintNames.front();
    if (!taken.contains(hint))
        return hint;
    for (const QString &name : SeatHintNames) {
        if (!taken.contains(name))
            return name;
    }
    return hint; // the host tells it apart from the others
}
