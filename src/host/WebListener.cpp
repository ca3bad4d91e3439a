#include "host/WebListener.h"

#include "host/PortProblem.h"
#include "host/WebSocketTransport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <QWebSocketServer>

#include <cerrno>
#include <optional>

namespace {

constexpr char WebSocketPath[] = "/ws";
constexpr char IndexFile[] = "index.html";
constexpr char CountedProperty[] = "lexiburstCountedAddress";

struct Head
{
    QByteArray method;
    QByteArray target;
    QByteArray version;
    // Lower-case names; a repeated header's values joined with ", ".
    QHash<QByteArray, QByteArray> fields;
};

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        const bool letterOrDigit
            = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && !QByteArrayView("!#$%&'*+-.^_`|~").contains(c))
            return false;
    }
    return true;
}

std::optional<Head> parseHead(const QByteArray &bytes)
{
    // The head ends with an empty line: "...\r\n\r\n".
    if (!bytes.endsWith("\r\n\r\n"))
        return std::nullopt;
    QList<QByteArray> lines = bytes.chopped(4).split('\n');
    Head head;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i == lines.size() - 1;
        if (!last && !lines[i].endsWith('\r'))
            return std::nullopt;
        if (!last)
            lines[i].chop(1);
        if (lines[i].contains('\r'))
            return std::nullopt;
    }
    const QList<QByteArray> request = lines.first().split(' ');
    if (request.size() != 3 || !isToken(request[0]) || request[1].isEmpty())
        return std::nullopt;
    head.method = request[0];
    head.target = request[1];
    head.version = request[2];
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon)))
            return std::nullopt; // folded lines included: they begin with a blank
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (head.fields.contains(name)) {
            if (name == "host" || name == "content-length")
                return std::nullopt;
            head.fields[name] += ", " + value;
        } else {
            head.fields.insert(name, value);
        }
    }
    return head;
}

bool hasToken(const QByteArray &list, const char *token)
{
    for (const QByteArray &part : list.split(','))
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The path of the resource a request's path names, or nothing when it names none this
// responder could serve: only plain names of letters, digits, ".", "-" and
// "_", none beginning with a dot, so nothing encoded and nothing that climbs.
std::optional<QString> resourcePath(const QByteArray &target)
{
    if (!target.startsWith('/'))
        return std::nullopt;
    if (target == "/")
        return QString::fromLatin1(IndexFile);
    const QList<QByteArray> segments = target.mid(1).split('/');
    for (const QByteArray &segment : segments) {
        if (segment.isEmpty() || segment.startsWith('.'))
            return std::nullopt;
        for (const char c : segment) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
                || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
            if (!plain)
                return std::nullopt;
        }
    }
    return QString::fromLatin1(target.mid(1));
}

QByteArray contentType(const QString &path)
{
    static const QHash<QString, QByteArray> types {
        {QStringLiteral("html"), "text/html; charset=utf-8"},
        {QStringLiteral("js"), "text/javascript; charset=utf-8"},
        {QStringLiteral("mjs"), "text/javascript; charset=utf-8"},
        {QStringLiteral("css"), "text/css; charset=utf-8"},
        {QStringLiteral("json"), "application/json"},
        {QStringLiteral("webmanifest"), "application/manifest+json"},
        {QStringLiteral("png"), "image/png"},
        {QStringLiteral("svg"), "image/svg+xml"},
        {QStringLiteral("ico"), "image/x-icon"},
        {QStringLiteral("ogg"), "audio/ogg"},
        {QStringLiteral("oga"), "audio/ogg"},
        {QStringLiteral("opus"), "audio/ogg"},
        {QStringLiteral("woff2"), "font/woff2"},
        {QStringLiteral("txt"), "text/plain; charset=utf-8"},
    };
    return types.value(QFileInfo(path).suffix().toLower(), "application/octet-stream");
}

// A Host header as a browser writes it: a name or address and a port.
bool isPlainHost(const QByteArray &host)
{
    for (const char c : host) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || (c >= '0' && c <= '9') || QByteArrayView(".-:[]").contains(c);
        if (!plain)
            return false;
    }
    return !host.isEmpty();
}

// True when the page that opens the WebSocket came from this host and port.
// A program that is no browser sends no Origin and is let in: it could say
// anything it liked anyway.
bool sameOrigin(const Head &head)
{
    if (!head.fields.contains("origin"))
        return true;
    const QByteArray host = head.fields.value("host");
    if (!isPlainHost(host))
        return false;
    const QUrl origin(QString::fromLatin1(head.fields.value("origin")), QUrl::StrictMode);
    const QUrl self(QStringLiteral("http://") + QString::fromLatin1(host), QUrl::StrictMode);
    if (!origin.isValid() || !self.isValid() || !origin.path().isEmpty()
        || (origin.scheme() != u"http" && origin.scheme() != u"https"))
        return false;
    const int defaultPort = origin.scheme() == u"https" ? 443 : 80;
    return origin.host() == self.host() && origin.port(defaultPort) == self.port(80);
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 426:
        return "Upgrade Required";
    case 431:
        return "Request Header Fields Too Large";
    case 505:
        return "HTTP Version Not Supported";
    }
    return "Error";
}

QByteArray securityHeaders(const QByteArray &host)
{
    // Everything from this host only; the page talks to the game over ws:.
    QByteArray policy = "default-src 'self'; connect-src 'self'";
    if (isPlainHost(host))
        policy += " ws://" + host;
    policy += "; frame-ancestors 'none'; base-uri 'none'; form-action 'none'";
    return "X-Content-Type-Options: nosniff\r\nContent-Security-Policy: " + policy
        + "\r\nReferrer-Policy: no-referrer\r\n";
}

WebListener::Answer problem(int status, const QByteArray &extra = {})
{
    const QByteArray body = QByteArray::number(status) + ' ' + reasonPhrase(status) + '\n';
    WebListener::Answer answer;
    answer.bytes = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status)
        + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nCache-Control: no-store\r\n" + extra
        + securityHeaders({}) + "Connection: close\r\n\r\n" + body;
    return answer;
}

// A tag that changes with the file's bytes, so a browser asks again cheaply.
QByteArray entityTag(const QString &resource, const QByteArray &bytes)
{
    static QHash<QString, QByteArray> tags;
    auto found = tags.constFind(resource);
    if (found == tags.constEnd())
        found = tags.insert(
            resource,
            '"' + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(20) + '"');
    return *found;
}

} // namespace

WebListener::Answer WebListener::answer(const QByteArray &bytes)
{
    if (bytes.size() > MaxRequestBytes)
        return problem(431);
    const std::optional<Head> head = parseHead(bytes);
    if (!head)
        return problem(400);
    if (head->version != "HTTP/1.1" && head->version != "HTTP/1.0")
        return head->version.startsWith("HTTP/") ? problem(505) : problem(400);
    if (head->method != "GET" && head->method != "HEAD")
        return problem(405, "Allow: GET, HEAD\r\n");
    // Bodies are never read: one would be taken for the next request.
    if (head->fields.contains("transfer-encoding")
        || head->fields.value("content-length", "0") != "0")
        return problem(400);
    if (head->version == "HTTP/1.1" && !head->fields.contains("host"))
        return problem(400);
    // The query is the page's business, not the responder's.
    const QByteArray path = head->target.first(
        head->target.indexOf('?') < 0 ? head->target.size() : head->target.indexOf('?'));
    if (path == WebSocketPath) {
        if (head->method != "GET" || head->version != "HTTP/1.1"
            || !hasToken(head->fields.value("upgrade"), "websocket")
            || !hasToken(head->fields.value("connection"), "upgrade"))
            return problem(426, "Upgrade: websocket\r\n");
        if (!sameOrigin(*head))
            return problem(403);
        Answer upgrade;
        upgrade.upgrade = true;
        return upgrade;
    }
    const std::optional<QString> name = resourcePath(path);
    if (!name)
        return problem(400);
    const QString resource = QStringLiteral(":/web/") + *name;
    QFile file(resource);
    if (!QFileInfo(resource).isFile() || !file.open(QIODevice::ReadOnly))
        return problem(404);
    const QByteArray content = file.readAll();
    const QByteArray tag = entityTag(resource, content);
    const bool unchanged = hasToken(head->fields.value("if-none-match"), tag.constData());
    const bool keepOpen = head->version == "HTTP/1.1"
        ? !hasToken(head->fields.value("connection"), "close")
        : hasToken(head->fields.value("connection"), "keep-alive");
    Answer answer;
    answer.keepOpen = keepOpen;
    answer.bytes = "HTTP/1.1 " + QByteArray(unchanged ? "304 Not Modified" : "200 OK")
        + "\r\nContent-Type: " + contentType(*name)
        + "\r\nContent-Length: " + QByteArray::number(unchanged ? 0 : content.size())
        + "\r\nCache-Control: no-cache\r\nETag: " + tag + "\r\n"
        + securityHeaders(head->fields.value("host"))
        + (keepOpen ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n");
    if (head->method == "GET" && !unchanged)
        answer.bytes += content;
    return answer;
}

WebListener::WebListener(SocketHandler onSocket, QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this)),
      m_webSockets(
          new QWebSocketServer(QStringLiteral("Lexiburst"), QWebSocketServer::NonSecureMode, this)),
      m_onSocket(std::move(onSocket))
{
    connect(m_server, &QTcpServer::newConnection, this, &WebListener::incoming);
    connect(m_webSockets, &QWebSocketServer::newConnection, this, [this] {
        while (m_webSockets->hasPendingConnections()) {
            QWebSocket *socket = m_webSockets->nextPendingConnection();
            WebSocketTransport::limit(socket);
            m_onSocket(socket);
        }
    });
}

WebListener::~WebListener()
{
    stop();
}

bool WebListener::listen(quint16 port, const QString &bindAddress)
{
    m_problem.clear();
    const QHostAddress address
        = bindAddress.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(bindAddress);
    if (m_server->listen(address, port))
        return true;
    int systemError = 0;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError)
        systemError = EADDRINUSE;
    else if (m_server->serverError() == QAbstractSocket::SocketAccessError)
        systemError = EACCES;
    m_problem = portProblem(port, systemError, m_server->errorString());
    return false;
}

void WebListener::stop()
{
    m_server->close();
}

bool WebListener::isListening() const
{
    return m_server->isListening();
}

quint16 WebListener::port() const
{
    return m_server->serverPort();
}

QStringList WebListener::shareLinks(quint16 port, const QString &bindAddress)
{
    QList<QHostAddress> addresses;
    if (!bindAddress.isEmpty()) {
        addresses.append(QHostAddress(bindAddress));
    } else {
        for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
            const auto flags = interface.flags();
            if (!flags.testFlag(QNetworkInterface::IsUp)
                || flags.testFlag(QNetworkInterface::IsLoopBack))
                continue;
            for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
                if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol
                    && !entry.ip().isLoopback())
                    addresses.append(entry.ip());
            }
        }
    }
    QStringList links;
    for (const QHostAddress &address : std::as_const(addresses))
        links.append(QStringLiteral("http://%1:%2/").arg(address.toString()).arg(port));
    return links;
}

void WebListener::incoming()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        bool isIPv4 = false;
        const quint32 ipv4 = socket->peerAddress().toIPv4Address(&isIPv4);
        const QString address
            = isIPv4 ? QHostAddress(ipv4).toString() : socket->peerAddress().toString();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (m_perAddress.value(address) >= MaxConnectionsPerAddress) {
            socket->abort();
            continue;
        }
        ++m_perAddress[address];
        // Chat lines and clock ticks are small and should leave at once, as on the game port.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setProperty(CountedProperty, address);
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->start(IdleMs);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        // A slow but steady download is no idle connection.
        connect(socket, &QTcpSocket::bytesWritten, idle, qOverload<>(&QTimer::start));
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { release(socket); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequests(socket); });
    }
}

void WebListener::readRequests(QTcpSocket *socket)
{
    while (socket->state() == QAbstractSocket::ConnectedState) {
        // Read only once whole: an upgrade goes on with every byte in place.
        const QByteArray start = socket->peek(MaxRequestBytes + 1);
        const qsizetype end = start.indexOf("\r\n\r\n");
        if (end < 0 && start.size() <= MaxRequestBytes)
            return; // more to come
        const Answer answer
            = end < 0 ? WebListener::answer(start) : WebListener::answer(start.left(end + 4));
        if (answer.upgrade) {
            release(socket);
            disconnect(socket, nullptr, this, nullptr);
            disconnect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            delete socket->findChild<QTimer *>();
            m_webSockets->handleConnection(socket);
            return;
        }
        socket->read(end < 0 ? start.size() : end + 4);
        socket->write(answer.bytes);
        if (!answer.keepOpen) {
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            socket->disconnectFromHost();
            return;
        }
        if (auto *idle = socket->findChild<QTimer *>())
            idle->start();
    }
}

void WebListener::release(QTcpSocket *socket)
{
    const QString address = socket->property(CountedProperty).toString();
    if (address.isEmpty())
        return;
    socket->setProperty(CountedProperty, QVariant());
    if (--m_perAddress[address] <= 0)
        m_perAddress.remove(address);
}
