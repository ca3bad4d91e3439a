// A host without sockets: connections are made in-process, every send is
// recorded per seat, and the clocks are driven by direct calls.
#pragma once

#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTest>

#include <functional>
#include <optional>

// The bytes of one message as it travels: text and terminator.
inline QByteArray wire(const QByteArray &text)
{
    return text + char(0xFF);
}

namespace QTest {
template<>
inline char *toString(const QList<QByteArray> &list)
{
    QByteArray text = "(";
    for (const QByteArray &b : list)
        text += '"' + QByteArray(b).replace(char(0xFF), "<FF>") + "\" ";
    return qstrdup(text + ")");
}
} // namespace QTest

class HostHarness
{
public:
    explicit HostHarness(quint32 seed = 7, bool hostSeatReserved = true)
        : random(seed), server(options(hostSeatReserved), random)
    {
        server.setSendHook([this](int seat, const QByteArray &bytes) { sent[seat].append(bytes); });
        server.setClock([this] { return nowMs; });
    }

    static HostOptions options(bool hostSeatReserved)
    {
        HostOptions o;
        o.port = 0;
        o.hostSeatReserved = hostSeatReserved;
        return o;
    }

    // Delivers bytes on a seat's connection and handles everything queued.
    void deliver(int seat, const QByteArray &bytes)
    {
        server.receive(seat, bytes);
        drain();
    }
    void drain()
    {
        while (server.queuedMessages() > 0)
            server.socktimerTimer();
    }

    // Connects and signs in; returns the seat. A client of ours first says
    // what it is and which additions it understands (words).
    int join(const QString &name, const QString &version = QStringLiteral("1.0.4"),
             const std::optional<QStringList> &words = std::nullopt,
             Protocol::PeerKind kind = Protocol::PeerKind::Person)
    {
        const int seat = server.connectLocal();
        const QByteArray said = words ? Protocol::Msg::peerinfo(seat, kind, *words) : QByteArray();
        deliver(seat, said + Protocol::Msg::logininfo(seat, version, name));
        return seat;
    }
    int joinOurs(const QString &name, const QStringList &words = Protocol::ourCapabilities())
    {
        return join(name, QStringLiteral("1.0.4"), words);
    }
    int joinComputer(const QString &name)
    {
        return join(name, QStringLiteral("1.0.4"), Protocol::ourCapabilities(),
                    Protocol::PeerKind::Computer);
    }

    QList<QByteArray> take(int seat) { return sent.take(seat); }
    void forget() { sent.clear(); }

    // The host names a category on show by its text; tests write its number in
    // the round ("CMD_showcat+2+..."), which this turns into the text.
    QByteArray catText(const QByteArray &pattern) const
    {
        for (const char *name : {"CMD_showcat+", "CMD_noanswers+"}) {
            if (!pattern.startsWith(name))
                continue;
            const QByteArray rest = pattern.mid(qsizetype(qstrlen(name)));
            const qsizetype plus = rest.indexOf('+');
            bool ok = false;
            const int n = (plus < 0 ? rest : rest.left(plus)).toInt(&ok);
            if (ok)
                return QByteArray(name) + Protocol::toWire(server.category(n))
                    + (plus < 0 ? QByteArray() : rest.mid(plus));
        }
        return pattern;
    }

    // Messages sent to a seat whose text begins with the prefix (see catText).
    QList<QByteArray> sentTo(int seat, const QByteArray &pattern) const
    {
        const QByteArray prefix = catText(pattern);
        QList<QByteArray> result;
        for (const QByteArray &b : sent.value(seat))
            if (b.startsWith(prefix))
                result.append(b);
        return result;
    }

    // Ticks the round clock until something is sent to the seat; returns the
    // number of seconds that took, or -1 if nothing came within the bound.
    int secondsUntilSend(int seat, int bound = 400)
    {
        const qsizetype before = sent.value(seat).size();
        for (int second = 1; second <= bound; ++second) {
            server.timer1Timer();
            if (sent.value(seat).size() > before)
                return second;
        }
        return -1;
    }

    // Ticks until a message with the prefix reaches the seat; false past the bound.
    bool tickUntil(int seat, const QByteArray &prefix, int bound = 2000)
    {
        for (int second = 0; second < bound; ++second) {
            if (!sentTo(seat, prefix).isEmpty())
                return true;
            server.timer1Timer();
        }
        return !sentTo(seat, prefix).isEmpty();
    }

    void startGame(int rounds, int turnTime, const char *gameType, const char *duplicates)
    {
        deliver(1,
                Protocol::Msg::startgame(QStringLiteral("Host"), rounds, turnTime,
                                         QString::fromLatin1(gameType),
                                         QString::fromLatin1(duplicates)));
    }

    void answer(int seat, const QStringList &answers)
    {
        deliver(seat, Protocol::Msg::myanswers(seat, answers));
    }

    GameRandom random;
    TServer server;
    QMap<int, QList<QByteArray>> sent;
    // The host's steady clock in milliseconds (the pace of chat); tests move it on.
    qint64 nowMs = 0;
};
