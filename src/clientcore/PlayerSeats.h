// Who sits in the eight playing seats, with each seat's score, bonus and
// whether its player only watches. The board shows it and the game panels
// read and write it; every change of a seat is signalled.
#pragma once

#include "protocol/GameFacts.h"

#include <QObject>
#include <QStringList>

#include <array>

class PlayerSeats : public QObject
{
    Q_OBJECT

public:
    static constexpr int SeatCount = GameFacts::SeatCount;
    // The name of a free seat.
    static inline const QString Waiting = QStringLiteral("<Waiting>");

    using QObject::QObject;

    static bool isPlayingSeat(int seat) { return seat >= 1 && seat <= SeatCount; }

    // Empty outside the playing seats.
    QString name(int seat) const;
    QString score(int seat) const;
    QString bonus(int seat) const;
    bool isWatching(int seat) const;
    bool isTaken(int seat) const { return isPlayingSeat(seat) && name(seat) != Waiting; }
    // The names in taken seats but `ownSeat`, in seat order.
    QStringList otherNames(int ownSeat) const;

    void seatPlayer(int seat, const QString &name);
    // Frees a seat; answers the name whose departure is worth a line: empty
    // when the seat was free or its player bore the seat's fixed hint name.
    QString freeSeat(int seat);
    void setWatching(int seat, bool watching);
    void setScore(int seat, const QString &score);
    void setBonus(int seat, const QString &bonus);

signals:
    void seatChanged(int seat);

private:
    struct Seat
    {
        QString name = Waiting;
        QString score = QStringLiteral("0");
        QString bonus = QStringLiteral("0");
        bool watching = false;
    };

    Seat *seat(int seat);
    const Seat *seat(int seat) const;

    std::array<Seat, SeatCount> m_seats;
};
