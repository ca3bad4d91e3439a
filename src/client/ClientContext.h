// What the game-play part of the main window needs from the rest of it: the
// connection state, the board's per-seat labels, sounds and status lines.
// `Tchat` implements it; the round and voting panels only talk through it, so
// they can be tested with a small fake.
#pragma once

#include <QByteArray>
#include <QString>

class QLabel;
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

    // Board controls of seat n (1 to 8): `label_playername`n, `label_score`n, `label_bonus`n.
    virtual QLabel *playerNameLabel(int n) const = 0;
    virtual QLabel *scoreLabel(int n) const = 0;
    virtual QLabel *bonusLabel(int n) const = 0;

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
