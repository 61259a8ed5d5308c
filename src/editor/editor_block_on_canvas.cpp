// Where a block lies on the canvas, for a screen reader or a magnifier.
#include "editor/editor.h"

#include "render/shape_extent.h"

#include <cmath>

namespace corvix {

std::optional<CanvasBox> Editor::blockOnCanvas(int32_t index) const
{
    if (index < 0 || index >= state_.blockCount)
        return std::nullopt;
    const std::optional<Extent> shape = blockShapeExtent(state_.blocks[size_t(index)]);
    if (!shape)
        return std::nullopt;
    // The canvas pixels the zoomed units cover, less the view's offsets.
    const double z = view_.zoom();
    const auto left = int64_t(std::floor(double(shape->left) * z)) - viewport().viewOffsetX();
    const auto top = int64_t(std::floor(double(shape->top) * z)) - viewport().viewOffsetY();
    const auto right = int64_t(std::ceil(double(shape->right + 1) * z)) - viewport().viewOffsetX();
    const auto bottom = int64_t(std::ceil(double(shape->bottom + 1) * z)) - viewport().viewOffsetY();
    return CanvasBox{int32_t(left), int32_t(top), int32_t(right - left), int32_t(bottom - top)};
}

} // namespace corvix
