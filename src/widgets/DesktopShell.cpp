#include "widgets/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>

DesktopShell DesktopShell::system()
{
    DesktopShell shell;
    shell.openUrl = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    shell.startProgram = [](const QString &program) {
        return QProcess::startDetached(program, {});
    };
    return shell;
}
