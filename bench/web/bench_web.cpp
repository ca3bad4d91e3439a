// The host's web port against the release lexiburst-host on loopback: the
// page's size and how long it takes to load, a chat line's relay time between
// two web players and between a web and a TCP player on an idle host (p50 and
// p99), and the host's memory with 8 web players seated while 200 more
// WebSockets connect and stay idle.
// Usage: bench_web [--host PATH] [--lines N]
#include "LoopbackPeers.h"
#include "WebPlayer.h"

#include <QCommandLineParser>
#include <QDirIterator>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int LoadRuns = 20;
// Under the host's pace of 5 chat lines a second per connection.
constexpr int LineEveryMs = 250;
constexpr int IdleSockets = 200;
constexpr int WebPlayers = 8;

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// The page's files: what loads before the player can play, and the sounds,
// which load only when the player turns them on.
struct PageFiles
{
    QStringList names;
    qint64 bytes = 0;
    qint64 soundBytes = 0;
};

PageFiles pageFiles()
{
    PageFiles files;
    for (QDirIterator it(u":/web"_s, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        const qint64 size = QFileInfo(path).size();
        if (path.endsWith(u".ogg"_s) || path.endsWith(u".opus"_s)) {
            files.soundBytes += size;
        } else {
            files.bytes += size;
            files.names.append(path.mid(6));
        }
    }
    return files;
}

struct HostWithWeb
{
    explicit HostWithWeb(const QString &program) : port(freePort()), webPort(freePort())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LEXIBURST_HOME"_s, home.path());
        process.setProcessEnvironment(environment);
        QObject::connect(&process, &QProcess::readyReadStandardError,
                         [this] { log += process.readAllStandardError(); });
        process.start(
            program,
            {u"--port"_s, QString::number(port), u"--web-port"_s, QString::number(webPort)});
        waitFor([this] { return log.contains("browser"); });
    }
    ~HostWithWeb()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
    double residentMiB() const
    {
        QFile status(u"/proc/%1/status"_s.arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        return -1;
    }
    quint16 port;
    quint16 webPort;
    QByteArray log;
    QTemporaryDir home;
    QProcess process;
};

std::unique_ptr<WebPlayer> signedInWebPlayer(quint16 webPort, const QString &name)
{
    auto player = std::make_unique<WebPlayer>(webPort, webOrigin(webPort));
    waitFor([&] { return player->seat() != 0; });
    player->socket.sendTextMessage(u"CMD_logininfo+%1+%2+%3"_s.arg(player->seat())
                                       .arg(QLatin1String(Protocol::Version), name));
    return player;
}

void measurePage(const HostWithWeb &host)
{
    const PageFiles files = pageFiles();
    QByteArray requests;
    for (const QString &name : files.names)
        requests += "GET /" + name.toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    std::vector<double> times;
    qint64 received = 0;
    for (int run = 0; run < LoadRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        received = httpExchange(host.webPort, requests, int(files.names.size())).size();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("page: %lld files, %.1f KB before play (%.1f KB with headers), sounds %.1f KB\n",
                qlonglong(files.names.size()), double(files.bytes) / 1024.0,
                double(received) / 1024.0, double(files.soundBytes) / 1024.0);
    std::printf("page load over loopback, one connection: p50 %.2f ms, p99 %.2f ms (%d runs)\n",
                percentile(times, 0.5), percentile(times, 0.99), LoadRuns);
}

void measureRelay(const HostWithWeb &host, int lines)
{
    auto ann = signedInWebPlayer(host.webPort, u"Ann"_s);
    auto bea = signedInWebPlayer(host.webPort, u"Bea"_s);
    Peer tom(u"Tom"_s, host.port);
    waitFor([&] { return tom.seat != 0 && bea->saw(u"CMD_newplayerinfo+%1+"_s.arg(tom.seat)); });
    // Each stamped line's send time; arrivals are matched by the stamp.
    QHash<QString, qint64> sent;
    std::vector<double> webToWeb, webToTcp, tcpToWeb;
    QElapsedTimer clock;
    clock.start();
    // Even stamps are Ann's lines, odd ones Tom's; each arrival counts for one pair.
    const auto arrival = [&](const QString &text, std::vector<double> &into, bool fromAnn) {
        const qsizetype at = text.indexOf(u"stamp"_s);
        const QString stamp = at < 0 ? QString() : text.mid(at).section(u'|', 0, 0);
        if (sent.contains(stamp) && (stamp.mid(5).toInt() % 2 == 0) == fromAnn)
            into.push_back(double(clock.nsecsElapsed() - sent.value(stamp)) / 1e6);
    };
    QObject::connect(&bea->socket, &QWebSocket::textMessageReceived,
                     [&](const QString &m) { arrival(m, webToWeb, true); });
    QObject::connect(&ann->socket, &QWebSocket::textMessageReceived,
                     [&](const QString &m) { arrival(m, tcpToWeb, false); });
    tom.onMessage = [&](const QByteArray &m) {
        arrival(QString::fromLatin1(m), webToTcp, true);
    };
    for (int n = 0; n < lines; ++n) {
        const QString stamp = u"stamp%1"_s.arg(n);
        sent.insert(stamp, clock.nsecsElapsed());
        if (n % 2 == 0)
            ann->socket.sendTextMessage(u"CMD_chat+%1+%2|clBlack"_s.arg(ann->seat()).arg(stamp));
        else
            tom.socket.write(Protocol::Msg::chat(tom.seat, stamp, u"clBlack"_s));
        const qint64 next = clock.elapsed() + LineEveryMs / 2;
        waitFor([&] { return clock.elapsed() >= next; });
    }
    waitFor([&] { return webToWeb.size() + tcpToWeb.size() >= std::size_t(lines); }, 5000);
    tom.onMessage = nullptr;
    std::printf("relay web->web: p50 %.2f ms, p99 %.2f ms (%zu lines)\n", percentile(webToWeb, 0.5),
                percentile(webToWeb, 0.99), webToWeb.size());
    std::printf("relay web->tcp: p50 %.2f ms, p99 %.2f ms (%zu lines)\n", percentile(webToTcp, 0.5),
                percentile(webToTcp, 0.99), webToTcp.size());
    std::printf("relay tcp->web: p50 %.2f ms, p99 %.2f ms (%zu lines)\n", percentile(tcpToWeb, 0.5),
                percentile(tcpToWeb, 0.99), tcpToWeb.size());
}

void measureMemory(const HostWithWeb &host)
{
    const double before = host.residentMiB();
    std::vector<std::unique_ptr<WebPlayer>> players;
    for (int i = 0; i < WebPlayers; ++i)
        players.push_back(signedInWebPlayer(host.webPort, u"Web%1"_s.arg(i + 1)));
    waitFor([&] { return players.back()->saw(u"CMD_welcome"_s) || host.log.contains("Web8"); });
    const double seated = host.residentMiB();
    std::vector<std::unique_ptr<WebPlayer>> idle;
    for (int i = 0; i < IdleSockets; ++i)
        idle.push_back(std::make_unique<WebPlayer>(host.webPort, webOrigin(host.webPort)));
    waitFor([&] {
        return std::all_of(idle.begin(), idle.end(), [](const auto &p) {
            return p->socket.state() != QAbstractSocket::ConnectingState;
        });
    });
    const qsizetype open = std::count_if(idle.begin(), idle.end(), [](const auto &p) {
        return p->socket.state() == QAbstractSocket::ConnectedState;
    });
    std::printf("host memory: %.1f MiB idle, %.1f MiB with %d web players, %.1f MiB after %d "
                "idle WebSockets (%lld still open; peak %.1f MiB)\n",
                before, seated, WebPlayers, host.residentMiB(), IdleSockets, qlonglong(open),
                peakMiB(host.process.processId()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({u"host"_s, u"The lexiburst-host program."_s, u"PATH"_s,
                      QString::fromLatin1(LEXIBURST_HOST_BIN)});
    parser.addOption({u"lines"_s, u"Chat lines to time."_s, u"N"_s, u"200"_s});
    parser.process(app);
    {
        HostWithWeb host(parser.value(u"host"_s));
        measurePage(host);
        measureRelay(host, parser.value(u"lines"_s).toInt());
    }
    HostWithWeb host(parser.value(u"host"_s));
    measureMemory(host);
    return 0;
}
