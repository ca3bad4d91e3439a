// A peer on a TCP socket the host accepted.
#pragma once

#include "host/Transport.h"

#include <QPointer>

#include <functional>

class TSock;

class SockTransport final : public Transport
{
public:
    using BytesHandler = std::function<void(const QByteArray &bytes)>;
    using ClosedHandler = std::function<void()>;

    // Takes over the socket: what arrives goes to onBytes, and onClosed hears
    // of its end, orderly or not. The socket is deleted after the transport.
    SockTransport(TSock *socket, BytesHandler onBytes, ClosedHandler onClosed);
    ~SockTransport() override;

    void send(const QByteArray &bytes) override;
    void close() override;
    QString peerAddress() const override;
    qsizetype bytesWaiting() const override;

    TSock *socket() const;

    // Sends a last message (if any) on a socket the host does not seat and
    // drops the connection once it has left, or after a time limit.
    static void refuse(TSock *socket, const QByteArray &bytes);

private:
    // Guarded: the listener deletes the sockets it accepted when it goes.
    QPointer<TSock> m_socket;
};
