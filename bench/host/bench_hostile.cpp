// A host facing hostile peers, on loopback: peak memory of lexiburst-host under
// a flood of bare terminators and under a player who never reads while others
// chat long lines, the worst chat delay of another player during the flood,
// the chat relay time of an idle host, and the steps per second of the host
// fuzzer and of the client core against a hostile host. Usage: bench_hostile [--seconds N]
// [--flood-mb M] [--host PATH]
#include "HostFuzzer.h"
#include "HostileHost.h"
#include "TestPorts.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr qsizetype FloodChunk = 1024 * 1024;
constexpr int LongLine = 60 * 1024;
constexpr int ChatEveryMs = 20;
constexpr int IdleSamples = 200;

QElapsedTimer clock_;

qint64 microseconds()
{
    return clock_.nsecsElapsed() / 1000;
}

template<typename Condition>
bool waitFor(Condition condition, int boundMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < boundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

// A player on a loopback connection that signs in and hands on what it reads.
class Peer
{
public:
    Peer(const QString &name, quint16 port) : m_name(name)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            if (!reading)
                return;
            for (const QByteArray &m : m_splitter.feed(socket.readAll())) {
                if (m.startsWith("CMD_sendlogininfo+")) {
                    seat = m.mid(18).toInt();
                    socket.write(Protocol::Msg::logininfo(
                        seat, QString::fromLatin1(Protocol::Version), m_name));
                } else if (onMessage) {
                    onMessage(m);
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    void stopReading()
    {
        reading = false;
        socket.setReadBufferSize(1);
    }

    QTcpSocket socket;
    int seat = 0;
    bool reading = true;
    std::function<void(const QByteArray &)> onMessage;

private:
    QString m_name;
    Protocol::FrameSplitter m_splitter;
};

// A lexiburst-host process on its own port; reports its peak resident memory.
class HostProcess
{
public:
    explicit HostProcess(const QString &program) : port(freePort())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LEXIBURST_HOME"), m_home.path());
        m_process.setProcessEnvironment(environment);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { log += m_process.readAllStandardError(); });
        m_process.start(program, {QStringLiteral("--port"), QString::number(port)});
        waitFor([this] { return log.contains("listening on port"); });
    }

    ~HostProcess()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    double peakMiB() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
        return -1;
    }

    quint16 port;
    QByteArray log;

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

qint64 sentAt(const QByteArray &relay)
{
    const qsizetype at = relay.indexOf("chats: t");
    return at < 0 ? -1 : relay.mid(at + 8).split('|').first().toLongLong();
}

QByteArray stampedChat(int seat)
{
    return Protocol::Msg::chat(seat, QStringLiteral("t%1").arg(microseconds()),
                               QStringLiteral("clBlack"));
}

struct Figures
{
    double idleP50Ms = -1;
    double floodPeakMiB = -1;
    qint64 floodWorstChatMs = -1;
    double slowReaderPeakMiB = -1;
    bool slowReaderClosed = false;
    double fuzzStepsPerSecond = 0;
    double clientMessagesPerSecond = 0;
};

void idleAndFlood(const QString &program, int floodMiB, Figures &figures)
{
    HostProcess host(program);
    Peer flooder(QStringLiteral("Flood"), host.port);
    Peer bea(QStringLiteral("Bea"), host.port);
    Peer cy(QStringLiteral("Cy"), host.port);
    waitFor([&] { return host.log.contains("signed in as Cy"); });

    std::vector<qint64> delays;
    cy.onMessage = [&](const QByteArray &m) {
        if (const qint64 t = sentAt(m); t >= 0)
            delays.push_back(microseconds() - t);
    };
    for (int n = 0; n < IdleSamples; ++n) {
        bea.socket.write(stampedChat(bea.seat));
        waitFor([&] { return delays.size() > size_t(n); }, 5000);
    }
    std::sort(delays.begin(), delays.end());
    if (!delays.empty())
        figures.idleP50Ms = double(delays[delays.size() / 2]) / 1000.0;

    delays.clear();
    const QByteArray chunk(FloodChunk, char(0xFF));
    qint64 flooded = 0;
    qint64 nextChat = 0;
    int chats = 0;
    while (flooded < qint64(floodMiB) * FloodChunk
           && flooder.socket.state() == QAbstractSocket::ConnectedState) {
        if (flooder.socket.bytesToWrite() < FloodChunk) {
            flooder.socket.write(chunk);
            flooded += chunk.size();
        }
        if (clock_.elapsed() >= nextChat) {
            bea.socket.write(stampedChat(bea.seat));
            ++chats;
            nextChat = clock_.elapsed() + ChatEveryMs;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    waitFor([&] { return flooder.socket.bytesToWrite() == 0 && delays.size() >= size_t(chats); });
    figures.floodWorstChatMs
        = delays.empty() ? -1 : *std::max_element(delays.begin(), delays.end()) / 1000;
    if (delays.size() < size_t(chats))
        figures.floodWorstChatMs = -1; // a chat line never came back
    figures.floodPeakMiB = host.peakMiB();
}

void slowReader(const QString &program, int seconds, Figures &figures)
{
    HostProcess host(program);
    Peer bea(QStringLiteral("Bea"), host.port);
    Peer cy(QStringLiteral("Cy"), host.port);
    Peer sleeper(QStringLiteral("Sleeper"), host.port);
    waitFor([&] { return host.log.contains("signed in as Sleeper"); });
    sleeper.stopReading();

    // Each chatter sends its next long line as soon as its last one came back.
    const QString line(LongLine, u'x');
    for (Peer *p : {&bea, &cy}) {
        p->onMessage = [p, &line](const QByteArray &m) {
            if (m.startsWith("CMD_chat+" + QByteArray::number(p->seat) + '+'))
                p->socket.write(Protocol::Msg::chat(p->seat, line, QStringLiteral("clBlack")));
        };
        p->socket.write(Protocol::Msg::chat(p->seat, line, QStringLiteral("clBlack")));
    }
    waitFor([] { return false; }, seconds * 1000);
    figures.slowReaderClosed = host.log.contains("closed seat 3");
    figures.slowReaderPeakMiB = host.peakMiB();
}

void fuzz(int seconds, Figures &figures)
{
    QElapsedTimer timer;
    timer.start();
    qint64 steps = 0;
    for (quint32 seed = 1; timer.elapsed() < seconds * 1000; ++seed) {
        HostFuzzer fuzzer(seed);
        for (int n = 0; n < 10000; ++n, ++steps) {
            if (!fuzzer.step()) {
                std::fprintf(stderr, "fuzz seed %u step %d: %s\n", seed, n,
                             qPrintable(fuzzer.failure()));
                std::exit(1);
            }
        }
    }
    figures.fuzzStepsPerSecond = double(steps) * 1000.0 / double(timer.elapsed());
}

void fuzzClient(int seconds, Figures &figures)
{
    HostConnection connection;
    connection.setSender([](const QByteArray &) {});
    ClientGame game(connection);
    connection.receiveBytes(Protocol::Msg::sendlogininfo(2));
    connection.tick();
    HostileHost host(1);
    QElapsedTimer timer;
    timer.start();
    qint64 messages = 0;
    while (timer.elapsed() < seconds * 1000) {
        for (int n = 0; n < 1000; ++n, ++messages) {
            connection.receiveBytes(host.message());
            while (connection.queuedMessages() > 0)
                connection.tick();
        }
    }
    figures.clientMessagesPerSecond = double(messages) * 1000.0 / double(timer.elapsed());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"seconds", "Length of the slow-reader and fuzz runs.", "N", "10"},
                       {"flood-mb", "Size of the terminator flood in MiB.", "M", "200"},
                       {"host", "The lexiburst-host program.", "PATH",
                        QCoreApplication::applicationDirPath() + "/lexiburst-host"}});
    parser.process(app);
    const int seconds = std::max(1, parser.value("seconds").toInt());
    clock_.start();

    Figures f;
    idleAndFlood(parser.value("host"), parser.value("flood-mb").toInt(), f);
    slowReader(parser.value("host"), seconds, f);
    fuzz(seconds, f);
    fuzzClient(seconds, f);
    std::printf("idle chat relay p50:                  %.2f ms\n", f.idleP50Ms);
    std::printf("terminator flood (%s MiB): peak RSS    %.1f MiB\n",
                qPrintable(parser.value("flood-mb")), f.floodPeakMiB);
    std::printf("worst chat delay during the flood:    %lld ms\n", f.floodWorstChatMs);
    std::printf("never-reading player: peak RSS        %.1f MiB (closed: %s)\n",
                f.slowReaderPeakMiB, f.slowReaderClosed ? "yes" : "no");
    std::printf("host fuzz:                            %.0f steps/s\n", f.fuzzStepsPerSecond);
    std::printf("client core fuzz:                     %.0f messages/s\n",
                f.clientMessagesPerSecond);
    return 0;
}
