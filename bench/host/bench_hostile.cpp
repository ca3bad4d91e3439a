// A host facing hostile peers, on loopback: peak memory of lexiburst-host under
// a flood of bare terminators and under a player who never reads while others
// chat long lines, the worst chat delay of another player during the flood,
// the chat relay time of an idle host, and the steps per second of the host
// fuzzer and of the client core against a hostile host. Usage: bench_hostile [--seconds N]
// [--flood-mb M] [--host PATH]
#include "HostFuzzer.h"
#include "HostileHost.h"
#include "LoopbackPeers.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr qsizetype FloodChunk = 1024 * 1024;
constexpr int LongLine = 60 * 1024;
// A pace every host relays (it drops a connection's lines past 5 a second).
constexpr int ChatEveryMs = 250;
constexpr int IdleSamples = 40;

QElapsedTimer clock_;

qint64 microseconds()
{
    return clock_.nsecsElapsed() / 1000;
}

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
        const qint64 sent = clock_.elapsed();
        bea.socket.write(stampedChat(bea.seat));
        waitFor([&] { return delays.size() > size_t(n); }, 5000);
        waitFor([&] { return clock_.elapsed() >= sent + ChatEveryMs; });
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

    // Each chatter sends a long line at the pace the host relays.
    const QString line(LongLine, u'x');
    QTimer chat;
    QObject::connect(&chat, &QTimer::timeout, [&] {
        for (Peer *p : {&bea, &cy})
            p->socket.write(Protocol::Msg::chat(p->seat, line, QStringLiteral("clBlack")));
    });
    chat.start(ChatEveryMs);
    waitFor([] { return false; }, seconds * 1000);
    figures.slowReaderClosed = host.log.contains("closed seat 3");
    figures.slowReaderPeakMiB = host.peakMiB();
}

// --- Squatters ---------------------------------------------------------------

constexpr int Squatters = 9;
constexpr int HonestTryEveryMs = 500;

struct SquatterFigures
{
    int tries = 0;
    int refused = 0;
    int squattersClosed = 0;
};

// Nine connections from one address that never sign in, each made again at
// once when the host closes it, while an honest player from another address
// tries to join (and leaves again) twice a second.
SquatterFigures squatters(const QString &program, int seconds)
{
    HostProcess host(program);
    SquatterFigures figures;
    QObject context; // goes last: no reconnection is left pending
    std::function<void()> squat;
    std::vector<std::unique_ptr<QTcpSocket>> held;
    squat = [&] {
        auto socket = std::make_unique<QTcpSocket>();
        socket->bind(QHostAddress(QStringLiteral("127.0.0.3")));
        QObject::connect(socket.get(), &QTcpSocket::disconnected, &context, [&] {
            ++figures.squattersClosed;
            QTimer::singleShot(0, &context, [&] { squat(); });
        });
        socket->connectToHost(QHostAddress::LocalHost, host.port);
        held.push_back(std::move(socket));
    };
    for (int n = 0; n < Squatters; ++n)
        squat();
    waitFor([] { return false; }, 1000); // every squatter holds a seat

    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000) {
        QTcpSocket honest;
        honest.bind(QHostAddress(QStringLiteral("127.0.0.2")));
        Protocol::FrameSplitter splitter;
        bool seated = false;
        bool full = false;
        QObject::connect(&honest, &QTcpSocket::readyRead, [&] {
            for (const QByteArray &m : splitter.feed(honest.readAll())) {
                if (m.startsWith("CMD_sendlogininfo+"))
                    honest.write(Protocol::Msg::logininfo(
                        m.mid(18).toInt(), QString::fromLatin1(Protocol::Version), "Honest"));
                seated = seated || m.startsWith("CMD_newplayerinfo+");
                full = full || m.startsWith("CMD_full");
            }
        });
        honest.connectToHost(QHostAddress::LocalHost, host.port);
        ++figures.tries;
        if (!waitFor([&] { return seated || full; }, 5000) || full)
            ++figures.refused;
        honest.disconnectFromHost();
        const qint64 next = qint64(figures.tries) * HonestTryEveryMs;
        waitFor([&] { return timer.elapsed() >= next; }, HonestTryEveryMs);
    }
    for (const auto &socket : held) // they close quietly
        socket->disconnect(&context);
    return figures;
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
    const SquatterFigures squat = squatters(parser.value("host"), seconds);
    fuzz(seconds, f);
    fuzzClient(seconds, f);
    std::printf("idle chat relay p50:                  %.2f ms\n", f.idleP50Ms);
    std::printf("terminator flood (%s MiB): peak RSS    %.1f MiB\n",
                qPrintable(parser.value("flood-mb")), f.floodPeakMiB);
    std::printf("worst chat delay during the flood:    %lld ms\n", f.floodWorstChatMs);
    std::printf("never-reading player: peak RSS        %.1f MiB (closed: %s)\n",
                f.slowReaderPeakMiB, f.slowReaderClosed ? "yes" : "no");
    std::printf("reconnecting squatters: honest player refused %d of %d tries "
                "(%d squatter connections closed)\n",
                squat.refused, squat.tries, squat.squattersClosed);
    std::printf("host fuzz:                            %.0f steps/s\n", f.fuzzStepsPerSecond);
    std::printf("client core fuzz:                     %.0f messages/s\n",
                f.clientMessagesPerSecond);
    return 0;
}
