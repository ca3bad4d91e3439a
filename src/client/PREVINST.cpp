#include "client/PREVINST.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <unistd.h>

namespace {

const QByteArray RestoreRequest = QByteArrayLiteral("restore\n");
// How long a later copy waits for the first copy to take its request.
constexpr int HandOverMs = 2000;

} // namespace

PreviousInstance::PreviousInstance(const QString &key, QObject *parent) : QObject(parent), m_key(key) {}

PreviousInstance::~PreviousInstance() = default;

QString PreviousInstance::defaultKey()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("22nroz-%1").arg(uint(getuid())));
}

bool PreviousInstance::claim()
{
    QLocalSocket other;
    other.connectToServer(m_key);
    if (other.waitForConnected(HandOverMs)) {
        other.write(RestoreRequest);
        other.waitForBytesWritten(HandOverMs);
        other.disconnectFromServer();
        return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // A copy that crashed left its socket file behind: nobody answered it.
        QLocalServer::removeServer(m_key);
        m_server->listen(m_key);
    }
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
