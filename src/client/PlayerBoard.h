// The seats of the board: each seat's name, score and bonus from the seat
// table, the eyes of a player who only watches, and the menu a name opens to
// remove a player or set them to watch, reported as requests.
#pragma once

#include "clientcore/PlayerSeats.h"

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;

class PlayerBoard : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SeatCount = GameFacts::SeatCount;
    // Where the seats lie on the board.
    static constexpr QRect Bounds {4, 319, 215, 170};

    PlayerBoard(QWidget *board, const PlayerSeats &seats);

    // Shows seat `seat` as the table has it.
    void showSeat(int seat);

    // Only the leading player's menu items are enabled.
    void setLeading(bool leading) { m_leading = leading; }
    // Readies the name menu for a seat, as a right click on its name does.
    void prepareSeatMenu(int seat);
    int menuSeat() const { return m_menuSeat; }

signals:
    void removeRequested(int seat);
    void watchRequested(int seat, bool watching);

private:
    void buildSeat(int seat);
    void buildSeatMenu();

    const PlayerSeats &m_seats;
    std::array<QLabel *, SeatCount> m_names {};
    std::array<QLabel *, SeatCount> m_scores {};
    std::array<QLabel *, SeatCount> m_bonuses {};
    std::array<QLabel *, SeatCount> m_eyes {};
    QMenu *m_seatMenu = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_setWatch = nullptr;
    QAction *m_unsetWatch = nullptr;
    bool m_leading = false;
    int m_menuSeat = 0;
};
