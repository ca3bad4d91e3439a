#include "storage/Latin1Line.h"

namespace Storage {

QByteArray toLatin1Line(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n')
            bytes.append(' ');
        else if (c.unicode() > 0xFF)
            bytes.append('?');
        else
            bytes.append(char(c.unicode()));
    }
    return bytes;
}

QStringList fromLatin1Lines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        if (end > at && bytes[end - 1] == '\r')
            --end;
        lines.append(QString::fromLatin1(bytes.sliced(at, end - at)));
        at = next;
    }
    return lines;
}

} // namespace Storage
