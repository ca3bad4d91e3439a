// Tchat: the main window. It builds the board of seats, the chat, the menus
// and the game panels, and wires them to the client core's connection to the
// host; the game-play panels reach it through ClientContext. Its chat part and
// its menus with the options live in chatform_chat.cpp and chatform_options.cpp.
#pragma once

#include "client/ClientContext.h"
#include "clientcore/GameFacts.h"
#include "clientcore/HostConnection.h"

#include <QColor>
#include <QMainWindow>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class ChatView;
class GamePanels;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;
class SoundPlayer;
class StartWindow;
class TSock;
class Tgamestart;
class Tphrases;
class Ttallylist;
class Tspylist;
struct StartChoice;
namespace Settings {
class SettingsFile;
struct Values;
} // namespace Settings

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
    // Switches the listening socket of this copy's host on at port; answers
    // why that failed, empty when it listens.
    std::function<QString(quint16 port)> startListening;
    // Records a finished game ("addtomine" when the player won); without it
    // the game goes to the tally window.
    std::function<void(const QString &winner)> recordGame;
    // Opens the maker's web site (the logo).
    std::function<void()> openMakerSite;
};

class Tchat : public QMainWindow, public ClientContext
{
    Q_OBJECT

public:
    static constexpr int SeatCount = GameFacts::SeatCount;
    static constexpr int ClientWidth = 767;
    static constexpr int ClientHeight = 529;
    static constexpr int DefaultWidth = 775;
    static constexpr int DefaultHeight = 575;
    static constexpr int DefaultLeft = 3;
    static constexpr int DefaultTop = 3;
    static constexpr int PhraseCount = GameFacts::PhraseCount;
    static constexpr int ChatterSoundCount = 20;
    static constexpr quint16 DefaultPort = GameFacts::DefaultPort;
    static constexpr quint16 LobbyPort = GameFacts::LobbyPort;
    static inline const QString Waiting = QStringLiteral("<Waiting>");
    static inline const QString ChatPlaceholder = QStringLiteral("<Enter Chat Here>");
    static inline const QString SettingsSection = QStringLiteral("Lexaburst");

    explicit Tchat(QWidget *parent = nullptr);
    ~Tchat() override;

    void setWindows(const ChatWindows &windows);
    // The command line without the program name (default: the process's).
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    void setPort(quint16 port) { m_port = port; }
    void setLobbyPort(quint16 port) { m_lobbyPort = port; }
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_urlOpener = std::move(opener); }
    void setMessageBox(std::function<void(const QString &)> show);
    // Folder of the settings file (default: the game's home folder).
    void setSettingsFolder(const QString &folder) { m_settingsFolder = folder; }
    Tspylist *spylist() const { return m_spylist; }
    GamePanels *game() const { return m_game; }

    // Port of the host: LEXIBURST_PORT, else 7772.
    static quint16 portFromEnvironment();

    // ClientContext.
    void sendToHost(const QByteArray &message) override;
    int ownSeat() const override { return m_connection->ownSeat(); }
    bool isConnected() const override { return m_connection->isSignedIn(); }
    bool isHost() const override { return m_host; }
    QString playerName() const override { return m_playerName; }
    QLabel *playerNameLabel(int n) const override;
    QLabel *scoreLabel(int n) const override;
    QLabel *bonusLabel(int n) const override;
    void playsounds(const QString &name) override;
    void addStatusLine(const QString &text) override;
    void showGameStart() override;
    void recordGame(const QString &winner) override;
    QWidget *chatEntry() const override;
    void uncheckJustWatch() override;

    // Menus and pictures that open something.
    void Exit1Click();
    void SpyList1Click();
    void CategoryAddition1Click();
    void Help2Click();
    void About1Click();
    void image_logoClick();
    void b_phrase10MouseUp();
    void button_simliesClick();

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
    // One tick of `Timer1`: handles at most one queued message.
    void Timer1Timer() { m_connection->tick(); }
    QTimer *timer1() const { return m_connection->timer(); }
    qsizetype queuedMessages() const { return m_connection->queuedMessages(); }
    QString loginName() const { return m_connection->loginName(); }
    QString hostAddress() const { return m_hostAddress; }
    TSock *clientSocket() const { return m_connection->gameSocket(); }
    TSock *lobbySocket() const { return m_connection->lobbySocket(); }

    // Board and presence.
    void newplayerinfo(const QString &text);
    void playerdisconnected(const QString &text);
    void justwatching(const QString &text);
    void kicking(int seat);
    void label_playername1ContextPopup(int seat);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void JustWatch1Click();
    void ViewTally1Click();
    void loadchecklist();
    // The names on the board but the own one, in seat order.
    QStringList otherSeatedPlayers() const;
    int kickMenuSeat() const { return m_kickTag; }

    // Chat, phrases and sounds.
    void addlinetochat(const QString &text, const QColor &colour);
    void chatrecieved(const QString &text);
    void playasound(const QString &text);
    void sendit();
    void b_phrase1Click(int button);
    bool phraseGateOpen() const { return m_phraseGateOpen; }
    void setPhraseGateInterval(int ms);
    void phraseGateTimer();
    QString phrase(int button) const;
    void setPhrase(int button, const QString &phrase);
    void wave4Click(int tag);
    void Select16Click(int tag);
    void mainchatJump(int linkNumber);
    void copyChat();
    void selectAllChat();
    void ClearMainChat1Click();
    void ScrollChatOff1Click();
    void pasteChatEntry();
    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor &colour);

    // Options.
    void PlaySounds1Click();
    void PlayerPhraseSounds1Click();
    void loadinifile();
    void saveinifile();
    void Classic1Click(QAction *item);
    void Fast1Click(QAction *item);
    void N14Click(QAction *item);
    void TextColor1Click();
    void ResetScreenLocation1Click();
    void PrhaseList1Click();
    QRect storedBounds() const { return m_storedBounds; }

    // Controls, named as on the form.
    QWidget *panel_board = nullptr;
    std::array<QLabel *, SeatCount> label_playername {};
    std::array<QLabel *, SeatCount> label_score {};
    std::array<QLabel *, SeatCount> label_bonus {};
    std::array<QLabel *, SeatCount> image_eyes {};
    QLabel *image_logo = nullptr;
    ChatView *mainchat = nullptr;
    QLineEdit *mychat = nullptr;
    std::array<QToolButton *, PhraseCount> b_phrase {};
    QToolButton *b_phrase10 = nullptr;
    QToolButton *button_simlies = nullptr;

    QMenu *popup_kick = nullptr;
    QAction *RemoveFromGame1 = nullptr;
    QAction *SettoJustWatch1 = nullptr;
    QAction *UnsetJustWatch1 = nullptr;
    QMenu *popup_sounds = nullptr;
    QMenu *popup_smilies = nullptr;
    QMenu *popup_mainchat = nullptr;
    QMenu *popup_mychat = nullptr;

    QAction *NewGame1 = nullptr;
    QAction *StartGame1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *PlaySounds1 = nullptr;
    QAction *PlayerPhraseSounds1 = nullptr;
    QMenu *TurnSound1 = nullptr;
    QAction *Classic1 = nullptr;
    QAction *New1 = nullptr;
    QMenu *BotSpeed1 = nullptr;
    QAction *Slow1 = nullptr;
    QAction *Normal1 = nullptr;
    QAction *Fast1 = nullptr;
    QAction *TextColor1 = nullptr;
    QMenu *TextSize1 = nullptr;
    std::array<QAction *, 4> textSizeItems {}; // N8, N10, N12, N14
    QAction *ScrollChatOff2 = nullptr;
    QAction *ClearMainChat1 = nullptr;
    QAction *ResetScreenLocation1 = nullptr;
    QAction *JustWatch1 = nullptr;
    QAction *ViewTally1 = nullptr;
    QAction *SpyList1 = nullptr;
    QAction *PrhaseList1 = nullptr;
    QAction *CategoryAddition1 = nullptr;
    QAction *Help2 = nullptr;
    QAction *About1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *ClearMainChat2 = nullptr;
    QAction *SelectAll1 = nullptr;
    QAction *ScrollChatOff1 = nullptr;
    QAction *Paste1 = nullptr;
    std::array<QAction *, ChatterSoundCount + 1> soundItems {}; // Cancel1, wave1..wave20

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void buildMenus();
    void buildBoard();
    void buildChat();
    void registerCommands();
    void route(const QString &name, void (Tchat::*handler)(const QString &));
    void routeToGame(const QString &name, void (GamePanels::*handler)(const QString &));
    void showWindow(QWidget *window);
    void showMessage(const QString &text);
    void leadChanged(bool leads);
    // Listens for the hosted game; a solo game moves on to a free port. Empty
    // when it listens, else why the port could not be opened.
    QString openHostPort();
    // The line saying the host closed the game stays this long before the window closes.
    static constexpr int HostClosedPauseMs = 2000;
    bool seatIsPlaying(int seat) const { return seat >= 1 && seat <= SeatCount; }
    void popupAtBottomRight(QMenu *menu, QWidget *button);
    QString colourText() const;
    static QRect defaultBounds();
    void setFrameBounds(const QRect &frame);
    bool fitsTheScreen(const QRect &frame) const;
    Settings::SettingsFile &settingsFile();
    Settings::Values currentSettings() const;
    void gameBegun();

    HostConnection *m_connection = nullptr;
    QTimer *m_phraseGate = nullptr;

    GamePanels *m_game = nullptr;
    Tspylist *m_spylist = nullptr;
    ChatWindows m_windows;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::function<bool(const QUrl &)> m_urlOpener;
    std::function<void(const QString &)> m_messageBox;

    QStringList m_arguments;
    bool m_shownOnce = false;
    quint16 m_port = DefaultPort;
    quint16 m_lobbyPort = LobbyPort;

    bool m_host = false;
    int m_botCount = 0;
    bool m_solo = false;
    // A connection was begun: the start window's choices are over.
    bool m_gameBegun = false;
    QString m_playerName;
    QString m_hostAddress;
    QColor m_systemLineColour = QColor(0x00, 0x00, 0xFF);
    QColor m_textColour = Qt::black;
    bool m_phraseGateOpen = true;
    int m_kickTag = 0;
    int m_turnSoundTag = 0;
    int m_botSpeedTag = GameFacts::DefaultBotSpeed;

    QString m_settingsFolder;
    std::unique_ptr<Settings::SettingsFile> m_settings;
    QRect m_storedBounds {0, 0, 0, 0};
};
