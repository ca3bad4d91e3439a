#include "client/chatform.h"

#include "client/BoardLook.h"
#include "client/ChatPanel.h"
#include "client/GamePanels.h"
#include "client/OptionsController.h"
#include "client/PlayerBoard.h"
#include "client/SoundPlayer.h"
#include "clientcore/ChatLine.h"
#include "clientcore/HostConnection.h"
#include "storage/Settings.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TClickLabel.h"
#include "windows/gamestartform.h"
#include "windows/spylistform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

using namespace BoardLook;

namespace {

constexpr int BoardWidth = 764;

constexpr int BoardHeight = 526;

constexpr int BoardMargin = 4;

const QString Loopback = QStringLiteral("127.0.0.1");

} // namespace

Tchat::Tchat(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Lexiburst"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(arial(11));

    auto *client = new FormBackground(this);
    // The window never gets smaller than the board and its margin.
    client->setMinimumSize(BoardWidth + BoardMargin, BoardHeight + BoardMargin);
    setCentralWidget(client);
    auto *board = new BoardPanel(client);
    board->setObjectName(QStringLiteral("panel_board"));
    board->setGeometry(BoardMargin / 2, BoardMargin / 2, BoardWidth, BoardHeight);

    m_sounds = std::make_unique<EffectSoundPlayer>();
    m_urlOpener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    m_messageBox = [this](const QString &text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    m_machineAddresses = &StartWindow::machineAddresses;
    m_askQuestion = [this](const QString &text) {
        return QMessageBox::question(this, windowTitle(), text) == QMessageBox::Yes;
    };
    m_connection = new HostConnection(this);
    // The host hung up and what it said before is handled: the player reads
    // why in a box, then the program ends.
    connect(m_connection, &HostConnection::closed, this, [this](const QString &why) {
        if (!isVisible())
            return;
        showMessage(why);
        close();
    });
    connect(m_connection, &HostConnection::statusLine, this, &Tchat::addStatusLine);
    connect(m_connection, &HostConnection::connectFailed, this, &Tchat::firstConnectFailed);
    connect(m_connection, &HostConnection::leadChanged, this, &Tchat::leadChanged);
    // A rejoin, automatic or by hand and after a restart too, presents it.
    connect(m_connection, &HostConnection::resumeTokenChanged, this, [this](const QString &token) {
        if (!m_host) // this copy's own host ends with it
            Settings::storeResumeToken(m_options->settingsFolder(), m_connection->hostAddress(),
                                       m_connection->port(), token);
    });
    m_clientGame = new ClientGame(*m_connection, this);

    m_board = new PlayerBoard(board, m_clientGame->seats());
    connect(m_board, &PlayerBoard::removeRequested, this, &Tchat::kicking);
    connect(m_board, &PlayerBoard::watchRequested, m_clientGame, &ClientGame::setToWatch);
    m_chat = new ChatPanel(board);
    wireChat();
    m_options = new OptionsController(*this, *m_chat, this);

    auto *logo = new TClickLabel(board);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(6, 496, 202, 24);
    logo->setPixmap(Pictures::load(QStringLiteral(":/pictures/logo_small.png")));
    logo->setScaledContents(true);
    connect(logo, &TClickLabel::clicked, this, [this] {
        if (m_windows.openMakerSite)
            m_windows.openMakerSite();
    });

    buildMenus();
    m_game = new GamePanels(board, *m_clientGame, this);
    m_game->setChatEntry(m_chat->entry());
    connect(m_game, &GamePanels::startRequested, this, &Tchat::button_startClick);
    m_spylist = new Tspylist(this);
    m_spylist->setKicking([this](int seat) { kicking(seat); });
    wireGame();
    setLeading(false);
    updateJustWatch();

    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(OptionsController::DefaultBounds.topLeft());
}

Tchat::~Tchat()
{
    // The game panels talk to this window: they go while it is still whole.
    delete m_game;
    m_game = nullptr;
}

void Tchat::setSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    m_sounds = std::move(player);
}

void Tchat::setSettingsFolder(const QString &folder)
{
    m_options->setSettingsFolder(folder);
}

void Tchat::showMessage(const QString &text)
{
    if (m_messageBox)
        m_messageBox(text);
}

void Tchat::setLeading(bool leads)
{
    m_host = leads;
    m_board->setLeading(leads);
}

void Tchat::wireGame()
{
    ClientGame *game = m_clientGame;
    connect(game, &ClientGame::statusLine, this, &Tchat::addStatusLine);
    connect(game, &ClientGame::cue, this, &Tchat::playsounds);
    connect(game, &ClientGame::chatLine, m_chat, &ChatPanel::addLine);
    connect(game, &ClientGame::chatterSound, this, &Tchat::chatterSound);
    connect(game, &ClientGame::joined, m_options, &OptionsController::load);
    connect(game, &ClientGame::spectatorsChanged, this,
            [this] { m_spylist->showSpies(m_clientGame->spectators()); });
    connect(game, &ClientGame::watchingChanged, this, &Tchat::ownWatchingChanged);
    connect(game, &ClientGame::refused, this, [this] {
        m_connection->timer()->stop();
        showMessage(QStringLiteral("Game is full"));
        close();
    });
    // A game start unchecks "Just Watch"; a game begun or over opens or closes it.
    connect(game, &ClientGame::gameStarted, this, [this] {
        m_justWatch->setChecked(false);
        updateJustWatch();
    });
    connect(game, &ClientGame::runningChanged, this, &Tchat::updateJustWatch);
    connect(game, &ClientGame::gameWon, this, &Tchat::gameWon);
}

// ---------------------------------------------------------------- context

void Tchat::sendToHost(const QByteArray &message)
{
    m_connection->send(message);
}

void Tchat::playsounds(const QString &name)
{
    if (m_options->playSounds() && m_sounds)
        m_sounds->play(name);
}

void Tchat::addStatusLine(const QString &text)
{
    m_chat->addLine(ChatLine::status(text));
}

void Tchat::button_startClick()
{
    if (!isConnected()) {
        showMessage(QStringLiteral("You are not connected"));
        return;
    }
    // A new game wipes everybody's scores: the leader confirms it first.
    if (m_clientGame->isRunning()
        && !m_askQuestion(
            QStringLiteral("A game is running: end it and start a new one? Scores go back to 0.")))
        return;
    showWindow(m_windows.gamestart);
}

void Tchat::gameWon(const QString &winner, bool ownSeatWon)
{
    if (m_host)
        m_game->setHostControlsVisible(true);
    // The tally's word for a game the player won.
    if (PlayerSeats::isPlayingSeat(ownSeat()))
        recordGame(ownSeatWon ? QStringLiteral("addtomine") : winner);
}

void Tchat::recordGame(const QString &winner)
{
    if (m_windows.recordGame)
        m_windows.recordGame(winner);
    else if (m_windows.tallylist)
        m_windows.tallylist->addgame(winner);
}

void Tchat::updateJustWatch()
{
    // The host lets a player begin watching only while a game runs, and stop at any time.
    m_justWatch->setEnabled(m_clientGame->isRunning() || m_justWatch->isChecked());
}

// ---------------------------------------------------------------- start and connection

void Tchat::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_options->open();
    processparams();
}

void Tchat::processparams()
{
    m_game->setHostControlsVisible(false);
    m_startGame->setEnabled(false);
    if (m_arguments.isEmpty()) {
        if (m_windows.start) {
            NewGame1Click();
            return;
        }
        showWindow(m_windows.download);
        StartChoice solo;
        solo.name = StartWindow::SoloName;
        beginGame(solo);
        return;
    }
    addStatusLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    m_playerName = m_arguments.value(0).trimmed().left(GameFacts::MaxNameLength);
    m_hostAddress = m_arguments.value(1);
    const bool hosting = m_arguments.value(2) == QLatin1String("true");
    const QString refusal = m_playerName.isEmpty() ? QStringLiteral("The player name is empty.")
        : !hosting && m_hostAddress.trimmed().isEmpty()
        ? QStringLiteral("The host's address is missing.")
        : QString();
    if (!refusal.isEmpty()) {
        showMessage(refusal
                    + QStringLiteral(" Start the game as: lexiburst NAME HOST [true|false]"));
        // Not from inside the first showing.
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    // Without a third parameter the player joins, as with "false".
    if (hosting)
        hostpress();
    else
        joinpress();
    m_connection->openLobby(m_lobbyPort);
}

void Tchat::NewGame1Click()
{
    if (!m_gameBegun)
        showWindow(m_windows.start);
}

void Tchat::gameBegun()
{
    m_gameBegun = true;
    m_newGame->setEnabled(false);
}

void Tchat::beginGame(const StartChoice &choice)
{
    if (m_gameBegun)
        return;
    m_playerName = choice.name.trimmed().left(GameFacts::MaxNameLength);
    if (m_options)
        m_options->showBotSkill(choice.botSkill);
    if (choice.kind == StartChoice::Kind::Solo) {
        addStatusLine(QStringLiteral("Loading Solo Game..Please wait."));
        m_botCount = choice.botCount;
        m_hostAddress = Loopback;
        m_solo = true;
        hostpress();
        return;
    }
    addStatusLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    m_port = choice.port;
    if (choice.kind == StartChoice::Kind::Host) {
        m_webPort = choice.webPort;
        hostpress();
        return;
    }
    m_hostAddress = choice.address;
    joinpress();
}

QString Tchat::openHostPort()
{
    if (!m_windows.startListening)
        return {};
    const QString problem = m_windows.startListening(m_port, m_solo);
    if (problem.isEmpty() || !m_solo)
        return problem;
    // The usual port is taken, e.g. by a dedicated host on this computer.
    for (int port = m_port + 1; port <= std::min(m_port + SoloPortTries, 0xFFFF); ++port) {
        if (m_windows.startListening(quint16(port), true).isEmpty()) {
            m_port = quint16(port);
            return {};
        }
    }
    return problem;
}

void Tchat::hostpress()
{
    const QString problem = openHostPort();
    if (!problem.isEmpty()) {
        addStatusLine(problem);
        // A player who came through the start window chooses again there.
        if (cameThroughStartWindow())
            m_windows.start->showProblem(problem);
        return;
    }
    gameBegun();
    setLeading(true);
    m_connection->setPlayerName(m_playerName);
    m_connection->connectTo(Loopback, m_port);
    m_game->setHostControlsVisible(true);
    m_startGame->setEnabled(true);
    m_spylist->popup_kickhim->setEnabled(true);
    if (!m_solo) {
        announceJoinAddresses();
        m_hostsForFriends = true;
        openWebPage();
    }
}

void Tchat::leadChanged(bool leads)
{
    // The seat that leads the game gets the host's controls, on whichever copy.
    setLeading(leads);
    if (!m_clientGame->isRunning())
        m_game->setHostControlsVisible(leads);
    m_startGame->setEnabled(leads);
    m_spylist->popup_kickhim->setEnabled(leads);
}

void Tchat::joinpress()
{
    gameBegun();
    // A mistyped address goes back to the start window rather than being tried for minutes.
    m_connection->setRetryUnreachedHost(!cameThroughStartWindow());
    m_connection->setPlayerName(m_playerName);
    m_connection->setResumeToken(
        Settings::resumeToken(m_options->settingsFolder(), m_hostAddress, m_port));
    m_connection->connectTo(m_hostAddress, m_port);
    m_game->setHostControlsVisible(false);
    m_startGame->setEnabled(false);
}

bool Tchat::cameThroughStartWindow() const
{
    return m_windows.start && m_arguments.isEmpty();
}

void Tchat::firstConnectFailed(const QString &reason)
{
    if (m_host || m_connection->wasEverSignedIn() || !cameThroughStartWindow())
        return;
    m_gameBegun = false;
    m_newGame->setEnabled(true);
    m_windows.start->showProblem(HostConnection::unreachedText(m_hostAddress, reason));
}

// ---------------------------------------------------------------- closing

void Tchat::closeEvent(QCloseEvent *event)
{
    m_options->saveBounds();
    event->accept();
    emit closed();
}

// ---------------------------------------------------------------- seats

void Tchat::ownWatchingChanged(int seat, bool watching)
{
    if (seat != ownSeat())
        return;
    m_justWatch->setChecked(watching);
    updateJustWatch();
}

void Tchat::JustWatch1Click()
{
    m_clientGame->watch(!m_justWatch->isChecked());
}

void Tchat::kicking(int seat)
{
    if (!m_host)
        return;
    const QString name = PlayerSeats::isPlayingSeat(seat) ? m_clientGame->seatName(seat)
                                                          : m_clientGame->spectators().value(seat);
    if (m_askQuestion && m_askQuestion(QStringLiteral("Remove %1 from the game?").arg(name)))
        m_clientGame->remove(seat);
}

void Tchat::loadchecklist()
{
    if (m_windows.tallylist)
        m_windows.tallylist->loadchecklist(otherSeatedPlayers());
}

QStringList Tchat::otherSeatedPlayers() const
{
    return seats().otherNames(ownSeat());
}

// ---------------------------------------------------------------- chat

void Tchat::wireChat()
{
    connect(m_chat, &ChatPanel::textEntered, this, [this](const QString &text) {
        if (m_clientGame->chat(text, toRgb(m_chat->textColour())))
            m_chat->clearEntry();
    });
    connect(m_chat, &ChatPanel::phraseSaid, this, [this](const QString &phrase) {
        m_clientGame->sayPhrase(phrase, toRgb(m_chat->textColour()));
    });
    connect(m_chat, &ChatPanel::chatterSoundChosen, m_clientGame, &ClientGame::playChatterSound);
    connect(m_chat, &ChatPanel::linkOpened, this, [this](const QUrl &url) {
        // The desktop judges the address; its answer is not checked.
        if (m_urlOpener)
            m_urlOpener(url);
    });
    connect(m_chat, &ChatPanel::linkLost, this,
            [this] { showMessage(QStringLiteral("Cannot open Webpage")); });
}

void Tchat::chatterSound(int seat, const QString &sound)
{
    if (m_options->playerPhraseSounds()) {
        if (m_sounds)
            m_sounds->play(sound);
        return;
    }
    if (!PlayerSeats::isPlayingSeat(seat))
        return;
    const QString title = m_chat->chatterSoundTitle(sound);
    if (!title.isEmpty())
        m_chat->addLine({seat, ChatLine::StatusColour,
                         seats().name(seat) + QStringLiteral(": <Chatter Sound> ") + title});
}
