#pragma once
// The canvas's view of the sheet: the scroll bars and view offsets, the zoom, the paper,
// the persistent canvas image that every repaint renders anew, the rubber band (or the
// selection box) drawn over it with exclusive-or, and the auto-pan's steps while Shift
// is held.

#include "editor/block_selection.h"
#include "editor/view_zoom.h"
#include "model/editor_state.h"
#include "model/ui_port.h"
#include "render/block_geometry.h"
#include "render/render_pass.h"
#include "render/render_target.h"
#include "view/scroll_into_view.h"
#include "view/viewport.h"

#include <cstdint>

namespace corvix {

class CanvasView final : public ViewZoom {
public:
    // canvas: the persistent image that every repaint renders into; selection says what
    // it draws highlighted.
    CanvasView(EditorState& state, UiPort& ui, RenderTarget& canvas, const BlockSelection& selection);
    CanvasView(const CanvasView&) = delete;
    CanvasView& operator=(const CanvasView&) = delete;

    Viewport& viewport() { return viewport_; }
    const Viewport& viewport() const { return viewport_; }

    // repinta_tudo: the whole drawing rendered into the canvas image at the view
    // offsets, then shown. Wipes the rubber band.
    void repinta_tudo();
    // atualiza_vista: repaints and draws the rubber band afresh (after the view moved).
    void atualiza_vista();

    // Form_Resize: a new client size in pixels, scroll bars included.
    void resize(int32_t clientWidth, int32_t clientHeight, bool minimized);
    // The user moved a scroll bar.
    void scrolled(ScrollAxis axis, int16_t value);
    // mtippapel_Click, or a loaded file's paper: any 32-bit type, kept whole so that a
    // save writes it back.
    void applyPaper(int32_t paperType);
    // The view position a file stored (sheet units), each value clamped to its bar's maximum.
    void restoreView(int32_t scrollX, int32_t scrollY);
    // Both bars back to their start (a new drawing).
    void scrollToOrigin();
    // Moves the view so that the block's drawing shows whole, unless it already does.
    void showBlock(const Block& block);
    // Moves the view so that area's top shows near the canvas's top, its middle across.
    void showTopOf(const SheetArea& area);

    // The sheet point under canvas point (x, y).
    Point sheetPoint(float x, float y) const;
    // The sheet point at the middle of the canvas.
    Point viewCentre() const;

    // ViewZoom.
    double zoom() const override { return viewport_.zoom(); }
    void zoomIn() override;
    void zoomOut() override;
    void zoomTo(double zoom) override;
    void fitPage() override;
    void setDeviceRatio(double ratio) override { deviceRatio_ = ratio; }

    // A new zoom, keeping the sheet point under canvas point (x, y) there.
    void zoomAbout(double zoom, float x, float y);
    // Wheel notches forward (positive: up or left) or back, by the bar's large step.
    void wheelScroll(ScrollAxis axis, int32_t notches);

    // The pointer moved to canvas point (x, y): the rubber band follows it, and the
    // auto-pan steers by it.
    void pointerMoved(float x, float y);
    // An operation starts: the rubber band's fixed end is at sheet point anchor, and the
    // band is not drawn yet.
    void startRubberBand(Point anchor);
    // desenha_elastico: redraws the rubber band of the operation under way; forcar draws
    // it even when the pointer has not moved since it was last drawn.
    void desenha_elastico(bool forcar);
    // A selection box follows the pointer from sheet point corner, whatever the edit
    // mode, until it ends; the caller repaints to wipe it.
    void startSelectionBox(Point corner);
    void endSelectionBox() { selectionBox_ = false; }

    // Shift held alone pans the view toward the edge the pointer is near.
    void setPanHeld(bool held) { panHeld_ = held; }
    bool panHeld() const { return panHeld_; }
    // One step of the auto-pan toward the edge the pointer is near; repaints only when
    // the view moved, so a pointer resting in the middle costs next to nothing.
    void panStep();

private:
    EditorState& state_;
    UiPort& ui_;
    RenderTarget& canvas_;
    const BlockSelection& selection_;
    Viewport viewport_;
    RenderPass pass_;
    double deviceRatio_ = 1;
    Point drawnOrigin_;     // the sheet unit at the canvas's corner in the last repaint

    int32_t pointerX_ = 0;  // canvas units
    int32_t pointerY_ = 0;
    Point bandAnchor_;      // sheet units
    bool rubberBandDrawn_ = false;
    int32_t rubberBandLastX_ = 0;  // the band's moving end as drawn, in units from drawnOrigin_
    int32_t rubberBandLastY_ = 0;
    bool selectionBox_ = false;
    bool panHeld_ = false;
};

} // namespace corvix
