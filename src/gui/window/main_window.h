#pragma once

#include "app/recovery_lock_files.h"
#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/recovery.h"
#include "model/editor_state.h"
#include "view/zoom.h"
#include "printing/print_job.h"
#include "surfaces/canvas_surface.h"
#include "surfaces/qt_text_measurer.h"
#include "window/canvas_accessible.h"
#include "window/canvas_widget.h"
#include "window/key_preview.h"
#include "window/qt_ui_port.h"
#include "window/remembered_layout.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

namespace corvix {

class DesktopDialogs;
class FindBar;
class KindPanel;
class ProblemsPanel;
class TextDialog;

// Form1, the editor window: menus, the canvas "Diagrama" with its scroll bars, the
// "Select Block" panel and the 100 ms timer. Every event goes to the editor core.
class MainWindow final : public QMainWindow,
                         private CanvasInput,
                         private KeyListener,
                         private FileWindow,
                         private CanvasBlocks {
    Q_OBJECT
public:
    // state.programDir holds the folder of the history file; dialogs answers every box
    // and file dialog. Both outlive the window.
    MainWindow(EditorState& state, DesktopDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start: size and place the window, paper, empty drawing, the recovery file
    // after an abnormal end or else the diagram that commandLine names (if that file
    // exists), the timer. A clock set on editor() before this counts the autosave.
    void load(const std::string& commandLine);

    // Where the window's size, place and panels are kept between runs; before load().
    // Unless set, the window starts at its first-run size and remembers nothing.
    void rememberLayoutIn(const QString& settingsFile);

    // Where "&Print" prints; the system's default printer unless replaced.
    void setPrinterSource(PrinterSource source);

    Editor& editor() { return editor_; }
    FileCommands& fileCommands() { return files_; }

    // What the UI port asks of the window.
    void setMainMenusEnabled(bool enabled);
    void setCommandStates(const CommandStates& states);
    void setPaperChecked(int32_t index);
    void refreshCanvas();
    void mirrorScrollBars();
    void showKindPanel(bool visible);
    void openTextDialog(const std::string& cp1252Text);
    void startPanTimer(int32_t milliseconds);
    void stopPanTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createEditMenu();
    // Find, Find Next and Go to Target, at the end of the Edit menu (main_window_find.cpp).
    void createFindActions();
    void findNext();
    // The keyboard's way through the flow, after the find items (main_window_flow.cpp).
    void createFlowActions();
    void setFlowCommands(bool enabled);
    void linkToBlock();
    // View, between Edit and Options (main_window_view.cpp).
    void createViewMenu();
    // The level item of the editor's zoom checked, or none between the levels.
    void showZoom();
    void createExportAction();
    // Edit and View on when the four main menus are and no operation waits.
    void switchEditAndView();
    // Undo and redo enabled when the editor has a step to take; the clipboard's commands
    // when the editor and the clipboard allow them; the find commands when no operation waits.
    void refreshEditCommands();
    void setEditCommands(bool undo, bool redo, bool goToBlock);
    void clipboardChanged();
    void copyToClipboard(const std::optional<ClipboardContent>& content);
    void pasteFromClipboard();
    // The pointer's canvas point when it is over the canvas.
    std::optional<CanvasPoint> pointerOnCanvas() const;
    void exportDrawing();
    void createClientArea();
    void layoutClientArea();
    void centreOnScreen();
    void textDialogFinished();

    // Printing and its preview (main_window_print.cpp).
    void mprintprev_Click();
    void mprint_Click();
    // The print job with its pointer; a failure is reported over messageParent.
    void printSheet(QWidget* messageParent);

    // CanvasInput
    void canvasPressed(MouseButton button, KeyModifiers modifiers, QPointF pos) override;
    void canvasMoved(MouseButton buttons, KeyModifiers modifiers, QPointF pos) override;
    void canvasReleased(MouseButton button, KeyModifiers modifiers, QPointF pos) override;
    void canvasDoubleClicked() override;
    void canvasWheel(int32_t notches, KeyModifiers modifiers, QPointF pos) override;
    void canvasRatioChanged() override;
    bool canvasAcceptsFiles(const QStringList& paths) override;
    void canvasFilesDropped(const QStringList& paths) override;

    // KeyListener
    void keyDown(int16_t& keyCode, KeyModifiers modifiers) override;
    void keyPress(int16_t keyAscii) override;
    void keyUp(int16_t keyCode, KeyModifiers modifiers) override;
    void keyboardLost() override;

    // CanvasBlocks
    int blockCount() const override;
    int selectedBlock() const override;
    QString blockName(int index) const override;
    QString blockDescription(int index) const override;
    QRect blockRect(int index) const override;

    // FileWindow
    std::string chooseFileToOpen(const std::string& initialPath) override;
    std::string chooseFileToSave(const std::string& initialPath) override;
    void setCaption(const std::string& caption) override;
    void showRecentFiles(const HistoryMenu& menu) override;

    EditorState& state_;
    DesktopDialogs& dialogs_;

    QtTextMeasurer windowFont_;
    CanvasSurface canvasSurface_;
    CanvasWidget* canvas_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QLabel* corner_ = nullptr;
    KindPanel* kindPanel_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    FindBar* findBar_ = nullptr;
    TextDialog* textDialog_ = nullptr;

    QtUiPort ui_;
    Editor editor_;
    FileCommands files_;
    RecoveryLockFiles recoveryLocks_;
    Recovery recovery_;
    PrinterSource printerSource_ = defaultPrinter;
    RememberedLayout layout_;
    KeyPreview keyPreview_;
    QTimer timer_;
    QTimer panTimer_;  // the Shift-held pan's steps, a screen frame apart

    QMenu* mfile_ = nullptr;
    QMenu* medit_ = nullptr;
    QMenu* mview_ = nullptr;
    QMenu* moptions_ = nullptr;
    QMenu* mtampapel_ = nullptr;
    QAction* mnew_ = nullptr;
    QAction* mload_ = nullptr;
    QAction* msave_ = nullptr;
    QAction* msaveas_ = nullptr;
    QAction* mexport_ = nullptr;
    QAction* mprintprev_ = nullptr;
    QAction* mprint_ = nullptr;
    QAction* mexit_ = nullptr;
    QAction* msephist_ = nullptr;
    std::array<QAction*, kRecentFileCount> mhist_{};
    std::array<QAction*, kPaperTypeCount> mtippapel_{};
    QAction* minserebloco_ = nullptr;
    QAction* mapagabloco_ = nullptr;
    QAction* mhelp_ = nullptr;
    QAction* mundo_ = nullptr;
    QAction* marrange_ = nullptr;
    QAction* mredo_ = nullptr;
    QAction* mcut_ = nullptr;
    QAction* mcopy_ = nullptr;
    QAction* mpaste_ = nullptr;
    QAction* mduplicate_ = nullptr;
    QAction* mselectall_ = nullptr;
    bool clipboardPastable_ = false;
    std::array<QAction*, kZoomLevels.size()> mzoomlevel_{};
    QAction* mfind_ = nullptr;
    QAction* mfindnext_ = nullptr;
    QAction* mgototarget_ = nullptr;
    // Edit Text, Follow or Insert Below, Left and Right, Go Up the Flow, Link to Block.
    std::array<QAction*, 6> mflow_{};
};

} // namespace corvix
