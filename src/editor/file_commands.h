#pragma once
// The File menu's commands, dropping files on the canvas, the recent files and the
// window caption, without the window: dialogs answer with plain paths.

#include "editor/document_session.h"
#include "model/ui_port.h"
#include "storage/recent_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvix {

// What the file commands need from the window beyond the UI port.
class FileWindow {
public:
    virtual ~FileWindow() = default;
    // The path the user chose, or empty when cancelled. The open dialog accepts only an
    // existing file; the save dialog asks before replacing one. No extension is added.
    virtual std::string chooseFileToOpen(const std::string& initialPath) = 0;
    virtual std::string chooseFileToSave(const std::string& initialPath) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The recent-file entries at the end of the File menu, most recent first.
    virtual void showRecentFiles(const HistoryMenu& menu) = 0;
};

inline constexpr std::string_view kNewDiagramName = "< New >";

// Shown instead of saving onto the recovery file (exclamation icon).
Message recoveryNameRefusal(const std::string& path);

// The executable's base name, " v1.1.0 -- ", then name.
std::string windowCaption(std::string_view executableName, std::string_view name);

// True when path's last four characters are ".FXG" in any letter case.
bool hasDiagramExtension(std::string_view path);

class FileCommands {
public:
    // historyPath: the history file; recoveryPath: the first Corvix's recovery file, beside
    // which every other lies; no save writes any of them and every load takes one as
    // unsaved work; executableName: the caption's first word.
    FileCommands(DocumentSession& session, MessagePort& ui, FileWindow& window, std::string historyPath, std::string recoveryPath,
                 std::string executableName);

    // True when the drawing may be replaced: unchanged, or the user agreed to discard it.
    bool pode_descartar();
    // Sets the window caption ("update title") for the drawing called name.
    void atualiza_titulo(const std::string& name);

    // Start-up: reads the history file into the menu.
    void le_historico();
    // Start-up: opens the diagram path names when such a file exists, without adding it
    // to the recent files; sets the caption either way.
    void openAtStart(const std::string& path);

    // The File menu: "&New", "&Open...", "&Save", "Save &As...", and recent entry index.
    void mnew_Click();
    void mload_Click();
    void msave_Click();
    void msaveas_Click();
    void mhist_Click(int16_t index);

    // A drag may drop when its first path names a diagram file or a Mermaid flowchart.
    static bool acceptsDrop(const std::vector<std::string>& paths);
    // Opens the first dropped path; the others are ignored.
    void Diagrama_OLEDragDrop(const std::vector<std::string>& paths);

    const RecentFiles& recentFiles() const { return recent_; }
    const std::string& recoveryPath() const { return recoveryPath_; }

private:
    // carrega_arquivo; on success the file becomes the drawing's own and a recent file,
    // except the recovery file and a Mermaid flowchart (see loadDiagram).
    void openDiagram(const std::string& path);
    // carrega_arquivo; on success the file becomes the drawing's own, or, for the recovery
    // file, the drawing becomes unsaved work without a file. The caption follows.
    // A Mermaid flowchart (.mmd, .mermaid) is imported instead: arranged, it becomes
    // unsaved work without a file, and the text file is never written.
    bool loadDiagram(const std::string& path);
    bool importMermaid(const std::string& path);
    bool isRecoveryFile(const std::string& path) const;
    // grava_arquivo with the view's position; the recovery file is refused with a message.
    bool writeDiagram(const std::string& path);
    // Puts path at the top of the recent files and writes the history file ("save history").
    void grava_historico(const std::string& path);

    DocumentSession& session_;
    MessagePort& ui_;
    FileWindow& window_;
    std::string recoveryPath_;
    std::string executableName_;
    RecentFiles recent_;
};

} // namespace corvix
