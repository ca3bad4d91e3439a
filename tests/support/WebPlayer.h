// A browser's side of the host's web port: a WebSocket that keeps every text
// message it receives, and a raw HTTP exchange.
#pragma once

#include <QEventLoop>
#include <QStringList>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

#include <algorithm>

class WebPlayer : public QObject
{
public:
    // origin: what the page's Origin header says (empty: none is sent).
    explicit WebPlayer(quint16 webPort, const QString &origin = QString()) : socket(origin)
    {
        connect(&socket, &QWebSocket::textMessageReceived, this,
                [this](const QString &text) { received.append(text); });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(webPort)));
    }

    bool saw(const QString &prefix) const
    {
        return std::any_of(received.begin(), received.end(),
                           [&](const QString &m) { return m.startsWith(prefix); });
    }
    // The seat the host offered, 0 before it did.
    int seat() const
    {
        for (const QString &m : received)
            if (m.startsWith(QLatin1String("CMD_sendlogininfo+")))
                return m.section(u'+', 1, 1).toInt();
        return 0;
    }

    QWebSocket socket;
    QStringList received;
};

// Sends the request bytes to the web port and returns what came back once
// the whole of `answers` responses arrived (their Content-Length read) or the
// connection closed, within the bound.
inline QByteArray httpExchange(quint16 webPort, const QByteArray &request, int answers = 1,
                               int boundMs = 5000)
{
    QTcpSocket socket;
    QByteArray reply;
    QEventLoop loop;
    const auto complete = [&] {
        qsizetype at = 0;
        for (int n = 0; n < answers; ++n) {
            const qsizetype end = reply.indexOf("\r\n\r\n", at);
            if (end < 0)
                return false;
            const QByteArray head = reply.sliced(at, end - at).toLower();
            const qsizetype length = head.indexOf("content-length: ");
            const bool noBody = head.startsWith("http/1.1 304") || request.startsWith("HEAD");
            at = end + 4
                + (length < 0 || noBody ? 0
                                        : head.mid(length + 16).split('\r').first().toLongLong());
            if (at > reply.size())
                return false;
        }
        return true;
    };
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        reply += socket.readAll();
        if (complete())
            loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(boundMs, &loop, &QEventLoop::quit);
    socket.connectToHost(QStringLiteral("127.0.0.1"), webPort);
    socket.write(request);
    loop.exec();
    return reply;
}

// The origin a page served by the web port on this machine has.
inline QString webOrigin(quint16 webPort)
{
    return QStringLiteral("http://127.0.0.1:%1").arg(webPort);
}
