#include "storage/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace Storage {

namespace {

constexpr qint64 ReadPiece = 64 * 1024;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

std::optional<QByteArray> readWholeFile(const QString &path, qint64 maxBytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    const QString tooLarge = QStringLiteral("%1 is larger than %2 bytes.").arg(path).arg(maxBytes);
    if (file.size() > maxBytes) {
        setError(error, tooLarge);
        return std::nullopt;
    }
    // Read in pieces up to one byte past the limit: a file that grows
    // meanwhile, or one that states no size, is caught too.
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray piece
            = file.read(std::min<qint64>(ReadPiece, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        setError(error, tooLarge);
        return std::nullopt;
    }
    return bytes;
}

bool commitComplete(QSaveFile &file, qint64 expectedSize, QString *error)
{
    if (!file.flush() || file.size() != expectedSize) {
        setError(error,
                 file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                     ? QStringLiteral("Could not write all of %1.").arg(file.fileName())
                     : file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString &path, QByteArrayView bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    return commitComplete(file, bytes.size(), error);
}

} // namespace Storage
