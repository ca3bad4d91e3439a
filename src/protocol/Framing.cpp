#include "protocol/Framing.h"

namespace Protocol {

QList<QByteArray> FrameSplitter::feed(const QByteArray &bytes)
{
    QList<QByteArray> messages;
    if (m_overflowed)
        return messages;

    qsizetype start = 0;
    qsizetype end;
    while ((end = bytes.indexOf(Terminator, start)) >= 0) {
        if (m_pending.isEmpty()) {
            // A bare terminator carries nothing; queuing it would let a peer
            // fill memory with nothing at all.
            if (end > start)
                messages.append(bytes.mid(start, end - start));
        } else {
            m_pending.append(bytes.constData() + start, end - start);
            messages.append(std::exchange(m_pending, {}));
        }
        start = end + 1;
    }
    m_pending.append(bytes.constData() + start, bytes.size() - start);
    if (m_pending.size() > MaxPending) {
        m_overflowed = true;
        m_pending.clear();
        m_pending.squeeze();
    }
    return messages;
}

} // namespace Protocol
