#include "protocol/PacedDispatcher.h"

#include <algorithm>

namespace Protocol {

PacedDispatcher::PacedDispatcher(int intervalMs, BacklogLimits limits, Handler handler,
                                 QObject *parent)
    : QObject(parent), m_intervalMs(intervalMs), m_handler(std::move(handler)), m_queue(limits)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PacedDispatcher::handleNext);
}

bool PacedDispatcher::post(QueueEntry entry)
{
    if (!m_queue.append(std::move(entry)))
        return false;
    schedule();
    return true;
}

void PacedDispatcher::discard(quint64 connection)
{
    m_queue.discard(connection);
    if (m_queue.isEmpty())
        m_timer.stop();
}

void PacedDispatcher::handleNext()
{
    if (m_handling || m_queue.isEmpty())
        return;
    m_handling = true;
    m_sinceLastEntry.start();
    m_handler(m_queue.takeNext());
    m_handling = false;
    m_timer.stop();
    schedule();
}

void PacedDispatcher::schedule()
{
    if (m_queue.isEmpty() || m_timer.isActive() || m_handling)
        return;
    // The pace counts from the last entry handled, so a message after a quiet
    // spell goes at once and a burst still goes one per interval.
    const qint64 since = m_sinceLastEntry.isValid() ? m_sinceLastEntry.elapsed() : m_intervalMs;
    m_timer.start(int(std::clamp<qint64>(m_intervalMs - since, 0, m_intervalMs)));
}

} // namespace Protocol
