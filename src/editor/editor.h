#pragma once
// The editor window's behaviour without the window: every handler of the canvas, the keys,
// the scroll bars, the menus and the timer. The Qt shell converts events and forwards.
// (Contract for the shell; the implementation may add members but keeps these.)

#include "editor/undo_history.h"
#include "model/editor_state.h"
#include "model/ui_port.h"
#include "render/render_target.h"
#include "storage/diagram_file.h"
#include "view/viewport.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvix {

// Also what loading a diagram needs from the window: pass the editor to carrega_arquivo.
class Editor final : public LoadHooks {
public:
    // canvas: the persistent image that repinta_tudo renders into; windowFont measures
    // block texts ("Courier New" 8.25 pt).
    Editor(EditorState& state, UiPort& ui, RenderTarget& canvas, const TextMeasurer& windowFont);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Canvas mouse. button: 1 left, 2 right; shift: bit 0 Shift, bit 1 Ctrl; x, y canvas units.
    // Ignored while the canvas is disabled (the kind panel was shown at the last tick).
    void Diagrama_MouseDown(int button, int shift, float x, float y);
    void Diagrama_MouseMove(int button, int shift, float x, float y);
    void Diagrama_DblClick();

    // Keys, seen before any control. keyCode uses the classic codes (33..40 navigation,
    // 46 Delete); a consumed key is set to 0. shift: bit 0 Shift, bit 1 Ctrl.
    void Form_KeyDown(int16_t& keyCode, int16_t shift);
    void Form_KeyPress(int16_t keyAscii);
    void Form_KeyUp(int16_t keyCode, int16_t shift);
    // The window lost the keyboard: its key releases go elsewhere, so Shift counts as up.
    void windowDeactivated();

    // Menus and the kind panel.
    void minserebloco_Click();
    void SelBloco_Click(int16_t index);
    void mapagabloco_Click();
    void mtippapel_Click(int16_t index);

    // Text dialog answers: OK with the box's text (Windows-1252, lines split by CR LF),
    // then closed (any way).
    void textDialogOk(const std::string& cp1252Text);
    void textDialogClosed();

    // Window layout and scroll bars (client size in pixels, bars included).
    void Form_Resize(int32_t clientWidth, int32_t clientHeight, bool minimized);
    void HScroll1_Change(int16_t value);
    void VScroll1_Change(int16_t value);

    // One 100 ms tick: command refresh, then the Shift-held auto-pan loop, then the tail.
    // A tick that arrives while another runs (from inside the loop's processEventsFor or a
    // message box) only refreshes the commands.
    void Timer1_Timer();

    void repinta_tudo();
    void cancela_operacao();
    void limpa_desenho();
    void habilita_menus();
    void desabilita_menus();

    // Block text rules, measuring and placing; the change is one undo step.
    void define_bloco(int32_t index, int32_t kind, const std::string& text, int32_t x, int32_t y);
    // Appends a block; false, with a message and the tables untouched, when the table is full.
    bool insere_bloco(int32_t kind, const std::string& text, int32_t x, int32_t y);
    // Deletes the selected block after asking; false only when no block is selected.
    bool apaga_bloco();
    // Deletes the selected link after asking; nothing when no link is selected.
    void apaga_ligacao();
    // Redraws the rubber band of the operation under way; forcar draws it even when the
    // pointer has not moved.
    void desenha_elastico(bool forcar);
    // Repaints and draws the rubber band afresh (after the view moved).
    void atualiza_vista();

    // Undo and redo, refused while an operation waits for a press, the kind panel is shown
    // or the text dialog is open. A step restores the tables and clears the selection.
    bool canUndo() const;
    bool canRedo() const;
    bool undo();
    bool redo();
    UndoHistory& undoHistory() { return history_; }

    // Seconds on a monotonic clock; tests replace it.
    using Clock = std::function<double()>;
    void setClock(Clock clock);
    double nowSeconds() const { return clock_(); }
    // The last step of every tick that is not nested in another (the autosave check),
    // given nowSeconds().
    void setTickTail(std::function<void(double)> step);

    // LoadHooks: the stored paper and view, then repaint and idle; a load also starts a new
    // undo history with the loaded drawing as the saved state.
    void applyPaper(int32_t paperType) override;
    void restoreView(int32_t scrollX, int32_t scrollY) override;
    void loaded() override;
    void rejected() override;

    bool shiftDown() const { return shiftDown_; }
    bool kindPanelVisible() const { return kindPanelVisible_; }

    Viewport& viewport();
    const Viewport& viewport() const;
    EditorState& state();

private:
    void showHistoryStep();
    void pressIdle(int button, int shift, int32_t px, int32_t py);
    void pressConnecting(int32_t px, int32_t py);
    void dropBlock(int32_t px, int32_t py);
    void dropAll(int32_t px, int32_t py);
    void pressInserting(int button, int32_t px, int32_t py);
    // Port of the selected block at (px, py), setting the anchor; -1 none, -99 a bad kind.
    int32_t findPort(int32_t px, int32_t py);
    void startOperation(EditMode mode, Pointer pointer);
    void makeLink(const Link& link);
    void swapDecision();
    void showKindPanel(bool visible);
    void refreshCommands();
    void autoPan();
    bool operationWaiting() const;
    bool isBlockIndex(int32_t index) const;
    Block definedBlock(Block block, int32_t kind, const std::string& text, int32_t x, int32_t y) const;

    EditorState& state_;
    UiPort& ui_;
    RenderTarget& canvas_;
    const TextMeasurer& windowFont_;
    Viewport viewport_;
    UndoHistory history_;
    int32_t machineTag_;
    Clock clock_;
    std::function<void(double)> tickTail_;

    int32_t pointerX_ = 0;
    int32_t pointerY_ = 0;
    int32_t anchorX_ = 0;
    int32_t anchorY_ = 0;
    int32_t moveOriginX_ = 0;
    int32_t moveOriginY_ = 0;
    int32_t linkSource_ = 0;
    int32_t linkTarget_ = 0;
    bool rubberBandDrawn_ = false;
    int32_t rubberBandLastX_ = 0;
    int32_t rubberBandLastY_ = 0;
    bool shiftDown_ = false;
    bool kindPanelVisible_ = false;
    bool canvasEnabled_ = true;
    bool textDialogOpen_ = false;
    bool tickRunning_ = false;
};

} // namespace corvix
