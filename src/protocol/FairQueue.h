// Received messages of many connections waiting for their handlers.
#pragma once

#include "protocol/ReceiveQueue.h"

#include <deque>

namespace Protocol {

// How much one connection may have waiting at a time.
struct BacklogLimits
{
    qsizetype messages = 256;
    qsizetype bytes = 256 * 1024; // of message text
};

// Each connection keeps the order of its own messages, and connections take
// turns: one connection's burst delays another's message by at most one entry
// per waiting connection. Every connection may hold only a bounded backlog.
class FairQueue
{
public:
    explicit FairQueue(BacklogLimits limits = {}) : m_limits(limits) { }

    // Queues the entry behind the earlier ones of its connection. False, with
    // nothing queued, when the connection's backlog would pass the limits.
    bool append(QueueEntry entry);
    // The next entry in turn; an empty queue yields an empty entry.
    QueueEntry takeNext();
    // Forgets everything a connection left waiting, at once.
    void discard(quint64 connection);

    bool isEmpty() const { return m_size == 0; }
    qsizetype size() const { return m_size; }
    qsizetype backlog(quint64 connection) const;

private:
    struct Lane
    {
        quint64 connection = 0;
        std::deque<QueueEntry> entries;
        qsizetype bytes = 0;
    };

    Lane *findLane(quint64 connection);

    BacklogLimits m_limits;
    // Connections with waiting entries; the front one is served next.
    std::deque<Lane> m_lanes;
    qsizetype m_size = 0;
};

} // namespace Protocol
