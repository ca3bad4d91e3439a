#include "PREVINST.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

#include <unistd.h>

#include <memory>

namespace {

const QByteArray RestoreRequest = QByteArrayLiteral("restore\n");
// How long a later copy waits for the first copy to take its request.
constexpr int HandOverMs = 2000;
const QString LockSuffix = QStringLiteral(".lock");

} // namespace

PreviousInstance::PreviousInstance(const QString &key, QObject *parent)
    : QObject(parent), m_key(key)
{ }

PreviousInstance::~PreviousInstance() = default;

QString PreviousInstance::defaultKey()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("22nroz-%1").arg(uint(getuid())));
}

PreviousInstance::Answer PreviousInstance::askFirstCopy() const
{
    QLocalSocket other;
    other.connectToServer(m_key);
    if (other.waitForConnected(HandOverMs)) {
        other.write(RestoreRequest);
        other.waitForBytesWritten(HandOverMs);
        other.disconnectFromServer();
        return Answer::Restoring;
    }
    // Only a refused connection or a missing file means nobody listens; a
    // full queue or a time-out means a copy is there but busy.
    const QLocalSocket::LocalSocketError error = other.error();
    return error == QLocalSocket::ConnectionRefusedError
            || error == QLocalSocket::ServerNotFoundError
        ? Answer::Nobody
        : Answer::Busy;
}

bool PreviousInstance::claim()
{
    // Without the lock (a stuck holder) the checks below still hold.
    QLockFile turn(m_key + LockSuffix);
    turn.tryLock(HandOverMs);
    if (askFirstCopy() != Answer::Nobody)
        return false;
    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_key)) {
        if (askFirstCopy() != Answer::Nobody)
            return false;
        // A copy that crashed left its socket file behind: nobody answers on it.
        QLocalServer::removeServer(m_key);
        server->listen(m_key);
    }
    m_server = server.release();
    connect(m_server, &QLocalServer::newConnection, this, &PreviousInstance::onNewConnection);
    return true;
}

void PreviousInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readRequest = [this, socket] {
            if (socket->readAll().contains(RestoreRequest.trimmed())) {
                restoreWindow();
                emit restoreRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        if (socket->bytesAvailable() > 0)
            readRequest();
    }
}

void PreviousInstance::restoreWindow()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}
