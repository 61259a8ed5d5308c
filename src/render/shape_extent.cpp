#include "render/shape_extent.h"

#include "render/block_drawing.h"

#include <cstdlib>

namespace corvix {

namespace {

int64_t sign(int64_t v)
{
    return (v > 0) - (v < 0);
}

// A surface that paints nothing and remembers the bounds of what it was asked to paint.
// Measuring the shape by drawing it keeps the bounds true to the drawing by construction.
class BoundsTarget final : public RenderTarget {
public:
    std::optional<Extent> bounds;

    double TextWidth(std::string_view) const override { return 0; }
    double TextHeight(std::string_view) const override { return 0; }
    void Cls() override {}
    void ForeColor(Color) override {}
    void CurrentX(int32_t) override {}
    void CurrentY(int32_t) override {}
    void Print(std::string_view) override {}
    void DrawStyle(LineStyle) override {}
    void FontTransparent(bool) override {}
    void XorMode(bool) override {}

    // A segment's units lie between its first and its last, one step back from its end
    // along the major axis.
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color) override
    {
        const int64_t dx = int64_t(x2) - x1;
        const int64_t dy = int64_t(y2) - y1;
        if (dx == 0 && dy == 0)
            return;
        const bool alongX = std::llabs(dx) >= std::llabs(dy);
        const int64_t major = alongX ? std::llabs(dx) : std::llabs(dy);
        const int64_t minor = alongX ? std::llabs(dy) : std::llabs(dx);
        const int64_t minorBack = minor - (2 * (major - 1) * minor + major) / (2 * major);
        const int64_t lastX = x2 - sign(dx) * (alongX ? 1 : minorBack);
        const int64_t lastY = y2 - sign(dy) * (alongX ? minorBack : 1);
        cover({std::min<int64_t>(x1, lastX), std::min<int64_t>(y1, lastY), std::max<int64_t>(x1, lastX),
               std::max<int64_t>(y1, lastY)});
    }

    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color) override
    {
        cover({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }

    void PaintPicture(Marker, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        if (w > 0 && h > 0)
            cover({x, y, int64_t(x) + w - 1, int64_t(y) + h - 1});
    }

private:
    void cover(const Extent& e)
    {
        if (bounds)
            bounds->include(e);
        else
            bounds = e;
    }
};

} // namespace

std::optional<Extent> blockShapeExtent(const Block& block)
{
    if (!withinDrawingLimit(blockExtent(block, 0, 0, CharCell{})))
        return std::nullopt;
    BoundsTarget target;
    drawBlockShape(target, block, 0, 0, blockColors(false), colors::Black);
    return target.bounds;
}

} // namespace corvix
