#pragma once
// The editor window's behaviour without the window: every handler of the canvas, the keys,
// the scroll bars, the menus and the timer. The Qt shell converts events and forwards.
// (Contract for the shell; the implementation may add members but keeps these.)

#include "model/editor_state.h"
#include "model/ui_port.h"
#include "render/render_target.h"

#include <cstdint>
#include <string>

namespace corvix {

class Viewport;

class Editor {
public:
    // canvas: the persistent image that repinta_tudo renders into; windowFont measures
    // block texts ("Courier New" 8.25 pt).
    Editor(EditorState& state, UiPort& ui, RenderTarget& canvas, const TextMeasurer& windowFont);

    // Canvas mouse. button: 1 left, 2 right; shift: bit 0 Shift, bit 1 Ctrl; x, y canvas units.
    void Diagrama_MouseDown(int button, int shift, float x, float y);
    void Diagrama_MouseMove(int button, int shift, float x, float y);
    void Diagrama_DblClick();

    // Keys, seen before any control. keyCode uses the classic codes (33..40 navigation,
    // 46 Delete); a consumed key is set to 0. shift: bit 0 Shift, bit 1 Ctrl.
    void Form_KeyDown(int16_t& keyCode, int16_t shift);
    void Form_KeyPress(int16_t keyAscii);
    void Form_KeyUp(int16_t keyCode, int16_t shift);

    // Menus and the kind panel.
    void minserebloco_Click();
    void SelBloco_Click(int16_t index);
    void mapagabloco_Click();
    void mtippapel_Click(int16_t index);

    // Text dialog answers: OK with the box's text (Windows-1252), then closed (any way).
    void textDialogOk(const std::string& cp1252Text);
    void textDialogClosed();

    // Window layout and scroll bars (client size in pixels, bars included).
    void Form_Resize(int32_t clientWidth, int32_t clientHeight, bool minimized);
    void HScroll1_Change(int16_t value);
    void VScroll1_Change(int16_t value);

    // One 100 ms tick: command refresh, then the Shift-held auto-pan loop.
    void Timer1_Timer();

    void repinta_tudo();
    void cancela_operacao();
    void limpa_desenho();
    void habilita_menus();
    void desabilita_menus();

    Viewport& viewport();
    const Viewport& viewport() const;
    EditorState& state();
};

} // namespace corvix
