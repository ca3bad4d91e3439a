#include "protocol/GameRandom.h"

#include <QDateTime>

#include <cstdint>

GameRandom GameRandom::fromClock()
{
    return GameRandom(quint32(QDateTime::currentMSecsSinceEpoch()));
}

int GameRandom::bounded(int count)
{
    Q_ASSERT(count >= 1);
    const std::uint64_t range = std::uint64_t(m_engine.max()) + 1;
    const std::uint64_t n = std::uint64_t(count);
    // Values at or above the last whole multiple of n would favour small results.
    const std::uint64_t limit = range - range % n;
    std::uint64_t value = 0;
    do {
        value = m_engine();
    } while (value >= limit);
    return int(value % n);
}
