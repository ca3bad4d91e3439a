#include "client/chatform.h"

#include "client/BoardLook.h"
#include "client/ChatView.h"
#include "client/GamePanels.h"
#include "client/SoundPlayer.h"
#include "clientcore/ChatLine.h"
#include "clientcore/HostConnection.h"
#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"
#include "sock/Sock.h"
#include "storage/HomeFolder.h"
#include "storage/Settings.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TClickLabel.h"
#include "windows/SideWindow.h"
#include "windows/gamestartform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using namespace BoardLook;

namespace {

// A phrase button may be used once per this interval.
constexpr int PhraseGateMs = 2000;

const QColor SeatNameColour(0x37, 0x00, 0x00);

constexpr int BoardWidth = 764;

constexpr int BoardHeight = 526;

constexpr int BoardMargin = 4;

constexpr std::array<int, Tchat::SeatCount> SeatRowTop {319, 341, 363, 385, 406, 428, 450, 472};

// Fixed hint texts of the name labels; never shown, but a departing player of
// exactly that name leaves without a line.
const std::array<QString, Tchat::SeatCount> SeatHints {QString(),
                                                       QStringLiteral("Klot"),
                                                       QStringLiteral("Klick"),
                                                       QStringLiteral("Kling"),
                                                       QStringLiteral("Klick"),
                                                       QStringLiteral("Krazy"),
                                                       QStringLiteral("Klick"),
                                                       QStringLiteral("Krazy")};

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
    panel_board = new BoardPanel(client);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(BoardMargin / 2, BoardMargin / 2, BoardWidth, BoardHeight);

    m_sounds = std::make_unique<EffectSoundPlayer>();
    m_urlOpener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    m_messageBox = [this](const QString &text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    m_port = portFromEnvironment();

    m_connection = new HostConnection(this);
    m_connection->gameSocket()->setPortName(QString::number(m_port));
    // The host hung up and what it said before is handled: the player reads
    // why, then the program ends.
    connect(m_connection, &HostConnection::closed, this, [this] {
        if (!isVisible())
            return;
        QTimer::singleShot(HostClosedPauseMs, this, &QWidget::close);
    });
    connect(m_connection, &HostConnection::statusLine, this, &Tchat::addStatusLine);
    connect(m_connection, &HostConnection::leadChanged, this, &Tchat::leadChanged);
    connect(m_connection, &HostConnection::playerBack, this, [this](int seat, const QString &name) {
        if (!seatIsPlaying(seat))
            return;
        label_playername[std::size_t(seat - 1)]->setText(name);
        label_playername[std::size_t(seat - 1)]->show();
        label_score[std::size_t(seat - 1)]->show();
    });
    m_phraseGate = new QTimer(this);
    m_phraseGate->setSingleShot(true);
    m_phraseGate->setInterval(PhraseGateMs);
    connect(m_phraseGate, &QTimer::timeout, this, &Tchat::phraseGateTimer);

    buildBoard();
    buildChat();
    buildMenus();
    m_game = new GamePanels(panel_board, *this, this);
    m_game->setMessageBox([this](const QString &text) { showMessage(text); });
    m_spylist = new Tspylist(this);
    m_spylist->setKicking([this](int seat) { kicking(seat); });
    registerCommands();
    FormCreate();

    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(DefaultLeft, DefaultTop);
}

Tchat::~Tchat()
{
    // The game panels talk to this window: they go while it is still whole.
    delete m_game;
    m_game = nullptr;
}

quint16 Tchat::portFromEnvironment()
{
    bool ok = false;
    const uint port = qEnvironmentVariable("LEXIBURST_PORT").toUInt(&ok);
    return ok && port > 0 && port <= 0xFFFF ? quint16(port) : DefaultPort;
}

void Tchat::setWindows(const ChatWindows &windows)
{
    m_windows = windows;
    if (Tgamestart *gamestart = windows.gamestart) {
        gamestart->setMainWindow(this);
        gamestart->setPlayerNameSource([this] { return m_playerName; });
        connect(gamestart, &Tgamestart::sendToHost, this, &Tchat::sendToHost);
        connect(gamestart, &Tgamestart::saveSettings, this, &Tchat::saveinifile);
    }
    if (Ttallylist *tallylist = windows.tallylist)
        tallylist->setSeatedPlayers([this] { return otherSeatedPlayers(); });
    if (Tphrases *phrases = windows.phrases) {
        connect(phrases, &Tphrases::phrasesChanged, this, [this](const QStringList &texts) {
            for (int button = 1; button <= PhraseCount; ++button)
                setPhrase(button, texts.value(button - 1));
        });
    }
    if (StartWindow *start = windows.start) {
        NewGame1->setVisible(true);
        connect(start, &StartWindow::chosen, this, &Tchat::beginGame);
        connect(start, &StartWindow::lobbyRequested, this,
                [this] { showWindow(m_windows.download); });
    }
    if (windows.spylist && windows.spylist != m_spylist) {
        delete m_spylist;
        m_spylist = windows.spylist;
        m_spylist->setKicking([this](int seat) { kicking(seat); });
    }
}

void Tchat::setSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    m_sounds = std::move(player);
}

void Tchat::setMessageBox(std::function<void(const QString &)> show)
{
    m_messageBox = std::move(show);
    m_game->setMessageBox([this](const QString &text) { showMessage(text); });
}

void Tchat::showMessage(const QString &text)
{
    if (m_messageBox)
        m_messageBox(text);
}

void Tchat::FormCreate()
{
    m_phraseGateOpen = true;
    m_systemLineColour = QColor(0x00, 0x00, 0xFF);
    m_game->clearall();
    m_host = false;
}

// ---------------------------------------------------------------- controls

void Tchat::buildBoard()
{
    for (int i = 0; i < SeatCount; ++i) {
        const int seat = i + 1;
        const int top = SeatRowTop[std::size_t(i)];
        // Names, scores and bonuses are the host's and other players' text.
        auto *name = new QLabel(Waiting, panel_board);
        name->setTextFormat(Qt::PlainText);
        name->setObjectName(QStringLiteral("label_playername%1").arg(seat));
        name->setGeometry(10, top, 121, 16);
        name->setFont(arial(13, true));
        name->setProperty("Tag", seat);
        name->setProperty("hint", SeatHints[std::size_t(i)]);
        name->setContextMenuPolicy(Qt::CustomContextMenu);
        QPalette pal = name->palette();
        pal.setColor(QPalette::WindowText, SeatNameColour);
        name->setPalette(pal);
        connect(name, &QWidget::customContextMenuRequested, this,
                [this, seat, name](const QPoint &pos) {
                    label_playername1ContextPopup(seat);
                    popup_kick->popup(name->mapToGlobal(pos));
                });
        label_playername[std::size_t(i)] = name;

        auto *score = new QLabel(QStringLiteral("0"), panel_board);
        score->setTextFormat(Qt::PlainText);
        score->setObjectName(QStringLiteral("label_score%1").arg(seat));
        score->setGeometry(137, top, 40, 16);
        score->setFont(arial(13, true));
        score->setPalette(pal);
        label_score[std::size_t(i)] = score;

        auto *bonus = new QLabel(QStringLiteral("0"), panel_board);
        bonus->setTextFormat(Qt::PlainText);
        bonus->setObjectName(QStringLiteral("label_bonus%1").arg(seat));
        bonus->setGeometry(179, top, 40, 16);
        bonus->setFont(arial(13, true));
        bonus->setPalette(pal);
        label_bonus[std::size_t(i)] = bonus;

        auto *eyes = new QLabel(panel_board);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(seat));
        eyes->setGeometry(4, top + 1, 18, 10);
        eyes->setPixmap(Pictures::load(QStringLiteral(":/pictures/eyes.png")));
        eyes->setScaledContents(true);
        eyes->hide();
        image_eyes[std::size_t(i)] = eyes;
    }
    // The eyes lie over the start of the name.
    for (QLabel *eyes : image_eyes)
        eyes->raise();

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = popup_kick->addAction(QStringLiteral("Remove From Game"));
    RemoveFromGame1->setObjectName(QStringLiteral("RemoveFromGame1"));
    SettoJustWatch1 = popup_kick->addAction(QStringLiteral("Set to Just Watch"));
    SettoJustWatch1->setObjectName(QStringLiteral("SettoJustWatch1"));
    UnsetJustWatch1 = popup_kick->addAction(QStringLiteral("Unset Just Watch"));
    UnsetJustWatch1->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(RemoveFromGame1, &QAction::triggered, this, &Tchat::RemoveFromGame1Click);
    connect(SettoJustWatch1, &QAction::triggered, this, &Tchat::SettoJustWatch1Click);
    connect(UnsetJustWatch1, &QAction::triggered, this, &Tchat::UnsetJustWatch1Click);

    auto *logo = new TClickLabel(panel_board);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(6, 496, 202, 24);
    logo->setPixmap(Pictures::load(QStringLiteral(":/pictures/logo_small.png")));
    logo->setScaledContents(true);
    connect(logo, &TClickLabel::clicked, this, &Tchat::image_logoClick);
    image_logo = logo;
}

void Tchat::route(const QString &name, void (Tchat::*handler)(const QString &))
{
    m_connection->on(name,
                     [this, handler](const QString &argument, int) { (this->*handler)(argument); });
}

void Tchat::routeToGame(const QString &name, void (GamePanels::*handler)(const QString &))
{
    GamePanels *panels = m_game;
    m_connection->on(
        name, [panels, handler](const QString &argument, int) { (panels->*handler)(argument); });
}

void Tchat::registerCommands()
{
    // Registered in the order the dispatcher tests the names.
    // "CMD_sendlogininfo" is the connection's own.
    route(QStringLiteral("CMD_chat"), &Tchat::chatrecieved);
    route(QStringLiteral("CMD_action"), &Tchat::chatrecieved);
    route(QStringLiteral("CMD_playasound"), &Tchat::playasound);
    route(QStringLiteral("CMD_newplayerinfo"), &Tchat::newplayerinfo);
    m_connection->on(QStringLiteral("CMD_havewrongversion"), [this](const QString &name, int) {
        addStatusLine(name + QStringLiteral(" has a different version of the game then you."));
    });
    m_connection->on(QStringLiteral("CMD_wrongversion"), [this](const QString &, int) {
        addStatusLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    route(QStringLiteral("CMD_existingplayers"), &Tchat::newplayerinfo);
    route(QStringLiteral("CMD_playerdisconnected"), &Tchat::playerdisconnected);
    m_connection->on(QStringLiteral("CMD_full"), [this](const QString &, int) {
        m_connection->timer()->stop();
        showMessage(QStringLiteral("Game is full"));
        close();
    });
    route(QStringLiteral("CMD_justwatching"), &Tchat::justwatching);
    routeToGame(QStringLiteral("CMD_startgame"), &GamePanels::startthegame);
    routeToGame(QStringLiteral("CMD_winner"), &GamePanels::winner);
    routeToGame(QStringLiteral("CMD_startround"), &GamePanels::startround);
    routeToGame(QStringLiteral("CMD_endround"), &GamePanels::endround);
    routeToGame(QStringLiteral("CMD_showcat"), &GamePanels::showcat);
    routeToGame(QStringLiteral("CMD_postscores"), &GamePanels::postscores);
    routeToGame(QStringLiteral("CMD_noanswers"), &GamePanels::noanswers);
    routeToGame(QStringLiteral("CMD_roundover"), &GamePanels::roundover);
    routeToGame(QStringLiteral("CMD_gamestats"), &GamePanels::gamestats);
    routeToGame(QStringLiteral("CMD_oneanswer"), &GamePanels::oneanswer);
    routeToGame(QStringLiteral("CMD_tiegame"), &GamePanels::tiegame);
    Q_ASSERT(m_connection->commandNames() == Protocol::clientCommands());
}

void Tchat::Exit1Click()
{
    close();
}

void Tchat::SpyList1Click()
{
    showWindow(m_spylist);
}

void Tchat::CategoryAddition1Click()
{
    showWindow(m_windows.additionalcats);
}

void Tchat::Help2Click()
{
    showWindow(m_windows.help);
}

void Tchat::About1Click()
{
    showWindow(m_windows.about);
}

void Tchat::image_logoClick()
{
    if (m_windows.openMakerSite)
        m_windows.openMakerSite();
}

void Tchat::PlaySounds1Click()
{
    saveinifile();
}

void Tchat::PlayerPhraseSounds1Click()
{
    saveinifile();
}

void Tchat::b_phrase10MouseUp()
{
    popupAtBottomRight(popup_sounds, b_phrase10);
}

void Tchat::button_simliesClick()
{
    popupAtBottomRight(popup_smilies, button_simlies);
}

void Tchat::showWindow(QWidget *window)
{
    if (!window)
        return;
    // A side window opens over the main window; one already open stays put.
    if (window->isHidden() && window != m_spylist && window != m_windows.download
        && window != m_windows.additionalcats)
        SideWindow::centreOver(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::popupAtBottomRight(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
}

// ---------------------------------------------------------------- context

QLabel *Tchat::playerNameLabel(int n) const
{
    return seatIsPlaying(n) ? label_playername[std::size_t(n - 1)] : nullptr;
}

QLabel *Tchat::scoreLabel(int n) const
{
    return seatIsPlaying(n) ? label_score[std::size_t(n - 1)] : nullptr;
}

QLabel *Tchat::bonusLabel(int n) const
{
    return seatIsPlaying(n) ? label_bonus[std::size_t(n - 1)] : nullptr;
}

void Tchat::sendToHost(const QByteArray &message)
{
    m_connection->send(message);
}

void Tchat::playsounds(const QString &name)
{
    if (PlaySounds1->isChecked() && m_sounds)
        m_sounds->play(name);
}

void Tchat::addStatusLine(const QString &text)
{
    addlinetochat(QStringLiteral("0+") + text, m_systemLineColour);
}

void Tchat::showGameStart()
{
    showWindow(m_windows.gamestart);
}

void Tchat::recordGame(const QString &winner)
{
    if (m_windows.recordGame)
        m_windows.recordGame(winner);
    else if (m_windows.tallylist)
        m_windows.tallylist->addgame(winner);
}

QWidget *Tchat::chatEntry() const
{
    return mychat;
}

void Tchat::uncheckJustWatch()
{
    JustWatch1->setChecked(false);
}

// ---------------------------------------------------------------- start and connection

void Tchat::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // What the window starts with: before the file is read, a save writes
    // only what the player changed.
    settingsFile();
    processparams();
}

void Tchat::processparams()
{
    m_game->setHostControlsVisible(false);
    StartGame1->setEnabled(false);
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
    NewGame1->setEnabled(false);
}

void Tchat::beginGame(const StartChoice &choice)
{
    if (m_gameBegun)
        return;
    m_playerName = choice.name.trimmed().left(GameFacts::MaxNameLength);
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
    const QString problem = m_windows.startListening(m_port);
    if (problem.isEmpty() || !m_solo)
        return problem;
    // The usual port is taken, e.g. by a dedicated host on this computer.
    for (int port = m_port + 1; port <= std::min(m_port + SoloPortTries, 0xFFFF); ++port) {
        if (m_windows.startListening(quint16(port)).isEmpty()) {
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
        if (m_windows.start && m_arguments.isEmpty())
            m_windows.start->showProblem(problem);
        return;
    }
    gameBegun();
    m_host = true;
    m_connection->setPlayerName(m_playerName);
    m_connection->connectTo(Loopback, m_port);
    m_game->setHostControlsVisible(true);
    StartGame1->setEnabled(true);
    m_spylist->popup_kickhim->setEnabled(true);
}

void Tchat::leadChanged(bool leads)
{
    // The seat that leads the game gets the host's controls, on whichever copy.
    m_host = leads;
    if (!m_game->gameRunning())
        m_game->setHostControlsVisible(leads);
    StartGame1->setEnabled(leads);
    m_spylist->popup_kickhim->setEnabled(leads);
}

void Tchat::joinpress()
{
    gameBegun();
    m_connection->setPlayerName(m_playerName);
    m_connection->connectTo(m_hostAddress, m_port);
    m_game->setHostControlsVisible(false);
    StartGame1->setEnabled(false);
}

// ---------------------------------------------------------------- closing

void Tchat::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    emit closed();
}

void Tchat::FormClose()
{
    const QRect bounds = frameGeometry();
    if (bounds == m_storedBounds)
        return;
    QRect stored = bounds;
    if (const QScreen *where = screen()) {
        const QRect workArea = where->availableGeometry();
        if (stored.width() > workArea.width())
            stored.setWidth(stored.width() - 15);
        if (stored.height() > workArea.height())
            stored.setHeight(stored.height() - 15);
    }
    setFrameBounds(stored);
    m_storedBounds = stored;
    saveinifile();
}

// ---------------------------------------------------------------- board

void Tchat::newplayerinfo(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    // The rest as it stands is the name, "+" included.
    const QString name = text.mid(text.indexOf(u'+') + 1);
    if (*seat == ownSeat()) {
        addStatusLine(QStringLiteral("You are Connected."));
        loadinifile();
    } else {
        addStatusLine(name + QStringLiteral(" is Connected."));
    }
    if (seatIsPlaying(*seat)) {
        QLabel *label = label_playername[std::size_t(*seat - 1)];
        label->setText(name);
        label->show();
        label_score[std::size_t(*seat - 1)]->show();
    } else if (*seat > SeatCount && *seat <= GameFacts::HighestSeat) {
        m_spylist->addSpy(*seat, name);
        if (*seat == ownSeat())
            addStatusLine(QStringLiteral("You are spying."));
        else
            addStatusLine(name + QStringLiteral(" is spying."));
    }
    playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    const QString name = text.mid(text.indexOf(u'+') + 1);
    if (seatIsPlaying(*seat)) {
        QLabel *label = label_playername[std::size_t(*seat - 1)];
        const QString caption = label->text();
        if (caption != Waiting && caption != label->property("hint").toString())
            addStatusLine(caption + QStringLiteral(" disconnected."));
        label->setText(Waiting);
        image_eyes[std::size_t(*seat - 1)]->hide();
    } else if (*seat > SeatCount && m_spylist->removeSpy(*seat, name)) {
        addStatusLine(name + QStringLiteral(" has left."));
    }
}

void Tchat::justwatching(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat || !seatIsPlaying(*seat))
        return;
    const QString name = label_playername[std::size_t(*seat - 1)]->text();
    QLabel *eyes = image_eyes[std::size_t(*seat - 1)];
    if (fields.rest() == QLatin1String("1")) {
        if (*seat == ownSeat())
            JustWatch1->setChecked(true);
        addStatusLine(name + QStringLiteral(" is just watching"));
        eyes->show();
    } else {
        if (*seat == ownSeat())
            JustWatch1->setChecked(false);
        addStatusLine(name + QStringLiteral(" is now playing again"));
        eyes->hide();
    }
}

void Tchat::JustWatch1Click()
{
    if (!isConnected() || ownSeat() > SeatCount)
        return;
    sendToHost(Protocol::Msg::justwatch(ownSeat(), !JustWatch1->isChecked()));
}

void Tchat::label_playername1ContextPopup(int seat)
{
    RemoveFromGame1->setEnabled(m_host);
    SettoJustWatch1->setEnabled(m_host);
    UnsetJustWatch1->setEnabled(m_host);
    if (const QLabel *label = playerNameLabel(seat); label && label->text() == Waiting)
        RemoveFromGame1->setEnabled(false);
    m_kickTag = seat;
}

void Tchat::RemoveFromGame1Click()
{
    kicking(m_kickTag);
}

void Tchat::kicking(int seat)
{
    if (m_host && isConnected())
        sendToHost(Protocol::Msg::kickhim(ownSeat(), seat));
}

void Tchat::SettoJustWatch1Click()
{
    if (isConnected() && m_kickTag <= SeatCount)
        sendToHost(Protocol::Msg::justwatch(m_kickTag, true));
}

void Tchat::UnsetJustWatch1Click()
{
    if (isConnected() && m_kickTag <= SeatCount)
        sendToHost(Protocol::Msg::justwatch(m_kickTag, false));
}

void Tchat::ViewTally1Click()
{
    loadchecklist();
    showWindow(m_windows.tallylist);
}

void Tchat::loadchecklist()
{
    if (m_windows.tallylist)
        m_windows.tallylist->loadchecklist(otherSeatedPlayers());
}

QStringList Tchat::otherSeatedPlayers() const
{
    QStringList names;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const QString caption = label_playername[std::size_t(seat - 1)]->text();
        if (seat != ownSeat() && caption != Waiting)
            names.append(caption);
    }
    return names;
}
