#include "host/WebSocketTransport.h"

#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QHostAddress>
#include <QTimer>
#include <QWebSocket>

namespace {

// A closed socket that never completes the closing handshake goes after this.
constexpr int RefusalFlushLimitMs = 5000;

} // namespace

WebSocketTransport::WebSocketTransport(QWebSocket *socket, BytesHandler onBytes,
                                       ClosedHandler onClosed)
    : m_socket(socket)
{
    limit(socket);
    QObject::connect(socket, &QWebSocket::textMessageReceived, socket,
                     [onBytes](const QString &text) {
                         // toWire writes U+00FF as "?": a frame is one message.
                         onBytes(Protocol::toWire(text) + Protocol::Terminator);
                     });
    QObject::connect(socket, &QWebSocket::disconnected, socket, [onClosed] { onClosed(); });
}

WebSocketTransport::~WebSocketTransport()
{
    if (!m_socket)
        return;
    retire(m_socket);
}

void WebSocketTransport::retire(QWebSocket *socket)
{
    // Nobody is left to hear of its end; what was sent still leaves, with the
    // closing frame, unless the peer takes too long.
    QObject::disconnect(socket, nullptr, socket, nullptr);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(RefusalFlushLimitMs, socket, &QObject::deleteLater);
    socket->close();
}

void WebSocketTransport::limit(QWebSocket *socket)
{
    socket->setMaxAllowedIncomingFrameSize(MaxIncomingBytes);
    socket->setMaxAllowedIncomingMessageSize(MaxIncomingBytes);
    QObject::connect(socket, &QWebSocket::binaryFrameReceived, socket, [socket] {
        socket->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported,
                      QStringLiteral("text frames only"));
    });
}

void WebSocketTransport::send(const QByteArray &bytes)
{
    if (m_socket)
        sendMessages(bytes);
}

void WebSocketTransport::sendMessages(const QByteArray &bytes)
{
    m_partial += bytes;
    qsizetype start = 0;
    for (qsizetype end = m_partial.indexOf(Protocol::Terminator); end >= 0;
         end = m_partial.indexOf(Protocol::Terminator, start)) {
        if (end > start)
            m_socket->sendTextMessage(QString::fromLatin1(m_partial.sliced(start, end - start)));
        start = end + 1;
    }
    m_partial.remove(0, start);
}

void WebSocketTransport::close()
{
    if (m_socket)
        m_socket->close(); // reports through disconnected
}

QString WebSocketTransport::peerAddress() const
{
    return m_socket ? addressOf(m_socket) : QString();
}

QString WebSocketTransport::addressOf(const QWebSocket *socket)
{
    const QHostAddress address = socket->peerAddress();
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

qsizetype WebSocketTransport::bytesWaiting() const
{
    return m_socket ? qsizetype(m_socket->bytesToWrite()) : 0;
}

void WebSocketTransport::refuse(QWebSocket *socket, const QByteArray &bytes)
{
    // Sent and closed as the transport goes.
    WebSocketTransport(
        socket, [](const QByteArray &) {}, [] {})
        .send(bytes);
}
