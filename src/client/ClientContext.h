// What the game-play part of the main window needs from the rest of it: the
// connection state, the seat table, sounds and status lines.
// `Tchat` implements it; the round and voting panels only talk through it, so
// they can be tested with a small fake.
#pragma once

#include <QByteArray>
#include <QString>

class PlayerSeats;
class QWidget;

class ClientContext
{
public:
    virtual ~ClientContext() = default;

    // Sends one complete message (built by Protocol::Msg) to the host.
    virtual void sendToHost(const QByteArray &message) = 0;

    virtual int ownSeat() const = 0; // 0 until signed in; above 8 = watching
    virtual bool isConnected() const = 0; // set when "CMD_sendlogininfo" arrived
    virtual bool isHost() const = 0; // this copy hosts the game
    virtual QString playerName() const = 0; // the local player's name

    // Names, scores and bonuses of the playing seats, as the board shows them.
    virtual PlayerSeats &seats() = 0;

    // Plays a game sound by name if "Play Sounds" is checked.
    virtual void playsounds(const QString &name) = 0;
    // Writes a status line into the chat in the system line colour.
    virtual void addStatusLine(const QString &text) = 0;

    // Shows the game-start options window (hosting player only).
    virtual void showGameStart() = 0;
    // Records a finished game in the tally: the winner's login name, or the
    // tally keyword "addtomine" when the local player won.
    virtual void recordGame(const QString &winner) = 0;

    // The chat entry box `mychat`, where the focus goes after the answer boxes.
    virtual QWidget *chatEntry() const { return nullptr; }
    // A game start unchecks the "Just Watch" menu item.
    virtual void uncheckJustWatch() { }
};
