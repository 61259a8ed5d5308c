#include "editor/canvas_view.h"

#include "editor/hit_test.h"
#include "model/paper.h"
#include "render/shape_extent.h"
#include "view/scroll_into_view.h"
#include "view/zoom.h"

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

CanvasView::CanvasView(EditorState& state, UiPort& ui, RenderTarget& canvas, const BlockSelection& selection)
    : state_(state)
    , ui_(ui)
    , canvas_(canvas)
    , selection_(selection)
    , viewport_(ui, [this] { atualiza_vista(); })
{
}

void CanvasView::repinta_tudo()
{
    // A selection box is drawn afresh after any repaint, which wipes it.
    if (selectionBox_)
        rubberBandDrawn_ = false;
    // The pass draws in whole sheet units from the unit at the canvas's corner; the
    // surface lays them on its device pixels, zoomed and at the screen's ratio.
    const ZoomedOrigin x = zoomedOrigin(viewport_.viewOffsetX(), zoom());
    const ZoomedOrigin y = zoomedOrigin(viewport_.viewOffsetY(), zoom());
    canvas_.Magnify({zoom() * deviceRatio_, x.shift * deviceRatio_, y.shift * deviceRatio_});
    drawnOrigin_ = {x.unit, y.unit};
    pass_.draw(canvas_, state_, selection_.highlights(), x.unit, y.unit);
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
    const int32_t x = zoomedLength(scrollX, zoom());
    const int32_t y = zoomedLength(scrollY, zoom());
    viewport_.setValue(ScrollAxis::Horizontal, std::min<int32_t>(x, viewport_.hScroll().maximum));
    viewport_.setValue(ScrollAxis::Vertical, std::min<int32_t>(y, viewport_.vScroll().maximum));
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

void CanvasView::showTopOf(const SheetArea& area)
{
    const BarValues bars = scrollToTopOf(viewport_, area);
    viewport_.setValue(ScrollAxis::Horizontal, bars.horizontal);
    viewport_.setValue(ScrollAxis::Vertical, bars.vertical);
}

Point CanvasView::sheetPoint(float x, float y) const
{
    return {canvasToSheet(viewport_.hScroll().value, x, zoom()), canvasToSheet(viewport_.vScroll().value, y, zoom())};
}

void CanvasView::zoomIn()
{
    zoomTo(zoomInFrom(zoom()));
}

void CanvasView::zoomOut()
{
    zoomTo(zoomOutFrom(zoom()));
}

void CanvasView::zoomTo(double zoom)
{
    zoomAbout(zoom, float(viewport_.canvasWidth() / 2), float(viewport_.canvasHeight() / 2));
}

void CanvasView::zoomAbout(double zoom, float x, float y)
{
    viewport_.setZoom(zoom, state_.paper, viewport_.anchorAt(x, y));
}

void CanvasView::fitPage()
{
    const double zoom = fitPageZoom(viewport_.canvasWidth(), viewport_.canvasHeight(), state_.paper);
    viewport_.setZoom(zoom, state_.paper, ViewAnchor{});
}

void CanvasView::wheelScroll(ScrollAxis axis, int32_t notches)
{
    // A notch goes as far as an arrow key: the bars' small step is a single pixel.
    const int32_t step = viewport_.bar(axis).largeChange;
    if (notches > 0)
        viewport_.stepTowardMinimum(axis, notches * step);
    else if (notches < 0)
        viewport_.stepTowardMaximum(axis, -notches * step);
}

Point CanvasView::viewCentre() const
{
    return sheetPoint(float(viewport_.canvasWidth() / 2), float(viewport_.canvasHeight() / 2));
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

void CanvasView::startSelectionBox(Point corner)
{
    startRubberBand(corner);
    selectionBox_ = true;
}

void CanvasView::desenha_elastico(bool forcar)
{
    const std::optional<LineStyle> style = selectionBox_ ? LineStyle::Dot : rubberBandStyle(state_.editMode);
    if (!style)
        return;

    // The moving end is the sheet point under the pointer, so at one unit a pixel the
    // pointer itself.
    const Point end = sheetPoint(float(pointerX_), float(pointerY_));
    const int32_t endX = end.x - drawnOrigin_.x;
    const int32_t endY = end.y - drawnOrigin_.y;
    if (!forcar && endX == rubberBandLastX_ && endY == rubberBandLastY_)
        return;

    canvas_.DrawStyle(*style);
    canvas_.XorMode(true);
    // A line's fixed end sits 2 units right of and below where the anchor point is drawn;
    // a box's corner is the point itself.
    const int32_t shift = selectionBox_ ? 0 : 2;
    const int32_t fixedX = bandAnchor_.x - drawnOrigin_.x + shift;
    const int32_t fixedY = bandAnchor_.y - drawnOrigin_.y + shift;
    const auto draw = [&] {
        if (selectionBox_)
            canvas_.Box(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
        else
            canvas_.Line(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
    };
    if (rubberBandDrawn_)
        draw();
    rubberBandDrawn_ = true;
    rubberBandLastX_ = endX;
    rubberBandLastY_ = endY;
    draw();
    canvas_.DrawStyle(LineStyle::Solid);
    canvas_.XorMode(false);
    ui_.refreshCanvas();
}

void CanvasView::panStep()
{
    if (viewport_.autoPanPass(pointerX_, pointerY_))
        atualiza_vista();
}

} // namespace corvix
