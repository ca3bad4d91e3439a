// The game panels of one client on the core's test client (CoreClient): what
// the core does with the host's messages is the core's tests' concern; these
// check what the panels show of it.
#pragma once

#include "CoreClient.h"
#include "client/GamePanels.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

struct GameBoard : CoreClient
{
    // Signed in on `seat` (0: not signed in).
    explicit GameBoard(int seat = 2) : CoreClient(seat)
    {
        board.resize(764, 526);
        panels.setChatEntry(chat);
    }

    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return board.findChild<T *>(name);
    }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    QString text(const QString &name) const { return label(name)->text(); }
    bool shown(const QString &name) const { return !find(name)->isHidden(); }

    QWidget board;
    QLineEdit *chat = new QLineEdit(&board);
    GamePanels panels {&board, game};
};
