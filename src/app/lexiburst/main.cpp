// Lexiburst: one copy per user; the main window plays, the hidden host serves.
#include "ProgramWindows.h"

#include "app/ProgramInfo.h"
#include "app/TerminationSignals.h"

#include "client/PREVINST.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"
#include "storage/HomeFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

const char Usage[]
    = "usage: lexiburst                    start a solo game, hosting on 127.0.0.1 as \"You\"\n"
      "       lexiburst NAME HOST true      host a game as NAME (HOST is usually 127.0.0.1)\n"
      "       lexiburst NAME HOST [false]   join the game hosted at HOST as NAME\n"
      "       lexiburst --help | --version\n"
      "Environment: LEXIBURST_PORT (game port, default 7772), LEXIBURST_HOME (folder of the\n"
      "settings, tally and added categories), LEXIBURST_SECOND_MS (milliseconds per game "
      "second).\n";

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramInfo::answered(argc, argv, "lexiburst", Usage))
        return 0;
    const std::optional<Environment::Knobs> environment = ProgramInfo::environment("lexiburst");
    if (!environment) {
        // Started from a menu, nobody reads standard error: the refusal shows in a box too.
        if (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
            QApplication app(argc, argv);
            QMessageBox::critical(nullptr, QStringLiteral("Lexiburst"), Environment::read().error);
        }
        return ProgramInfo::BadUsage;
    }
    Storage::chooseHomeFolder(environment->home);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiburst"));
    // Stopped by the session or a terminal: close as the player would, so the
    // settings and the tally are written.
    QPointer<Tchat> mainWindow;
    TerminationSignals::install(&app, [&mainWindow] {
        if (mainWindow)
            mainWindow->close();
        else
            QCoreApplication::quit();
    });
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
