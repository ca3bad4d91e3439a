// Host figures: messages its handlers take per second, and its resident
// memory with nine seats connected over loopback.
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Seats = 8;
constexpr int Messages = 200000;

long vmRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Runs the event loop until the condition holds or the bound passes.
template<typename Condition>
bool waitFor(Condition condition, int boundMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < boundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

// A mix as a busy voting phase sees it: answers, votes for, votes against, chat.
std::vector<Protocol::QueueEntry> messageStream()
{
    std::vector<Protocol::QueueEntry> stream;
    stream.reserve(Messages);
    const QStringList answers = {"Apple", "Ant", "Axe", "Arm", "Ash", "Asp", "Aunt", "Ale"};
    for (int i = 0; i < Messages; ++i) {
        const int seat = 1 + i % Seats;
        const int target = 1 + (i + 3) % Seats;
        QByteArray m;
        switch (i % 4) {
        case 0:
            m = Protocol::Msg::myanswers(seat, answers);
            break;
        case 1:
            m = Protocol::Msg::votefor(seat, target);
            break;
        case 2:
            m = Protocol::Msg::voteagainst(seat, target);
            break;
        default:
            m = Protocol::Msg::chat(seat, QStringLiteral("nice one + more"),
                                    QStringLiteral("clBlack"));
            break;
        }
        m.chop(1);
        stream.push_back({QString::fromLatin1(m), seat});
    }
    return stream;
}

void handlerThroughput()
{
    GameRandom random(1);
    HostOptions options;
    TServer server(options, random);
    qint64 sends = 0;
    server.setSendHook([&sends](int, const QByteArray &) { ++sends; });
    for (int n = 1; n <= Seats; ++n) {
        const int seat = server.connectLocal();
        server.receive(seat, Protocol::Msg::logininfo(seat, "1.0.4", QStringLiteral("P%1").arg(n)));
    }
    while (server.queuedMessages() > 0)
        server.socktimerTimer();
    server.dispatch({QStringLiteral("CMD_startgame+P1+3+60+0+1+"), 1});
    for (int n = 1; n <= Seats; ++n)
        server.dispatch({QStringLiteral("CMD_myanswers+%1+1+Answer%1").arg(n), n});
    while (server.phase() != Protocol::Phase::Voting)
        server.timer1Timer();

    const std::vector<Protocol::QueueEntry> stream = messageStream();
    QElapsedTimer timer;
    timer.start();
    for (const Protocol::QueueEntry &entry : stream)
        server.dispatch(entry);
    const qint64 directNs = timer.nsecsElapsed();
    const qint64 directSends = sends;

    // The same stream through the read path: framing, queue and one-per-tick dispatch.
    // Each message arrives on its sender's own connection, a burst of eight at a time.
    std::vector<QByteArray> wire;
    wire.reserve(stream.size());
    for (const Protocol::QueueEntry &entry : stream)
        wire.push_back(entry.text.toLatin1() + char(0xFF));
    timer.restart();
    for (std::size_t i = 0; i < stream.size(); ++i) {
        server.receive(stream[i].origin, wire[i]);
        if (i % Seats == Seats - 1) {
            while (server.queuedMessages() > 0)
                server.socktimerTimer();
        }
    }
    while (server.queuedMessages() > 0)
        server.socktimerTimer();
    const qint64 readPathNs = timer.nsecsElapsed();

    std::printf(
        "handlers, direct dispatch: %d messages in %.1f ms = %.0f messages/s (%lld sends)\n",
        Messages, directNs / 1e6, Messages / (directNs / 1e9), static_cast<long long>(directSends));
    std::printf(
        "read path (framing + queue + tick calls): %d messages in %.1f ms = %.0f messages/s\n",
        Messages, readPathNs / 1e6, Messages / (readPathNs / 1e9));
}

void residentMemory()
{
    const long before = vmRssKiB();
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    GameRandom random(1);
    HostOptions options;
    options.port = port;
    options.hostSeatReserved = false;
    auto server = std::make_unique<TServer>(options, random);
    if (!server->startListening()) {
        std::printf("cannot listen: %s\n", qPrintable(server->errorString()));
        return;
    }
    const long listening = vmRssKiB();

    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int n = 1; n <= 9; ++n) {
        auto client = std::make_unique<QTcpSocket>();
        client->connectToHost(QHostAddress::LocalHost, port);
        client->write(Protocol::Msg::logininfo(n, "1.0.4", QStringLiteral("P%1").arg(n)));
        clients.push_back(std::move(client));
        const bool seated
            = waitFor([&] { return server->seat(n).loginName == QStringLiteral("P%1").arg(n); });
        if (!seated) {
            std::printf("seat %d did not sign in\n", n);
            return;
        }
    }
    const long seated = vmRssKiB();
    clients.front()->write(Protocol::Msg::startgame(QStringLiteral("P1"), 3, 60, "0", "1"));
    waitFor([&] { return server->gameRunning(); });
    const long playing = vmRssKiB();

    std::printf("VmRSS: process start %ld KiB; host listening %ld KiB (+%ld); "
                "nine seats signed in %ld KiB (+%ld, clients included); game running %ld KiB\n",
                before, listening, listening - before, seated, seated - listening, playing);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    residentMemory();
    handlerThroughput();
    return 0;
}
