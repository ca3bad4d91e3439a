// Lexiburst: one copy per user; the main window plays, the hidden host serves.
#include "ProgramWindows.h"

#include "client/PREVINST.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiburst"));
    PreviousInstance previous;
    if (!previous.claim())
        return 0;
    EffectSoundPlayer::silenceMissingDeviceWarnings();

    ProgramWindows windows(QApplication::arguments().mid(1));
    previous.setWindow(&windows.chat());
    QObject::connect(&windows.chat(), &Tchat::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.chat().show();
    return QApplication::exec();
}
