#include "windows/Screenshots.h"

#include "windows/aboutform.h"
#include "windows/downloadform.h"
#include "windows/helpform.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace {
bool saveGrab(QWidget &window, const QString &dir, const QString &name, QStringList &written)
{
    window.ensurePolished();
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        return false;
    written.append(path);
    return true;
}
} // namespace

QStringList renderSideWindows(const QString &dir)
{
    QDir().mkpath(dir);
    QStringList written;

    Thelp help;
    saveGrab(help, dir, QStringLiteral("help"), written);
    Tabout about;
    saveGrab(about, dir, QStringLiteral("about"), written);
    Tdownload download;
    saveGrab(download, dir, QStringLiteral("download"), written);
    return written;
}
