#include "view/scroll_into_view.h"

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

} // namespace

BarValues scrollIntoView(const Viewport& viewport, const SheetArea& area)
{
    const int32_t canvasWidth = viewport.clientWidth() - Viewport::kBarThickness;
    const int32_t canvasHeight = viewport.clientHeight() - Viewport::kBarThickness;
    if (shows(viewport.viewOffsetX(), canvasWidth, area.left, area.right)
        && shows(viewport.viewOffsetY(), canvasHeight, area.top, area.bottom))
        return {viewport.hScroll().value, viewport.vScroll().value};
    return {barValueFor(viewport.hScroll(), canvasWidth, area.left, area.right),
            barValueFor(viewport.vScroll(), canvasHeight, area.top, area.bottom)};
}

} // namespace corvix
