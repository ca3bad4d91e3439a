// Renders the main window during a small solo game with chat, the spy list
// and the other side windows to PNG files: lexiburst-screenshots <folder>.
#include "windows/Screenshots.h"
#include "client/ChatView.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"
#include "windows/spylistform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>

#if __has_include("host/serverform.h")
#include "host/GameRandom.h"
#include "host/HostOptions.h"
#include "host/serverform.h"
#define LEXIBURST_HAS_HOST 1
#endif

#include <functional>
#include <memory>

namespace {

constexpr int WaitMs = 10000;

class SilentSounds : public SoundPlayer
{
public:
    void play(const QString &) override { }
};

bool waitFor(const std::function<bool()> &done)
{
    QDeadlineTimer deadline(WaitMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

std::unique_ptr<Tchat> makeClient(quint16 port, const QStringList &arguments, const QString &home)
{
    auto chat = std::make_unique<Tchat>();
    chat->setSettingsFolder(home);
    chat->setPort(port);
    chat->setLobbyPort(freePort());
    chat->setArguments(arguments);
    chat->setSoundPlayer(std::make_unique<SilentSounds>());
    chat->setMessageBox([](const QString &) {});
    return chat;
}

void say(Tchat &chat, const QString &text)
{
    chat.mychat->setText(text);
    chat.sendit();
}

bool save(QWidget &widget, const QString &path)
{
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    const quint16 port = freePort();
    // The players' settings stay out of the real settings file.
    QTemporaryDir home;

#ifdef LEXIBURST_HAS_HOST
    HostOptions options;
    options.port = port;
    GameRandom random(1);
    TServer server(options, random);
    auto you = makeClient(port, {}, home.path());
    ChatWindows windows;
    windows.startListening = [&server] {
        return server.startListening();
    };
    you->setWindows(windows);
#else
    auto you = makeClient(port, {}, home.path());
#endif
    you->show();
    auto bob = makeClient(
        port, {QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), QStringLiteral("join")},
        home.path());
    auto cyd = makeClient(
        port, {QStringLiteral("Cydney"), QStringLiteral("127.0.0.1"), QStringLiteral("join")},
        home.path());
    const auto shows = [&you](const QString &text) {
        return you->mainchat->toPlainText().contains(text);
    };
    if (waitFor([&] { return shows(QStringLiteral("You are Connected.")); })) {
        bob->setAttribute(Qt::WA_DontShowOnScreen);
        bob->show();
        waitFor([&] { return shows(QStringLiteral("Bob is Connected.")); });
        cyd->setAttribute(Qt::WA_DontShowOnScreen);
        cyd->show();
        waitFor([&] { return shows(QStringLiteral("Cydney is Connected.")); });
        bob->setTextColour(QColor(0x1F, 0x5F, 0xBF));
        cyd->setTextColour(QColor(0xA0, 0x30, 0x90));
        say(*bob, QStringLiteral("Hi all, ready for a round? :)#10"));
        say(*cyd, QStringLiteral("Sure! The rules are on www.example.com if you need them :)#21"));
        say(*you, QStringLiteral("Let's go :)#26"));
        say(*bob, QStringLiteral("/me stretches his fingers"));
        waitFor([&] { return shows(QStringLiteral("stretches")); });
        bob->b_phrase1Click(2);
        waitFor([&] { return shows(QStringLiteral("Good One!")); });
    }
    you->mychat->setText(QStringLiteral("<Enter Chat Here>"));
    QCoreApplication::processEvents();

    bool ok = save(*you, QDir(folder).filePath(QStringLiteral("main.png")));
    Tspylist *spies = you->spylist();
    spies->addSpy(9, QStringLiteral("Eve"));
    spies->show();
    QCoreApplication::processEvents();
    ok = save(*spies, QDir(folder).filePath(QStringLiteral("spylist.png"))) && ok;

    cyd.reset();
    bob.reset();
    you.reset();
    // The other side windows, as their own folder renders them.
    for (const QString &file : renderSideWindows(folder))
        QTextStream(stdout) << "wrote " << file << '\n';
    return ok ? 0 : 1;
}
