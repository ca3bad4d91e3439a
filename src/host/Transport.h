// How the host reaches one peer. The rules never see what carries the bytes:
// a TCP socket today (SockTransport), nothing at all for a connection made
// in-process (LocalTransport), and other carriers later.
#pragma once

#include <QByteArray>
#include <QString>

class Transport
{
public:
    virtual ~Transport() = default;

    virtual void send(const QByteArray &bytes) = 0;
    // Ends the line. A transport that reports its end does so through the
    // handler its owner gave it; one that does not leaves that to the caller.
    virtual void close() = 0;
    virtual QString peerAddress() const = 0;
    // Bytes handed over and not yet sent.
    virtual qsizetype bytesWaiting() const = 0;
};

// A connection made in-process (tests, the hosting program's seams): what is
// sent goes nowhere but the host's send hook.
class LocalTransport final : public Transport
{
public:
    explicit LocalTransport(const QString &address = QStringLiteral("in-process"))
        : m_address(address)
    { }
    void send(const QByteArray &) override { }
    void close() override { }
    QString peerAddress() const override { return m_address; }
    qsizetype bytesWaiting() const override { return 0; }

private:
    QString m_address;
};
