#include "view/scroll_into_view.h"

#include <cmath>

namespace corvix {

namespace {

// The value that puts the middle of low..high in the middle of a canvas `canvas` units long.
int16_t barValueFor(const ScrollBar& bar, int32_t canvas, int64_t low, int64_t high)
{
    return bar.clamp(low + (high - low) / 2 - canvas / 2);
}

// Whether a canvas `canvas` units long from offset shows low..high whole.
bool shows(int32_t offset, int32_t canvas, int64_t low, int64_t high)
{
    return low >= offset && high < int64_t(offset) + canvas;
}

// The canvas pixels of the zoomed sheet that the units first..last cover.
struct PixelSpan {
    int64_t low = 0;
    int64_t high = 0;
};

PixelSpan zoomedSpan(int64_t first, int64_t last, double zoom)
{
    return {int64_t(std::floor(double(first) * zoom)), int64_t(std::ceil(double(last + 1) * zoom)) - 1};
}

} // namespace

BarValues scrollIntoView(const Viewport& viewport, const SheetArea& area)
{
    const PixelSpan x = zoomedSpan(area.left, area.right, viewport.zoom());
    const PixelSpan y = zoomedSpan(area.top, area.bottom, viewport.zoom());
    if (shows(viewport.viewOffsetX(), viewport.canvasWidth(), x.low, x.high)
        && shows(viewport.viewOffsetY(), viewport.canvasHeight(), y.low, y.high))
        return {viewport.hScroll().value, viewport.vScroll().value};
    return {barValueFor(viewport.hScroll(), viewport.canvasWidth(), x.low, x.high),
            barValueFor(viewport.vScroll(), viewport.canvasHeight(), y.low, y.high)};
}

BarValues scrollToTopOf(const Viewport& viewport, const SheetArea& area)
{
    constexpr int64_t kMargin = 16;  // sheet units shown above the top
    const PixelSpan x = zoomedSpan(area.left, area.right, viewport.zoom());
    const PixelSpan y = zoomedSpan(area.top - kMargin, area.bottom, viewport.zoom());
    return {barValueFor(viewport.hScroll(), viewport.canvasWidth(), x.low, x.high), viewport.vScroll().clamp(y.low)};
}

} // namespace corvix
