// The first-in first-out queue of received messages, drained one per tick.
#pragma once

#include <QByteArray>
#include <QString>

#include <deque>

namespace Protocol {

struct QueueEntry
{
    QString text; // the message without its terminator, decoded from Latin-1
    int origin = 0; // who delivered it; the host stores the seat of the connection
    quint64 connection = 0; // the connection it came on; 0 for none (in-process)
};

class ReceiveQueue
{
public:
    // Decodes one framed message (the wire is single-byte Latin-1) and queues it.
    void append(const QByteArray &message, int origin = 0);
    void appendText(const QString &text, int origin = 0);

    // Removes and returns the oldest entry; an empty queue yields an empty entry.
    QueueEntry takeFirst();

    bool isEmpty() const { return m_entries.empty(); }
    qsizetype size() const { return qsizetype(m_entries.size()); }
    void clear() { m_entries.clear(); }

private:
    std::deque<QueueEntry> m_entries;
};

} // namespace Protocol
