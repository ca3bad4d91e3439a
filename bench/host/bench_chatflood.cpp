// One player's chat flood against the release host, and a hostile host flooding
// a client, on loopback. The honest players are a socket player and a window:
// a client core drawing the chat in a chat view, in a process of its own (this
// program started with --window), so its processor time and memory are its own.
// While a flooder sends 60,000-character lines 20 times a second, each in
// another colour, the honest player stamps a line 4 times a second; the bench
// reports the stamped lines' delay to the socket player and until the window
// drew them (p50/p99), whether the host closed an honest player, the window's
// processor time and the peak memory of the window and the host. Then a host
// that writes chat lines as fast as the socket takes them faces the window and
// lexiburst-bot: their peak memory, processor time and whether they left the
// host by themselves, for long lines and for short ones.
// Usage: bench_chatflood [--seconds N] [--full-view] [--hostile-seconds N] [--host PATH]
// [--bot PATH]
#include "LoopbackPeers.h"
#include "client/ChatView.h"
#include "clientcore/ChatLine.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int FloodLine = 60000;
constexpr int FloodEveryMs = 50;
constexpr int StampEveryMs = 250;
// A hostile host keeps this much waiting on its socket.
constexpr qsizetype HostileBacklog = 4 * 1024 * 1024;
// A client past this is stopped: it would only grow on.
constexpr double GiveUpMiB = 3000;

// Microseconds of the system's steady clock, the same in every process.
qint64 steadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 stampIn(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1String("chats: t"));
    return at < 0 ? -1 : QStringView(text).mid(at + 8).split(u'|').first().toLongLong();
}

// Processor time (user and system) of a process in milliseconds.
qint64 cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields[11].toLongLong() + fields[12].toLongLong()) * 1000 / sysconf(_SC_CLK_TCK);
}

double percentile(std::vector<qint64> values, double p)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return double(values[std::min(values.size() - 1, size_t(p * double(values.size())))]) / 1000.0;
}

// The window: a client core whose chat lines a chat view draws. It prints
// "d MICROSECONDS" for every stamped line once drawn, and "closed WHY" at the end.
// With fullView its chat view starts full of the flooder's lines (seat 3), as
// after ten minutes of the flood.
int runWindow(int argc, char **argv, quint16 port, bool fullView)
{
    QApplication app(argc, argv);
    HostConnection connection;
    connection.setPlayerName(QStringLiteral("Win"));
    ClientGame game(connection);
    ChatView view;
    view.resize(560, 240);
    view.show();
    QObject::connect(&game, &ClientGame::chatLine, [&view](const ChatLine &line) {
        view.addLine(line);
        if (const qint64 sent = stampIn(line.text); sent > 0) {
            std::printf("d %lld\n", steadyMicroseconds() - sent);
            std::fflush(stdout);
        }
    });
    const auto status = [&view](const QString &text) {
        view.addLine(ChatLine::status(text));
    };
    QObject::connect(&game, &ClientGame::statusLine, status);
    QObject::connect(&connection, &HostConnection::statusLine, status);
    QObject::connect(&connection, &HostConnection::closed, [&app](const QString &why) {
        std::printf("closed %s\n", qPrintable(why));
        std::fflush(stdout);
        app.quit();
    });
    for (int n = 0; fullView && n < ChatView::MaxLines; ++n)
        view.addLine(ChatLine {3, {0, 0, 0}, u"Flood chats: "_s + QString(500, u'x')});
    connection.connectTo(QStringLiteral("127.0.0.1"), port);
    return app.exec();
}

// A client in a process of its own: the window, or lexiburst-bot.
class ClientProcess
{
public:
    ClientProcess(const QString &program, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] {
            m_out += m_process.readAllStandardOutput();
            qsizetype end;
            while ((end = m_out.indexOf('\n')) >= 0) {
                const QByteArray line = m_out.left(end);
                m_out.remove(0, end + 1);
                if (line.startsWith("d "))
                    delays.push_back(line.mid(2).toLongLong());
                else if (line.startsWith("closed "))
                    closedWhy = QString::fromLatin1(line.mid(7));
            }
        });
        // The last line a program wrote on standard error (lexiburst-bot says why it ends).
        QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] {
            const QList<QByteArray> lines = m_process.readAllStandardError().trimmed().split('\n');
            if (!lines.last().isEmpty())
                lastWords = QString::fromLocal8Bit(lines.last());
        });
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(program, arguments);
        m_process.waitForStarted();
        pid = m_process.processId();
    }
    ~ClientProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    // Samples the peak memory while the process lives.
    void sample() { peak = std::max(peak, peakMiB(pid)); }

    qint64 pid = 0;
    double peak = 0;
    std::vector<qint64> delays;
    QString closedWhy;
    QString lastWords;

private:
    QProcess m_process;
    QByteArray m_out;
};

struct ChatFlood
{
    std::vector<qint64> socketDelays;
    std::vector<qint64> windowDelays;
    int stamped = 0;
    bool honestClosed = false;
    QString closedWhat;
    double windowCpuPercent = -1;
    double windowPeakMiB = -1;
    double hostPeakMiB = -1;
};

ChatFlood chatFlood(const QString &hostProgram, int seconds, bool fullView)
{
    ChatFlood f;
    HostProcess host(hostProgram);
    ClientProcess window(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--window"), QString::number(host.port),
                          fullView ? QStringLiteral("full") : QStringLiteral("empty")});
    waitFor([&] { return host.log.contains("signed in as Win"); });
    Peer bea(QStringLiteral("Bea"), host.port);
    Peer flooder(QStringLiteral("Flood"), host.port);
    waitFor([&] { return host.log.contains("signed in as Flood"); });
    bea.onMessage = [&](const QByteArray &m) {
        if (const qint64 sent = stampIn(QString::fromLatin1(m)); sent > 0)
            f.socketDelays.push_back(steadyMicroseconds() - sent);
    };

    // Every line in another colour: each recolours the flooder's earlier lines in every window.
    QList<QByteArray> lines;
    for (const char *colour : {"clRed", "clBlue", "clGreen", "clPurple"})
        lines.append(
            Protocol::Msg::chat(flooder.seat, QString(FloodLine, u'x'), QLatin1String(colour)));
    int sent = 0;
    QTimer flood;
    QObject::connect(&flood, &QTimer::timeout,
                     [&] { flooder.socket.write(lines[sent++ % lines.size()]); });
    QTimer stamp;
    QObject::connect(&stamp, &QTimer::timeout, [&] {
        bea.socket.write(Protocol::Msg::chat(
            bea.seat, QStringLiteral("t%1").arg(steadyMicroseconds()), QStringLiteral("clNavy")));
        ++f.stamped;
        window.sample();
    });
    const qint64 cpuBefore = cpuMs(window.pid);
    QElapsedTimer wall;
    wall.start();
    flood.start(FloodEveryMs);
    stamp.start(StampEveryMs);
    waitFor([] { return false; }, seconds * 1000);
    flood.stop();
    stamp.stop();
    const qint64 cpuDuring = cpuMs(window.pid) - cpuBefore;
    f.windowCpuPercent = 100.0 * double(cpuDuring) / double(wall.elapsed());
    // Lines still on their way arrive late, or not at all.
    waitFor([&] { return window.delays.size() >= size_t(f.stamped) || !window.running(); }, 10000);
    window.sample();
    f.windowPeakMiB = window.peak;
    f.hostPeakMiB = host.peakMiB();
    f.socketDelays.resize(std::min(f.socketDelays.size(), size_t(f.stamped)));
    f.windowDelays = window.delays;
    const QString log = QString::fromLatin1(host.log);
    for (const QString &name : {QStringLiteral("Win"), QStringLiteral("Bea")}) {
        const QRegularExpressionMatch seat
            = QRegularExpression(QStringLiteral("seat (\\d+) signed in as ") + name).match(log);
        if (seat.hasMatch() && log.contains(u"closed seat "_s + seat.captured(1) + u' ')) {
            f.honestClosed = true;
            f.closedWhat += name + u' ';
        }
    }
    if (!window.closedWhy.isEmpty() || !window.running()) {
        f.honestClosed = true;
        f.closedWhat += QStringLiteral("(window: %1)").arg(window.closedWhy);
    }
    return f;
}

struct HostileRun
{
    double peakMiB = -1;
    double cpuPercent = -1;
    double seconds = 0;
    qint64 sentMiB = 0;
    QString leftWith; // the client's last word, when it left by itself
    bool stopped = false; // past GiveUpMiB, or still in at the end
};

// A host that signs the client in and then writes long chat lines, in
// changing colours, as fast as its socket takes them.
HostileRun hostileHost(const QString &program, QStringList arguments, int lineLength, int seconds)
{
    HostileRun r;
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    arguments.replaceInStrings(QStringLiteral("PORT"), QString::number(server.serverPort()));
    ClientProcess client(program, arguments);
    if (!waitFor([&] { return server.hasPendingConnections(); }))
        return r;
    QTcpSocket *socket = server.nextPendingConnection();
    socket->write(Protocol::Msg::sendlogininfo(2));
    QByteArray lines;
    for (const char *colour : {"clRed", "clBlue", "clGreen", "clNavy"})
        lines += Protocol::Msg::chatRelay(3, QStringLiteral("Cy"),
                                          QString(lineLength, u'w') + u'|' + QLatin1String(colour));
    const qint64 cpuBefore = cpuMs(client.pid);
    QElapsedTimer wall;
    wall.start();
    qint64 sent = 0;
    qint64 cpuLast = cpuBefore;
    while (wall.elapsed() < seconds * 1000 && client.running()
           && socket->state() == QAbstractSocket::ConnectedState) {
        if (socket->bytesToWrite() < HostileBacklog) {
            socket->write(lines);
            sent += lines.size();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        client.sample();
        if (const qint64 cpu = cpuMs(client.pid); cpu >= 0)
            cpuLast = cpu;
        if (client.peak > GiveUpMiB)
            break;
    }
    r.seconds = double(wall.elapsed()) / 1000.0;
    r.cpuPercent = 100.0 * double(cpuLast - cpuBefore) / double(wall.elapsed());
    r.sentMiB = sent / (1024 * 1024);
    waitFor([&] { return !client.closedWhy.isEmpty() || !client.running(); }, 2000);
    r.peakMiB = client.peak;
    r.leftWith
        = client.closedWhy.isEmpty() && !client.running() ? client.lastWords : client.closedWhy;
    r.stopped = client.running() && client.closedWhy.isEmpty();
    return r;
}

void printDelays(const char *who, const std::vector<qint64> &delays, int stamped)
{
    std::printf("%-34s p50 %.1f ms  p99 %.1f ms  (%zu of %d lines)\n", who, percentile(delays, 0.5),
                percentile(delays, 0.99), delays.size(), stamped);
}

void printHostile(const char *who, const HostileRun &r)
{
    std::printf("%-34s peak %.0f MiB, cpu %.0f%% over %.1f s, %lld MiB sent: %s\n", who, r.peakMiB,
                r.cpuPercent, r.seconds, r.sentMiB,
                r.stopped ? "still in (stopped)"
                          : qPrintable(r.leftWith.isEmpty() ? QStringLiteral("ended")
                                                            : u"left: "_s + r.leftWith));
}

} // namespace

int main(int argc, char **argv)
{
    for (int n = 1; n + 1 < argc; ++n) {
        if (qstrcmp(argv[n], "--window") == 0)
            return runWindow(argc, argv, quint16(QByteArray(argv[n + 1]).toUInt()),
                             n + 2 < argc && qstrcmp(argv[n + 2], "full") == 0);
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QString here = QCoreApplication::applicationDirPath();
    parser.addOptions({{"seconds", "Length of the chat flood.", "N", "30"},
                       {"full-view", "The window's chat view starts full of the flooder's lines."},
                       {"hostile-seconds", "Longest run of each hostile-host flood.", "N", "15"},
                       {"host", "The lexiburst-host program.", "PATH", here + "/lexiburst-host"},
                       {"bot", "The lexiburst-bot program.", "PATH", here + "/lexiburst-bot"}});
    parser.process(app);
    const int seconds = std::max(1, parser.value("seconds").toInt());
    const int hostileSeconds = std::max(1, parser.value("hostile-seconds").toInt());

    const ChatFlood f = chatFlood(parser.value("host"), seconds, parser.isSet("full-view"));
    std::printf("chat flood: %d-character lines every %d ms for %d s%s\n", FloodLine, FloodEveryMs,
                seconds,
                parser.isSet("full-view") ? ", the window's chat view full at the start" : "");
    printDelays("  chat delay, socket player:", f.socketDelays, f.stamped);
    printDelays("  chat delay, window (drawn):", f.windowDelays, f.stamped);
    std::printf("  honest player closed:            %s\n",
                f.honestClosed ? qPrintable(u"yes: "_s + f.closedWhat) : "no");
    std::printf("  window cpu during the flood:     %.1f%% of a core\n", f.windowCpuPercent);
    std::printf("  peak memory: window %.0f MiB, host %.0f MiB\n", f.windowPeakMiB, f.hostPeakMiB);

    const QStringList window {QStringLiteral("--window"), QStringLiteral("PORT")};
    const QStringList bot {QStringLiteral("--port"), QStringLiteral("PORT"),
                           QStringLiteral("--name"), QStringLiteral("Klot")};
    for (const int length : {FloodLine, 100}) {
        std::printf("hostile host writing %d-character chat lines as fast as the socket takes "
                    "them\n",
                    length);
        printHostile(
            "  window:",
            hostileHost(QCoreApplication::applicationFilePath(), window, length, hostileSeconds));
        printHostile("  lexiburst-bot:",
                     hostileHost(parser.value("bot"), bot, length, hostileSeconds));
    }
    return 0;
}
