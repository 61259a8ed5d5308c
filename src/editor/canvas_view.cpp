#include "editor/canvas_view.h"

#include "editor/hit_test.h"
#include "model/paper.h"
#include "render/shape_extent.h"
#include "view/scroll_into_view.h"

#include <algorithm>
#include <optional>

namespace corvix {

namespace {

// Each operation waiting for its second press has a rubber band style of its own.
std::optional<LineStyle> rubberBandStyle(EditMode mode)
{
    switch (mode) {
    case EditMode::Connecting:
        return LineStyle::Dot;
    case EditMode::MovingBlock:
        return LineStyle::Dash;
    case EditMode::MovingAll:
        return LineStyle::DashDotDot;
    default:
        return std::nullopt;
    }
}

} // namespace

CanvasView::CanvasView(EditorState& state, UiPort& ui, RenderTarget& canvas)
    : state_(state)
    , ui_(ui)
    , canvas_(canvas)
    , viewport_(ui, [this] { atualiza_vista(); })
{
}

void CanvasView::repinta_tudo()
{
    pass_.desenha_diagrama(canvas_, state_, viewport_.viewOffsetX(), viewport_.viewOffsetY());
    ui_.refreshCanvas();
}

void CanvasView::atualiza_vista()
{
    // The repaint wipes the exclusive-or band, so it must not be erased again.
    rubberBandDrawn_ = false;
    repinta_tudo();
    desenha_elastico(true);
}

void CanvasView::resize(int32_t clientWidth, int32_t clientHeight, bool minimized)
{
    if (minimized)
        return;
    viewport_.resize(clientWidth, clientHeight, state_.paper);
    repinta_tudo();
}

void CanvasView::scrolled(ScrollAxis axis, int16_t value)
{
    viewport_.userScrolled(axis, value);
}

void CanvasView::applyPaper(int32_t paperType)
{
    ui_.setPaperChecked(paperType);
    applyPaperType(state_.paper, paperType);
    viewport_.applyPaper(state_.paper);
    state_.header.paperType = paperType;
    repinta_tudo();
}

void CanvasView::restoreView(int32_t scrollX, int32_t scrollY)
{
    viewport_.setValue(ScrollAxis::Horizontal, std::min<int32_t>(scrollX, viewport_.hScroll().maximum));
    viewport_.setValue(ScrollAxis::Vertical, std::min<int32_t>(scrollY, viewport_.vScroll().maximum));
}

void CanvasView::scrollToOrigin()
{
    viewport_.setValue(ScrollAxis::Horizontal, 0);
    viewport_.setValue(ScrollAxis::Vertical, 0);
}

void CanvasView::showBlock(const Block& block)
{
    const std::optional<Extent> shape = blockShapeExtent(block);
    if (!shape)
        return;
    const BarValues bars = scrollIntoView(viewport_, {shape->left, shape->top, shape->right, shape->bottom});
    viewport_.setValue(ScrollAxis::Horizontal, bars.horizontal);
    viewport_.setValue(ScrollAxis::Vertical, bars.vertical);
}

Point CanvasView::sheetPoint(float x, float y) const
{
    return {canvasToSheet(viewport_.hScroll().value, x), canvasToSheet(viewport_.vScroll().value, y)};
}

void CanvasView::pointerMoved(float x, float y)
{
    pointerX_ = roundCanvas(x);
    pointerY_ = roundCanvas(y);
    desenha_elastico(false);
}

void CanvasView::startRubberBand(Point anchor)
{
    bandAnchor_ = anchor;
    rubberBandDrawn_ = false;
}

void CanvasView::desenha_elastico(bool forcar)
{
    const std::optional<LineStyle> style = rubberBandStyle(state_.editMode);
    if (!style)
        return;
    if (!forcar && pointerX_ == rubberBandLastX_ && pointerY_ == rubberBandLastY_)
        return;

    canvas_.DrawStyle(*style);
    canvas_.XorMode(true);
    // The fixed end sits 2 units right of and below where the anchor point is drawn.
    const int32_t fixedX = bandAnchor_.x - viewport_.hScroll().value + 2;
    const int32_t fixedY = bandAnchor_.y - viewport_.vScroll().value + 2;
    if (rubberBandDrawn_)
        canvas_.Line(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
    rubberBandDrawn_ = true;
    rubberBandLastX_ = pointerX_;
    rubberBandLastY_ = pointerY_;
    canvas_.Line(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
    canvas_.DrawStyle(LineStyle::Solid);
    canvas_.XorMode(false);
    ui_.refreshCanvas();
}

void CanvasView::panWhileHeld()
{
    // Paced at the screen's frames, and an unmoved view is not painted again: a pointer
    // resting in the middle while Shift is held costs next to nothing.
    while (panHeld_) {
        if (viewport_.autoPanPass(pointerX_, pointerY_))
            atualiza_vista();
        ui_.processEventsFor(Viewport::kAutoPanPassMs);
    }
}

} // namespace corvix
