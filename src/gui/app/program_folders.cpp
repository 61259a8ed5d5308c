#include "app/program_folders.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace corvix {

namespace {

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString programFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeDir).isWritable())
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
    const QString installed =
        QDir::cleanPath(withSlash(exeDir) + QStringLiteral(CORVIX_DATA_FROM_BIN) + QLatin1Char('/') + page);
    // A missing page is left for the viewer to report, under the name it is looked for first.
    return QFileInfo::exists(installed) ? installed : beside;
}

void openHelpPage()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPagePath()));
}

} // namespace corvix
