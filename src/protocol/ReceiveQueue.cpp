#include "protocol/ReceiveQueue.h"

namespace Protocol {

void ReceiveQueue::append(const QByteArray &message, int origin)
{
    m_entries.push_back({QString::fromLatin1(message), origin});
}

void ReceiveQueue::appendText(const QString &text, int origin)
{
    m_entries.push_back({text, origin});
}

QueueEntry ReceiveQueue::takeFirst()
{
    if (m_entries.empty())
        return {};
    QueueEntry entry = std::move(m_entries.front());
    m_entries.pop_front();
    return entry;
}

} // namespace Protocol
