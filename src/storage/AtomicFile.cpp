#include "storage/AtomicFile.h"

#include <QSaveFile>

namespace Storage {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

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
