#include "ProgramWindows.h"

#include "client/chatform.h"
#include "windows/aboutform.h"
#include "windows/additioncatsform.h"
#include "windows/downloadform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"

#include "host/HostOptions.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "storage/HomeFolder.h"

#include <QPixmap>

// The windows after the main one, in the order the program creates them.
struct ProgramWindows::Parts
{
    Tabout about;
    Tspylist spylist;
    Thelp help;
    Tgamestart gamestart;
    Tphrases phrases;
    Tdownload download;
    Ttallylist tallylist;
    GameRandom random = GameRandom::fromClock();
    TServer server {HostOptions::fromEnvironment(), random};
    Tadditionalcats additionalcats;
    StartWindow start;
};

ProgramWindows::ProgramWindows(const QStringList &arguments)
    : m_chat(std::make_unique<Tchat>()), m_parts(std::make_unique<Parts>())
{
    Parts &parts = *m_parts;
    // Every side window shows the main window's background picture.
    const QPixmap background(QStringLiteral(":/pictures/background.jpg"));
    parts.about.setBackgroundPicture(background);
    parts.help.setBackgroundPicture(background);
    parts.phrases.setBackgroundPicture(background);
    parts.download.setBackgroundPicture(background);
    parts.additionalcats.setBackgroundPicture(background);
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
    parts.start.setSettingsFolder(Storage::homeFolder());
    parts.start.setBackgroundPicture(background);
    windows.startListening = [this](quint16 port) {
        return m_parts->server.listenOn(port);
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
}

ProgramWindows::~ProgramWindows()
{
    // The main window goes first: its sockets close before the host's.
    m_chat.reset();
}
