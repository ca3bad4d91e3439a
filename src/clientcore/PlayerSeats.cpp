#include "clientcore/PlayerSeats.h"

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
    return s ? s->name : QString();
}

QString PlayerSeats::score(int n) const
{
    const Seat *s = seat(n);
    return s ? s->score : QString();
}

QString PlayerSeats::bonus(int n) const
{
    const Seat *s = seat(n);
    return s ? s->bonus : QString();
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
        s->name = name;
        emit seatChanged(n);
    }
}

QString PlayerSeats::freeSeat(int n)
{
    Seat *s = seat(n);
    if (!s)
        return {};
    const QString name = s->name;
    s->name = Waiting;
    s->watching = false;
    emit seatChanged(n);
    return name == Waiting || name == GameFacts::seatHintName(n) ? QString() : name;
}

void PlayerSeats::setWatching(int n, bool watching)
{
    if (Seat *s = seat(n)) {
        s->watching = watching;
        emit seatChanged(n);
    }
}

void PlayerSeats::setScore(int n, const QString &score)
{
    if (Seat *s = seat(n)) {
        s->score = score;
        emit seatChanged(n);
    }
}

void PlayerSeats::setBonus(int n, const QString &bonus)
{
    if (Seat *s = seat(n)) {
        s->bonus = bonus;
        emit seatChanged(n);
    }
}
