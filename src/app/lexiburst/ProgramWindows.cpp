#include "ProgramWindows.h"

#include "client/chatform.h"
#include "windows/spylistform.h"

#if __has_include("windows/aboutform.h")
#include "windows/aboutform.h"
#define LEXIBURST_HAS_ABOUT 1
#endif
#if __has_include("windows/helpform.h")
#include "windows/helpform.h"
#define LEXIBURST_HAS_HELP 1
#endif
#if __has_include("host/serverform.h")
#include "host/GameRandom.h"
#include "host/HostOptions.h"
#include "host/serverform.h"
#define LEXIBURST_HAS_HOST 1
#endif

struct ProgramWindows::Parts
{
#ifdef LEXIBURST_HAS_ABOUT
    Tabout about;
#endif
    Tspylist spylist;
#ifdef LEXIBURST_HAS_HELP
    Thelp help;
#endif
#ifdef LEXIBURST_HAS_HOST
    GameRandom random = GameRandom::fromClock();
    TServer server{HostOptions::fromEnvironment(), random};
#endif
};

ProgramWindows::ProgramWindows(const QStringList &arguments)
    : m_chat(std::make_unique<Tchat>()), m_parts(std::make_unique<Parts>())
{
    ChatWindows windows;
    windows.spylist = &m_parts->spylist;
#ifdef LEXIBURST_HAS_ABOUT
    windows.about = &m_parts->about;
    windows.openMakerSite = [this] { m_parts->about.label_urlClick(); };
#endif
#ifdef LEXIBURST_HAS_HELP
    windows.help = &m_parts->help;
#endif
#ifdef LEXIBURST_HAS_HOST
    windows.startListening = [this] { return m_parts->server.startListening(); };
#endif
    m_chat->setWindows(windows);
    m_chat->setArguments(arguments);
}

ProgramWindows::~ProgramWindows()
{
    // The main window goes first: its sockets close before the host's.
    m_chat.reset();
}
