// lexiburst-bot: one computer player that joins a game over the network like a
// person's client and plays until the host closes the connection.
#include "app/ProgramInfo.h"
#include "app/TerminationSignals.h"
#include "bots/AnswerBank.h"
#include "bots/BotPlayer.h"
#include "protocol/GameRandom.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char Usage[]
    = "Usage: lexiburst-bot [--host ADDRESS] [--port N] [--name NAME] [--skill 1|2|3] "
      "[--seed N]\n"
      "Joins a Lexiburst game as one computer player and plays until the host closes\n"
      "the connection.\n\n"
      "  --host ADDRESS  host to join (default 127.0.0.1)\n"
      "  --port N        game port (default LEXIBURST_PORT, else 7772)\n"
      "  --name NAME     name to sign in with (default: the hint name of the seat)\n"
      "  --skill 1|2|3   1 weak, 2 fair (default), 3 strong\n"
      "  --seed N        makes the player's choices repeatable\n"
      "  --help          shows this text\n"
      "  --version       shows the version\n\n"
      "Environment: LEXIBURST_PORT, LEXIBURST_SECOND_MS (milliseconds per game second,\n"
      "default 1000).\n";

constexpr char Program[] = "lexiburst-bot";

void logLine(const QString &line)
{
    ProgramInfo::complain(Program, line);
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramInfo::answered(argc, argv, Program, Usage))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lexiburst-bot"));

    const std::optional<Environment::Knobs> environment = ProgramInfo::environment(Program);
    if (!environment)
        return ProgramInfo::BadUsage;
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("host"), QString(), QStringLiteral("ADDRESS")},
                       {QStringLiteral("port"), QString(), QStringLiteral("N")},
                       {QStringLiteral("name"), QString(), QStringLiteral("NAME")},
                       {QStringLiteral("skill"), QString(), QStringLiteral("SKILL")},
                       {QStringLiteral("seed"), QString(), QStringLiteral("N")}});
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        logLine(parser.errorText().isEmpty() ? QStringLiteral("unexpected arguments")
                                             : parser.errorText());
        std::fputs(Usage, stderr);
        return ProgramInfo::BadUsage;
    }
    using ProgramInfo::number;
    const auto host
        = ProgramInfo::text(Program, parser, QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    const auto port = number(Program, parser, QStringLiteral("port"), 1, 65535, environment->port);
    const auto name = ProgramInfo::text(Program, parser, QStringLiteral("name"));
    const auto skill = number(Program, parser, QStringLiteral("skill"), BotProfile::MinSkill,
                              BotProfile::MaxSkill, BotProfile::DefaultSkill);
    const auto seed = number(Program, parser, QStringLiteral("seed"), 0, 0xFFFFFFFFu, 0);
    if (!host || !port || !name || !skill || !seed)
        return ProgramInfo::BadUsage;

    const bool signalsInstalled
        = TerminationSignals::install(&app, [] { QCoreApplication::quit(); });
    if (!signalsInstalled) {
        logLine(QStringLiteral("cannot install the signal handlers"));
        return 1;
    }

    const AnswerBank bank = AnswerBank::fromResource();
    GameRandom random = parser.isSet(QStringLiteral("seed")) ? GameRandom(quint32(*seed))
                                                             : GameRandom::fromClock();
    BotSettings settings;
    settings.profile.skill = int(*skill);
    settings.secondMs = environment->secondMs;
    settings.name = *name;
    BotPlayer bot(bank, random, settings);

    int status = 0;
    QObject::connect(&bot.connection(), &HostConnection::signedIn, [&bot](int seat) {
        logLine(QStringLiteral("seat %1 as %2").arg(seat).arg(bot.connection().playerName()));
    });
    QObject::connect(&bot.game(), &ClientGame::refused, [&status] {
        logLine(QStringLiteral("the game is full"));
        status = 1;
    });
    // Queued: an address that does not resolve fails before the event loop runs.
    QObject::connect(
        &bot.connection(), &HostConnection::connectFailed, &app,
        [&status](const QString &reason) {
            logLine(QStringLiteral("cannot connect: %1").arg(reason));
            status = 1;
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    // Why it ends: the host closed the game, removed it, or sent more than it could handle.
    QObject::connect(&bot.connection(), &HostConnection::closed, &app, [](const QString &why) {
        logLine(why);
        QCoreApplication::quit();
    });
    bot.connection().connectTo(*host, quint16(*port));
    const int result = app.exec();
    return status != 0 ? status : result;
}
