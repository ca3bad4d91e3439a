// Hands received messages to their handler, one at a time, at a steady pace.
#pragma once

#include "protocol/FairQueue.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace Protocol {

// A message that arrives while nothing waits is handled on the next pass of
// the event loop; only messages that have to wait are taken one per interval.
// While the queue is empty no timer runs, so an idle side costs nothing.
class PacedDispatcher : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QueueEntry &entry)>;

    PacedDispatcher(int intervalMs, BacklogLimits limits, Handler handler,
                    QObject *parent = nullptr);

    // Queues an entry; false when its connection's backlog is full.
    bool post(QueueEntry entry);
    // Drops what a connection left waiting; costs no tick.
    void discard(quint64 connection);
    // Handles the next waiting entry now (the timer's tick; tests call it).
    // A handler that spins a nested event loop is not re-entered.
    void handleNext();

    bool isScheduled() const { return m_timer.isActive(); }
    qsizetype size() const { return m_queue.size(); }
    qsizetype backlog(quint64 connection) const { return m_queue.backlog(connection); }

private:
    int m_intervalMs;
    Handler m_handler;
    FairQueue m_queue;
    QTimer m_timer;
    bool m_handling = false;
};

} // namespace Protocol
