// Tchat: the main window. It builds the player board, the chat panel, the
// options, the menus and the game panels, and wires them to the client core
// (the connection to the host and the game it reports) and to the side
// windows. Its menus and side windows live in chatform_menus.cpp.
#pragma once

#include "clientcore/ClientGame.h"
#include "clientcore/HostConnection.h"
#include "protocol/GameFacts.h"

#include <QHostAddress>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class ChatPanel;
class GamePanels;
class OptionsController;
class PlayerBoard;
class QAction;
class QHostAddress;
class QTimer;
class QUrl;
class SoundPlayer;
class StartWindow;
class Tweblink;
class Tgamestart;
class Tphrases;
class Ttallylist;
class Tspylist;
struct StartChoice;

// What the main window is handed at start: the side windows (each may be
// missing) and the hooks into the host of this copy.
struct ChatWindows
{
    QWidget *about = nullptr;
    Tspylist *spylist = nullptr;
    QWidget *help = nullptr;
    Tgamestart *gamestart = nullptr;
    Tphrases *phrases = nullptr;
    QWidget *download = nullptr;
    Ttallylist *tallylist = nullptr;
    QWidget *additionalcats = nullptr;
    // The ways into a game for a start without parameters; without it such a
    // start plays solo at once.
    StartWindow *start = nullptr;
    // Switches the listening socket of this copy's host on at port, for this
    // computer only (a solo game) or for the network; answers why that
    // failed, empty when it listens.
    std::function<QString(quint16 port, bool thisComputerOnly)> startListening;
    // Serves the web page for friends on port (0: stops serving it); answers
    // why the port could not be opened, empty when it listens.
    std::function<QString(quint16 port)> startWebListening;
    // The links, QR code and web port of the hosted game's web page.
    Tweblink *weblink = nullptr;
    // Records a finished game ("addtomine" when the player won); without it
    // the game goes to the tally window.
    std::function<void(const QString &winner)> recordGame;
    // Opens the maker's web site (the logo).
    std::function<void()> openMakerSite;
};

class Tchat : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 767;
    static constexpr int ClientHeight = 529;

    explicit Tchat(QWidget *parent = nullptr);
    ~Tchat() override;

    void setWindows(const ChatWindows &windows);
    // The command line without the program name (default: the process's).
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    // Port of the host to join or host on (LEXIBURST_PORT, as the program read it).
    void setPort(quint16 port) { m_port = port; }
    // Port browsers join a hosted game on, 0 for none (LEXIBURST_WEB_PORT).
    void setWebPort(quint16 port) { m_webPort = port; }
    void setLobbyPort(quint16 port) { m_lobbyPort = port; }
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_urlOpener = std::move(opener); }
    void setMessageBox(std::function<void(const QString &)> show)
    {
        m_messageBox = std::move(show);
    }
    // This computer's addresses friends can join at (default: every network's).
    void setMachineAddresses(std::function<QList<QHostAddress>()> addresses)
    {
        m_machineAddresses = std::move(addresses);
    }
    // Where yes-or-no questions go; tests answer instead of a modal box.
    void setQuestionBox(std::function<bool(const QString &)> ask)
    {
        m_askQuestion = std::move(ask);
    }
    // Folder of the settings file (default: the game's home folder).
    void setSettingsFolder(const QString &folder);

    // The parts of the window.
    Tspylist *spylist() const { return m_spylist; }
    GamePanels *game() const { return m_game; }
    PlayerBoard &board() const { return *m_board; }
    ChatPanel &chatPanel() const { return *m_chat; }
    OptionsController &options() const { return *m_options; }

    // The client core this window shows.
    ClientGame &clientGame() const { return *m_clientGame; }
    PlayerSeats &seats() const { return m_clientGame->seats(); }
    // Sends one complete message (built by Protocol::Msg) to the host.
    void sendToHost(const QByteArray &message);
    int ownSeat() const { return m_connection->ownSeat(); }
    // Signed in: "CMD_sendlogininfo" arrived.
    bool isConnected() const { return m_connection->isSignedIn(); }
    // This copy's seat leads the game (starts games, removes players).
    bool isHost() const { return m_host; }
    QString playerName() const { return m_playerName; }
    // Plays a game sound by name if "Play Sounds" is checked.
    void playsounds(const QString &name);
    // Writes a status line into the chat in the system line colour.
    void addStatusLine(const QString &text);
    // `button_start` and the "Start Game" menu item: the game-start options
    // window, for the leading player only.
    void button_startClick();
    // "Just Watch" is open while a game runs, and to a watcher at any time.
    void updateJustWatch();

    // Menus that open a side window.
    void About1Click();
    void Help2Click();

    // Start and connection.
    void processparams();
    // Shows the start window; only while no game was begun.
    void NewGame1Click();
    // Begins the game the start window's choice names.
    void beginGame(const StartChoice &choice);
    // Computer players asked for in a solo game.
    int botCount() const { return m_botCount; }
    void hostpress();
    void joinpress();
    // Tries the ports after a taken one for a solo game, which nobody joins by address.
    static constexpr int SoloPortTries = 64;
    // The line to the host: sockets, receive queue and dispatch.
    HostConnection &connection() const { return *m_connection; }

    // Seats and presence.
    void kicking(int seat);
    void JustWatch1Click();
    void loadchecklist();
    // The names on the board but the own one, in seat order.
    QStringList otherSeatedPlayers() const;

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void wireChat();
    void wireGame();
    void showWindow(QWidget *window);
    void showMessage(const QString &text);
    void leadChanged(bool leads);
    // The chat lists where friends join a hosted game; File offers to copy it.
    void announceJoinAddresses();
    // Serves the web page of a game hosted for friends on the web port and
    // shows its links; a page already served moves there.
    void openWebPage();
    // Listens for the hosted game; a solo game moves on to a free port. Empty
    // when it listens, else why the port could not be opened.
    QString openHostPort();
    void setLeading(bool leads);
    void gameBegun();
    bool cameThroughStartWindow() const;
    // The host to join was never reached: the player chooses again.
    void firstConnectFailed(const QString &reason);

    // What the client core reports.
    void chatterSound(int seat, const QString &sound);
    void ownWatchingChanged(int seat, bool watching);
    void gameWon(const QString &winner, bool ownSeatWon);
    void recordGame(const QString &winner);

    void ViewTally1Click();
    void PrhaseList1Click();

    HostConnection *m_connection = nullptr;
    ClientGame *m_clientGame = nullptr;
    PlayerBoard *m_board = nullptr;
    ChatPanel *m_chat = nullptr;
    OptionsController *m_options = nullptr;
    QAction *m_newGame = nullptr;
    QAction *m_startGame = nullptr;
    QAction *m_justWatch = nullptr;
    QAction *m_copyJoin = nullptr;

    GamePanels *m_game = nullptr;
    Tspylist *m_spylist = nullptr;
    ChatWindows m_windows;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::function<bool(const QUrl &)> m_urlOpener;
    std::function<void(const QString &)> m_messageBox;
    std::function<bool(const QString &)> m_askQuestion;
    std::function<QList<QHostAddress>()> m_machineAddresses;

    QStringList m_arguments;
    bool m_shownOnce = false;
    quint16 m_port = GameFacts::DefaultPort;
    quint16 m_webPort = GameFacts::DefaultPort + 1;
    bool m_hostsForFriends = false;
    quint16 m_lobbyPort = GameFacts::LobbyPort;

    bool m_host = false;
    int m_botCount = 0;
    bool m_solo = false;
    // A connection was begun: the start window's choices are over.
    bool m_gameBegun = false;
    QString m_playerName;
    QString m_hostAddress;
};
