// A peer in a browser, on a WebSocket the web listener upgraded. One message
// of the wire is one text frame, without the terminator; the browser's text
// is Unicode and goes to the wire as Latin-1 the way our clients send it
// (what Latin-1 cannot carry becomes "?"), and back as Unicode.
#pragma once

#include "host/Transport.h"

#include <QPointer>

#include <functional>

class QWebSocket;

class WebSocketTransport final : public Transport
{
public:
    using BytesHandler = std::function<void(const QByteArray &bytes)>;
    using ClosedHandler = std::function<void()>;

    // The longest frame or message a browser may send; a longer one, and any
    // binary frame, ends the connection.
    static constexpr quint64 MaxIncomingBytes = 64 * 1024;

    // Takes over the socket: each text message goes to onBytes as one message
    // of the wire, terminator included, and onClosed hears of its end.
    WebSocketTransport(QWebSocket *socket, BytesHandler onBytes, ClosedHandler onClosed);
    ~WebSocketTransport() override;

    void send(const QByteArray &bytes) override;
    void close() override;
    QString peerAddress() const override;
    qsizetype bytesWaiting() const override;

    // Sends a last message (if any) on a socket the host does not seat and
    // closes it.
    static void refuse(QWebSocket *socket, const QByteArray &bytes);
    // The address as the TCP side writes it: an IPv4 peer reached over IPv6
    // is written as IPv4.
    static QString addressOf(const QWebSocket *socket);
    // Sets the bounds above on a socket and closes it on a binary frame.
    static void limit(QWebSocket *socket);

private:
    static void retire(QWebSocket *socket);
    void sendMessages(const QByteArray &bytes);

    QPointer<QWebSocket> m_socket;
    // The start of a message whose terminator has not been sent yet.
    QByteArray m_partial;
};
