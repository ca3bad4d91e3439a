// lexiburst-host: a game host without a window. Players connect with their
// own clients; the lowest signed-in seat leads the game (starts it, removes players).
#include "app/ProgramInfo.h"
#include "app/TerminationSignals.h"
#include "host/LanAnswerer.h"
#include "host/WebListener.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"
#include "storage/AddedCategories.h"
#include "storage/HomeFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr char Program[] = "lexiburst-host";

void logLine(const QString &line)
{
    ProgramInfo::complain(Program, line);
}

QString gameTypeName(bool allScoring)
{
    return allScoring ? QStringLiteral("All Scoring") : QStringLiteral("One Winner Only");
}

void logEvents(TServer &server)
{
    QObject::connect(&server, &TServer::listening, [&server](quint16 port) {
        const QString address = server.bindAddress();
        logLine(address.isEmpty()
                    ? QStringLiteral("listening on port %1").arg(port)
                    : QStringLiteral("listening on %1 port %2").arg(address).arg(port));
    });
    QObject::connect(&server, &TServer::playerRejoined, [](int seat, const QString &name) {
        logLine(QStringLiteral("seat %1 rejoined as %2").arg(seat).arg(name));
    });
    QObject::connect(&server, &TServer::leadChanged, [](int seat, const QString &name) {
        logLine(QStringLiteral("seat %1 (%2) now leads the game").arg(seat).arg(name));
    });
    QObject::connect(&server, &TServer::playerSignedIn,
                     [](int seat, const QString &name, const QString &version) {
                         QString line
                             = QStringLiteral("seat %1 signed in as %2").arg(seat).arg(name);
                         if (version != QLatin1String(Protocol::Version))
                             line += QStringLiteral(" (version %1, host has %2)")
                                         .arg(version, QLatin1String(Protocol::Version));
                         logLine(line);
                     });
    QObject::connect(&server, &TServer::playerLeft, [](int seat, const QString &name) {
        logLine(name.isEmpty() ? QStringLiteral("seat %1 left").arg(seat)
                               : QStringLiteral("seat %1 left (%2)").arg(seat).arg(name));
    });
    QObject::connect(
        &server, &TServer::connectionForced,
        [](int seat, const QString &address, const QString &reason) {
            logLine(QStringLiteral("closed seat %1 (%2): %3").arg(seat).arg(address, reason));
        });
    QObject::connect(
        &server, &TServer::messageIgnored,
        [](int seat, const QString &address, const QString &what) {
            logLine(QStringLiteral("ignored from seat %1 (%2): %3").arg(seat).arg(address, what));
        });
    QObject::connect(&server, &TServer::connectionRefused,
                     [] { logLine(QStringLiteral("connection refused: the game is full")); });
    QObject::connect(
        &server, &TServer::gameStarted,
        [](const QString &starter, int rounds, int turnTime, bool allScoring, bool duplicates) {
            logLine(
                QStringLiteral("game started by %1: %2 rounds, %3 s to answer, %4, "
                               "duplicate answers %5")
                    .arg(starter)
                    .arg(rounds)
                    .arg(turnTime)
                    .arg(gameTypeName(allScoring),
                         duplicates ? QStringLiteral("allowed") : QStringLiteral("not allowed")));
        });
    QObject::connect(&server, &TServer::roundStarted,
                     [](int round, QChar letter, const QStringList &categories) {
                         logLine(QStringLiteral("round %1 letter %2: %3")
                                     .arg(round)
                                     .arg(letter)
                                     .arg(categories.join(QStringLiteral(", "))));
                     });
    QObject::connect(&server, &TServer::gameWon, [](int seat, const QString &name, int score) {
        logLine(
            QStringLiteral("winner: %1 (seat %2) with %3 points").arg(name).arg(seat).arg(score));
    });
    QObject::connect(&server, &TServer::gameTied, [](int score) {
        logLine(QStringLiteral("tie at %1 points: one more round").arg(score));
    });
}

// The categories the player added in the game's window are played here too.
void addPlayersCategories(TServer &server)
{
    const QString path = Storage::homeFile(AddedCategories::fileName(QStringLiteral("Lexaburst")));
    AddedCategories added;
    QString error;
    if (!added.load(path, &error)) {
        logLine(QStringLiteral("cannot read the added categories: %1").arg(error));
        return;
    }
    int count = 0;
    for (const QString &category : added.entries())
        count += server.addtolist(category) ? 1 : 0;
    if (count > 0)
        logLine(QStringLiteral("%1 added categories from %2").arg(count).arg(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lexiburst-host"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Protocol::Version));

    const std::optional<Environment::Knobs> environment = ProgramInfo::environment(Program);
    if (!environment)
        return ProgramInfo::BadUsage;
    Storage::chooseHomeFolder(environment->home);
    HostOptions options;
    options.secondMs = environment->secondMs;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Hosts a Lexiburst game without a window.\n\n"
        "Environment: LEXIBURST_PORT (the port when --port is not given, default 7772),\n"
        "LEXIBURST_WEB_PORT (the web port when --web-port is not given, default the port + 1),\n"
        "LEXIBURST_HOME (folder of the added categories), LEXIBURST_SECOND_MS (milliseconds\n"
        "per game second, default 1000)."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("TCP port to listen on (default %1).").arg(environment->port),
        QStringLiteral("N"));
    parser.addOption(portOption);
    const QCommandLineOption bindOption(
        QStringLiteral("bind"),
        QStringLiteral("Local address to listen on (default: all addresses)."),
        QStringLiteral("ADDRESS"));
    parser.addOption(bindOption);
    const QCommandLineOption webPortOption(
        QStringLiteral("web-port"),
        QStringLiteral("TCP port browsers join on (default: the port + 1; 0 for none)."),
        QStringLiteral("N"));
    parser.addOption(webPortOption);
    const QCommandLineOption nameOption(
        QStringLiteral("name"),
        QStringLiteral("Name the game goes by on the local network (default: its leader's)."),
        QStringLiteral("NAME"));
    parser.addOption(nameOption);
    const QCommandLineOption noAnnounceOption(
        QStringLiteral("no-announce"),
        QStringLiteral("Do not answer clients looking for games on the local network."));
    parser.addOption(noAnnounceOption);
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        logLine(parser.errorText().isEmpty() ? QStringLiteral("unexpected arguments")
                                             : parser.errorText());
        return ProgramInfo::BadUsage;
    }
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();
    const auto port
        = ProgramInfo::number(Program, parser, QStringLiteral("port"), 1, 65535, environment->port);
    const auto bind = ProgramInfo::text(Program, parser, QStringLiteral("bind"));
    const auto webPort = ProgramInfo::number(
        Program, parser, QStringLiteral("web-port"), 0, 65535,
        Environment::webPort(environment->webPort, quint16(port.value_or(0))));
    const auto name = ProgramInfo::text(Program, parser, QStringLiteral("name"));
    if (!port || !bind || !webPort || !name)
        return ProgramInfo::BadUsage;
    options.port = quint16(*port);
    options.bindAddress = *bind;
    // No client of its own: whoever connects first holds seat 1.
    options.hostSeatReserved = false;

    const bool signalsInstalled = TerminationSignals::install(&app, [] {
        logLine(QStringLiteral("stopping"));
        QCoreApplication::quit();
    });
    if (!signalsInstalled) {
        logLine(QStringLiteral("cannot install the signal handlers"));
        return 1;
    }

    GameRandom random = GameRandom::fromClock();
    TServer server(options, random);
    logEvents(server);
    std::optional<HostBeacon> beacon;
    if (!parser.isSet(noAnnounceOption)) {
        beacon.emplace(server, HostBeacon::newId([&random](int n) { return random.bounded(n); }),
                       *name);
        QObject::connect(&server, &TServer::listening, &*beacon, [&beacon] {
            if (!beacon->problem().isEmpty())
                logLine(
                    QStringLiteral("not found on the local network: %1").arg(beacon->problem()));
        });
    }
    addPlayersCategories(server);
    if (!server.startListening()) {
        logLine(QStringLiteral("cannot listen%1: %2")
                    .arg(options.bindAddress.isEmpty()
                             ? QString()
                             : QStringLiteral(" on ") + options.bindAddress,
                         server.listenProblem()));
        return 1;
    }
    // Browsers join on the web port; the game goes on without it if it is taken.
    WebListener web([&server](QWebSocket *socket) { server.acceptWeb(socket); });
    if (*webPort != 0) {
        if (web.listen(quint16(*webPort), options.bindAddress)) {
            const QStringList links = WebListener::shareLinks(web.port(), options.bindAddress);
            if (beacon)
                beacon->setWebPort(web.port());
            if (links.isEmpty())
                logLine(QStringLiteral("browsers join on port %1").arg(web.port()));
            for (const QString &link : links)
                logLine(QStringLiteral("friends join from a browser at %1").arg(link));
        } else {
            logLine(QStringLiteral("no web page: %1").arg(web.listenProblem()));
        }
    }
    const int result = app.exec();
    web.stop();
    server.stopListening();
    return result;
}
