// Who sits in the eight playing seats, with each seat's score, the points it
// gained on the category last scored and whether its player only watches. The
// client core keeps it and the board shows it; every change is signalled.
#pragma once

#include "protocol/GameFacts.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <optional>

class PlayerSeats : public QObject
{
    Q_OBJECT

public:
    static constexpr int SeatCount = GameFacts::SeatCount;
    // What the board shows for a free seat; a player may bear the same name.
    static inline const QString Waiting = QStringLiteral("<Waiting>");

    using QObject::QObject;

    static bool isPlayingSeat(int seat) { return seat >= 1 && seat <= SeatCount; }

    // The player's name; empty for a free seat and outside the playing seats.
    QString name(int seat) const;
    // The name as the board shows it: Waiting for a free seat, "NAME (away
    // 1:40)" while the seat is kept for its player.
    QString shownName(int seat) const;
    // Game seconds left to a player's return while its seat is kept; 0 otherwise.
    int awaySeconds(int seat) const;
    // "M:SS".
    static QString clockText(int seconds);
    int score(int seat) const;
    // Points gained on the category last scored; none shows nothing.
    std::optional<int> bonus(int seat) const;
    bool isWatching(int seat) const;
    // Said it is done with its answers or the category on show.
    bool isDone(int seat) const;
    bool isTaken(int seat) const;
    // The names in taken seats but `ownSeat`, in seat order.
    QStringList otherNames(int ownSeat) const;

    void seatPlayer(int seat, const QString &name);
    // Frees a seat; answers the name whose departure is worth a line: empty
    // when the seat was free or its player bore the seat's fixed hint name.
    QString freeSeat(int seat);
    // The seat is kept for its player, who left, so many game seconds of
    // secondMs milliseconds; the time left counts down on the board.
    void setAway(int seat, const QString &name, int seconds, int secondMs);
    void setWatching(int seat, bool watching);
    void setScore(int seat, int score);
    void setBonus(int seat, std::optional<int> bonus);
    // A new game: every score 0, no bonus.
    void clearScores();
    void clearBonuses();
    void setDone(int seat, bool done);
    // Nobody is done: an answer time or a category begins.
    void clearDone();

signals:
    void seatChanged(int seat);

private:
    struct Seat
    {
        bool taken = false;
        QString name;
        int score = 0;
        std::optional<int> bonus;
        bool watching = false;
        bool done = false;
        int awaySeconds = 0;
    };

    void tickAway();

    Seat *seat(int seat);
    const Seat *seat(int seat) const;

    std::array<Seat, SeatCount> m_seats;
    QTimer *m_awayClock = nullptr;
};
