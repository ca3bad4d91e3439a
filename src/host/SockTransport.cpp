#include "host/SockTransport.h"

#include "sock/Sock.h"

#include <QLoggingCategory>
#include <QTimer>

namespace {

Q_LOGGING_CATEGORY(lcTransport, "lexiburst.host")

// A refused connection is dropped at the latest this long after its last
// message was handed over, even if the peer never read it.
constexpr int RefusalFlushLimitMs = 5000;

// Sends without letting a socket failure escape into the event loop.
void deliver(TSock *socket, const QByteArray &bytes)
{
    try {
        socket->Send(bytes);
    } catch (const ESockException &e) {
        qCWarning(lcTransport) << "send failed:" << e.message();
    }
}

} // namespace

SockTransport::SockTransport(TSock *socket, BytesHandler onBytes, ClosedHandler onClosed)
    : m_socket(socket)
{
    m_socket->OnRead = [onBytes](TSock *s, int) {
        QByteArray bytes;
        try {
            bytes = s->Receive();
        } catch (const ESockException &e) {
            qCWarning(lcTransport) << e.message();
            return;
        }
        onBytes(bytes);
    };
    m_socket->OnInfo = [onClosed](TSock *s, TSocketInfo info, const QString &) {
        if (info == infoClose)
            onClosed();
        else if (info == infoError)
            // A reset or aborted connection reports only an error and never
            // closes by itself; without this its seat would stay taken for good.
            s->Close();
    };
    m_socket->OnDisconnect = [](TSock *s) {
        s->Close();
    };
}

SockTransport::~SockTransport()
{
    if (!m_socket)
        return;
    // Closing reports to the handlers; nobody is left to hear it.
    m_socket->OnInfo = nullptr;
    m_socket->OnDisconnect = nullptr;
    m_socket->OnRead = nullptr;
    m_socket->deleteLater();
}

TSock *SockTransport::socket() const
{
    return m_socket.data();
}

void SockTransport::send(const QByteArray &bytes)
{
    deliver(m_socket, bytes);
}

void SockTransport::close()
{
    m_socket->Close(); // reports "Socket Closed"
}

QString SockTransport::peerAddress() const
{
    return m_socket->HostName();
}

qsizetype SockTransport::bytesWaiting() const
{
    return m_socket->OutBuffer().size();
}

void SockTransport::refuse(TSock *socket, const QByteArray &bytes)
{
    socket->OnInfo = nullptr;
    socket->OnRead = [](TSock *s, int) {
        s->Receive();
    };
    if (!bytes.isEmpty())
        deliver(socket, bytes);
    const auto drop = [](TSock *s) {
        s->OnWrite = nullptr;
        s->OnDisconnect = nullptr;
        s->Close();
        s->deleteLater();
    };
    if (socket->OutBuffer().isEmpty()) {
        drop(socket);
        return;
    }
    socket->OnWrite = [drop](TSock *s) {
        if (s->OutBuffer().isEmpty())
            drop(s);
    };
    socket->OnDisconnect = drop;
    QTimer::singleShot(RefusalFlushLimitMs, socket, [socket, drop] { drop(socket); });
}
