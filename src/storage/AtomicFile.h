// Reading a stored file whole, and replacing one only once the new content
// is completely written.
//
// QSaveFile alone is not enough: when the disk fills up or a size limit
// stops a write half way, the buffered write reports success and commit()
// renames the truncated file over the old one. These helpers compare the
// size on disk before the rename.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class QSaveFile;

namespace Storage {

// The whole content of `path`; nullopt, with *error saying why, when it
// cannot be read or holds more than `maxBytes` (checked before reading, so a
// huge or hostile file costs no memory).
std::optional<QByteArray> readWholeFile(const QString &path, qint64 maxBytes,
                                        QString *error = nullptr);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` when all of them are written. On failure the old file is untouched,
// no temporary file is left, and *error says why.
bool writeFileAtomically(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// Flushes an open QSaveFile and commits it only when it holds exactly
// `expectedSize` bytes; otherwise discards it. True when committed.
bool commitComplete(QSaveFile &file, qint64 expectedSize, QString *error = nullptr);

} // namespace Storage
