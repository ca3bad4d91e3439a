// Cutting a connection's byte stream into messages at the terminator byte.
#pragma once

#include <QByteArray>
#include <QList>

namespace Protocol {

// Every message ends with this byte; no field may contain it.
constexpr char Terminator = char(0xFF);

// Splits what one connection delivers into whole messages. Text after the last
// terminator of a read is kept and completed by the next read of the same
// connection, so a message split across network reads arrives whole.
class FrameSplitter
{
public:
    // An unterminated message longer than this is no message of ours: the
    // connection that sends it is to be dropped (see overflowed()).
    static constexpr qsizetype MaxPending = 64 * 1024;

    // Appends the bytes and returns the complete messages, terminators removed,
    // in arrival order. Empty messages (terminators in a row) are dropped.
    QList<QByteArray> feed(const QByteArray &bytes);

    // True once the held-back text exceeded MaxPending; it is then discarded.
    bool overflowed() const { return m_overflowed; }
    const QByteArray &pending() const { return m_pending; }

private:
    QByteArray m_pending;
    bool m_overflowed = false;
};

} // namespace Protocol
