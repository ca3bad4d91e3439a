// Text as the game's files store it: single-byte Latin-1, one line per entry.
#pragma once

#include <QByteArray>
#include <QString>

namespace Storage {

// A line break inside the text becomes a blank so the entry stays one line;
// characters outside Latin-1 become "?".
QByteArray toLatin1Line(const QString &text);

} // namespace Storage
