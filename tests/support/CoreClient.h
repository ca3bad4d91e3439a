// One player without widgets: what the host says goes in as bytes, what the
// client says, cues and writes in the chat is recorded.
#pragma once

#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QTest>

// Signed in as "Robo" on `seat` (0: not signed in); what the sign-in sent is
// forgotten.
struct CoreClient
{
    explicit CoreClient(int seat = 0)
    {
        connection.setPlayerName(QStringLiteral("Robo"));
        connection.setSender([this](const QByteArray &message) { sent.append(message); });
        QObject::connect(&game, &ClientGame::cue, [this](const QString &s) { cues.append(s); });
        QObject::connect(&game, &ClientGame::statusLine,
                         [this](const QString &line) { lines.append(line); });
        if (seat > 0)
            hear(Protocol::Msg::sendlogininfo(seat));
        sent.clear();
    }
    void hear(const QByteArray &bytes)
    {
        connection.receiveBytes(bytes);
        while (connection.queuedMessages() > 0)
            connection.tick();
    }
    // The messages sent whose command is `command`.
    QList<QByteArray> sentAs(const QByteArray &command) const
    {
        QList<QByteArray> found;
        for (const QByteArray &m : sent)
            if (m.startsWith(command + '+'))
                found.append(m);
        return found;
    }
    // Ticks the clock until the countdown reaches `left`.
    void tickTo(int left)
    {
        while (game.countdown() > left)
            game.clockTick();
    }

    HostConnection connection;
    ClientGame game {connection};
    QList<QByteArray> sent;
    QStringList cues;
    QStringList lines;
};
