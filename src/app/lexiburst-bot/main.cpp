// lexiburst-bot: one computer player that joins a game over the network like a
// person's client and plays until the host closes the connection.
#include "app/ProgramInfo.h"
#include "app/TerminationSignals.h"
#include "bots/AnswerBank.h"
#include "bots/BotPlayer.h"
#include "host/HostOptions.h"
#include "protocol/GameRandom.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

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

void logLine(const QString &line)
{
    std::fprintf(stderr, "lexiburst-bot: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

std::optional<uint> numberOption(const QCommandLineParser &parser, const QString &name, uint lowest,
                                 uint highest)
{
    bool ok = false;
    const uint value = parser.value(name).toUInt(&ok);
    if (!ok || value < lowest || value > highest) {
        logLine(
            QStringLiteral("--%1 needs a number from %2 to %3").arg(name).arg(lowest).arg(highest));
        return std::nullopt;
    }
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramInfo::answered(argc, argv, "lexiburst-bot", Usage))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lexiburst-bot"));

    const HostOptions environment = HostOptions::fromEnvironment();
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("host"), QString(), QStringLiteral("ADDRESS"),
                        QStringLiteral("127.0.0.1")},
                       {QStringLiteral("port"), QString(), QStringLiteral("N"),
                        QString::number(environment.port)},
                       {QStringLiteral("name"), QString(), QStringLiteral("NAME")},
                       {QStringLiteral("skill"), QString(), QStringLiteral("SKILL"),
                        QString::number(BotProfile::DefaultSkill)},
                       {QStringLiteral("seed"), QString(), QStringLiteral("N")}});
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        logLine(parser.errorText().isEmpty() ? QStringLiteral("unexpected arguments")
                                             : parser.errorText());
        std::fputs(Usage, stderr);
        return 2;
    }
    const auto port = numberOption(parser, QStringLiteral("port"), 1, 65535);
    const auto skill
        = numberOption(parser, QStringLiteral("skill"), BotProfile::MinSkill, BotProfile::MaxSkill);
    const auto seed = parser.isSet(QStringLiteral("seed"))
        ? numberOption(parser, QStringLiteral("seed"), 0, 0xFFFFFFFFu)
        : std::optional<uint>(0);
    if (!port || !skill || !seed)
        return 2;

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
    settings.secondMs = environment.secondMs;
    settings.name = parser.value(QStringLiteral("name"));
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
    QObject::connect(&bot.connection(), &HostConnection::closed, &app, &QCoreApplication::quit);
    bot.connection().connectTo(parser.value(QStringLiteral("host")), quint16(*port));
    const int result = app.exec();
    return status != 0 ? status : result;
}
