// Text as the game's files store it: single-byte Latin-1, one line per entry.
// Whole files are read and written by the helpers in AtomicFile.h.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace Storage {

// A line break inside the text becomes a blank so the entry stays one line;
// characters outside Latin-1 become "?".
QByteArray toLatin1Line(const QString &text);

// The lines of a Latin-1 text file: cut at LF, a CR before it dropped, and no
// empty entry after a final line end.
QStringList fromLatin1Lines(QByteArrayView bytes);

} // namespace Storage
