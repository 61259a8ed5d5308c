// The editor window's side of the file commands: dialogs and dropped files.
#include "window/main_window.h"

#include "dialogs/desktop_dialogs.h"

#include <vector>

namespace corvix {

namespace {

std::vector<std::string> toPaths(const QStringList& paths)
{
    std::vector<std::string> result;
    result.reserve(size_t(paths.size()));
    for (const QString& path : paths)
        result.push_back(path.toStdString());
    return result;
}

} // namespace

std::string MainWindow::chooseFileToOpen(const std::string& initialPath)
{
    return dialogs_.openFileName(this, QString::fromStdString(initialPath)).toStdString();
}

std::string MainWindow::chooseFileToSave(const std::string& initialPath)
{
    return dialogs_.saveFileName(this, QString::fromStdString(initialPath)).toStdString();
}

bool MainWindow::canvasAcceptsFiles(const QStringList& paths)
{
    return FileCommands::acceptsDrop(toPaths(paths));
}

void MainWindow::canvasFilesDropped(const QStringList& paths)
{
    files_.Diagrama_OLEDragDrop(toPaths(paths));
}

} // namespace corvix
