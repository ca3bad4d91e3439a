// Lexiburst: one copy per user; the main window plays, the hidden host serves.
#include "ProgramWindows.h"

#include "app/ProgramInfo.h"
#include "app/TerminationSignals.h"

#include "PREVINST.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"
#include "storage/HomeFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdio>
#include <cstring>

namespace {

const char Usage[]
    = "usage: lexiburst                    open the start window: a solo game against computer\n"
      "                                    players, hosting a game for friends, or joining one\n"
      "       lexiburst NAME HOST true      host a game as NAME (HOST is usually 127.0.0.1)\n"
      "       lexiburst NAME HOST [false]   join the game hosted at HOST as NAME\n"
      "       lexiburst --help | --version\n"
      "Environment: LEXIBURST_PORT (game port, default 7772), LEXIBURST_HOME (folder of the\n"
      "settings, tally and added categories), LEXIBURST_SECOND_MS (milliseconds per game "
      "second).\n";

// The first argument that looks like an option, none of which this program
// has beyond --help and --version; empty when there is none.
QString unknownOption(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && argv[i][1] != '\0')
            return QString::fromLocal8Bit(argv[i]);
    }
    return {};
}

// On SIGTERM or SIGINT, whatever box is open closes first, so the program
// ends even while it waits for an answer.
void closeOnTermination(QApplication &app, const QPointer<Tchat> &mainWindow)
{
    TerminationSignals::install(&app, [&mainWindow] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QDialog *>(window); box && box->isVisible())
                box->reject();
        }
        // Close as the player would, so the settings and the tally are written.
        if (mainWindow)
            mainWindow->close();
        else
            QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramInfo::answered(argc, argv, "lexiburst", Usage))
        return 0;
    if (const QString option = unknownOption(argc, argv); !option.isEmpty()) {
        ProgramInfo::complain("lexiburst", QStringLiteral("unknown option %1").arg(option));
        std::fputs(Usage, stderr);
        return ProgramInfo::BadUsage;
    }
    QPointer<Tchat> mainWindow;
    const std::optional<Environment::Knobs> environment = ProgramInfo::environment("lexiburst");
    if (!environment) {
        // Started from a menu, nobody reads standard error: the refusal shows in a box too.
        if (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
            QApplication app(argc, argv);
            closeOnTermination(app, mainWindow);
            QMessageBox::critical(nullptr, QStringLiteral("Lexiburst"), Environment::read().error);
        }
        return ProgramInfo::BadUsage;
    }
    Storage::chooseHomeFolder(environment->home);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiburst"));
    // Ties the window to its menu entry and icon in the desktop shell.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lexiburst.Lexiburst"));
    closeOnTermination(app, mainWindow);
    PreviousInstance previous;
    if (!previous.claim())
        return 0;
    EffectSoundPlayer::silenceMissingDeviceWarnings();

    ProgramWindows windows(QApplication::arguments().mid(1), *environment);
    previous.setWindow(&windows.chat());
    mainWindow = &windows.chat();
    QObject::connect(&windows.chat(), &Tchat::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.chat().show();
    return QApplication::exec();
}
