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
    return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".html");
}

void openHelpPage()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPagePath()));
}

} // namespace corvix
