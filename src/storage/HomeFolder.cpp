#include "storage/HomeFolder.h"

#include "storage/AddedCategories.h"
#include "storage/AtomicFile.h"
#include "storage/Settings.h"
#include "storage/Tally.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Storage {

namespace {

const QString FolderName = QStringLiteral("lexiburst");
const QString ShortProgramName = QStringLiteral("Lexaburst");
// The largest of the player's files is the tally.
constexpr qint64 MaxPlayerFileBytes = TallyBook::MaxFileLength;

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

QStringList playerFileNames()
{
    return {QString::fromLatin1(Settings::FileName), TallyBook::fileName(ShortProgramName),
            AddedCategories::fileName(ShortProgramName)};
}

// An installed program's folder belongs to the system: even when it can be
// written to (the program runs as root), the player's files go elsewhere, so
// they never mix with the package's files or outlive its removal.
bool isSystemFolder(const QFileInfo &folder)
{
    const QString path = folder.canonicalFilePath();
    for (const QLatin1String root : {QLatin1String("/usr"), QLatin1String("/opt")}) {
        if (path == root || path.startsWith(root + u'/'))
            return true;
    }
    return false;
}

} // namespace

void startFromOlderFiles(const QString &olderFolder, const QString &userFolder)
{
    if (olderFolder.isEmpty())
        return;
    for (const QString &name : playerFileNames()) {
        const QString older = QDir(olderFolder).filePath(name);
        const QString mine = QDir(userFolder).filePath(name);
        if (QFileInfo::exists(mine) || !QFileInfo(older).isFile())
            continue;
        if (const std::optional<QByteArray> bytes = readWholeFile(older, MaxPlayerFileBytes))
            writeFileAtomically(mine, *bytes);
    }
}

QString perUserFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(FolderName);
}

QString homeFolder(const QString &homeVariable, const QString &programFolder,
                   const QString &userFolder)
{
    if (!homeVariable.isEmpty())
        return QDir::cleanPath(homeVariable);
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable()
        && !isSystemFolder(program))
        return QDir::cleanPath(programFolder);
    const QString folder = QDir::cleanPath(userFolder);
    QDir().mkpath(folder);
    startFromOlderFiles(programFolder, folder);
    return folder;
}

void chooseHomeFolder(const QString &folder)
{
    chosenFolder() = folder;
}

QString homeFolder()
{
    const QString programFolder
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return homeFolder(chosenFolder(), programFolder);
}

QString homeFile(const QString &fileName)
{
    return homeFolder() + u'/' + fileName;
}

} // namespace Storage
