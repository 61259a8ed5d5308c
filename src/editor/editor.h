#pragma once
// The editor window's behaviour without the window. Its members carry the names of the
// window's event handlers (Diagrama_MouseDown: the canvas, Form_KeyDown: the window's
// keys, Timer1_Timer: the 100 ms timer, ...); each is a thin entry point that hands the
// event to one of the parts below. The Qt shell converts its events and calls these.
//
//   Interaction        presses by edit mode, the keys along the flow (FlowKeys), the rubber band's operations, drags, the kind
//                      panel, deleting what is selected, the text dialog
//   DrawingCommands    every change to the drawing, as one step of the undo history
//   CanvasView         scroll bars, zoom (ViewZoom), paper, repainting, the rubber band,
//                      auto-pan
//   MenuState          the main menus and the commands the timer refreshes
//   BlockSelection     one selected block, or several
//   ClipboardCommands  cut, copy, paste and duplicate
//   TextImport         Mermaid text opened as a drawing or pasted into one

#include "editor/block_selection.h"
#include "editor/canvas_view.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/drawing_commands.h"
#include "editor/interaction.h"
#include "editor/menu_state.h"
#include "editor/text_import.h"
#include "editor/undo_history.h"
#include "model/arrangement.h"
#include "model/editor_state.h"
#include "model/input.h"
#include "model/ui_port.h"
#include "render/render_target.h"
#include "view/viewport.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace corvix {

class Editor final : public DocumentSession {
public:
    // canvas: the persistent image the render pass draws into; windowFont measures
    // block texts ("Courier New" 8.25 pt).
    Editor(EditorState& state, UiPort& ui, RenderTarget& canvas, const TextMeasurer& windowFont);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // The canvas "Diagrama": x, y in canvas units. Ignored while the canvas is disabled
    // (the kind panel was shown at the last tick).
    void Diagrama_MouseDown(MouseButton button, KeyModifiers modifiers, float x, float y);
    void Diagrama_MouseMove(MouseButton buttons, KeyModifiers modifiers, float x, float y);
    void Diagrama_MouseUp(MouseButton button, KeyModifiers modifiers, float x, float y);
    void Diagrama_DblClick();
    // How far the pointer moves, in canvas units (Manhattan length), before a press held
    // down becomes a drag: the desktop's setting.
    void setDragDistance(int32_t distance);
    // Wheel notches over the canvas, forward (positive) or back, the pointer at canvas
    // point (x, y): with Ctrl a zoom level a notch in or out about the pointer, also while an
    // operation waits; with Alt (or a sideways wheel) the view scrolls horizontally,
    // otherwise vertically.
    void wheelTurned(int32_t notches, KeyModifiers modifiers, float x, float y);

    // The window's keys, seen before any control (keys:: codes); a consumed key is set to 0.
    void Form_KeyDown(int16_t& keyCode, KeyModifiers modifiers);
    // A typed character (Windows-1252).
    void Form_KeyPress(int16_t keyAscii);
    void Form_KeyUp(int16_t keyCode, KeyModifiers modifiers);
    // The window lost the keyboard: its key releases go elsewhere, so Shift counts as up.
    void windowDeactivated();

    // "&Insert Block" and its panel "SelBloco" of five kinds, "&Delete block or link",
    // and the paper items (0 A4, 1 Letter).
    void minserebloco_Click();
    void SelBloco_Click(int16_t index);
    void mapagabloco_Click();
    void mtippapel_Click(int16_t index);

    // The text dialog's answers: OK with the box's text (Windows-1252, lines split by
    // CR LF), then closed (any way).
    void textDialogOk(const std::string& cp1252Text);
    void textDialogClosed();

    // Window layout ("Form") and its scroll bars "HScroll1", "VScroll1" (client size in
    // pixels, bars included).
    void Form_Resize(int32_t clientWidth, int32_t clientHeight, bool minimized);
    void HScroll1_Change(int16_t value);
    void VScroll1_Change(int16_t value);

    // The View menu's zoom.
    ViewZoom& zoom() { return view_; }
    const ViewZoom& zoom() const { return view_; }

    // One tick of the 100 ms timer "Timer1": command refresh, then the start of the
    // Shift-held auto-pan (menus off, its first step, the pan timer), then the tail. A tick
    // that arrives while a message box of another tick is open only refreshes the commands.
    void Timer1_Timer();
    // One tick of the pan timer (a screen frame): the next step while Shift stays held.
    void panTimerTick();

    // New: an empty drawing without a file at the view's origin, with a new history.
    void limpa_desenho();

    // DocumentSession.
    EditorState& state() override { return state_; }
    void repaint() override;
    void cancelOperation() override;
    void clearDrawing() override;
    void enableMenus() override;
    void disableMenus() override;
    ViewPosition viewPosition() const override;
    void markSaved() override;
    void forgetSavedState() override;
    double nowSeconds() const override { return clock_(); }
    void setTickTail(std::function<void(double)> step) override;
    bool importDrawing(DiagramFragment fragment) override;

    // What lays drawings out, for Arrange and for imports (layout::arrangeBlocks in the
    // program); without one Arrange is off and an import is refused.
    void setArranger(Arranger arranger);

    // A load: the stored paper and view, then idle with a new undo history, the loaded
    // drawing its saved state. The file commands repaint once the drawing has its name.
    void applyPaper(int32_t paperType) override;
    void restoreView(int32_t scrollX, int32_t scrollY) override;
    void diagramReplaced() override;

    // Every change to the drawing as a step of the undo history: the way scripted edits
    // (tests, trials) insert and define blocks.
    DrawingCommands& commands() { return commands_; }

    // The Edit menu's clipboard commands and Select All (see ClipboardCommands); like undo
    // and redo below, each is refused while an operation or drag is under way. pointer:
    // the canvas point under the pointer, when it is over the canvas. A paste of plain
    // text that reads as a Mermaid flowchart adds its blocks and links (see TextImport).
    std::optional<ClipboardContent> cut();
    std::optional<ClipboardContent> copy() const;
    void paste(const ClipboardContent& content, std::optional<CanvasPoint> pointer);
    void duplicate();
    void selectAll();
    // Cut, Copy and Duplicate: a block is selected. Paste: nothing is under way (the shell
    // knows whether the clipboard holds anything). Select All: the drawing has blocks.
    bool canCopy() const;
    bool canPaste() const;
    bool canSelectAll() const;
    const BlockSelection& selection() const { return selection_; }

    // The problems list, "&Find..." and "&Go to Target": the block selected as a press
    // selects it, and scrolled into view. Each does nothing (false) while an operation
    // waits for a press, the kind panel is shown or the text dialog is open, as for undo;
    // canGoToBlock says whether they would act now.
    bool canGoToBlock() const;
    bool selectBlock(int32_t index);
    // "Find &Next": the next block whose text contains cp1252Text, or a message that none does.
    void findNext(const std::string& cp1252Text);
    // "&Go to Target": from a goto jump to its target, from a target to its jumps in turn,
    // or a message saying why there is nowhere to go.
    void gotoTarget();

    // The keyboard's way through the flow: F2 (and Return) edits the selected block's
    // text, Alt+Down, Alt+Left and Alt+Right follow or insert from an exit, Alt+Up goes to
    // the blocks entering the selected one, Ctrl+K links a free exit to a block found by
    // its text.
    FlowKeys& flowKeys() { return interaction_; }
    // Where block index's drawing lies on the canvas now, at the zoom; none for an index
    // not in use or a block without an outline.
    std::optional<CanvasBox> blockOnCanvas(int32_t index) const;

    // Edit > "A&rrange": the arranger proposes new centres for the several selected blocks, or
    // for the whole drawing when fewer are selected; they are applied as one step and the
    // view scrolls to the arranged blocks' top. A refusal is shown and changes nothing.
    // Refused, like undo, while an operation waits.
    bool canArrange() const;
    void arrange();

    // Undo and redo, refused while an operation waits for a press, the kind panel is shown
    // or the text dialog is open. A step restores the tables and clears the selection.
    bool canUndo() const;
    bool canRedo() const;
    bool undo();
    bool redo();
    UndoHistory& undoHistory() { return commands_.history(); }

    // The clock is a seam for tests and trials; the editor starts on a monotonic clock.
    using Clock = std::function<double()>;
    void setClock(Clock clock);

    bool shiftDown() const { return view_.panHeld(); }
    bool kindPanelVisible() const { return interaction_.kindPanelVisible(); }

    Viewport& viewport() { return view_.viewport(); }
    const Viewport& viewport() const { return view_.viewport(); }

private:
    void showHistoryStep();
    // Shift alone held or not, from a key event's modifiers; releasing it ends the pan.
    void followShift(bool held);
    void endPan();

    EditorState& state_;
    UiPort& ui_;  // the pan timer
    // Find's and Go to Target's messages; every other part reaches the user on its own.
    MessagePort& messages_;
    MenuState menus_;
    DrawingCommands commands_;
    BlockSelection selection_;
    CanvasView view_;
    Interaction interaction_;
    ClipboardCommands clipboard_;
    Arranger arranger_;
    TextImport textImport_;
    int32_t machineTag_;
    Clock clock_;
    std::function<void(double)> tickTail_;
    bool tickRunning_ = false;  // a tick's tail is under way (its message may be open)
    bool panning_ = false;      // the pan timer runs and the menus are off
    int32_t lastJump_ = -1;  // the goto jump Go to Target visited last; -1 = none
};

} // namespace corvix
