// TSock: the event-driven stream socket (IPv4 and IPv6) that carries every game message.
//
// Events are assignable handlers, as on a form: the host copies a template's
// handlers onto every connection it accepts. All notifications arrive on the
// thread that owns the component (the GUI thread), one at a time.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "sock/SockAddress.h"

#include <functional>
#include <stdexcept>
#include <vector>

class QSocketNotifier;

enum TSocketType { stStream = 0, stDatagram = 1 };
enum TLineBreak { lbCRLF = 0, lbCR = 1, lbLF = 2, lbSmart = 3 };
enum TSocketInfo {
    infoLookup = 0,
    infoConnect = 1,
    infoClose = 2,
    infoListen = 3,
    infoReceive = 4,
    infoSend = 5,
    infoAccept = 6,
    infoError = 7,
};

// Every error the component raises: its message and, where the system
// refused something, the system's error number (errno; 0 otherwise).
class ESockException : public std::runtime_error
{
public:
    explicit ESockException(const QString &message, int systemError = 0);
    QString message() const { return QString::fromLatin1(what()); }
    int systemError() const { return m_systemError; }

private:
    int m_systemError;
};

class TSock : public QObject
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TSock *sender)>;
    using TNotifyReadEvent = std::function<void(TSock *sender, int count)>;
    using TNotifyAutoEvent = std::function<void(TSock *sender, TSock *newSock)>;
    using TNotifyInfoEvent
        = std::function<void(TSock *sender, TSocketInfo socketInfo, const QString &msg)>;

    // At most this many bytes are taken from the network per read notification.
    static constexpr int ReadChunk = 32768;

    explicit TSock(QObject *owner = nullptr);
    ~TSock() override;

    // Stored properties.
    TSocketType SocketType() const { return m_socketType; }
    void setSocketType(TSocketType type);
    QString HostName() const { return m_hostName; }
    void setHostName(const QString &name);
    QString PortName() const { return m_portName; }
    void setPortName(const QString &name);
    bool Blocking() const { return m_blocking; }
    void setBlocking(bool blocking);
    bool AutoAccept() const { return m_autoAccept; }
    void setAutoAccept(bool autoAccept) { m_autoAccept = autoAccept; }
    bool Listen() const { return m_listen; }
    // Local address a listener binds to; empty for all of the machine's addresses.
    QString ListenAddress() const { return m_listenAddress; }
    void setListenAddress(const QString &address) { m_listenAddress = address; }
    void setListen(bool listen);
    TLineBreak LineBreak() const { return m_lineBreak; }
    void setLineBreak(TLineBreak lineBreak) { m_lineBreak = lineBreak; }
    int BlockingTimeout() const { return m_blockingTimeout; }
    void setBlockingTimeout(int seconds) { m_blockingTimeout = seconds; }

    // Free for the owner (the host keeps a seat number in it).
    int Tag = 0;

    bool Connected() const { return m_connected; }
    bool hasSocket() const { return m_fd >= 0; }
    // The system's handle, for options the component does not cover; -1 for none.
    int handle() const { return m_fd; }
    const QByteArray &InBuffer() const { return m_inBuffer; }
    const QByteArray &OutBuffer() const { return m_outBuffer; }

    bool Open();
    bool Close();
    bool Send(const QByteArray &bytes);
    QByteArray Receive();
    QByteArray ReceiveUpTo(int count);
    bool Accept(TSock *&newSock);

    // Handlers run on the owning thread, one at a time. They may call any
    // operation, also Close, and may delete their component (deleteLater is
    // needed only inside the destructor's own "Socket Closed" report). A
    // component still connected or listening when destroyed reports through
    // OnInfo while it closes, and so do the components it accepted: clear
    // handlers that capture an owner before destroying that owner.
    TNotifyEvent OnConnect;
    TNotifyEvent OnDisconnect;
    TNotifyEvent OnWrite;
    TNotifyEvent OnAccept;
    TNotifyReadEvent OnRead;
    TNotifyAutoEvent OnAutoAccept;
    TNotifyInfoEvent OnInfo;

    // Text of an information line for a Windows Sockets error code, e.g.
    // "Error #10061 (WSAECONNREFUSED)".
    static QString errorText(int code);
    // The Windows Sockets code that stands for a POSIX errno value.
    static int errorCodeFromErrno(int err);

private:
    void onReadReady();
    void onWriteReady();
    void handleAcceptReady();
    TSock *acceptConnection();
    void handleDataReady();
    void handleDatagramReady();
    void finishConnect();
    void handleWriteEvent();

    // Reports one information line; a throwing handler becomes "Error here".
    void info(TSocketInfo kind, const QString &msg);
    void reportError(int err);
    // Runs an event handler from a notification; errors end that notification
    // only, as they would at the framework's top level.
    template<typename Fn>
    void fromNotification(Fn &&fn);

    // A non-blocking socket of the type and family; -1 with errno when refused.
    int createSocket(int type, int family);
    // Connects to the next address the host name stands for.
    void connectNextEndpoint();
    void startWatching();
    void stopWatching();
    void updateNotifiers();
    bool flushOutBuffer();
    quint16 resolvePort();
    std::vector<AddressLookup::Endpoint> resolveHost(const QString &name, quint16 port);
    void closeHandle();

    TSocketType m_socketType = stStream;
    QString m_hostName;
    QString m_listenAddress;
    QString m_portName;
    bool m_blocking = false;
    bool m_autoAccept = false;
    bool m_listen = false;
    TLineBreak m_lineBreak = lbSmart;
    int m_blockingTimeout = 0;

    int m_fd = -1;
    bool m_connected = false;
    bool m_connecting = false; // a non-blocking connect is under way
    bool m_watching = false; // notifications are wanted for this socket
    bool m_acceptPending = false; // OnAccept raised, waiting for Accept
    bool m_writeEventDue = false; // the write event that follows a connect
    bool m_sendFailed = false; // the connection refused further bytes
    int m_connectError = 0; // errno of a connect that failed at once
    int m_family = 0; // of the socket's addresses (AF_INET, AF_INET6)
    // The addresses the host name stands for, tried in turn until one answers.
    std::vector<AddressLookup::Endpoint> m_endpoints;
    std::size_t m_nextEndpoint = 0;
    quint16 m_remotePort = 0; // network byte order
    QByteArray m_inBuffer;
    QByteArray m_outBuffer;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};
