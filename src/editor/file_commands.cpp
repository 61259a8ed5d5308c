#include "editor/file_commands.h"

#include "editor/file_procedures.h"
#include "editor/text_import.h"
#include "interchange/mermaid_reader.h"
#include "model/program_info.h"
#include "storage/autosave.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace corvix {

namespace {

bool isExistingFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::u8path(path), ec);
}

// The absolute path with links, "." and ".." resolved as far as the path exists.
std::filesystem::path resolvedPath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::u8path(path), ec);
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : resolved;
}

} // namespace

Message recoveryNameRefusal(const std::string& path)
{
    return {MessageId::RecoveryNameRefused, {path}};
}

std::string windowCaption(std::string_view executableName, std::string_view name)
{
    return std::string(executableName) + " v" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor)
           + "." + std::to_string(kVersionPatch) + " -- " + std::string(name);
}

bool hasDiagramExtension(std::string_view path)
{
    if (path.size() < 4)
        return false;
    std::string tail(path.substr(path.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return tail == ".FXG";
}

FileCommands::FileCommands(DocumentSession& session, MessagePort& ui, FileWindow& window, std::string historyPath,
                           std::string recoveryPath, std::string executableName)
    : session_(session)
    , ui_(ui)
    , window_(window)
    , recoveryPath_(std::move(recoveryPath))
    , executableName_(std::move(executableName))
{
    recent_.historyPath = std::move(historyPath);
}

bool FileCommands::pode_descartar()
{
    if (!session_.state().modified)
        return true;
    return ui_.askYesNoDefaultNo({MessageId::DiscardQuestion, {}});
}

void FileCommands::atualiza_titulo(const std::string& name)
{
    window_.setCaption(windowCaption(executableName_, name));
}

void FileCommands::le_historico()
{
    corvix::le_historico(recent_);
    window_.showRecentFiles(monta_menu_historico(recent_));
}

void FileCommands::grava_historico(const std::string& path)
{
    corvix::grava_historico(recent_, path);
    window_.showRecentFiles(monta_menu_historico(recent_));
}

void FileCommands::openAtStart(const std::string& path)
{
    if (!isExistingFile(path) || !loadDiagram(path))
        atualiza_titulo(std::string(kNewDiagramName));
}

void FileCommands::openDiagram(const std::string& path)
{
    if (loadDiagram(path) && !isRecoveryFile(path) && !hasMermaidExtension(path))
        grava_historico(path);
}

bool FileCommands::loadDiagram(const std::string& path)
{
    if (hasMermaidExtension(path))
        return importMermaid(path);
    EditorState& state = session_.state();
    if (!carrega_arquivo(session_, ui_, path)) {
        // The refused load still ended the operation and the selection: show that.
        session_.repaint();
        return false;
    }
    if (isRecoveryFile(path)) {
        // The recovery file goes at the next close and is overwritten by the next
        // autosave: what it holds is work that is saved nowhere yet.
        state.fileName.clear();
        state.modified = true;
        session_.forgetSavedState();
        atualiza_titulo(std::string(kNewDiagramName));
    } else {
        state.fileName = path;
        atualiza_titulo(path);
    }
    // Repainted once the drawing has its name, which the page's header shows.
    session_.repaint();
    return true;
}

bool FileCommands::importMermaid(const std::string& path)
{
    MermaidReading reading = readMermaidFile(path);
    if (!reading.diagram) {
        ui_.showMessage(diagnosticsMessage(path, reading.diagnostics), MessageIcon::Critical);
        session_.cancelOperation();
        return false;
    }
    if (!session_.importDrawing(std::move(*reading.diagram))) {
        session_.cancelOperation();
        return false;
    }
    atualiza_titulo(std::string(kNewDiagramName));
    session_.repaint();
    if (!reading.diagnostics.empty())
        ui_.showMessage(diagnosticsMessage(path, reading.diagnostics), MessageIcon::Exclamation);
    return true;
}

bool FileCommands::isRecoveryFile(const std::string& path) const
{
    // Any running Corvix's file: each one's close deletes its own.
    const std::filesystem::path file = resolvedPath(path);
    return recoveryFileNumber(file.filename().string()) > 0
           && file.parent_path() == resolvedPath(recoveryPath_).parent_path();
}

bool FileCommands::writeDiagram(const std::string& path)
{
    if (isRecoveryFile(path)) {
        ui_.showMessage(recoveryNameRefusal(path), MessageIcon::Exclamation);
        return false;
    }
    const ViewPosition view = session_.viewPosition();
    return grava_arquivo(session_.state(), ui_, path, view.scrollX, view.scrollY);
}

void FileCommands::mnew_Click()
{
    if (!pode_descartar())
        return;
    session_.disableMenus();
    session_.clearDrawing();
    session_.cancelOperation();
    atualiza_titulo(std::string(kNewDiagramName));
}

void FileCommands::mload_Click()
{
    if (!pode_descartar())
        return;
    const std::string path = window_.chooseFileToOpen(session_.state().fileName);
    if (path.empty() || !isExistingFile(path))
        return;
    session_.disableMenus();
    openDiagram(path);
}

void FileCommands::msave_Click()
{
    EditorState& state = session_.state();
    session_.disableMenus();
    if (!state.fileName.empty() && writeDiagram(state.fileName))
        session_.markSaved();
    session_.enableMenus();
}

void FileCommands::msaveas_Click()
{
    EditorState& state = session_.state();
    const std::string path = window_.chooseFileToSave(state.fileName);
    if (path.empty())
        return;
    session_.disableMenus();
    if (writeDiagram(path)) {
        state.fileName = path;
        grava_historico(path);
        atualiza_titulo(path);
        session_.markSaved();
    }
    session_.repaint();
    session_.enableMenus();
}

void FileCommands::mhist_Click(int16_t index)
{
    if (index < 0 || index >= kRecentFileCount || !pode_descartar())
        return;
    const std::string path = recent_.history[size_t(index)];
    if (!path.empty())
        openDiagram(path);
}

bool FileCommands::acceptsDrop(const std::vector<std::string>& paths)
{
    return !paths.empty() && (hasDiagramExtension(paths.front()) || hasMermaidExtension(paths.front()));
}

// A drop asks before it replaces a changed drawing, as every other way of opening a
// file does: replacing it unasked would lose the user's work.
void FileCommands::Diagrama_OLEDragDrop(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    if (!acceptsDrop(paths)) {
        ui_.showMessage({MessageId::NotADiagram, {}}, MessageIcon::None);
        return;
    }
    if (pode_descartar())
        openDiagram(paths.front());
}

} // namespace corvix
