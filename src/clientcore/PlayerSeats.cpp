#include "clientcore/PlayerSeats.h"

#include <utility>

PlayerSeats::Seat *PlayerSeats::seat(int seat)
{
    return isPlayingSeat(seat) ? &m_seats[std::size_t(seat - 1)] : nullptr;
}

const PlayerSeats::Seat *PlayerSeats::seat(int seat) const
{
    return isPlayingSeat(seat) ? &m_seats[std::size_t(seat - 1)] : nullptr;
}

QString PlayerSeats::name(int n) const
{
    const Seat *s = seat(n);
    return s && s->taken ? s->name : QString();
}

QString PlayerSeats::shownName(int n) const
{
    if (awaySeconds(n) > 0)
        return QStringLiteral("%1 (away %2)").arg(seat(n)->name, clockText(awaySeconds(n)));
    return isTaken(n) ? name(n) : Waiting;
}

int PlayerSeats::awaySeconds(int n) const
{
    const Seat *s = seat(n);
    return s && !s->taken ? s->awaySeconds : 0;
}

QString PlayerSeats::clockText(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

void PlayerSeats::setAway(int n, const QString &name, int seconds, int secondMs)
{
    Seat *s = seat(n);
    if (!s)
        return;
    // Not taken: nobody plays on the seat until its player is back.
    s->taken = false;
    s->name = name;
    s->watching = false;
    s->awaySeconds = seconds;
    if (!m_awayClock) {
        m_awayClock = new QTimer(this);
        connect(m_awayClock, &QTimer::timeout, this, &PlayerSeats::tickAway);
    }
    if (!m_awayClock->isActive())
        m_awayClock->start(secondMs);
    emit seatChanged(n);
}

void PlayerSeats::tickAway()
{
    bool counting = false;
    for (int n = 1; n <= SeatCount; ++n) {
        Seat &s = m_seats[std::size_t(n - 1)];
        if (s.taken || s.awaySeconds <= 0)
            continue;
        // At 0:00 the host frees the seat, or the player is back.
        if (--s.awaySeconds > 0)
            counting = true;
        emit seatChanged(n);
    }
    if (!counting)
        m_awayClock->stop();
}

bool PlayerSeats::isTaken(int n) const
{
    const Seat *s = seat(n);
    return s && s->taken;
}

int PlayerSeats::score(int n) const
{
    const Seat *s = seat(n);
    return s ? s->score : 0;
}

std::optional<int> PlayerSeats::bonus(int n) const
{
    const Seat *s = seat(n);
    return s ? s->bonus : std::nullopt;
}

bool PlayerSeats::isWatching(int n) const
{
    const Seat *s = seat(n);
    return s && s->watching;
}

QStringList PlayerSeats::otherNames(int ownSeat) const
{
    QStringList names;
    for (int n = 1; n <= SeatCount; ++n) {
        if (n != ownSeat && isTaken(n))
            names.append(name(n));
    }
    return names;
}

void PlayerSeats::seatPlayer(int n, const QString &name)
{
    if (Seat *s = seat(n)) {
        s->taken = true;
        s->name = name;
        s->awaySeconds = 0;
        emit seatChanged(n);
    }
}

QString PlayerSeats::freeSeat(int n)
{
    Seat *s = seat(n);
    if (!s)
        return {};
    const bool wasTaken = std::exchange(s->taken, false);
    const QString name = std::exchange(s->name, QString());
    s->watching = false;
    s->done = false;
    s->awaySeconds = 0;
    emit seatChanged(n);
    return !wasTaken || name == GameFacts::seatHintName(n) ? QString() : name;
}

void PlayerSeats::setWatching(int n, bool watching)
{
    if (Seat *s = seat(n)) {
        s->watching = watching;
        emit seatChanged(n);
    }
}

void PlayerSeats::setScore(int n, int score)
{
    if (Seat *s = seat(n)) {
        s->score = score;
        emit seatChanged(n);
    }
}

void PlayerSeats::setBonus(int n, std::optional<int> bonus)
{
    if (Seat *s = seat(n)) {
        s->bonus = bonus;
        emit seatChanged(n);
    }
}

void PlayerSeats::clearScores()
{
    for (int n = 1; n <= SeatCount; ++n) {
        m_seats[std::size_t(n - 1)].score = 0;
        m_seats[std::size_t(n - 1)].bonus.reset();
        emit seatChanged(n);
    }
}

void PlayerSeats::clearBonuses()
{
    for (int n = 1; n <= SeatCount; ++n)
        setBonus(n, std::nullopt);
}

bool PlayerSeats::isDone(int n) const
{
    const Seat *s = seat(n);
    return s && s->done;
}

void PlayerSeats::setDone(int n, bool done)
{
    Seat *s = seat(n);
    if (s && s->done != done) {
        s->done = done;
        emit seatChanged(n);
    }
}

void PlayerSeats::clearDone()
{
    for (int n = 1; n <= SeatCount; ++n)
        setDone(n, false);
}
