#include "protocol/PacedDispatcher.h"

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
    const bool idle = m_queue.isEmpty();
    if (!m_queue.append(std::move(entry)))
        return false;
    // Nothing waited: no reason to make this one wait.
    if (idle && !m_handling)
        m_timer.start(0);
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
    m_handler(m_queue.takeNext());
    m_handling = false;
    // What waits goes at the steady pace.
    if (m_queue.isEmpty())
        m_timer.stop();
    else
        m_timer.start(m_intervalMs);
}

} // namespace Protocol
