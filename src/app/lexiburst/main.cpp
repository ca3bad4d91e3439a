// Lexiburst: one copy per user; the main window plays, the hidden host serves.
#include "ProgramWindows.h"

#include "app/TerminationSignals.h"

#include "client/PREVINST.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char *argv[])
{
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

    ProgramWindows windows(QApplication::arguments().mid(1));
    previous.setWindow(&windows.chat());
    mainWindow = &windows.chat();
    QObject::connect(&windows.chat(), &Tchat::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.chat().show();
    return QApplication::exec();
}
