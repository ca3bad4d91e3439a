#include "ProgramWindows.h"

#include "client/chatform.h"
#include "windows/SideWindow.h"
#include "windows/aboutform.h"
#include "windows/additioncatsform.h"
#include "windows/downloadform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"
#include "windows/weblinkform.h"

#include "bots/AnswerBank.h"
#include "bots/ComputerPlayers.h"
#include "clientcore/LanFinder.h"
#include "host/HostOptions.h"
#include "host/LanAnswerer.h"
#include "host/WebListener.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "storage/HomeFolder.h"

#include <QMenu>
#include <QPixmap>

// The windows after the main one, in the order the program creates them.
struct ProgramWindows::Parts
{
    explicit Parts(const Environment::Knobs &environment)
        : server(hostOptions(environment), random), players(bank, random, environment.secondMs)
    { }
    static HostOptions hostOptions(const Environment::Knobs &environment)
    {
        HostOptions options;
        options.port = environment.port;
        options.secondMs = environment.secondMs;
        return options;
    }

    Tabout about;
    Tspylist spylist;
    Thelp help;
    Tgamestart gamestart;
    Tphrases phrases;
    Tdownload download;
    Ttallylist tallylist;
    GameRandom random = GameRandom::fromClock();
    TServer server;
    // The hosted game answers players looking for games on the network.
    HostBeacon beacon {server, HostBeacon::newId([this](int n) { return random.bounded(n); })};
    LanFinder lanFinder;
    Tadditionalcats additionalcats;
    // Browsers join a game hosted for friends here.
    WebListener web {[this](QWebSocket *socket) {
        server.acceptWeb(socket);
    }};
    Tweblink weblink;
    StartWindow start;
    // Computer players run here, each on its own connection to this copy's host.
    AnswerBank bank = AnswerBank::fromResource();
    ComputerPlayers players;
    QAction *addPlayer = nullptr;
    QAction *removePlayer = nullptr;
    bool soloSeated = false;
};

ProgramWindows::ProgramWindows(const QStringList &arguments, const Environment::Knobs &environment)
    : m_chat(std::make_unique<Tchat>()), m_parts(std::make_unique<Parts>(environment))
{
    Parts &parts = *m_parts;
    m_chat->setPort(environment.port);
    m_chat->setWebPort(Environment::webPort(environment.webPort, environment.port));
    m_chat->connection().setSecondMs(environment.secondMs);
    if (!environment.lobbyUrl.isEmpty())
        parts.download.setInstallerUrl(QUrl(environment.lobbyUrl));
    if (!environment.lobbyPath.isEmpty())
        parts.download.setLobbyPath(environment.lobbyPath);
    // Every side window shows the main window's background picture.
    const QPixmap background = SideWindow::backgroundPicture();
    parts.about.setBackgroundPicture(background);
    parts.help.setBackgroundPicture(background);
    parts.phrases.setBackgroundPicture(background);
    parts.download.setBackgroundPicture(background);
    parts.additionalcats.setBackgroundPicture(background);
    parts.weblink.setBackgroundPicture(background);
    parts.tallylist.setBackgroundPicture(background);

    ChatWindows windows;
    windows.about = &parts.about;
    windows.spylist = &parts.spylist;
    windows.help = &parts.help;
    windows.gamestart = &parts.gamestart;
    windows.phrases = &parts.phrases;
    windows.download = &parts.download;
    windows.additionalcats = &parts.additionalcats;
    windows.openMakerSite = [this] {
        m_parts->about.label_urlClick();
    };
    windows.tallylist = &parts.tallylist;
    windows.start = &parts.start;
    parts.start.setStartPort(environment.port);
    parts.start.setStartWebPort(environment.webPort);
    windows.weblink = &parts.weblink;
    windows.startWebListening = [this](quint16 port) {
        WebListener &web = m_parts->web;
        web.stop();
        return port == 0 || web.listen(port, QString()) ? QString() : web.listenProblem();
    };
    parts.start.setSettingsFolder(Storage::homeFolder());
    parts.start.setBackgroundPicture(background);
    if (environment.port != GameFacts::DefaultPort)
        parts.lanFinder.setPorts({GameFacts::DefaultPort, environment.port});
    QObject::connect(&parts.lanFinder, &LanFinder::gamesChanged, &parts.start,
                     [this] { m_parts->start.showLanGames(m_parts->lanFinder.games()); });
    QObject::connect(&parts.start, &StartWindow::shownChanged, &parts.lanFinder,
                     [this](bool shown) {
                         if (shown)
                             m_parts->lanFinder.start();
                         else
                             m_parts->lanFinder.stop();
                     });
    // A solo game is not reachable from the network.
    windows.startListening = [this](quint16 port, bool thisComputerOnly) {
        return m_parts->server.listenOn(port,
                                        thisComputerOnly ? QStringLiteral("127.0.0.1") : QString());
    };
    parts.additionalcats.setAddToList(
        [this](const QString &category) { return m_parts->server.addtolist(category); });
    // The player's own categories join the host's list from the start.
    parts.additionalcats.addlist();
    QObject::connect(&parts.download, &Tdownload::exitRequested, m_chat.get(), &QWidget::close);
    // A failed tally save must not stop a game with a message box: a status line tells.
    QObject::connect(&parts.tallylist, &Ttallylist::saveFailed, m_chat.get(),
                     [this](const QString &text) { m_chat->addStatusLine(text); });
    QObject::connect(&parts.help, &Thelp::aboutRequested, m_chat.get(), &Tchat::About1Click);
    m_chat->setWindows(windows);
    m_chat->setArguments(arguments);
    wireComputerPlayers();
}

ProgramWindows::~ProgramWindows()
{
    // The main window goes first: its sockets close before the host's.
    m_chat.reset();
}

ComputerPlayers &ProgramWindows::computerPlayers()
{
    return m_parts->players;
}

void ProgramWindows::wireComputerPlayers()
{
    Parts &parts = *m_parts;
    parts.players.setNamesOfOthers(
        [this](int seat) { return m_parts->server.namesOfOthers(seat); });
    QMenu *botSpeed = m_chat->findChild<QMenu *>(QStringLiteral("BotSpeed1"));
    for (QAction *item : botSpeed->actions()) {
        QObject::connect(item, &QAction::toggled, &parts.players, [this, item](bool checked) {
            if (checked)
                m_parts->players.setSpeed(botSpeedFromMenuTag(item->data().toInt()));
        });
        if (item->isChecked())
            parts.players.setSpeed(botSpeedFromMenuTag(item->data().toInt()));
    }

    QMenu *botSkill = m_chat->findChild<QMenu *>(QStringLiteral("BotSkill1"));
    for (QAction *item : botSkill->actions()) {
        QObject::connect(item, &QAction::toggled, &parts.players, [this, item](bool checked) {
            if (checked)
                m_parts->players.setSkill(item->data().toInt());
        });
        if (item->isChecked())
            parts.players.setSkill(item->data().toInt());
    }

    // "Options", right after "Bot Skill": only the leading player seats or removes them.
    auto *options = qobject_cast<QMenu *>(botSpeed->parent());
    const QList<QAction *> items = options->actions();
    const qsizetype speedAt = items.indexOf(botSkill->menuAction());
    QAction *before = items.value(speedAt + 1);
    parts.addPlayer = new QAction(QStringLiteral("Add Computer Player"), options);
    parts.addPlayer->setObjectName(QStringLiteral("AddComputerPlayer1"));
    parts.removePlayer = new QAction(QStringLiteral("Remove Computer Player"), options);
    parts.removePlayer->setObjectName(QStringLiteral("RemoveComputerPlayer1"));
    options->insertActions(before, {parts.addPlayer, parts.removePlayer});
    QObject::connect(parts.addPlayer, &QAction::triggered, &parts.players, [this] {
        updateComputerPlayerItems();
        if (m_parts->addPlayer->isEnabled())
            addComputerPlayer();
    });
    QObject::connect(parts.removePlayer, &QAction::triggered, &parts.players, [this] {
        updateComputerPlayerItems();
        if (m_parts->removePlayer->isEnabled())
            m_parts->players.removeOne();
    });
    // The items follow the seats and the lead, so their shortcuts and tests see them right.
    const auto update = [this] {
        updateComputerPlayerItems();
    };
    QObject::connect(options, &QMenu::aboutToShow, &parts.players, update);
    QObject::connect(&m_chat->connection(), &HostConnection::signedIn, &parts.players, update);
    QObject::connect(&parts.players, &ComputerPlayers::countChanged, &parts.players, update);
    QObject::connect(&parts.server, &TServer::playerSignedIn, &parts.players, update);
    QObject::connect(&parts.server, &TServer::playerLeft, &parts.players, update);
    updateComputerPlayerItems();

    // Only once the host has announced this player: computer players connecting
    // earlier would be listed to it before they have names.
    QObject::connect(&parts.server, &TServer::playerSignedIn, &parts.players, [this](int seat) {
        if (seat == m_chat->ownSeat())
            seatSoloPlayers();
    });
}

void ProgramWindows::addComputerPlayer()
{
    // The host listens on the port the player chose at the start.
    m_parts->players.setHost(QStringLiteral("127.0.0.1"), m_parts->server.port());
    m_parts->players.add();
}

void ProgramWindows::updateComputerPlayerItems()
{
    Parts &parts = *m_parts;
    const bool leads = m_chat->isHost() && m_chat->isConnected();
    bool seatFree = false;
    for (int seat = 2; seat <= Protocol::PlayingSeats; ++seat)
        seatFree = seatFree || !parts.server.seat(seat).inUse;
    parts.addPlayer->setEnabled(leads && seatFree
                                && parts.players.count() < ComputerPlayers::MaxPlayers);
    parts.removePlayer->setEnabled(leads && parts.players.count() > 0);
}

void ProgramWindows::seatSoloPlayers()
{
    // Once: a solo game starts with the computer players the start window asked for.
    if (m_parts->soloSeated || !m_chat->isHost())
        return;
    m_parts->soloSeated = true;
    for (int i = 0; i < m_chat->botCount(); ++i)
        addComputerPlayer();
}
