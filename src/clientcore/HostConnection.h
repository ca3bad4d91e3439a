// The client's line to the host: the game socket and the lobby socket, the
// framing of what arrives (an overlong text is skipped up to its terminator),
// the receive queue worked off one message per tick of the dispatch timer,
// and the sign-in. A closed connection is reported only after every message
// received before it was handled.
//
// The seam for programs and tests without a socket: receiveBytes() takes what
// the host sent, setSender() takes what the client sends.
#pragma once

#include "protocol/Dispatcher.h"
#include "protocol/Framing.h"
#include "protocol/ReceiveQueue.h"

#include <QObject>
#include <QString>

#include <functional>

class QTimer;
class TSock;

class HostConnection : public QObject
{
    Q_OBJECT

public:
    using Sender = std::function<void(const QByteArray &message)>;

    explicit HostConnection(QObject *parent = nullptr);
    ~HostConnection() override;

    // Registers the handler of a host command; "CMD_sendlogininfo" is the
    // connection's own and comes first.
    void on(const QString &name, Protocol::Dispatcher::Handler handler);
    QStringList commandNames() const { return m_dispatcher.names(); }

    // The name this client signs in with.
    void setPlayerName(const QString &name) { m_playerName = name; }
    QString playerName() const { return m_playerName; }
    // The login name as the client keeps it: the name and the terminator.
    QString loginName() const { return m_loginName; }

    // Opens the game socket; an address that does not resolve leaves it closed.
    void connectTo(const QString &host, quint16 port);
    // Opens the lobby socket; nothing is ever said on it.
    void openLobby(quint16 port);
    // Sends one complete message; without a connection it is lost.
    void send(const QByteArray &message);
    void setSender(Sender sender) { m_sender = std::move(sender); }

    // What the host sent, as it arrived.
    void receiveBytes(const QByteArray &bytes);
    // The host hung up: closed() follows once the queue is worked off.
    void hostClosed();

    // One tick of the dispatch timer: handles at most one queued message,
    // and idles the timer when none is left.
    void tick();
    void processOne();
    QTimer *timer() const { return m_timer; }
    qsizetype queuedMessages() const { return m_queue.size(); }

    int ownSeat() const { return m_ownSeat; }
    bool isSignedIn() const { return m_signedIn; }

    TSock *gameSocket() const { return m_socket; }
    TSock *lobbySocket() const { return m_lobby; }

signals:
    // "CMD_sendlogininfo" gave this client its seat and the sign-in went out.
    void signedIn(int seat);
    // The host closed the connection and what it said before is handled.
    void closed();

private:
    void signIn(const QString &argument);

    TSock *m_socket = nullptr;
    TSock *m_lobby = nullptr;
    QTimer *m_timer = nullptr;
    Sender m_sender;
    Protocol::FrameSplitter m_splitter;
    // After an overlong unterminated text: bytes are dropped up to the next terminator.
    bool m_skippingOverlong = false;
    Protocol::ReceiveQueue m_queue;
    Protocol::Dispatcher m_dispatcher;
    bool m_dispatching = false;
    bool m_closeWhenDrained = false;

    QString m_playerName;
    QString m_loginName;
    int m_ownSeat = 0;
    bool m_signedIn = false;
};
