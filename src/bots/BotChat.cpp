#include "bots/BotChat.h"

#include "protocol/GameFacts.h"
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
    const QString own = GameFacts::seatHintName(seat);
    const QString hint = own.isEmpty() ? GameFacts::seatHintName(1) : own;
    if (!taken.contains(hint))
        return hint;
    for (const char *name : GameFacts::SeatHintNames) {
        if (!taken.contains(QLatin1String(name)))
            return QLatin1String(name);
    }
    return hint; // the host tells it apart from the others
}
