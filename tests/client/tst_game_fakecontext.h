// A stand-in for the main window: records what the game panels send, play and
// write, and owns the seat table.
#pragma once

#include "client/ClientContext.h"
#include "client/GamePanels.h"
#include "clientcore/PlayerSeats.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class FakeContext : public ClientContext
{
public:
    FakeContext()
    {
        board.resize(764, 526);
        chat = new QLineEdit(&board);
    }

    void sendToHost(const QByteArray &message) override { sent.append(message); }
    int ownSeat() const override { return seat; }
    bool isConnected() const override { return connected; }
    bool isHost() const override { return host; }
    QString playerName() const override { return name; }
    PlayerSeats &seats() override { return table; }
    void playsounds(const QString &sound) override { sounds.append(sound); }
    void addStatusLine(const QString &text) override { statusLines.append(text); }
    void showGameStart() override { ++gameStartShown; }
    void recordGame(const QString &winner) override { recorded.append(winner); }
    QWidget *chatEntry() const override { return chat; }
    void uncheckJustWatch() override { ++justWatchUnchecked; }

    void seatPlayer(int n, const QString &player) { table.seatPlayer(n, player); }

    QWidget board;
    PlayerSeats table;
    QLineEdit *chat = nullptr;

    int seat = 2;
    bool connected = true;
    bool host = false;
    QString name = QStringLiteral("Bob");

    QList<QByteArray> sent;
    QStringList sounds;
    QStringList statusLines;
    QStringList recorded;
    int gameStartShown = 0;
    int justWatchUnchecked = 0;
};

// The board of one client with its game panels, built in the order Tchat uses.
struct GameBoard
{
    // Unseeded, the panels keep the seed they drew at start.
    explicit GameBoard(bool seeded = true) : panels(&context.board, context)
    {
        if (seeded)
            panels.setSeed(1);
        panels.setMessageBox([this](const QString &text) { messages.append(text); });
    }

    template<typename T>
    T *find(const QString &name) const
    {
        return context.board.findChild<T *>(name);
    }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    QWidget *widget(const QString &name) const { return find<QWidget>(name); }
    QString text(const QString &name) const { return label(name)->text(); }

    FakeContext context;
    GamePanels panels;
    QStringList messages;
};

// Wire text of a message with the terminator shown as "|".
inline QString wireText(const QByteArray &message)
{
    QByteArray copy = message;
    copy.replace('\xff', '|');
    return QString::fromLatin1(copy);
}
