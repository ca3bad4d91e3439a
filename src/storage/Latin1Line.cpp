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

} // namespace Storage
