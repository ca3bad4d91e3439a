// The game panels of one client on a client core that hears the host through
// the connection's seam; what the client sends is recorded. What the core
// does with the messages is the core's tests' concern: these check what the
// panels show of it.
#pragma once

#include "client/GamePanels.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

struct GameBoard
{
    // Signed in on `seat` (0: not signed in).
    explicit GameBoard(int seat = 2)
    {
        board.resize(764, 526);
        chat = new QLineEdit(&board);
        panels.setChatEntry(chat);
        game.setSeed(1);
        connection.setPlayerName(QStringLiteral("Bob"));
        connection.setSender([this](const QByteArray &message) { sent.append(message); });
        if (seat > 0)
            hear(Protocol::Msg::sendlogininfo(seat));
        sent.clear();
    }

    void hear(const QByteArray &bytes)
    {
        connection.receiveBytes(bytes);
        while (connection.queuedMessages() > 0)
            connection.processOne();
    }
    // Ticks the clock until the countdown reaches `left`.
    void tickTo(int left)
    {
        while (game.countdown() > left)
            game.clockTick();
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
    QLineEdit *chat = nullptr;
    HostConnection connection;
    ClientGame game {connection};
    GamePanels panels {&board, game};
    QList<QByteArray> sent;
};
