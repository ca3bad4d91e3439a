#include "protocol/FairQueue.h"

#include <algorithm>

namespace Protocol {

FairQueue::Lane *FairQueue::findLane(quint64 connection)
{
    const auto it = std::find_if(m_lanes.begin(), m_lanes.end(), [connection](const Lane &l) {
        return l.connection == connection;
    });
    return it == m_lanes.end() ? nullptr : &*it;
}

bool FairQueue::append(QueueEntry entry)
{
    Lane *lane = findLane(entry.connection);
    const qsizetype bytes = entry.text.size();
    const qsizetype waiting = lane ? qsizetype(lane->entries.size()) : 0;
    const qsizetype waitingBytes = lane ? lane->bytes : 0;
    if (waiting >= m_limits.messages || waitingBytes + bytes > m_limits.bytes)
        return false;
    if (!lane) {
        m_lanes.push_back({entry.connection, {}, 0});
        lane = &m_lanes.back();
    }
    lane->bytes += bytes;
    lane->entries.push_back(std::move(entry));
    ++m_size;
    return true;
}

QueueEntry FairQueue::takeNext()
{
    if (m_lanes.empty())
        return {};
    Lane lane = std::move(m_lanes.front());
    m_lanes.pop_front();
    QueueEntry entry = std::move(lane.entries.front());
    lane.entries.pop_front();
    lane.bytes -= entry.text.size();
    --m_size;
    // The connection goes to the back of the line with whatever it has left.
    if (!lane.entries.empty())
        m_lanes.push_back(std::move(lane));
    return entry;
}

void FairQueue::discard(quint64 connection)
{
    const auto it = std::find_if(m_lanes.begin(), m_lanes.end(), [connection](const Lane &l) {
        return l.connection == connection;
    });
    if (it == m_lanes.end())
        return;
    m_size -= qsizetype(it->entries.size());
    m_lanes.erase(it);
}

qsizetype FairQueue::backlog(quint64 connection) const
{
    for (const Lane &lane : m_lanes) {
        if (lane.connection == connection)
            return qsizetype(lane.entries.size());
    }
    return 0;
}

} // namespace Protocol
