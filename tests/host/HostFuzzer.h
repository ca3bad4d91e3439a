// A seeded, grammar-aware fuzzer of the host: connections arrive and leave and
// send real commands with hostile fields, in random order across every phase
// of a game, while the clocks tick. After each step it checks what must always
// hold and reports the first breach. Shared by the test suite and the bench.
#pragma once

#include "host/ChatGuard.h"
#include "host/serverform.h"
#include "protocol/Dispatcher.h"
#include "protocol/Framing.h"
#include "protocol/GameRandom.h"
#include "protocol/Messages.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>

#include <utility>

class HostFuzzer
{
public:
    explicit HostFuzzer(quint32 seed)
        : m_pick(seed), m_hostRandom(seed ^ 0x5A5A5A5Au), m_reserved(seed % 2 == 0),
          m_server(options(m_reserved), m_hostRandom)
    {
        m_server.setSendHook([this](int seat, const QByteArray &bytes) { sent(seat, bytes); });
        // The dispatcher's pace: 10 ms a tick.
        m_server.setClock([this] { return m_nowMs; });
        QObject::connect(&m_server, &TServer::connectionMoved,
                         [this](int from, int to) { m_lines[to] = m_lines.take(from); });
        // Moved to its own seat, a newcomer signs in there.
        QObject::connect(&m_server, &TServer::connectionMoved, [this](int, int to) {
            if (const auto how = m_signIns.constFind(m_server.connection(to)->id);
                how != m_signIns.constEnd())
                signIn(to, *how);
        });
        // Back on a seat only with its token, or by name from where it was held.
        QObject::connect(&m_server, &TServer::playerRejoined, [this](int seat, const QString &) {
            const PeerConnection *c = m_server.connection(seat);
            const Seat &before = m_before[std::size_t(seat)];
            if (!(!before.resumeToken.isEmpty() && c->presentedToken == before.resumeToken)
                && c->transport->peerAddress() != before.keptAddress)
                fail(QStringLiteral("seat %1 was given back to a stranger").arg(seat));
            ++m_returns;
        });
        QObject::connect(&m_server, &TServer::connectionForced,
                         [this](int, const QString &, const QString &reason) {
                             m_waitingClosed += reason.startsWith(QLatin1String("a newcomer"));
                             m_takenOver += reason.startsWith(QLatin1String("its player"));
                         });
    }

    // One random step and the checks after it; false with failure() set on a breach.
    bool step()
    {
        for (int n = 1; n <= SeatTableSize; ++n)
            m_before[std::size_t(n)] = m_server.seat(n);
        const int kind = m_pick.bounded(100);
        if (kind < 8) {
            for (int n = m_pick.bounded(6); n >= 0; --n)
                connect();
        } else if (kind < 12)
            leave(anySeat());
        else if (kind < 70)
            send(anySeat());
        else if (kind < 88)
            tickDispatcher();
        else if (kind < 98)
            m_server.timer1Timer();
        else
            m_server.signInTimerTimer();
        check();
        if (m_server.gameRunning())
            m_phasesSeen.insert(int(m_server.phase()));
        return m_failure.isEmpty();
    }

    const QString &failure() const { return m_failure; }
    // Round-clock phases the host went through while a game ran.
    const QSet<int> &phasesSeen() const { return m_phasesSeen; }
    int refusals() const { return m_refusals; }
    // Connections waiting to sign in that were closed to seat a newcomer.
    int waitingClosed() const { return m_waitingClosed; }
    // Players back on their seats, and of those, seats taken from a live connection.
    int returns() const { return m_returns; }
    int takenOver() const { return m_takenOver; }

private:
    static HostOptions options(bool reserved)
    {
        HostOptions o;
        o.port = 0;
        o.hostSeatReserved = reserved;
        return o;
    }

    int anySeat() { return 1 + m_pick.bounded(Protocol::SpectatorSeat); }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    void connect()
    {
        const bool local = m_pick.bounded(2) == 0;
        // A free seat, or one held by a connection that has not signed in.
        bool room = false;
        for (int n = m_reserved && !local ? 2 : 1; n <= Protocol::SpectatorSeat; ++n) {
            const Seat &s = m_server.seat(n);
            const PeerConnection *c = m_server.connection(n);
            room = room || !s.inUse
                || (!s.signedIn && !s.rejoining && c && c->signInSecondsLeft > 0);
        }
        const int waiting = m_waitingClosed;
        const int seat = m_server.connectLocal(local, address());
        m_spoke.remove(seat);
        m_lines[seat] = {m_nowMs, 0};
        m_refusals += seat == 0 ? 1 : 0;
        if (seat == 0 && room)
            fail(QStringLiteral("a newcomer was refused while a seat was free"));
        if (m_waitingClosed > waiting + 1)
            fail(QStringLiteral("one newcomer closed several waiting connections"));
        // Half the newcomers sign in at once, as honest clients do; some are
        // ours and some of those present a token the host gave out.
        if (seat != 0 && m_pick.bounded(2) == 0) {
            SignIn &how = m_signIns[m_server.connection(seat)->id];
            how.name = QString::fromLatin1(lookAlike());
            how.ours = m_pick.bounded(2) == 0;
            if (how.ours && !m_tokens.isEmpty() && m_pick.bounded(2) == 0)
                how.token = m_tokens[m_pick.bounded(int(m_tokens.size()))];
            signIn(seat, how, true);
        }
    }

    // What an honest newcomer says when asked to sign in.
    struct SignIn
    {
        QString name;
        bool ours = false;
        QString token;
    };

    // At once, as a newcomer does within milliseconds, or queued.
    void signIn(int seat, const SignIn &how, bool now = false)
    {
        m_spoke.insert(seat);
        QByteArray bytes;
        if (how.ours)
            bytes += Protocol::Msg::peerinfo(seat, Protocol::PeerKind::Person,
                                             Protocol::ourCapabilities());
        if (!how.token.isEmpty())
            bytes += Protocol::Msg::resume(seat, how.token);
        bytes += Protocol::Msg::logininfo(seat, "1.0.4", how.name);
        if (!now) {
            m_server.receive(seat, bytes);
            return;
        }
        const quint64 connection = m_server.connection(seat)->id;
        for (const QByteArray &message : Protocol::FrameSplitter().feed(bytes))
            m_server.dispatch({QString::fromLatin1(message), seat, connection});
    }

    void leave(int seat)
    {
        m_server.disconnectsock(seat);
        m_spoke.remove(seat);
    }

    void tickDispatcher()
    {
        m_relayed.clear();
        m_chatRelayed = 0;
        m_nowMs += 10;
        m_server.socktimerTimer();
        if (m_chatRelayed > 0) {
            // No connection outpaces the chat rate, however hard it floods.
            Lines &l = m_lines[m_chatRelayed];
            ++l.relayed;
            if (l.relayed
                > ChatRate::Burst + (m_nowMs - l.sinceMs) * ChatRate::LinesPerSecond / 1000)
                fail(QStringLiteral("seat %1 had %2 lines relayed in %3 ms")
                         .arg(m_chatRelayed)
                         .arg(l.relayed)
                         .arg(m_nowMs - l.sinceMs));
        }
        if (m_relayed.size() > 1)
            fail(QStringLiteral("one message was relayed for several seats"));
        for (int seat : std::as_const(m_relayed)) {
            if (!m_spoke.contains(seat))
                fail(QStringLiteral("a relay spoke for seat %1, whose connection sent nothing")
                         .arg(seat));
        }
    }

    void send(int seat)
    {
        if (!m_server.seat(seat).inUse)
            return;
        m_spoke.insert(seat);
        QByteArray bytes;
        const int messages = 1 + m_pick.bounded(3);
        for (int n = 0; n < messages; ++n)
            bytes += message(seat);
        // Now and then a flood of long chat lines.
        if (m_pick.bounded(12) == 0)
            bytes += Protocol::Msg::chat(seat, QString(m_pick.bounded(3000), u'w'),
                                         QStringLiteral("clRed"))
                         .repeated(30);
        // Cut at a random point: the rest comes in a later read.
        const int cut = m_pick.bounded(int(bytes.size()) + 1);
        m_server.receive(seat, bytes.left(cut));
        if (m_server.seat(seat).inUse)
            m_server.receive(seat, bytes.mid(cut));
    }

    QByteArray message(int sender)
    {
        const QStringList &names = Protocol::hostCommands();
        const int choice = m_pick.bounded(int(names.size()) + 2);
        if (choice == int(names.size()))
            return garbage();
        if (choice == int(names.size()) + 1 || names[choice] == QLatin1String("CMD_startgame")) {
            return "CMD_startgame+" + field(sender) + '+' + number() + '+' + number() + '+'
                + field(sender) + '+' + field(sender) + "+\xFF";
        }
        // Tokens the host gave out, or made up ones, before a sign-in.
        if (names[choice] == QLatin1String("CMD_resume") && !m_tokens.isEmpty()
            && m_pick.bounded(4) != 0)
            return "CMD_resume+" + seatField(sender) + '+'
                + m_tokens[m_pick.bounded(int(m_tokens.size()))].toLatin1() + '\xFF'
                + "CMD_logininfo+" + seatField(sender) + "+1.0.4+" + lookAlike() + '\xFF';
        if (names[choice] == QLatin1String("CMD_logininfo") && m_pick.bounded(2) == 0)
            return "CMD_logininfo+" + seatField(sender) + "+1.0.4+" + lookAlike() + '\xFF';
        QByteArray m = names[choice].toLatin1() + '+' + seatField(sender);
        const int fields = m_pick.bounded(5);
        for (int n = 0; n < fields; ++n)
            m += '+' + field(sender);
        return m + '\xFF';
    }

    QByteArray seatField(int sender)
    {
        static const QByteArray hostile[]
            = {"0", "9", "10", "11", "-1", "2147483648", "-2147483649", "99999999999999999999",
               "",  "x", " 2", "+"};
        if (m_pick.bounded(3) != 0)
            return QByteArray::number(sender);
        return hostile[m_pick.bounded(int(std::size(hostile)))];
    }

    QByteArray number()
    {
        static const QByteArray odd[]
            = {"0", "1", "2", "-5", "86400", "86401", "2147483647", "x", ""};
        return m_pick.bounded(2) == 0 ? QByteArray::number(1 + m_pick.bounded(3))
                                      : odd[m_pick.bounded(int(std::size(odd)))];
    }

    QByteArray field(int sender)
    {
        switch (m_pick.bounded(8)) {
        case 0:
            return seatField(sender);
        case 1:
            return number();
        case 2:
            return "@";
        case 3:
            return QByteArray(1 + m_pick.bounded(m_pick.bounded(20) == 0 ? 70000 : 200), 'A');
        case 4:
            return "|clRed";
        case 5:
            return QByteArray::number(m_pick.bounded(9)) + "+" + word();
        default:
            return word();
        }
    }

    QByteArray word()
    {
        QByteArray w;
        const int length = m_pick.bounded(12);
        for (int n = 0; n < length; ++n)
            w += char(m_pick.bounded(20) == 0 ? 0x80 + m_pick.bounded(0x7F)
                                              : 'a' + m_pick.bounded(26));
        return w;
    }

    QString address() { return QStringLiteral("10.0.0.%1").arg(m_pick.bounded(3)); }

    // Names that read as one another.
    QByteArray lookAlike()
    {
        static const QList<QByteArray> names
            = QByteArray("Ann|ann| Ann\t|\240Ann|A\xADnn|\xC1nn|Ann (2)|ANN (3)|Bo|<waiting>")
                  .split('|');
        return names[m_pick.bounded(int(names.size()))];
    }

    QByteArray garbage()
    {
        QByteArray g;
        const int length = m_pick.bounded(64);
        for (int n = 0; n < length; ++n)
            g += char(m_pick.bounded(256));
        return g + '\xFF';
    }

    void sent(int seat, const QByteArray &bytes)
    {
        if (bytes.startsWith("CMD_resumetoken+")) {
            m_tokens.append(QString::fromLatin1(bytes.split('+').value(2).chopped(1)));
            if (m_tokens.size() > 8)
                m_tokens.removeFirst();
        }
        if (seat != RefusalSeat && !m_server.seat(seat).inUse)
            fail(QStringLiteral("a message went to seat %1, which is free").arg(seat));
        // A relayed line holds at most its text, a colour, a name and the fields around.
        constexpr qsizetype MaxRelay = ChatGuard::MaxTextLength + ChatGuard::MaxColourLength
            + TServer::MaxLoginNameLength + 40;
        for (const char *relay : {"CMD_chat+", "CMD_action+", "CMD_playasound+"}) {
            if (!bytes.startsWith(relay))
                continue;
            m_chatRelayed = bytes.mid(qsizetype(qstrlen(relay))).split('+').first().toInt();
            if (bytes.size() > MaxRelay)
                fail(QStringLiteral("a relayed line of %1 bytes").arg(bytes.size()));
        }
        for (const char *relay :
             {"CMD_chat+", "CMD_action+", "CMD_playasound+", "CMD_newplayerinfo+"}) {
            if (bytes.startsWith(relay))
                m_relayed.insert(bytes.mid(qsizetype(qstrlen(relay))).split('+').first().toInt());
        }
    }

    void check()
    {
        QMap<QString, int> keys;
        QSet<QString> tokens;
        if (m_server.highestSeatUsed() > Protocol::SpectatorSeat
            || m_server.seat(RefusalSeat).inUse)
            fail(QStringLiteral("a seat beyond the table is taken"));
        for (int n = 1; n <= Protocol::SpectatorSeat; ++n) {
            const Seat &s = m_server.seat(n);
            if (!s.inUse && (!s.loginName.isEmpty() || s.signedIn))
                fail(QStringLiteral("free seat %1 still holds a player").arg(n));
            if (s.inUse != (m_server.connection(n) != nullptr))
                fail(QStringLiteral("seat %1 and its connection disagree").arg(n));
            if (s.signedIn
                && (s.loginName.trimmed().isEmpty()
                    || s.loginName.size() > TServer::MaxLoginNameLength))
                fail(QStringLiteral("seat %1 has the name \"%2\"").arg(n).arg(s.loginName));
            if (!s.resumeToken.isEmpty()
                && (tokens.contains(s.resumeToken) || (!s.inUse && s.keptFor.isEmpty())))
                fail(QStringLiteral("seat %1 has a token shared or void").arg(n));
            tokens.insert(s.resumeToken);
            if (s.gameScore < 0)
                fail(QStringLiteral("seat %1 has a negative score").arg(n));
            // A name is set once for a connection, and no two seats in use or
            // kept go by the same name.
            const PeerConnection *c = m_server.connection(n);
            if (s.signedIn && m_names.contains(c->id) && m_names[c->id] != s.loginName)
                fail(QStringLiteral("seat %1 was renamed to \"%2\"").arg(n).arg(s.loginName));
            if (s.signedIn)
                m_names[c->id] = s.loginName;
            for (const QString &name : {s.signedIn ? s.loginName : QString(), s.keptFor}) {
                if (!name.isEmpty() && std::exchange(keys[Protocol::nameKey(name)], n) != 0)
                    fail(QStringLiteral("two seats go by the name \"%1\"").arg(name));
            }
        }
        if (m_server.gameRunning() != m_server.roundTimerRunning())
            fail(QStringLiteral("a game runs without its clock, or the clock without a game"));
        if (m_server.queuedMessages() > Protocol::SpectatorSeat * TServer::InputLimits.messages)
            fail(QStringLiteral("the receive queue passed its bounds"));
    }

    GameRandom m_pick;
    GameRandom m_hostRandom;
    bool m_reserved;
    TServer m_server;
    QSet<int> m_spoke; // seats whose present connection sent something
    QSet<int> m_relayed; // seats named by relays during one dispatcher tick
    int m_chatRelayed = 0; // the seat whose chat line one dispatcher tick relayed
    qint64 m_nowMs = 0;
    struct Lines
    {
        qint64 sinceMs = 0; // when the seat's connection came
        int relayed = 0; // its chat, action and sound lines relayed since
    };
    QMap<int, Lines> m_lines;
    QString m_failure;
    QSet<int> m_phasesSeen;
    QMap<quint64, QString> m_names; // the name each connection signed in with
    QStringList m_tokens; // the last tokens the host gave out
    QMap<quint64, SignIn> m_signIns; // by connection
    SeatTable m_before; // the seats before the step
    int m_refusals = 0;
    int m_waitingClosed = 0;
    int m_returns = 0;
    int m_takenOver = 0;
};
