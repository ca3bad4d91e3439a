// The host's web port: a small responder that serves the web client's files
// (compiled in under ":/web", never read from the file system) to GET and
// HEAD, and hands a WebSocket upgrade of "/ws" from a page of this very host
// to Qt's WebSocket server, whose connections go to the handler.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

class WebListener : public QObject
{
    Q_OBJECT

public:
    using SocketHandler = std::function<void(QWebSocket *socket)>;

    // A request's head (request line and headers) longer than this is refused.
    static constexpr qsizetype MaxRequestBytes = 8 * 1024;
    // A connection that has not completed a request this long after it opened
    // or after its last answer is closed.
    static constexpr int IdleMs = 10 * 1000;
    // Connections one address may hold open to the responder at once.
    static constexpr int MaxConnectionsPerAddress = 16;

    // The handler takes over each WebSocket once its handshake is done.
    explicit WebListener(SocketHandler onSocket, QObject *parent = nullptr);
    ~WebListener() override;

    // False, with listenProblem() telling why, when the port cannot be opened.
    bool listen(quint16 port, const QString &bindAddress);
    void stop();
    bool isListening() const;
    quint16 port() const;
    QString listenProblem() const { return m_problem; }

    // The addresses to share for a web port: "http://ADDRESS:PORT/" for the
    // bind address, or else for each address of this machine others can
    // reach it by (as the start window lists them).
    static QStringList shareLinks(quint16 port, const QString &bindAddress = QString());

    // The answer to one request head (bytes up to and including the blank
    // line), as the responder would send it; tests read it.
    struct Answer
    {
        QByteArray bytes;
        bool keepOpen = false;
        bool upgrade = false; // to be handed to the WebSocket server
    };
    static Answer answer(const QByteArray &head);

private:
    void incoming();
    void readRequests(QTcpSocket *socket);
    void release(QTcpSocket *socket);

    QTcpServer *m_server;
    QWebSocketServer *m_webSockets;
    SocketHandler m_onSocket;
    QHash<QString, int> m_perAddress;
    QString m_problem;
};
