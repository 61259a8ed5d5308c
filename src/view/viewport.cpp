#include "view/viewport.h"

#include "view/zoom.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace corvix {

namespace {

int16_t toInt16(int32_t v)
{
    return static_cast<int16_t>(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// A sheet no longer than the canvas has nothing to scroll: the bar keeps it at the
// canvas's start instead of letting it wander off into blank space.
int32_t maximumUnlessFits(int32_t zoomedSheet, int32_t canvas, int32_t maximum)
{
    return zoomedSheet <= canvas ? 0 : maximum;
}

} // namespace

int16_t ScrollBar::clamp(int64_t v) const
{
    return static_cast<int16_t>(std::clamp<int64_t>(v, minimum, maximum));
}

Viewport::Viewport(UiPort& ui, std::function<void()> viewMoved)
    : ui_(ui)
    , viewMoved_(std::move(viewMoved))
{
}

const ScrollBar& Viewport::bar(ScrollAxis axis) const
{
    return axis == ScrollAxis::Horizontal ? hScroll_ : vScroll_;
}

ScrollBar& Viewport::mutableBar(ScrollAxis axis)
{
    return axis == ScrollAxis::Horizontal ? hScroll_ : vScroll_;
}

int32_t& Viewport::offset(ScrollAxis axis)
{
    return axis == ScrollAxis::Horizontal ? viewOffsetX_ : viewOffsetY_;
}

void Viewport::setValue(ScrollAxis axis, int32_t value)
{
    ScrollBar& b = mutableBar(axis);
    const int16_t clamped = b.clamp(value);
    if (clamped == b.value)
        return;
    b.value = clamped;
    ui_.scrollBarsChanged();
    changeNotification(axis);
}

void Viewport::userScrolled(ScrollAxis axis, int16_t value)
{
    ScrollBar& b = mutableBar(axis);
    b.value = b.clamp(value);
    if (b.value != value)
        ui_.scrollBarsChanged();
    changeNotification(axis);
}

void Viewport::setMaximum(ScrollAxis axis, int32_t maximum)
{
    ScrollBar& b = mutableBar(axis);
    b.maximum = std::max(b.minimum, toInt16(maximum));
    const int16_t clamped = b.clamp(b.value);
    const bool valueChanged = clamped != b.value;
    b.value = clamped;
    ui_.scrollBarsChanged();
    if (valueChanged)
        changeNotification(axis);
}

void Viewport::changeNotification(ScrollAxis axis)
{
    if (suppressScrollEvents_)
        return;
    offset(axis) = bar(axis).value;
    viewMoved_();
}

void Viewport::resize(int32_t clientWidth, int32_t clientHeight, const Paper& paper)
{
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    const int32_t sheetHeight = zoomedLength(paper.pageHeight, zoom_);
    const int32_t sheetWidth = zoomedLength(paper.pageWidth, zoom_);
    setMaximum(ScrollAxis::Vertical, maximumUnlessFits(sheetHeight, canvasHeight(), sheetHeight - canvasHeight()));
    setMaximum(ScrollAxis::Horizontal, maximumUnlessFits(sheetWidth, canvasWidth(), sheetWidth - canvasWidth()));
}

void Viewport::applyPaper(const Paper& paper)
{
    const int32_t sheetHeight = zoomedLength(paper.pageHeight, zoom_);
    const int32_t sheetWidth = zoomedLength(paper.pageWidth, zoom_);
    setValue(ScrollAxis::Vertical, 0);
    setMaximum(ScrollAxis::Vertical, maximumUnlessFits(sheetHeight, canvasHeight(), sheetHeight - clientHeight_ + 30));
    setValue(ScrollAxis::Horizontal, 0);
    setMaximum(ScrollAxis::Horizontal, maximumUnlessFits(sheetWidth, canvasWidth(), sheetWidth - clientWidth_ + 20));
}

ViewAnchor Viewport::anchorAt(double canvasX, double canvasY) const
{
    return {(viewOffsetX_ + canvasX) / zoom_, (viewOffsetY_ + canvasY) / zoom_, canvasX, canvasY};
}

void Viewport::setZoom(double zoom, const Paper& paper, const ViewAnchor& anchor)
{
    zoom_ = zoom;
    // The bars move several times on the way; the view follows once, at the end.
    suppressScrollEvents_ = true;
    resize(clientWidth_, clientHeight_, paper);
    setValue(ScrollAxis::Horizontal, scrollValueShowing(anchor.sheetX, anchor.canvasX, zoom));
    setValue(ScrollAxis::Vertical, scrollValueShowing(anchor.sheetY, anchor.canvasY, zoom));
    suppressScrollEvents_ = false;
    viewOffsetX_ = hScroll_.value;
    viewOffsetY_ = vScroll_.value;
    viewMoved_();
}

void Viewport::stepTowardMinimum(ScrollAxis axis, int32_t step)
{
    const ScrollBar& b = bar(axis);
    setValue(axis, b.value <= b.minimum + step ? b.minimum : b.value - step);
}

void Viewport::stepTowardMaximum(ScrollAxis axis, int32_t step)
{
    const ScrollBar& b = bar(axis);
    setValue(axis, b.value >= b.maximum - step ? b.maximum : b.value + step);
}

bool Viewport::autoPanPass(int32_t pointerX, int32_t pointerY)
{
    const int32_t oldX = viewOffsetX_;
    const int32_t oldY = viewOffsetY_;
    suppressScrollEvents_ = true;
    panAxis(ScrollAxis::Horizontal, pointerX, clientWidth_);
    viewOffsetY_ = vScroll_.value;
    panAxis(ScrollAxis::Vertical, pointerY, clientHeight_);
    suppressScrollEvents_ = false;
    return viewOffsetX_ != oldX || viewOffsetY_ != oldY;
}

void Viewport::panAxis(ScrollAxis axis, int32_t pointer, int32_t client)
{
    int32_t& o = offset(axis);
    const int32_t maximum = bar(axis).maximum;
    const int32_t step = zoomedLength(kAutoPanStep, zoom_);
    // A pointer exactly on a quarter line leaves the view alone.
    if (0.25 * client > pointer)
        o = o >= step ? o - step : 0;
    else if (0.75 * client < pointer)
        o = o > maximum - step ? maximum : o + step;
    else
        return;
    setValue(axis, o);
}

} // namespace corvix
