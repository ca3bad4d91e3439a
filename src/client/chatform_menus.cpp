// The main window's menus bar and the side windows it opens and wires.
#include "client/chatform.h"

#include "client/ChatPanel.h"
#include "client/GamePanels.h"
#include "client/OptionsController.h"
#include "windows/SideWindow.h"
#include "windows/gamestartform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"
#include "windows/weblinkform.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHostAddress>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *namedItem(QAction *item, const char *name)
{
    item->setObjectName(QLatin1String(name));
    return item;
}

} // namespace

void Tchat::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    m_newGame = namedItem(
        file->addAction(QStringLiteral("Play Solo, Host or Join..."), this, &Tchat::NewGame1Click),
        "NewGame1");
    m_newGame->setVisible(false);
    m_startGame = namedItem(file->addAction(QStringLiteral("Start Game")), "StartGame1");
    m_startGame->setEnabled(false);
    connect(m_startGame, &QAction::triggered, this, [this] { button_startClick(); });
    // Shown once this copy hosts a game friends can join.
    m_copyJoin
        = namedItem(file->addAction(QStringLiteral("Copy Join Address")), "CopyJoinAddress1");
    m_copyJoin->setVisible(false);
    file->addSeparator();
    namedItem(file->addAction(QStringLiteral("Exit"), this, &QWidget::close), "Exit1");

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    m_options->fillMenu(options);
    options->addSeparator();
    namedItem(options->addAction(QStringLiteral("Friends Join from a Browser..."), this,
                                 [this] { showWindow(m_windows.weblink); }),
              "WebLink1");
    m_justWatch = namedItem(options->addAction(QStringLiteral("Just Watch")), "JustWatch1");
    m_justWatch->setCheckable(true);
    connect(m_justWatch, &QAction::triggered, this, [this](bool checked) {
        // Only the host's answer moves the check mark.
        m_justWatch->setChecked(!checked);
        JustWatch1Click();
    });

    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    namedItem(view->addAction(QStringLiteral("View Tally"), this, &Tchat::ViewTally1Click),
              "ViewTally1");
    namedItem(view->addAction(QStringLiteral("Spy List"), this, [this] { showWindow(m_spylist); }),
              "SpyList1");
    namedItem(view->addAction(QStringLiteral("Phrase List"), this, &Tchat::PrhaseList1Click),
              "PrhaseList1");
    namedItem(view->addAction(QStringLiteral("Category Addition"), this,
                              [this] { showWindow(m_windows.additionalcats); }),
              "CategoryAddition1");

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    namedItem(help->addAction(QStringLiteral("Content"), this, &Tchat::Help2Click), "Help2")
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    namedItem(help->addAction(QStringLiteral("About"), this, &Tchat::About1Click), "About1");
}

void Tchat::setWindows(const ChatWindows &windows)
{
    m_windows = windows;
    if (Tgamestart *gamestart = windows.gamestart) {
        gamestart->setMainWindow(this);
        gamestart->setPlayerNameSource([this] { return m_playerName; });
        connect(gamestart, &Tgamestart::sendToHost, this, &Tchat::sendToHost);
        connect(gamestart, &Tgamestart::saveSettings, m_options, &OptionsController::save);
    }
    m_options->setGameStart(windows.gamestart);
    if (Ttallylist *tallylist = windows.tallylist)
        tallylist->setSeatedPlayers([this] { return otherSeatedPlayers(); });
    if (Tphrases *phrases = windows.phrases) {
        connect(phrases, &Tphrases::phrasesChanged, this, [this](const QStringList &texts) {
            for (int button = 1; button <= ChatPanel::PhraseCount; ++button)
                m_chat->setPhrase(button, texts.value(button - 1));
        });
    }
    if (Tweblink *weblink = windows.weblink) {
        weblink->setWebPort(m_webPort);
        connect(weblink, &Tweblink::webPortChosen, this, [this](quint16 port) {
            m_webPort = port;
            if (m_hostsForFriends)
                openWebPage();
        });
    }
    if (StartWindow *start = windows.start) {
        m_newGame->setVisible(true);
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

void Tchat::showWindow(QWidget *window)
{
    if (!window)
        return;
    // A side window opens over the main window; one already open stays put.
    if (window->isHidden() && window != m_spylist && window != m_windows.download)
        SideWindow::centreOver(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::Help2Click()
{
    showWindow(m_windows.help);
}

void Tchat::About1Click()
{
    showWindow(m_windows.about);
}

void Tchat::ViewTally1Click()
{
    loadchecklist();
    showWindow(m_windows.tallylist);
}

void Tchat::PrhaseList1Click()
{
    if (!m_windows.phrases)
        return;
    m_windows.phrases->setPhrases(m_chat->phrases());
    showWindow(m_windows.phrases);
}

void Tchat::openWebPage()
{
    if (!m_windows.startWebListening || !m_windows.weblink)
        return;
    const QStringList lines
        = m_windows.weblink->openPage(m_webPort, m_windows.startWebListening, m_machineAddresses());
    for (const QString &line : lines)
        addStatusLine(line);
}

void Tchat::announceJoinAddresses()
{
    QStringList addresses;
    for (const QHostAddress &address : m_machineAddresses())
        addresses.append(StartWindow::joinText(address.toString(), m_port));
    if (addresses.isEmpty()) {
        addStatusLine(QStringLiteral("No network found: only players on this computer can join, "
                                     "at %1.")
                          .arg(StartWindow::joinText(QStringLiteral("127.0.0.1"), m_port)));
        return;
    }
    for (const QString &address : std::as_const(addresses))
        addStatusLine(QStringLiteral("Join address for friends: %1").arg(address));
    // One address is copied at once; several are offered one by one.
    const auto copier = [](const QString &address) {
        return [address] {
            QGuiApplication::clipboard()->setText(address);
        };
    };
    m_copyJoin->setVisible(true);
    if (addresses.size() == 1) {
        connect(m_copyJoin, &QAction::triggered, this, copier(addresses.first()));
        return;
    }
    auto *choices = new QMenu(this);
    for (const QString &address : std::as_const(addresses))
        choices->addAction(address, this, copier(address));
    m_copyJoin->setMenu(choices);
}
