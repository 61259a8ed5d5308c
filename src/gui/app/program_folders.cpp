#include "app/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvix {

namespace {

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString installedDataFolder(const QString& exeDir)
{
    return QDir::cleanPath(withSlash(exeDir) + QStringLiteral(CORVIX_DATA_FROM_BIN));
}

QString programFolder()
{
    return programFolderFor(QCoreApplication::applicationDirPath());
}

QString programFolderFor(const QString& exeDir)
{
    // An installed Corvix keeps the user's files out of the system's folders even for a
    // user who may write there (root and /usr/bin).
    const bool installed = QFileInfo(installedDataFolder(exeDir)).isDir();
    if (!installed && QFileInfo(exeDir).isWritable())
        return withSlash(exeDir);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return withSlash(data);
}

QString helpPagePath()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return helpPagePathFor(exe.absolutePath(), exe.completeBaseName());
}

QString helpPagePathFor(const QString& exeDir, const QString& baseName)
{
    const QString page = baseName + QStringLiteral(".html");
    const QString beside = withSlash(exeDir) + page;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = installedDataFolder(exeDir) + QLatin1Char('/') + page;
    // A missing page is reported under the name it is looked for first.
    return QFileInfo::exists(installed) ? installed : beside;
}

} // namespace corvix
