// The host's web port: the responder answers only for the compiled-in files,
// upgrades only pages of its own, and a browser's WebSocket is seated and
// relayed like a TCP player, its Unicode turned into the wire's Latin-1.
#include "ScriptedPlayer.h"
#include "TestPorts.h"
#include "WebPlayer.h"
#include "host/WebListener.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A host listening for TCP players and browsers on loopback.
struct WebHost
{
    WebHost() : server(options(), random), web([this](QWebSocket *s) { server.acceptWeb(s); })
    {
        ok = server.startListening() && web.listen(freePort(), u"127.0.0.1"_s);
    }
    static HostOptions options()
    {
        HostOptions o;
        o.port = freePort();
        o.hostSeatReserved = false;
        return o;
    }
    GameRandom random {3};
    TServer server;
    WebListener web;
    bool ok = false;
};

QByteArray get(const QByteArray &path, const QByteArray &more = {})
{
    return "GET " + path + " HTTP/1.1\r\nHost: h:1\r\n" + more + "\r\n";
}

QByteArray upgrade(const QByteArray &origin)
{
    return get("/ws", "Upgrade: websocket\r\nConnection: Upgrade\r\n" + origin);
}

QByteArray resource(const QString &name)
{
    QFile file(u":/web/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWeb : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void servesEveryFileOverOneConnection();
    void oversizeAndCrowdedConnections();
    void foreignPageCannotOpenTheSocket();
    void webAndTcpPlayersChat();
    void badFramesClose_data();
    void badFramesClose();
};

void TestWeb::answers_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("index"); // the body is index.html's bytes
    QTest::newRow("root") << get("/") << 200 << true;
    QTest::newRow("query") << get("/?seat=2&x=/../") << 200 << true;
    QTest::newRow("head") << "HEAD / HTTP/1.1\r\nHost: h\r\n\r\n"_ba << 200 << false;
    QTest::newRow("1.0 without host") << "GET / HTTP/1.0\r\n\r\n"_ba << 200 << true;
    QTest::newRow("index by name") << get("/index.html") << 200 << true;
    QTest::newRow("missing") << get("/no-such-file.js") << 404 << false;
    for (const QByteArray &path :
         {"/../index.html"_ba, "/img/../index.html"_ba, "/%2e%2e/index.html"_ba,
          "/..%2findex.html"_ba, "/index.html%00"_ba, "/..\\index.html"_ba, "//index.html"_ba,
          "/.hidden"_ba, "http://h/index.html"_ba, "*"_ba, "/index.html#top"_ba})
        QTest::addRow("path %s", path.constData()) << get(path) << 400 << false;
    QTest::newRow("post") << "POST / HTTP/1.1\r\nHost: h\r\n\r\n"_ba << 405 << false;
    QTest::newRow("lower-case get") << "get / HTTP/1.1\r\nHost: h\r\n\r\n"_ba << 405 << false;
    QTest::newRow("body") << get("/", "Content-Length: 3\r\n") << 400 << false;
    QTest::newRow("chunked") << get("/", "Transfer-Encoding: chunked\r\n") << 400 << false;
    QTest::newRow("no host") << "GET / HTTP/1.1\r\n\r\n"_ba << 400 << false;
    QTest::newRow("two hosts") << get("/", "Host: evil\r\n") << 400 << false;
    QTest::newRow("folded") << get("/", "X: a\r\n b\r\n") << 400 << false;
    QTest::newRow("bare newlines") << "GET / HTTP/1.1\nHost: h\n\n"_ba << 400 << false;
    QTest::newRow("version") << "GET / HTTP/2.0\r\nHost: h\r\n\r\n"_ba << 505 << false;
    QTest::newRow("garbage") << "hello\r\n\r\n"_ba << 400 << false;
    QTest::newRow("oversize") << get("/", "X: " + QByteArray(8200, 'a') + "\r\n") << 431 << false;
    QTest::newRow("ws without upgrade") << get("/ws") << 426 << false;
    QTest::newRow("ws other host") << upgrade("Origin: http://evil:1\r\n") << 403 << false;
    QTest::newRow("ws other port") << upgrade("Origin: http://h:2\r\n") << 403 << false;
    QTest::newRow("ws default port") << upgrade("Origin: http://h\r\n") << 403 << false;
    QTest::newRow("ws null origin") << upgrade("Origin: null\r\n") << 403 << false;
    QTest::newRow("ws sandbox path") << upgrade("Origin: http://h:1/x\r\n") << 403 << false;
    QTest::newRow("ws same origin") << upgrade("Origin: http://H:1\r\n") << 101 << false;
    QTest::newRow("ws no origin") << upgrade({}) << 101 << false;
}

void TestWeb::answers()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(bool, index);
    const WebListener::Answer answer = WebListener::answer(request);
    QCOMPARE(answer.upgrade, status == 101);
    if (status == 101)
        return;
    QVERIFY2(answer.bytes.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '),
             answer.bytes.left(40).constData());
    QVERIFY(answer.bytes.contains("\r\nX-Content-Type-Options: nosniff\r\n"));
    QVERIFY(answer.bytes.contains("\r\nContent-Security-Policy: default-src 'self'; "));
    const QByteArray body = answer.bytes.mid(answer.bytes.indexOf("\r\n\r\n") + 4);
    QCOMPARE(answer.keepOpen, status == 200 && !request.contains("HTTP/1.0"));
    if (index)
        QCOMPARE(body, resource(u"index.html"_s));
    else if (status == 200)
        QVERIFY(body.isEmpty());
}

void TestWeb::servesEveryFileOverOneConnection()
{
    WebHost host;
    QVERIFY(host.ok);
    // Every file, asked for at once on one kept-open connection.
    QStringList names;
    QByteArray requests;
    for (QDirIterator it(u":/web"_s, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        names.append(it.next().mid(6));
        requests += get(names.last().toLatin1().prepend('/'));
    }
    QVERIFY(names.contains(u"index.html"_s));
    const QByteArray reply = httpExchange(host.web.port(), requests, int(names.size()));
    qsizetype at = 0;
    for (const QString &name : std::as_const(names)) {
        const qsizetype end = reply.indexOf("\r\n\r\n", at);
        QVERIFY2(end > 0, qPrintable(name));
        const QByteArray head = reply.sliced(at, end - at);
        const QByteArray bytes = resource(name);
        QVERIFY2(head.startsWith("HTTP/1.1 200 OK\r\n"), qPrintable(name));
        QVERIFY2(!head.contains("application/octet-stream"), qPrintable(name));
        QCOMPARE(reply.mid(end + 4, bytes.size()), bytes);
        at = end + 4 + bytes.size();
    }
    QCOMPARE(at, reply.size());
    // Unchanged since: nothing but the head again.
    const QByteArray first = httpExchange(host.web.port(), get("/"));
    const QByteArray tag = first.mid(first.indexOf("ETag: ") + 6).split('\r').first();
    const QByteArray again
        = httpExchange(host.web.port(), get("/", "If-None-Match: " + tag + "\r\n"));
    QVERIFY2(again.startsWith("HTTP/1.1 304 ") && again.endsWith("\r\n\r\n"), again.constData());
}

void TestWeb::oversizeAndCrowdedConnections()
{
    WebHost host;
    QVERIFY(host.ok);
    // A head that never ends is cut off at the bound.
    const QByteArray endless = "GET / HTTP/1.1\r\nX: " + QByteArray(9000, 'a');
    QVERIFY(httpExchange(host.web.port(), endless).startsWith("HTTP/1.1 431 "));
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < WebListener::MaxConnectionsPerAddress; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(u"127.0.0.1"_s, host.web.port());
        QTRY_COMPARE(held.back()->state(), QAbstractSocket::ConnectedState);
    }
    // One too many is closed at once; the others are still served.
    QTcpSocket crowd;
    QSignalSpy closed(&crowd, &QAbstractSocket::errorOccurred);
    crowd.connectToHost(u"127.0.0.1"_s, host.web.port());
    QTRY_COMPARE(closed.count(), 1);
    held.front()->write(get("/"));
    QTRY_VERIFY(held.front()->bytesAvailable() > 0);
    held.clear();
    QTRY_VERIFY(httpExchange(host.web.port(), get("/")).startsWith("HTTP/1.1 200 "));
}

void TestWeb::foreignPageCannotOpenTheSocket()
{
    WebHost host;
    QVERIFY(host.ok);
    WebPlayer foreign(host.web.port(), u"http://example.org"_s);
    QSignalSpy failed(&foreign.socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error));
    QTRY_VERIFY(!failed.isEmpty());
    WebPlayer own(host.web.port(), webOrigin(host.web.port()));
    QTRY_VERIFY(own.seat() != 0);
    QCOMPARE(own.seat(), 1); // the foreign page never held a seat
}

void TestWeb::webAndTcpPlayersChat()
{
    WebHost host;
    QVERIFY(host.ok);
    ScriptedPlayer desk(u"Desk"_s, host.server.port());
    QTRY_COMPARE(desk.seat, 1);
    WebPlayer phone(host.web.port(), webOrigin(host.web.port()));
    QTRY_COMPARE(phone.seat(), 2);
    phone.socket.sendTextMessage(u"CMD_logininfo+2+1.0.4+Zoë ☃"_s);
    QTRY_VERIFY(desk.saw(u"CMD_newplayerinfo+2+Zoë ?"_s));
    // Outside Latin-1, one "?" a character; ÿ too, as it ends a message on the wire.
    phone.socket.sendTextMessage(u"CMD_chat+2+Grüße ☃ 😀 ÿ|clRed"_s);
    QTRY_VERIFY(desk.saw(u"CMD_chat+2+Zoë ? chats: Grüße ? ? ?|clRed"_s));
    desk.socket.write(Protocol::Msg::chat(1, u"Café"_s, u"clBlue"_s));
    QTRY_VERIFY(phone.saw(u"CMD_chat+1+Desk chats: Café|clBlue"_s));
    // One frame is one message, without the terminator.
    QVERIFY(std::none_of(phone.received.begin(), phone.received.end(),
                         [](const QString &m) { return m.isEmpty() || m.contains(QChar(0xFF)); }));
}

void TestWeb::badFramesClose_data()
{
    QTest::addColumn<bool>("binary");
    QTest::addColumn<int>("size");
    QTest::newRow("binary") << true << 10;
    QTest::newRow("text over 64 KiB") << false << 64 * 1024 + 1;
}

void TestWeb::badFramesClose()
{
    QFETCH(bool, binary);
    QFETCH(int, size);
    WebHost host;
    QVERIFY(host.ok);
    QSignalSpy left(&host.server, &TServer::playerLeft);
    WebPlayer phone(host.web.port());
    QTRY_COMPARE(phone.seat(), 1);
    const QByteArray bytes(size, 'a');
    if (binary)
        phone.socket.sendBinaryMessage(bytes);
    else
        phone.socket.sendTextMessage(QString::fromLatin1("CMD_chat+1+" + bytes));
    QTRY_COMPARE(phone.socket.state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(left.count(), 1);
}

QTEST_GUILESS_MAIN(TestWeb)
#include "tst_web.moc"
