#include "storage/HomeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Storage {

QString homeFolder(const QString &homeVariable, const QString &programFolder)
{
    if (!homeVariable.isEmpty())
        return QDir::cleanPath(homeVariable);
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable())
        return QDir::cleanPath(programFolder);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString homeFolder()
{
    const QString programFolder
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return homeFolder(qEnvironmentVariable(HomeVariable), programFolder);
}

QString homeFile(const QString &fileName)
{
    return homeFolder() + u'/' + fileName;
}

} // namespace Storage
