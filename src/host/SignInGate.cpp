#include "host/SignInGate.h"

#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Drops the ending " (2)", " (3)", ... the host gives a name another seat
// goes by: it is the host's to give, so a typed one counts for nothing.
QString withoutHostEnding(QString name)
{
    static const QRegularExpression ending(QStringLiteral(" \\([0-9]+\\)$"));
    for (QRegularExpressionMatch m = ending.match(name); m.hasMatch(); m = ending.match(name))
        name = name.left(m.capturedStart()).trimmed();
    return name;
}

} // namespace

QString SignInGate::typedName(int seat, const QString &requested)
{
    // A blank name would show as an empty seat and lines like " is Connected.",
    // and one that reads as a free seat would be taken for one by every client.
    const QString name
        = withoutHostEnding(Protocol::cleanName(requested).left(MaxNameLength).trimmed());
    if (name.isEmpty()
        || Protocol::nameKey(name) == Protocol::nameKey(QLatin1String(GameFacts::FreeSeatText)))
        return QStringLiteral("Player %1").arg(seat);
    return name;
}

QString SignInGate::distinctName(int seat, const QString &name) const
{
    const QStringList taken = m_seats.takenNames(seat);
    QString candidate = name;
    for (int n = 2; taken.contains(Protocol::nameKey(candidate)); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        candidate = name.left(MaxNameLength - suffix.size()).trimmed() + suffix;
    }
    return candidate;
}

bool SignInGate::admit(int seat, const QString &typed) const
{
    // Chat, scores and returns go by name: no two seats in use or kept share one.
    Seat &s = m_seats[seat];
    const bool back = std::exchange(s.rejoining, false);
    if (!back) {
        s.loginName = distinctName(seat, typed);
        s.typedName = typed;
    }
    s.inUse = true;
    s.signedIn = true;
    s.resumeToken
        = m_seats.understands(seat, Protocol::Capability::Resume) ? newToken() : QString();
    return back;
}

QString SignInGate::newToken()
{
    // A token proves that a seat is one's own, so nobody may guess it: not
    // from the seeded game generator, whose seed a player may know or guess
    // (and whose draws must stay the same for a seed).
    std::array<quint32, 4> words {};
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(words.data()), sizeof(words)).toHex());
}

SignInGate::Tick SignInGate::tick()
{
    Tick tick;
    for (int seat = 1; seat <= m_seats.highestSeat; ++seat) {
        PeerConnection *c = m_seats.connection(seat);
        if (!c || m_seats[seat].signedIn || c->signInSecondsLeft <= 0)
            continue;
        if (--c->signInSecondsLeft > 0)
            tick.waiting = true;
        else
            tick.expired.append(seat);
    }
    return tick;
}

SignInGate::Waiter SignInGate::oldestWaiting(int first) const
{
    // Honest clients sign in within milliseconds of being asked, so what still
    // waits when the table is full is most likely held on purpose. The hosting
    // program's own client, which has no time limit, is never one of them.
    QMap<QString, QList<int>> waiting;
    for (int seat = first; seat <= m_seats.highestSeat; ++seat) {
        const PeerConnection *c = m_seats.connection(seat);
        // A player moved to its kept seat has given its name already.
        if (c && !m_seats[seat].signedIn && !m_seats[seat].rejoining && c->signInSecondsLeft > 0)
            waiting[c->transport->peerAddress()].append(seat);
    }
    const QList<int> *most = nullptr;
    for (const QList<int> &seats : std::as_const(waiting)) {
        if (!most || seats.size() > most->size())
            most = &seats;
    }
    if (!most)
        return {};
    const int oldest = *std::min_element(most->begin(), most->end(), [this](int a, int b) {
        return m_seats.connection(a)->id < m_seats.connection(b)->id;
    });
    return {oldest, most->size()};
}
