// The game panels of one client on a client core that hears the host through
// the connection's seam: what the host says goes in as messages, what the
// client sends, plays and writes is recorded.
#pragma once

#include "client/GamePanels.h"
#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

struct GameBoard
{
    // Signed in on `seat` (0: not signed in); unseeded, the vote's rows keep
    // the seed the core drew.
    explicit GameBoard(int seat = 2, bool seeded = true)
    {
        board.resize(764, 526);
        chat = new QLineEdit(&board);
        panels.setChatEntry(chat);
        if (seeded)
            game.setSeed(1);
        connection.setPlayerName(QStringLiteral("Bob"));
        connection.setSender([this](const QByteArray &message) { sent.append(message); });
        QObject::connect(&game, &ClientGame::cue, [this](const QString &s) { sounds.append(s); });
        QObject::connect(&game, &ClientGame::statusLine,
                         [this](const QString &line) { statusLines.append(line); });
        if (seat > 0)
            hear(QStringLiteral("CMD_sendlogininfo"), QString::number(seat));
        sent.clear();
    }

    // One host message, handled at once.
    void hear(const QString &command, const QString &argument)
    {
        connection.receiveBytes(Protocol::toWire(command + u'+' + argument) + Protocol::Terminator);
        while (connection.queuedMessages() > 0)
            connection.processOne();
    }
    void seatPlayers(const QStringList &names)
    {
        for (int n = 1; n <= names.size(); ++n)
            game.seats().seatPlayer(n, names.at(n - 1));
    }
    // What the boxes hold, sent as the time-out sends it.
    void sendBoxes()
    {
        QStringList typed;
        for (int n = 1; n <= 8; ++n)
            typed.append(panels.answerEdit(n)->text());
        game.sendAnswers(typed);
    }
    // The answers sent, drafts left out.
    QList<QByteArray> answersSent() const
    {
        QList<QByteArray> answers;
        for (const QByteArray &message : sent)
            if (message.startsWith("CMD_myanswers"))
                answers.append(message);
        return answers;
    }
    // Ticks the clock until the countdown reaches `left`.
    void tickTo(int left)
    {
        while (game.countdown() > left)
            game.clockTick();
    }

    template<typename T>
    T *find(const QString &name) const
    {
        return board.findChild<T *>(name);
    }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    QWidget *widget(const QString &name) const { return find<QWidget>(name); }
    QString text(const QString &name) const { return label(name)->text(); }

    QWidget board;
    QLineEdit *chat = nullptr;
    HostConnection connection;
    ClientGame game {connection};
    GamePanels panels {&board, game};
    QList<QByteArray> sent;
    QStringList sounds;
    QStringList statusLines;
};

// Wire text of a message with the terminator shown as "|".
inline QString wireText(const QByteArray &message)
{
    QByteArray copy = message;
    copy.replace('\xff', '|');
    return QString::fromLatin1(copy);
}
